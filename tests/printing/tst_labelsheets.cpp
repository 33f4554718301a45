#include "support/FakeLabelWorkspace.h"
#include "printing/LabelCommands.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using platform::Buttons;
using platform::Icon;
using testsupport::LabelPrintRig;
using testsupport::PrintDialogAction;

Q_DECLARE_METATYPE(printing::PrintFont)

namespace {

const QString kPrinterProblem = QStringLiteral("A printer problem exists.  Check printer.");
const QStringList kAddress{"Jane Doe", "12 Elm St", "Springfield, IL  62701", "", ""};

// The lines of the address on a label whose first line is at `row`, from `column`.
QStringList labelAt(int row, int column, const QStringList& lines = kAddress)
{
    QStringList out;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            out << QStringLiteral("%1:%2:%3").arg(row + i).arg(column).arg(lines[i]);
    }
    return out;
}

bool marginFileOpen(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == target)
            return true;
    }
    return false;
}

}  // namespace

class TestLabelSheets : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LabelPrintRig> rig;

    void expectPrinterProblem()
    {
        rig->messages.expect("Printer error", kPrinterProblem, Buttons::Ok, Icon::Exclamation);
    }
    void wide() { printing::cmdWideLabel_Click(rig->services, rig->ws); }
    void large() { printing::cmdLargeLabel_Click(rig->services, rig->ws); }
    const std::vector<printing::PrintedDocument>& docs() { return rig->device.documents(); }

private slots:
    void init()
    {
        rig = std::make_unique<LabelPrintRig>();
        rig->ws.control("cmdWideLabel").visible = true;
    }
    void cleanup()
    {
        QVERIFY2(rig->messages.allShown(), qPrintable(rig->messages.pending().join("; ")));
        QVERIFY(rig->printScript.allUsed());
        QVERIFY(rig->ws.unknownControls().isEmpty());
        rig.reset();
    }

    void wideRangeLeftJustified()
    {
        rig->ws.typeLines(kAddress);
        rig->ws.chooseRange("4-9");
        rig->printScript.print(1);
        wide();

        QCOMPARE(docs().size(), size_t(1));
        const printing::PrintedDocument& doc = docs().front();
        QCOMPARE(doc.orientation, 1);
        QCOMPARE(doc.pages.size(), size_t(1));
        // Each label after the first: back to the top, one line, then its top pad.
        const QStringList expected = labelAt(11, 68) + labelAt(18, 3) + labelAt(18, 68) + labelAt(25, 3)
                                     + labelAt(25, 68) + labelAt(31, 3);
        QCOMPARE(testsupport::textLayout(doc), expected);
        for (const printing::PlacedText& t : doc.pages[0].items)
            QCOMPARE(t.font, (printing::PrintFont{"Verdana", 9, false, false}));

        QCOMPARE(rig->ws.vars().strStartPos, QString("10"));
        QCOMPARE(rig->ws.vars().strEndPos, QString("9"));
        QCOMPARE(rig->ws.vars().intLabelCount, std::int16_t(6));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("68"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("29"));
        // Label stock clears and hides the envelope Bold box.
        QCOMPARE(rig->ws.value("chkBold"), 0);
        QVERIFY(!rig->ws.isVisible("chkBold"));
        QCOMPARE(rig->messages.beeps(), 0);
        QCOMPARE(rig->printScript.flagsAtShow(), std::vector<int>{0x80000});
        QVERIFY(rig->ws.printDialog().cancelError());
        // An empty margin file was made for the job.
        QVERIFY(QFile::exists(rig->marginPath()));
        QVERIFY(!marginFileOpen(rig->marginPath()));
    }

    void wideEveryPositionLinesUpWithTheDocumentRows()
    {
        // Every document line: the opening line, the top pad, then five label lines.
        rig->ws.typeLines({"A", "", "", "", ""});
        rig->ws.chooseRange("1-20");
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().size(), size_t(1));
        const int tops[] = {3, 9, 16, 23, 29, 36, 42, 49, 55, 62};
        QStringList expected;
        for (int p = 1; p <= 20; ++p)
            expected << QStringLiteral("%1:%2:A").arg(tops[(p - 1) / 2] + 2).arg(p % 2 ? 3 : 68);
        QCOMPARE(testsupport::textLayout(docs().front()), expected);
        QCOMPARE(rig->ws.vars().strStartPos, QString("21"));
        // Past the last position no row matches: the pads stay those of position 20.
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("68"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("62"));
        // 1 + 3 + 5 lines for the first label, 1 + pad + 5 for every later one, and the lines
        // after the last label down to the position that follows it (pads of 20).
        const auto& lines = rig->log.documents().front();
        int expectedLines = 1 + 3;
        for (int p = 1; p <= 20; ++p)
            expectedLines += 5 + 1 + tops[(std::min(p + 1, 20) - 1) / 2];
        QCOMPARE(int(lines.size()), expectedLines);
    }

    void wideCentredBoldAndItalic()
    {
        rig->ws.typeLines(kAddress);
        rig->ws.chooseRange("2");
        rig->ws.control("optQzCenter").value = 1;
        rig->ws.control("optQzLeftjust").value = 0;
        rig->ws.control("chkLblBold").value = 1;
        rig->ws.control("chkLblItalic").value = 1;
        rig->printScript.print(1);
        wide();

        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("3"));  // position 3's, after the label
        QCOMPARE(docs().size(), size_t(1));
        // Pad 60 - 3; 24 - 8/2 = 20, 24 - 9/2 = 19.5 -> 20, 24 - 22/2 = 13 spaces.
        const QStringList expected{"5:77:Jane Doe", "6:77:12 Elm St", "7:70:Springfield, IL  62701"};
        QCOMPARE(testsupport::textLayout(docs().front()), expected);
        for (const printing::PlacedText& t : docs().front().pages[0].items)
            QCOMPARE(t.font, (printing::PrintFont{"Verdana", 9, true, true}));
        // An empty line still takes its row: 24 blanks and no text.
        const auto& lines = rig->log.documents().front();
        const testsupport::LoggedLine& fourth = lines.at(1 + 3 + 3);
        QCOMPARE(fourth.items.size(), size_t(3));
        QCOMPARE(fourth.items[1].count, 24);
        QCOMPARE(fourth.items[0].count, 57);
    }

    void wideCentredNotBoldUsesThePad()
    {
        rig->ws.typeLines({"Hello", "Goodbye", "", "", ""});
        rig->ws.chooseRange("1");
        rig->ws.control("optQzCenter").value = 1;
        rig->ws.control("optQzLeftjust").value = 0;
        rig->printScript.print(1);
        wide();
        // 24 - 2.5 = 21.5 -> 22; 24 - 3.5 = 20.5 -> 20.
        QCOMPARE(testsupport::textLayout(docs().front()), (QStringList{"5:25:Hello", "6:23:Goodbye"}));
    }

    void printerFamilyShiftsColumnsAndSetsPaper_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("paper");
        QTest::newRow("plain") << "Recording Printer" << false << 68 << 20;
        QTest::newRow("plain bold") << "Recording Printer" << true << 60 << 20;
        QTest::newRow("Officejet") << "HP Officejet Pro 8600" << false << 70 << 1;
        QTest::newRow("Officejet bold") << "HP Officejet Pro 8600" << true << 66 << 1;
        QTest::newRow("ENVY") << "HP ENVY 4500" << false << 70 << 1;
        QTest::newRow("DeskJet") << "HP DeskJet 640C/642C/648C" << true << 66 << 1;
        QTest::newRow("DeskJet part of the name") << "HP DeskJet 640C" << false << 68 << 20;
        QTest::newRow("Photosmart shifts only") << "HP Photosmart C4180" << false << 70 << 20;
        QTest::newRow("lower-case officejet") << "hp officejet" << false << 68 << 20;
    }
    void printerFamilyShiftsColumnsAndSetsPaper()
    {
        QFETCH(QString, device);
        QFETCH(bool, bold);
        QFETCH(int, column);
        QFETCH(int, paper);
        rig->device.setDeviceName(device);
        rig->printer.setPaperSize(20);  // left from an earlier envelope
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("4");
        rig->ws.control("chkLblBold").value = bold ? 1 : 0;
        rig->printScript.print(1);
        wide();
        QCOMPARE(testsupport::textLayout(docs().front()), QStringList{QStringLiteral("11:%1:X").arg(column)});
        QCOMPARE(docs().front().paperSize, paper);
    }

    void printerChosenInTheDialogPlacesTheLaterLabels()
    {
        // The first label's pads were looked up before the dialog, on the printer current then.
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("1-2");
        rig->printScript.push({PrintDialogAction::Print, 1, -1, 0, 0, "HP Officejet 4630"});
        wide();
        QCOMPARE(testsupport::textLayout(docs().front()), (QStringList{"5:3:X", "5:70:X"}));
        QCOMPARE(docs().front().paperSize, 1);
    }

    void copiesAreDocumentsOfTheirOwn()
    {
        rig->ws.typeLines(kAddress);
        rig->ws.chooseRange("4-9");
        rig->printScript.print(3);
        wide();
        QCOMPARE(docs().size(), size_t(3));
        QCOMPARE(testsupport::textLayout(docs()[1]), testsupport::textLayout(docs()[0]));
        QCOMPARE(testsupport::textLayout(docs()[2]), testsupport::textLayout(docs()[0]));
        QCOMPARE(testsupport::textLayout(docs()[0]).size(), 18);
        QCOMPARE(rig->ws.vars().strStartPos, QString("10"));

        // A second press prints the accepted range again, not from where the first ended.
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().size(), size_t(4));
        QCOMPARE(testsupport::textLayout(docs()[3]), testsupport::textLayout(docs()[0]));
    }

    void noCopiesPrintsNothing()
    {
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("1");
        rig->printScript.print(0);
        wide();
        QVERIFY(docs().empty());
        QVERIFY(rig->messages.shown().empty());
    }

    void landscapeUsesElevenPoints()
    {
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("3");
        rig->ws.control("optPortrait").value = 0;
        rig->ws.control("optLandscape").value = 1;
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().front().orientation, 2);
        QCOMPARE(docs().front().pages[0].items.front().font, (printing::PrintFont{"Verdana", 11, false, false}));
    }

    void noPositionChosenPrintsWithTheWindowsState()
    {
        rig->ws.typeLines({"X"});
        rig->ws.control("optQzLabel").value = 1;
        rig->ws.vars().strStartPos = "5";
        rig->ws.vars().intLabelCount = 1;
        rig->ws.control("txtQzLeftPad").text = "12";
        rig->ws.control("txtQzToppad").text = "4";
        rig->printScript.print(1);
        wide();
        QCOMPARE(testsupport::textLayout(docs().front()), QStringList{"6:12:X"});
        QCOMPARE(rig->ws.vars().strStartPos, QString("6"));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("68"));  // position 6's pads
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("16"));

        // No count set: a document of empty lines only.
        rig->ws.vars().intLabelCount = 0;
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().size(), size_t(2));
        QVERIFY(testsupport::textLayout(docs()[1]).isEmpty());
    }

    void startOutsideTheSheetKeepsThePads()
    {
        rig->ws.typeLines({"X"});
        rig->ws.control("optQzLabel").value = 1;
        rig->ws.vars().strStartPos = "25";
        rig->ws.vars().intLabelCount = 2;
        rig->ws.control("txtQzLeftPad").text = "7";
        rig->ws.control("txtQzToppad").text = "1";
        rig->printScript.print(1);
        wide();
        // Every label of the copy where the first one went.
        QCOMPARE(testsupport::textLayout(docs().front()), (QStringList{"3:7:X", "3:7:X"}));
        QCOMPARE(rig->ws.vars().strStartPos, QString("27"));
    }

    void marginAdjustments()
    {
        rig->writeMargins({{"ONTHEFLY", "  1", " -1"},
                           {"onthefly", " 30", " 30"},
                           {" ONTHEFLY", " 30", " 30"},
                           {"ONTHEFLY", "  2", "  1"},
                           {"ENVELOPE", " 40", " 40"}});
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("4-5");
        rig->printScript.print(1);
        wide();
        // The later ONTHEFLY record: two columns right, one row down.
        QCOMPARE(testsupport::textLayout(docs().front()), (QStringList{"12:70:X", "19:5:X"}));
    }

    void envelope_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("largeFont");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<printing::PrintFont>("font");
        QTest::addColumn<int>("paper");
        // Pads 50/15 with ENVELOPE adjustments 2/-1: column 52, 14 rows after the opening line.
        const printing::PrintFont verdana{"Verdana", 11, false, false};
        QTest::newRow("left-justified") << "Recording Printer" << false << false << false
                                        << QStringList{"16:52:Jane Doe", "17:52:12 Elm St"} << verdana << 1;
        QTest::newRow("bold") << "Recording Printer" << true << false << false
                              << QStringList{"15:52:Jane Doe", "16:52:12 Elm St"}
                              << printing::PrintFont{"Verdana", 11, true, false} << 1;
        // Centred: pad - 6 and 18 - n/2 blanks (8 -> 14, 9 -> 13.5 -> 14).
        QTest::newRow("centred") << "Recording Printer" << false << false << true
                                 << QStringList{"16:60:Jane Doe", "17:60:12 Elm St"} << verdana << 1;
        // Large font and Bold on a family printer: 1 + 7 + 2 rows up, 6 + 6 columns left.
        QTest::newRow("large bold Officejet centred")
            << "Officejet 5740" << true << true << true << QStringList{"6:54:Jane Doe", "7:54:12 Elm St"}
            << printing::PrintFont{"Trebuchet MS", 14, true, true} << 20;
        QTest::newRow("Photosmart is not moved") << "Photosmart 7520" << false << false << false
                                                 << QStringList{"16:52:Jane Doe", "17:52:12 Elm St"} << verdana << 1;
    }
    void envelope()
    {
        QFETCH(QString, device);
        QFETCH(bool, bold);
        QFETCH(bool, largeFont);
        QFETCH(bool, centred);
        QFETCH(QStringList, expected);
        QFETCH(printing::PrintFont, font);
        QFETCH(int, paper);
        rig->writeMargins({{"ONTHEFLY", " 10", " 10"}, {"ENVELOPE", "  2", " -1"}});
        rig->device.setDeviceName(device);
        rig->ws.typeLines({"Jane Doe", "12 Elm St"});
        rig->ws.control("optQzEnvelope").value = 1;
        rig->ws.control("optPortrait").value = 0;
        rig->ws.control("optLandscape").value = 1;
        rig->ws.vars().strEnvSize = "1";
        rig->ws.vars().strStartPos = "4";
        rig->ws.vars().intLabelCount = 6;
        rig->ws.control("txtQzLeftPad").text = "50";
        rig->ws.control("txtQzToppad").text = "15";
        rig->ws.control("lblQzPosition").text = "Label Position 4-9";
        rig->ws.vars().strLabelRange = "4-9";
        rig->ws.control("chkBold").value = bold ? 1 : 0;
        rig->ws.control("chkLargeFont").value = largeFont ? 1 : 0;
        if (centred) {
            rig->ws.control("optQzCenter").value = 1;
            rig->ws.control("optQzLeftjust").value = 0;
        }
        rig->printScript.print(2);
        wide();

        QCOMPARE(docs().size(), size_t(2));
        QCOMPARE(testsupport::textLayout(docs()[0]), expected);
        QCOMPARE(docs()[0].pages[0].items.front().font, font);
        QCOMPARE(docs()[0].paperSize, paper);
        QCOMPARE(docs()[0].orientation, 2);
        // One envelope: no range split, no pads, no advance.
        QCOMPARE(rig->ws.vars().intLabelCount, std::int16_t(1));
        QCOMPARE(rig->ws.vars().strStartPos, QString("4"));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("50"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("15"));
        QCOMPARE(rig->ws.value("chkBold"), bold ? 1 : 0);
        // Five rows per envelope, empty ones included.
        QCOMPARE(int(rig->log.documents()[0].size()), 1 + 14 - (bold ? 1 : 0) - (largeFont ? 7 : 0)
                                                          - (paper == 20 ? 2 : 0) + 5);
    }

    void envelopeInPortraitTakesTheStockSize()
    {
        rig->ws.typeLines({"X"});
        rig->ws.control("optQzEnvelope").value = 1;
        rig->ws.vars().strEnvSize = "3";
        rig->printScript.print(1);
        large();
        QCOMPARE(docs().front().pages[0].items.front().font, (printing::PrintFont{"Verdana", 14, false, false}));
    }

    void largeSheet()
    {
        rig->ws.typeLines(kAddress);
        rig->ws.chooseRange("9-10");
        rig->printScript.print(2);
        large();
        QCOMPARE(docs().size(), size_t(2));
        QCOMPARE(testsupport::textLayout(docs()[0]), labelAt(38, 3) + labelAt(38, 46));
        QCOMPARE(testsupport::textLayout(docs()[1]), testsupport::textLayout(docs()[0]));
        QCOMPARE(docs()[0].pages[0].items.front().font, (printing::PrintFont{"Verdana", 14, false, false}));
        QCOMPARE(rig->ws.vars().strStartPos, QString("11"));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("46"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("36"));
    }

    void largeCentring_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        // Pad 3 - 1 not bold; 18 - 2.5 = 15.5 -> 16, 18 - 3.5 = 14.5 -> 14.
        QTest::newRow("5 chars") << "1" << false << "Hello" << "4:18:Hello";
        QTest::newRow("7 chars") << "1" << false << "Goodbye" << "4:16:Goodbye";
        // Bold: pad 3 - 3 = column 0, which prints from column 1.
        QTest::newRow("bold column 0") << "1" << true << "Hello" << "4:17:Hello";
        QTest::newRow("position 2") << "2" << false << "Hello" << "4:61:Hello";
        QTest::newRow("position 2 bold") << "2" << true << "Hello" << "4:54:Hello";
        QTest::newRow("35 chars") << "3" << false << QString(35, 'x') << "13:2:" + QString(35, 'x');
        QTest::newRow("36 chars") << "3" << false << QString(36, 'x') << "13:2:" + QString(36, 'x');
    }
    void largeCentring()
    {
        QFETCH(QString, range);
        QFETCH(bool, bold);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        rig->ws.typeLines({line});
        rig->ws.chooseRange(range);
        rig->ws.control("optQzCenter").value = 1;
        rig->ws.control("chkLblBold").value = bold ? 1 : 0;
        rig->printScript.print(1);
        large();
        QCOMPARE(testsupport::textLayout(docs().front()), QStringList{expected});
    }

    void tooLongToCentreStartsAtTheTabColumn()
    {
        // 24 - 30 = -6 blanks: none; a line far too long for 16 bits still prints.
        const QString longLine(60, 'w');
        const QString hugeLine(70000, 'h');
        rig->ws.typeLines({longLine, hugeLine});
        rig->ws.chooseRange("1");
        rig->ws.control("optQzCenter").value = 1;
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().size(), size_t(1));
        QCOMPARE(testsupport::textLayout(docs().front()), (QStringList{"5:3:" + longLine, "6:3:" + hugeLine}));
    }

    void controlCharactersPrintAsBlanks()
    {
        rig->ws.typeLines({"Jane\tDoe", "12 Elm St\r\nApt 4", "Line\n3", "", ""});
        rig->ws.chooseRange("1");
        rig->ws.control("optQzCenter").value = 1;
        rig->printScript.print(1);
        wide();
        // The same rows and centring as the blanks would give.
        QCOMPARE(testsupport::textLayout(docs().front()),
                 (QStringList{"5:23:Jane Doe", "6:19:12 Elm St  Apt 4", "7:24:Line 3"}));
    }

    void refusalsInOrder_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("envSize");
        QTest::addColumn<QString>("alignment");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("no lines") << QStringList{"", "", "", "", ""} << "" << "" << ""
                                  << "Missing Data" << "No information entered";
        QTest::newRow("blanks are information") << QStringList{"", "", " "} << "" << "" << ""
                                                << "Media Selection" << "Select Label stock or Envelope";
        QTest::newRow("no medium") << QStringList{"X"} << "" << "" << "optQzLeftjust"
                                   << "Media Selection" << "Select Label stock or Envelope";
        QTest::newRow("envelope without size") << QStringList{"X"} << "optQzEnvelope" << "0" << ""
                                               << "Envelope Size" << "Select Envelope size";
        QTest::newRow("envelope size never chosen") << QStringList{"X"} << "optQzEnvelope" << "" << "optQzCenter"
                                                    << "Envelope Size" << "Select Envelope size";
        QTest::newRow("no alignment") << QStringList{"X"} << "optQzEnvelope" << "2" << ""
                                      << "Text Alignment" << "Select Left-Justified or Centered";
    }
    void refusalsInOrder()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, medium);
        QFETCH(QString, envSize);
        QFETCH(QString, alignment);
        QFETCH(QString, title);
        QFETCH(QString, message);
        rig->ws.typeLines(lines);
        rig->ws.control("optQzLeftjust").value = 0;
        if (!medium.isEmpty())
            rig->ws.control(medium).value = 1;
        if (!alignment.isEmpty())
            rig->ws.control(alignment).value = 1;
        rig->ws.vars().strEnvSize = envSize;
        rig->messages.expect(title, message, Buttons::Ok, Icon::Exclamation);
        wide();
        QCOMPARE(rig->messages.events(), (QStringList{"beep", "box:" + title}));
        QCOMPARE(rig->printScript.shownCount(), 0);
        QVERIFY(rig->log.calls().isEmpty());
        // The margin file is read before any check.
        QVERIFY(QFile::exists(rig->marginPath()));
    }

    void rangeEndBeforeStart()
    {
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("9-4");
        rig->ws.vars().intLabelCount = 3;
        rig->messages.expect("Try again", "Label starting position cannot exceed ending position.", Buttons::Ok,
                             Icon::Information);
        large();
        QCOMPARE(rig->messages.beeps(), 1);
        QCOMPARE(rig->ws.vars().strStartPos, QString("9"));
        QCOMPARE(rig->ws.vars().strEndPos, QString("4"));
        QCOMPARE(rig->ws.vars().intLabelCount, std::int16_t(3));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("2"));
        QCOMPARE(rig->printScript.shownCount(), 0);
    }

    void rangeSplit_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("7") << "7" << "7" << "old" << 1 << "3" << "23";
        QTest::newRow("12") << "12" << "12" << "old" << 1 << "68" << "36";
        QTest::newRow("5-5") << "5-5" << "5" << "5" << 1 << "3" << "16";
        QTest::newRow("9-12") << "9-12" << "9" << "12" << 4 << "3" << "29";
        QTest::newRow("11-20") << "11-20" << "11" << "20" << 10 << "3" << "36";
    }
    void rangeSplit()
    {
        // Cancelled in the dialog: what the split and the lookup wrote stays.
        QFETCH(QString, range);
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange(range);
        rig->ws.vars().strEndPos = "old";
        rig->printScript.cancel();
        wide();
        QTEST(rig->ws.vars().strStartPos, "start");
        QTEST(rig->ws.vars().strEndPos, "end");
        QTEST(int(rig->ws.vars().intLabelCount), "count");
        QTEST(rig->ws.text("txtQzLeftPad"), "left");
        QTEST(rig->ws.text("txtQzToppad"), "top");
        QVERIFY(docs().empty());
        QVERIFY(rig->messages.shown().empty());
        QCOMPARE(rig->log.killCount(), 0);
    }

    void badMarginValueIsAPrinterProblemBeforeAnyCheck_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("ONTHEFLY letters") << "ONTHEFLY" << "abc" << "  1";
        QTest::newRow("ONTHEFLY blank") << "ONTHEFLY" << "  1" << "   ";
        QTest::newRow("ENVELOPE letters") << "ENVELOPE" << " 1x" << "  1";
    }
    void badMarginValueIsAPrinterProblemBeforeAnyCheck()
    {
        QFETCH(QString, key);
        QFETCH(QString, left);
        QFETCH(QString, top);
        rig->writeMargins({{key, left, top}});
        rig->ws.typeLines({});  // would be refused, were the margins read later
        expectPrinterProblem();
        wide();
        QCOMPARE(rig->messages.beeps(), 0);
        QCOMPARE(rig->printScript.shownCount(), 0);
        QVERIFY(docs().empty());
        // The document was cancelled although none was open yet.
        QCOMPARE(rig->log.killCount(), 1);
        QVERIFY(!marginFileOpen(rig->marginPath()));

        // The program goes on: with the record mended the next press prints.
        rig->writeMargins({{key, "  0", "  0"}});
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("1");
        rig->printScript.print(1);
        wide();
        QCOMPARE(docs().size(), size_t(1));
    }

    void cancelThatFailsStillReportsTheProblem()
    {
        // A printer that cannot even cancel (none installed, say).
        struct NoCancel : testsupport::PrinterCallLog {
            using PrinterCallLog::PrinterCallLog;
            void killDoc() override { throw rt::RuntimeError(rt::err::PrinterError); }
        } printer(rig->printer);
        rig->services.printer = &printer;
        rig->writeMargins({{"ONTHEFLY", "1.x", "  0"}});
        expectPrinterProblem();
        wide();
    }

    void failingPrinter()
    {
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("1-3");
        rig->device.failWith(482);
        rig->printScript.print(2);
        expectPrinterProblem();
        wide();
        QVERIFY(docs().empty());
        QCOMPARE(rig->log.killCount(), 1);

        rig->device.failWith(0);
        rig->printScript.push({PrintDialogAction::Fail});
        expectPrinterProblem();
        wide();
        QVERIFY(docs().empty());
        QVERIFY(!rig->printer.hasOpenDocument());
    }

    void overflowIsAPrinterProblem_data()
    {
        QTest::addColumn<QString>("leftPad");
        QTest::addColumn<QString>("topPad");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<bool>("centredBold");
        QTest::addColumn<QString>("start");
        QTest::newRow("pad") << "40000" << "3" << "  0" << false << "1";
        QTest::newRow("top pad") << "2" << "1e9" << "  0" << false << "1";
        QTest::newRow("pad plus adjustment") << "32767" << "3" << "  1" << false << "1";
        QTest::newRow("centring column") << "-32767" << "3" << "  0" << true << "1";
        QTest::newRow("advance") << "2" << "3" << "  0" << false << "32767";
        QTest::newRow("start not a number") << "2" << "3" << "  0" << false << "x";
    }
    void overflowIsAPrinterProblem()
    {
        QFETCH(QString, leftPad);
        QFETCH(QString, topPad);
        QFETCH(QString, margin);
        QFETCH(bool, centredBold);
        QFETCH(QString, start);
        rig->writeMargins({{"ONTHEFLY", margin, "  0"}});
        rig->ws.typeLines({"X"});
        rig->ws.control("optQzLabel").value = 1;  // no position chosen: the boxes' pads print
        rig->ws.control("txtQzLeftPad").text = leftPad;
        rig->ws.control("txtQzToppad").text = topPad;
        rig->ws.vars().strStartPos = start;
        rig->ws.vars().intLabelCount = 1;
        if (centredBold) {
            rig->ws.control("optQzCenter").value = 1;
            rig->ws.control("chkLblBold").value = 1;
        }
        rig->printScript.print(1);
        expectPrinterProblem();
        wide();
        QVERIFY(docs().empty());
        QVERIFY(!rig->printer.hasOpenDocument());
    }

    void rangeNotANumber()
    {
        rig->ws.typeLines({"X"});
        rig->ws.chooseRange("a-b");
        expectPrinterProblem();
        wide();
        QCOMPARE(rig->printScript.shownCount(), 0);
    }

    void unwritableDataFolder()
    {
        rig->appInfo.data = rig->dir.filePath("missing/folder");
        rig->ws.typeLines({"X"});
        expectPrinterProblem();
        large();
        QCOMPARE(rig->printScript.shownCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLabelSheets)
#include "tst_labelsheets.moc"
