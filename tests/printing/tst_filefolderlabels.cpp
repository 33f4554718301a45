#include "support/FakeLabelWorkspace.h"
#include "printing/LabelCommands.h"

#include <QtTest>

using platform::Buttons;
using platform::Icon;
using testsupport::LabelPrintRig;

Q_DECLARE_METATYPE(printing::PrintFont)

namespace {

const QString kPrinterProblem = QStringLiteral("A printer problem exists.  Check printer.");
constexpr double kVerdana20Line = 20 * 1.21533;
constexpr double kVerdana10Line = 10 * 1.21533;

}  // namespace

class TestFileFolderLabels : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LabelPrintRig> rig;

    void print() { printing::cmdFileFolderStart_Click(rig->services, rig->ws); }
    const std::vector<printing::PrintedDocument>& docs() { return rig->device.documents(); }
    void centre()
    {
        rig->ws.control("optQzCenter").value = 1;
        rig->ws.control("optQzLeftjust").value = 0;
    }
    void envelope(const QString& left, const QString& top)
    {
        rig->ws.control("optQzEnvelope").value = 1;
        rig->ws.control("optPortrait").value = 0;
        rig->ws.control("optLandscape").value = 1;
        rig->ws.vars().strEnvSize = "6";
        rig->ws.control("txtQzLeftPad").text = left;
        rig->ws.control("txtQzToppad").text = top;
    }

private slots:
    void init()
    {
        rig = std::make_unique<LabelPrintRig>();
        rig->ws.control("cmdFileFolderStart").visible = true;
        rig->ws.control("cmdQzStart").visible = false;
    }
    void cleanup()
    {
        QVERIFY2(rig->messages.allShown(), qPrintable(rig->messages.pending().join("; ")));
        QVERIFY(rig->printScript.allUsed());
        QVERIFY(rig->ws.unknownControls().isEmpty());
        rig.reset();
    }

    void centredRangeTwoCopies()
    {
        rig->ws.typeLines({"TAXES 2023"});
        rig->ws.chooseRange("3-4");
        centre();
        rig->printScript.print(2);
        print();

        QCOMPARE(docs().size(), size_t(2));
        QCOMPARE(testsupport::textLayout(docs()[1]), testsupport::textLayout(docs()[0]));
        // Pad 5 + 1 and 10 - 5 blanks; pad 34 + 1 and 5 blanks. Both on row 5 of their pass:
        // the opening line, the two pad rows, the 10-point spacer.
        QCOMPARE(testsupport::textLayout(docs()[0]), (QStringList{"5:11:TAXES 2023", "5:40:TAXES 2023"}));
        const printing::PlacedText& first = docs()[0].pages[0].items[0];
        QCOMPARE(first.font, (printing::PrintFont{"Verdana", 20, false, false}));
        QVERIFY(qAbs(first.y - (3 * kVerdana20Line + kVerdana10Line)) < 1e-6);

        const QStringList expectedLines{"20:", "20:", "20:", "10:", "20:tab(6) spaces(5) 'TAXES 2023'",
                                        "20:", "20:", "20:", "10:", "20:tab(35) spaces(5) 'TAXES 2023'",
                                        "20:", "20:", "20:", "20:", "20:"};
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[0]), expectedLines);

        QCOMPARE(rig->printScript.flagsAtShow(), std::vector<int>{0x80000});
        QCOMPARE(rig->ws.printDialog().flags(), 8);
        QVERIFY(rig->ws.printDialog().cancelError());
        QCOMPARE(rig->ws.vars().strStartPos, QString("5"));
        QCOMPARE(rig->ws.vars().strEndPos, QString("4"));
        QCOMPARE(rig->ws.vars().intLabelCount, std::int16_t(2));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("5"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("4"));
        QCOMPARE(rig->ws.value("chkBold"), 0);
        QVERIFY(!rig->ws.isVisible("chkBold"));
    }

    void centredBoldAndPlain()
    {
        rig->ws.typeLines({"Hello"});
        rig->ws.chooseRange("1");
        rig->ws.control("chkLblBold").value = 1;
        centre();
        rig->printScript.print(1);
        print();
        // An empty 20-point line, no top lines, a 10-point line, then the text in bold.
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[0]).mid(0, 3),
                 (QStringList{"20:", "10:", "20:tab(3) spaces(8) 'Hello'"}));
        QCOMPARE(docs()[0].pages[0].items[0].font, (printing::PrintFont{"Verdana", 20, true, false}));

        rig->ws.control("chkLblBold").value = 0;
        rig->printScript.print(1);
        print();
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[1]).at(2), QString("20:tab(6) spaces(8) 'Hello'"));
        QCOMPARE(docs()[1].pages[0].items[0].font, (printing::PrintFont{"Verdana", 20, false, false}));
    }

    void centringCounts_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("spaces");
        QTest::newRow("5") << 5 << 8;
        QTest::newRow("7") << 7 << 6;
        QTest::newRow("8") << 8 << 6;
        QTest::newRow("20") << 20 << 0;
        QTest::newRow("21") << 21 << 0;
        QTest::newRow("40") << 40 << 0;
    }
    void centringCounts()
    {
        QFETCH(int, length);
        QFETCH(int, spaces);
        rig->ws.typeLines({QString(length, 'F')});
        rig->ws.chooseRange("2");
        centre();
        rig->printScript.print(1);
        print();
        QCOMPARE(testsupport::textLayout(docs()[0]).front(), QStringLiteral("3:%1:%2").arg(35 + spaces).arg(QString(length, 'F')));
    }

    void leftJustifiedWithAdjustments()
    {
        rig->writeMargins({{"ONTHEFLY", "  1", " -1"}});
        rig->ws.typeLines({"Receipts"});
        rig->ws.control("optQzLabel").value = 1;  // no position chosen: the boxes' pads
        rig->ws.control("txtQzLeftPad").text = "34";
        rig->ws.control("txtQzToppad").text = "4";
        rig->ws.vars().strStartPos = "30";
        rig->ws.vars().intLabelCount = 1;
        rig->printScript.print(1);
        print();
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[0]).mid(0, 6),
                 (QStringList{"20:", "20:", "20:", "20:", "10:", "20:tab(35) 'Receipts'"}));
        // Position 31 is off the sheet: the pads stay.
        QCOMPARE(rig->ws.vars().strStartPos, QString("31"));
        QCOMPARE(rig->ws.text("txtQzLeftPad"), QString("34"));
    }

    void walkingARange_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("leftAfter");
        QTest::addColumn<QString>("topAfter");
        QTest::addColumn<QString>("startAfter");
        QTest::newRow("1-3 bold") << "Recording Printer" << "1-3" << true
                                  << QStringList{"3:5:F", "3:30:F", "5:5:F"} << "30" << "2" << "4";
        QTest::newRow("Officejet") << "Officejet 3830" << "1-2" << false << QStringList{"3:6:F", "3:35:F"}
                                   << "6" << "2" << "3";
        QTest::newRow("Officejet bold") << "Officejet 3830" << "2" << true << QStringList{"3:33:F"} << "6"
                                        << "2" << "3";
        QTest::newRow("29-30") << "Recording Printer" << "29-30" << false
                               << QStringList{"31:5:F", "31:34:F"} << "34" << "28" << "31";
        QTest::newRow("7 written 07") << "Recording Printer" << "07" << false << QStringList{"9:5:F"} << "34"
                                      << "6" << "8";
    }
    void walkingARange()
    {
        QFETCH(QString, device);
        QFETCH(QString, range);
        QFETCH(bool, bold);
        rig->device.setDeviceName(device);
        rig->ws.typeLines({"F"});
        rig->ws.chooseRange(range);
        rig->ws.control("chkLblBold").value = bold ? 1 : 0;
        rig->printScript.print(1);
        print();
        QCOMPARE(docs().size(), size_t(1));
        QTEST(testsupport::textLayout(docs()[0]), "expected");
        QTEST(rig->ws.text("txtQzLeftPad"), "leftAfter");
        QTEST(rig->ws.text("txtQzToppad"), "topAfter");
        QTEST(rig->ws.vars().strStartPos, "startAfter");
    }

    void topAdjustmentBelowTheFirstRow()
    {
        rig->writeMargins({{"ONTHEFLY", "  0", " -1"}});
        rig->ws.typeLines({"F"});
        rig->ws.chooseRange("1-2");
        rig->printScript.print(1);
        print();
        // A top line count of -1 prints no lines: the label follows the line after the top.
        QCOMPARE(testsupport::textLayout(docs()[0]), (QStringList{"3:5:F", "3:34:F"}));
    }

    void landscapeLabel()
    {
        rig->ws.typeLines({"F"});
        rig->ws.chooseRange("3");
        rig->ws.control("optPortrait").value = 0;
        rig->ws.control("optLandscape").value = 1;
        rig->printScript.print(1);
        print();
        QCOMPARE(docs()[0].orientation, 2);
        // The opening line and the top lines at 11 points; the text still 20.
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[0]),
                 (QStringList{"11:", "11:", "11:", "10:", "20:tab(5) 'F'", "20:", "20:", "20:"}));
    }

    void envelopes_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("largeFont");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<printing::PrintFont>("font");
        QTest::addColumn<int>("paper");
        // Pads 45/12. Centred: pad - 6, 18 - 10/2 = 13 blanks, no spacer, the page's size.
        QTest::newRow("centred") << "Recording Printer" << true << false << false
                                 << QStringList{"11:", "11:", "11:", "11:", "11:", "11:", "11:", "11:", "11:", "11:",
                                                "11:", "11:", "11:", "11:tab(39) spaces(13) 'TAXES 2023'"}
                                 << printing::PrintFont{"Verdana", 11, false, false} << 1;
        // Large font and Bold: 8 rows up and 12 columns left.
        QTest::newRow("centred large bold")
            << "Recording Printer" << true << true << true
            << QStringList{"11:", "14:", "14:", "14:", "14:", "14:tab(33) spaces(13) 'TAXES 2023'"}
            << printing::PrintFont{"Trebuchet MS", 14, true, true} << 1;
        QTest::newRow("centred large bold Officejet")
            << "HP Officejet 6500" << true << true << true
            << QStringList{"11:", "14:", "14:", "14:tab(33) spaces(13) 'TAXES 2023'"}
            << printing::PrintFont{"Trebuchet MS", 14, true, true} << 20;
        // Left-justified: the spacer and 20-point text, also in the large font's face.
        QTest::newRow("left large") << "Recording Printer" << false << false << true
                                    << QStringList{"11:", "14:", "14:", "14:", "14:", "14:", "10:",
                                                   "20:tab(39) 'TAXES 2023'"}
                                    << printing::PrintFont{"Trebuchet MS", 20, false, true} << 1;
    }
    void envelopes()
    {
        QFETCH(QString, device);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        QFETCH(bool, largeFont);
        QFETCH(QStringList, lines);
        QFETCH(printing::PrintFont, font);
        QFETCH(int, paper);
        rig->device.setDeviceName(device);
        rig->ws.typeLines({"TAXES 2023"});
        envelope("45", "12");
        rig->ws.vars().strStartPos = "9";
        rig->ws.vars().intLabelCount = 4;
        if (centred)
            centre();
        rig->ws.control("chkBold").value = bold ? 1 : 0;
        rig->ws.control("chkLargeFont").value = largeFont ? 1 : 0;
        rig->printScript.print(1);
        print();

        QCOMPARE(docs().size(), size_t(1));
        QCOMPARE(testsupport::lineLayout(rig->log.documents()[0]), lines);
        QCOMPARE(docs()[0].pages[0].items[0].font, font);
        QCOMPARE(docs()[0].paperSize, paper);
        QCOMPARE(rig->ws.vars().intLabelCount, std::int16_t(1));
        QCOMPARE(rig->ws.vars().strStartPos, QString("9"));
        QCOMPARE(rig->ws.text("txtQzToppad"), QString("12"));
        // The envelope's own end, then the copy's: nothing between them.
        QVERIFY(rig->log.calls().join(',').endsWith("line,enddoc,enddoc"));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("alignment");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const int excl = int(Icon::Exclamation);
        QTest::newRow("line 1 empty") << QStringList{"", "", "Other"} << "optQzLabel" << "optQzLeftjust"
                                      << "Missing Data" << "No information entered" << excl;
        QTest::newRow("line 3 filled") << QStringList{"Taxes", "", "Other"} << "optQzLabel" << "optQzLeftjust"
                                       << "Leave Lines 2-5 blank" << "Enter information on Line 1 only." << excl;
        QTest::newRow("line 2 a blank") << QStringList{"Taxes", " "} << "" << ""
                                        << "Leave Lines 2-5 blank" << "Enter information on Line 1 only." << excl;
        QTest::newRow("line 5 filled") << QStringList{"Taxes", "", "", "", "x"} << "" << ""
                                       << "Leave Lines 2-5 blank" << "Enter information on Line 1 only." << excl;
        QTest::newRow("nothing chosen") << QStringList{"Taxes"} << "" << "" << "Media Selection"
                                        << "Select Label stock or Envelope" << excl;
        QTest::newRow("envelope without size") << QStringList{"Taxes"} << "optQzEnvelope" << "" << "Envelope Size"
                                               << "Select Envelope size" << excl;
        QTest::newRow("no alignment") << QStringList{"Taxes"} << "optQzLabel" << "" << "Text Alignment"
                                      << "Select Left-Justified or Centered" << excl;
    }
    void refusals()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, medium);
        QFETCH(QString, alignment);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(int, icon);
        rig->ws.typeLines(lines);
        rig->ws.control("optQzLeftjust").value = 0;
        if (!medium.isEmpty())
            rig->ws.control(medium).value = 1;
        if (!alignment.isEmpty())
            rig->ws.control(alignment).value = 1;
        rig->ws.control("lblQzPosition").text = "Label Position 4-9";
        rig->ws.vars().strLabelRange = "4-9";
        rig->messages.expect(title, message, Buttons::Ok, Icon(icon));
        print();
        QCOMPARE(rig->messages.events(), (QStringList{"beep", "box:" + title}));
        QCOMPARE(rig->printScript.shownCount(), 0);
        QVERIFY(rig->log.calls().isEmpty());
        // Nothing of the window was changed.
        QVERIFY(rig->ws.changes().isEmpty());
        QVERIFY(rig->ws.vars().strStartPos.isEmpty());
    }

    void rangeEndBeforeStart()
    {
        rig->ws.typeLines({"Taxes"});
        rig->ws.chooseRange("9-4");
        rig->messages.expect("Try again", "Label starting position cannot exceed ending position.", Buttons::Ok,
                             Icon::Information);
        print();
        QCOMPARE(rig->messages.beeps(), 1);
        QCOMPARE(rig->ws.vars().strStartPos, QString("9"));
        QCOMPARE(rig->ws.vars().strEndPos, QString("4"));
        QCOMPARE(rig->printScript.shownCount(), 0);
    }

    void lineOfBlanksPrints()
    {
        rig->ws.typeLines({"   "});
        rig->ws.chooseRange("1");
        rig->printScript.print(1);
        print();
        QCOMPARE(docs().size(), size_t(1));
        QCOMPARE(testsupport::textLayout(docs()[0]), QStringList{"3:5:   "});
    }

    void noCopiesAndCancel()
    {
        rig->ws.typeLines({"Taxes"});
        rig->ws.chooseRange("1");
        rig->printScript.print(0);
        print();
        QVERIFY(docs().empty());
        QCOMPARE(rig->ws.printDialog().flags(), 8);

        rig->printScript.cancel();
        print();
        QVERIFY(docs().empty());
        QVERIFY(rig->messages.shown().empty());
        // The dialog was opened as every print command opens it.
        QCOMPARE(rig->printScript.flagsAtShow(), (std::vector<int>{0x80000, 0x80000}));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("leftPad");
        QTest::addColumn<int>("deviceError");
        QTest::newRow("margin not a number") << "  x" << "5" << 0;
        QTest::newRow("tab column overflow") << "  0" << "32767" << 0;
        QTest::newRow("printer fails") << "  0" << "5" << 482;
    }
    void failures()
    {
        QFETCH(QString, margin);
        QFETCH(QString, leftPad);
        QFETCH(int, deviceError);
        rig->writeMargins({{"ENVELOPE", "  1", "  1"}, {"ONTHEFLY", margin, "  0"}});
        rig->device.failWith(deviceError);
        rig->ws.typeLines({"Taxes"});
        rig->ws.control("optQzLabel").value = 1;
        rig->ws.control("txtQzLeftPad").text = leftPad;
        rig->ws.vars().strStartPos = "1";
        rig->ws.vars().intLabelCount = 1;
        centre();
        if (margin == "  0")
            rig->printScript.print(2);
        rig->messages.expect("Printer error", kPrinterProblem, Buttons::Ok, Icon::Exclamation);
        print();
        QVERIFY(docs().empty());
        QVERIFY(!rig->printer.hasOpenDocument());
    }
};

QTEST_GUILESS_MAIN(TestFileFolderLabels)
#include "tst_filefolderlabels.moc"
