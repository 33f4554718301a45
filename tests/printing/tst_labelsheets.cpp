#include "support/Fixture.h"
#include "support/Golden.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QtTest>

using platform::Buttons;
using platform::Icon;

namespace {
const QString kWide = "cmdWideLabel", kLarge = "cmdLargeLabel", kFolder = "cmdFileFolderStart";
}

// The Print commands of the sheets printed by label position: wide, large and file folder.
class TestLabelSheets : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Fixture> rig;

    testsupport::Screen w() { return rig->window(); }
    // The documents printed, against tests/data/labelsheets/<name>.txt.
    bool matchesSheet(const QString& name)
    {
        return testsupport::matchesGolden(testsupport::dumpDocuments(rig->docs()),
                                          "labelsheets/" + name);
    }
    QString pads() { return w().text("txtQzLeftPad") + ' ' + w().text("txtQzToppad"); }
    // Nothing looked up or set up for printing: the home screen as it was.
    bool untouched()
    {
        return pads() == "2 3" && w().isVisible("chkBold") && w().vars().strStartPos.isEmpty()
               && w().text("lblLabelSize") == "Standard Label 1\" x 2 5/8\"";
    }
    void print(const QString& button, const QString& range, int copies = 1)
    {
        if (!range.isEmpty())
            rig->choose("optQzLabel", range);
        rig->app.printScript.print(copies);
        rig->click(button);
    }

private slots:
    void init() { rig = std::make_unique<testsupport::Fixture>(); }
    void cleanup() { QVERIFY2(rig->leftOver().isEmpty(), qPrintable(rig->leftOver())); }

    void wideRangeLeftJustified()
    {
        const QStringList address{"Jane Doe", "12 Elm St", "Springfield, IL  62701", "", ""};
        rig->typeLines(address);
        const qsizetype descriptors = testsupport::openDescriptors();
        print(kWide, "4-9");

        // The opening line, the top pad, then five label lines per label, the empty ones included.
        QVERIFY(matchesSheet("wide_range_4-9"));
        QCOMPARE(w().vars().strStartPos + ' ' + w().vars().strEndPos + ' ' + pads(), QString("10 9 68 29"));
        QCOMPARE(w().vars().intLabelCount, std::int16_t(6));
        QVERIFY(w().value("chkBold") == 0 && !w().isVisible("chkBold"));
        QCOMPARE(rig->app.printScript.flagsAtShow(), std::vector<int>{0x80000});
        QVERIFY(w()->printDialog().cancelError());
        QVERIFY(QFile::exists(rig->marginPath()));
        QCOMPARE(testsupport::openDescriptors(), descriptors);

        // Each copy is a document of its own, and a new press prints the accepted range again.
        print(kWide, "", 3);
        print(kWide, "", 0);
        QCOMPARE(rig->docs().size(), size_t(4));
        QCOMPARE(testsupport::dumpPages(rig->docs()[3].pages), testsupport::dumpPages(rig->docs()[0].pages));
    }

    void wholeSheet_data()
    {
        // A plain row's sheet is tests/data/labelsheets/<row>.txt; the pads of every position are
        // the stock tables' own test.
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("start");  // positions 1 and 2 as printed
        QTest::addColumn<QString>("after");  // the position and pads left: past the last, those of the last
        const QString plain = "Recording Printer", officejet = "HP Officejet 3830";
        QTest::newRow("wide") << kWide << plain << false << "" << "21 68 62";
        QTest::newRow("wide bold") << kWide << plain << true << "5:3:A 5:60:A" << "21 60 62";
        QTest::newRow("wide ENVY") << kWide << "HP ENVY 4500" << false << "5:5:A 5:70:A" << "21 70 62";
        QTest::newRow("wide DeskJet bold") << kWide << "HP DeskJet 640C/642C/648C" << true << "5:5:A 5:66:A" << "21 66 62";
        QTest::newRow("large") << kLarge << plain << false << "" << "11 46 36";
        QTest::newRow("large bold") << kLarge << plain << true << "4:3:A 4:41:A" << "11 41 36";
        QTest::newRow("large Photosmart") << kLarge << "HP Photosmart C4180" << false << "4:5:A 4:48:A" << "11 48 36";
        QTest::newRow("large Officejet bold") << kLarge << officejet << true << "4:5:A 4:44:A" << "11 44 36";
        QTest::newRow("folder") << kFolder << plain << false << "" << "31 34 28";
        QTest::newRow("folder bold") << kFolder << plain << true << "3:5:A 3:30:A" << "31 30 28";
        QTest::newRow("folder Officejet") << kFolder << officejet << false << "3:6:A 3:35:A" << "31 35 28";
        QTest::newRow("folder Officejet bold") << kFolder << officejet << true << "3:6:A 3:33:A" << "31 33 28";
    }
    void wholeSheet()
    {
        QFETCH(QString, button);
        QFETCH(QString, device);
        QFETCH(bool, bold);
        QFETCH(QString, start);
        rig->app.device.setDeviceName(device);
        rig->typeLines({"A"});
        w().setValue("chkLblBold", bold);
        print(button, button == kWide ? "1-20" : button == kLarge ? "1-10" : "1-30");
        if (start.isEmpty())
            QVERIFY(matchesSheet(QTest::currentDataTag()));
        else
            QCOMPARE(rig->layout(0).mid(0, 2).join(' '), start);
        QCOMPARE(rig->layout(0).size(), button == kWide ? 20 : button == kLarge ? 10 : 30);
        QCOMPARE(rig->docs()[0].pages[0].items.back().font.bold, bold);
        QTEST(w().vars().strStartPos + ' ' + pads(), "after");
        QCOMPARE(w()->printDialog().flags(), button == kFolder ? 8 : 0x80000);
    }

    void printerChosenInTheDialog_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("paper");  // Letter forced, or the #10 envelope left by an earlier job
        QTest::newRow("plain") << "Recording Printer" << 68 << 20;
        QTest::newRow("Officejet") << "HP Officejet Pro 8600" << 70 << 1;
        QTest::newRow("DeskJet 640C alone") << "HP DeskJet 640C" << 68 << 20;
        QTest::newRow("Photosmart shifts only") << "HP Photosmart C4180" << 70 << 20;
        QTest::newRow("lower-case officejet") << "hp officejet" << 68 << 20;
    }
    void printerChosenInTheDialog()
    {
        // The first label's pads were looked up before the dialog, on the printer current then.
        QFETCH(QString, device);
        QFETCH(int, column);
        rig->printer.setPaperSize(20);
        rig->typeLines({"X"});
        rig->choose("optQzLabel", "3-4");
        rig->app.printScript.push({testsupport::PrintDialogAction::Print, 1, -1, device});
        rig->click(kWide);
        QCOMPARE(rig->layout(0), (QStringList{"11:3:X", QStringLiteral("11:%1:X").arg(column)}));
        QTEST(rig->docs()[0].paperSize, "paper");
    }

    void centring_data()
    {
        // Each row's sheet is tests/data/labelsheets/centring/<row>.txt.
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("line");
        QTest::newRow("wide 5") << kWide << "1" << false << "Hello";
        QTest::newRow("wide 7") << kWide << "1" << false << "Goodbye";
        QTest::newRow("wide bold") << kWide << "2" << true << "Jane Doe";
        QTest::newRow("wide empty") << kWide << "1" << false << "";
        QTest::newRow("TAB, CR, LF") << kWide << "1" << false << "Jane\tDoe\r\n";
        QTest::newRow("large") << kLarge << "1" << false << "Hello";
        QTest::newRow("large bold") << kLarge << "1" << true << "Hello";
        QTest::newRow("folder bold") << kFolder << "1" << true << "Hello";
        QTest::newRow("folder") << kFolder << "2" << false << "Goodbye";
    }
    void centring()
    {
        QFETCH(QString, button);
        QFETCH(QString, range);
        QFETCH(bool, bold);
        QFETCH(QString, line);
        rig->typeLines({line, button == kFolder ? "" : "X"});
        rig->choose(bold ? "optQzCenter chkLblBold chkLblItalic" : "optQzCenter");
        print(button, range);
        QVERIFY(matchesSheet("centring/" + QString(QTest::currentDataTag()).remove(',').replace(' ', '_')));
    }

    void envelope_data()
    {
        // Each row's envelope is tests/data/labelsheets/envelope/<row>.txt. Pads 50/15 with the
        // ENVELOPE adjustments 2/-1: column 52 below 14 rows. Centred: pad - 6, then 18 - 8/2
        // blanks. Large font and Bold on a family printer: 1 + 7 + 2 rows up, 6 + 6 columns
        // left. The file folder's left-justified text: its spacer line and 20 points, in the
        // large face too.
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("options");  // ticked or chosen, beside Envelope and Landscape
        const QString plain = "Recording Printer", officejet = "Officejet 5740";
        const QString all = "chkBold chkLargeFont optQzCenter";
        QTest::newRow("wide") << kWide << plain << "";
        QTest::newRow("wide centred") << kWide << plain << "optQzCenter";
        QTest::newRow("wide all Officejet") << kWide << officejet << all;
        QTest::newRow("large portrait") << kLarge << plain << "optPortrait";
        QTest::newRow("folder centred") << kFolder << plain << "optQzCenter";
        QTest::newRow("folder all Officejet") << kFolder << officejet << all;
        QTest::newRow("folder large font") << kFolder << plain << "chkLargeFont";
    }
    void envelope()
    {
        QFETCH(QString, button);
        QFETCH(QString, device);
        QFETCH(QString, options);
        rig->writeMargins({"ONTHEFLY| 10| 10", "ENVELOPE|  2| -1"});
        rig->app.device.setDeviceName(device);
        rig->printer.setFontBold(true);  // left by an earlier job
        rig->printer.setFontItalic(true);
        rig->typeLines({"Jane Doe"});
        rig->choose("optQzLabel", "4-9");
        rig->choose("optQzEnvelope optLandscape " + options);
        w().setValue("lstEnvSize", 0);  // #10 Business: pads 50 31
        w().setText("txtQzToppad", "15");
        // Shown, but an envelope neither splits nor looks it up.
        w().setText("lblQzPosition", "Label Position 4-9");
        print(button, "", 2);

        QVERIFY(matchesSheet("envelope/" + QString(QTest::currentDataTag()).replace(' ', '_')));
        QCOMPARE(rig->docs().at(0).paperSize, device.contains("Officejet") ? 20 : 1);
        // The file folder's envelope ends its document, and the copy ends it once more.
        QCOMPARE(rig->printer.ends, button == kFolder ? 4 : 2);
        QCOMPARE(w().vars().intLabelCount, std::int16_t(1));
        QCOMPARE(w().vars().strStartPos + ' ' + pads(), QString("4 50 15"));
        QCOMPARE(w().value("chkBold"), options.contains("chkBold") ? 1 : 0);
    }

    void familyEnvelopeIsOneEnvelope_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("address");  // where line 1 lands, as it did on a second page before
        QTest::newRow("plain") << "" << "11:50:Jane Doe 133.69";
        QTest::newRow("bold") << "chkBold" << "10:50:Jane Doe 120.32";
        QTest::newRow("large font") << "chkLargeFont" << "7:44:Jane Doe 97.53";
    }
    void familyEnvelopeIsOneEnvelope()
    {
        QFETCH(QString, options);
        // A CUPS queue gives the family's #10 paper 277 points of height in landscape.
        rig->app.device.setDeviceName("HP_ENVY_5000 Generic CUPS-PDF Printer");
        rig->app.device.setUnprintable(17.75);
        rig->typeLines({"Jane Doe", "12 Elm St"});
        rig->choose("optQzEnvelope optLandscape " + options);
        w().setValue("lstEnvSize", 0);  // #10 Business: pads 50 31
        print(kWide, "");
        const printing::PrintedDocument& doc = rig->docs().at(0);
        const printing::PlacedText& first = doc.pages.back().items.at(0);
        QTEST(QStringLiteral("%1:%2:%3 %4").arg(first.row).arg(first.column).arg(first.text).arg(first.y, 0, 'f', 2), "address");
        QCOMPARE(doc.pages.size(), size_t(1));
    }

    void envelopePaperHoldsForItsJobOnly()
    {
        rig->app.device.setDeviceName("Officejet 5740");
        rig->typeLines({"Jane Doe"});
        rig->choose("optQzLabel", "4-9");
        rig->choose("optQzEnvelope optLandscape");
        w().setValue("lstEnvSize", 0);
        print(kWide, "");
        rig->typeLines({"Jane Doe", "12 Elm St", "Springfield"});
        rig->expectInstructions(80);
        rig->expectAnotherPage(platform::Answer::No);
        print("cmdRetAddress", "");
        QCOMPARE(rig->docs().at(0).paperSize, 20);
        QCOMPARE(rig->docs().at(1).paperSize, 1);
    }

    void refusals_data()
    {
        // Each row's boxes are tests/data/labelsheets/refusals/<row>.txt.
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("options");  // chosen; nothing else is
        QTest::newRow("no lines") << kWide << QStringList{} << "";
        QTest::newRow("blanks") << kWide << QStringList{"", "", " "} << "";
        QTest::newRow("no envelope size") << kLarge << QStringList{"X"} << "optQzEnvelope";
        QTest::newRow("no alignment") << kWide << QStringList{"X"} << "optQzLabel";
        QTest::newRow("folder line 1 first") << kFolder << QStringList{"", "", "Other"} << "optQzLabel";
        QTest::newRow("folder line 2 a blank") << kFolder << QStringList{"Taxes", " "} << "optQzLabel";
        QTest::newRow("folder line 5") << kFolder << QStringList{"Taxes", "", "", "", "x"} << "";
        QTest::newRow("folder then options") << kFolder << QStringList{"Taxes"} << "";
        QTest::newRow("large line 2") << kLarge << QStringList{"X", QString(38, 'w')} << "optQzLabel optQzCenter";
        QTest::newRow("wide") << kWide << QStringList{QString(60, 'w')} << "optQzLabel optQzLeftjust";
        QTest::newRow("folder") << kFolder << QStringList{QString(23, 'w')} << "optQzLabel optQzLeftjust";
    }
    void refusals()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        QFETCH(QString, options);
        rig->typeLines(lines);
        w().setValue("optQzLeftjust", 0);
        rig->choose(options);
        w().setText("lblQzPosition", "Label Position 4-9");
        w().vars().strLabelRange = "4-9";
        rig->app.messages.answerFreely({});
        rig->click(button);
        QVERIFY(testsupport::matchesGolden(rig->app.messages.transcript(),
                                           "labelsheets/refusals/" + QString(QTest::currentDataTag()).replace(' ', '_')));
        QCOMPARE(rig->app.printScript.shownCount(), 0);
        QVERIFY(untouched());
        QVERIFY(QFile::exists(rig->marginPath()));  // read before any check
    }

    void rangeSplit_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("after");  // start, end, count and pads
        QTest::addColumn<QString>("box");    // the title of the box shown; none: cancelled in the dialog
        QTest::newRow("7") << "7" << "7 old 1 3 23" << "";
        QTest::newRow("9-12") << "9-12" << "9 12 4 3 29" << "";
        QTest::newRow("9-4") << "9-4" << "9 4 3 2 3" << "Try again";
        QTest::newRow("a-b") << "a-b" << "a-b old 3 2 3" << "Printer error";
    }
    void rangeSplit()
    {
        // The command splits the range the prompt accepted afresh; "a-b" the prompt would refuse.
        QFETCH(QString, range);
        QFETCH(QString, box);
        rig->typeLines({"X"});
        rig->choose("optQzLabel");
        w().vars().strLabelRange = range;
        w().vars().strEndPos = "old";
        w().vars().intLabelCount = 3;
        w().setText("lblQzPosition", "Label Position " + range);
        if (box.isEmpty())
            rig->app.printScript.cancel();
        else if (box == "Try again")
            rig->app.messages.expect(box, "Label starting position cannot exceed ending position.", Buttons::Ok,
                                     Icon::Information);
        else
            rig->expectPrinterProblem();
        rig->click(kWide);
        // What the split and the lookup wrote stays.
        const printing::LabelVars& v = w().vars();
        QTEST(QStringLiteral("%1 %2 %3 ").arg(v.strStartPos, v.strEndPos).arg(v.intLabelCount) + pads(), "after");
        QVERIFY(rig->docs().empty());
        QCOMPARE(rig->app.messages.beeps(), box == "Try again" ? 1 : 0);
    }

    void noPositionChosenPrintsNothing()
    {
        // After a job the prompt is cancelled: that job's next positions are not printed.
        rig->typeLines({"X"});
        print(kWide, "3");
        rig->choose("optQzLabel");
        for (const QString& button : {kWide, kLarge, kFolder}) {
            rig->app.messages.expect("Label position",
                                     "Choose the label position first: click Label stock and enter a position.",
                                     Buttons::Ok, Icon::Exclamation);
            rig->click(button);
        }
        QCOMPARE(rig->app.messages.beeps(), 3);
        QCOMPARE(rig->docs().size(), size_t(1));
        QCOMPARE(rig->app.printScript.shownCount(), 1);
    }

    void marginAdjustments()
    {
        rig->writeMargins({"ONTHEFLY|  9|  9", "ONTHEFLY|  2| -1", "ENVELOPE| 40| 40"});
        rig->typeLines({"   "});  // blanks are information
        print(kFolder, "1-2");
        // The later ONTHEFLY record: two columns right; a top line count of -1 prints no line.
        QCOMPARE(rig->layout(0), (QStringList{"3:7:   ", "3:36:   "}));
    }

    void printerProblem_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("margin");   // a record of the margin file
        QTest::addColumn<QString>("leftPad");  // none: nothing typed, chosen or scripted
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("failure");  // of the printer; -1 of the dialog, -2 no data folder, -3 of the cancel
        const QString zero = "ONTHEFLY|  0|  0";
        QTest::newRow("ONTHEFLY letters") << kWide << "ONTHEFLY|abc|  1" << "" << "" << "" << 0;
        QTest::newRow("ENVELOPE blank") << kLarge << "ENVELOPE|  1|   " << "" << "" << "" << 0;
        QTest::newRow("RETURNAD blank") << "cmdRetAddress" << "RETURNAD|   |  0" << "" << "" << "" << 0;
        QTest::newRow("the cancel fails too") << kFolder << "ONTHEFLY| 1x|  0" << "" << "" << "" << -3;
        QTest::newRow("pad plus adjustment") << kWide << "ONTHEFLY|  1|  0" << "32767" << "25" << "" << 0;
        QTest::newRow("centring column") << kLarge << zero << "-32767" << "25" << "optQzCenter chkLblBold" << 0;
        QTest::newRow("folder pad") << kFolder << "ONTHEFLY|  1|  0" << "32767" << "99" << "" << 0;
        QTest::newRow("printer fails") << kWide << zero << "2" << "1" << "" << 482;
        QTest::newRow("dialog fails") << kWide << zero << "2" << "1" << "" << -1;
        QTest::newRow("data folder missing") << kWide << zero << "2" << "1" << "" << -2;
    }
    void printerProblem()
    {
        QFETCH(QString, button);
        QFETCH(QString, margin);
        QFETCH(QString, leftPad);
        QFETCH(QString, position);
        QFETCH(QString, options);
        QFETCH(int, failure);
        rig->printer.failCancel = failure == -3;
        rig->writeMargins({margin});
        if (!leftPad.isEmpty()) {
            rig->typeLines({"X"});
            // Label stock at a position as the prompt accepts it, then the pads under test
            // typed; a position off the sheet keeps them for every label.
            rig->choose("optQzLabel");
            w().vars().strLabelRange = position;
            w().setText("lblQzPosition", "Label Position " + position);
            w().setText("txtQzLeftPad", leftPad);
            w().setText("txtQzToppad", "3");
            rig->choose(options);
            rig->app.device.failWith(std::max(failure, 0));
            if (failure == -2)
                rig->app.appInfo.data = rig->app.dataPath("missing/folder");
            else
                rig->app.printScript.push({failure == -1 ? testsupport::PrintDialogAction::Fail
                                                         : testsupport::PrintDialogAction::Print, 2});
        }
        rig->expectPrinterProblem();
        const qsizetype descriptors = testsupport::openDescriptors();
        rig->click(button);
        rig->printer.failCancel = false;
        QVERIFY(rig->docs().empty() && !rig->printer.hasOpenDocument());
        QCOMPARE(rig->app.messages.beeps(), 0);
        QCOMPARE(testsupport::openDescriptors(), descriptors);  // the margin file is closed
        // The document is cancelled, also when none was open yet.
        QCOMPARE(rig->printer.kills, 1);
        if (leftPad.isEmpty())
            QVERIFY(untouched() && rig->app.printScript.shownCount() == 0);
    }

    void returnAddressFromTheMenu()
    {
        // A return-address menu command prints the sheet at once, then the standard screen
        // comes back with the mode left as the menu set it.
        rig->typeLines({"Ann Smith", "12 Oak St", "Springfield IL 62704"});
        rig->expectInstructions(60);
        rig->expectAnotherPage(platform::Answer::No);
        print("mnuLrgRetAddress", "");
        QCOMPARE(rig->layout(0).size(), 15 * 3 * 4);
        QCOMPARE(rig->layout(0).front(), QString("5:5:Ann Smith"));
        QVERIFY(w().isVisible("cmdQzStart") && !w().isVisible("cmdLrgRetAddress"));
        QCOMPARE(w().text("lblLabelSize"), QString("Standard Label 1\" x 2 5/8\""));
        QCOMPARE(rig->app.state.lngLabelMode, 4);
    }
};

QTEST_MAIN(TestLabelSheets)
#include "tst_labelsheets.moc"
