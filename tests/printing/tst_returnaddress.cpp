#include "support/FakeLabelWorkspace.h"
#include "printing/LabelCommands.h"

#include <QtTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::LabelPrintRig;
using testsupport::LoggedLine;

namespace {

const QString kPrinterProblem = QStringLiteral("A printer problem exists.  Check printer.");
const QString kAnother = QStringLiteral("Done!  Do you want to print another page of Return Address Labels?");
const QStringList kAddress{"Ann Smith", "12 Oak St", "Springfield IL 62704"};

struct Kind {
    bool eighty;
    QString title;
    QString text;
};

const Kind kEighty{true, "Load printer with Avery 5167, 8167, or 18167 label stock",
                   "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels"};
const Kind kSixty{false, "Load printer with Avery 5195, 8195, or 18195 label stock",
                  "Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] labels"};

// The texts of a whole sheet: `rows` rows of four labels, the first text row at `firstRow`,
// `rowsPerLabel` printed lines from one row of labels to the next.
QStringList sheet(int rows, int firstRow, const std::array<int, 4>& columns, const QStringList& lines,
                  int extraAfterRow = 0)
{
    QStringList out;
    int row = firstRow;
    for (int r = 1; r <= rows; ++r) {
        for (const QString& line : lines) {
            for (int column : columns) {
                if (!line.isEmpty())
                    out << QStringLiteral("%1:%2:%3").arg(row).arg(column).arg(line);
            }
            ++row;
        }
        row += (r == extraAfterRow) ? 2 : 1;
    }
    return out;
}

}  // namespace

class TestReturnAddress : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LabelPrintRig> rig;

    void run(const Kind& kind)
    {
        if (kind.eighty)
            printing::cmdRetAddress_Click(rig->services, rig->ws);
        else
            printing::cmdLrgRetAddress_Click(rig->services, rig->ws);
    }
    void expectInstructions(const Kind& kind)
    {
        rig->messages.expect(kind.title, kind.text, Buttons::Ok, Icon::Information);
    }
    void expectAnother(Answer answer)
    {
        rig->messages.expect("Completed", kAnother, Buttons::YesNoCancel, Icon::None, answer);
    }
    const std::vector<printing::PrintedDocument>& docs() { return rig->device.documents(); }
    QString ownButton(const Kind& kind) const { return kind.eighty ? "cmdRetAddress" : "cmdLrgRetAddress"; }
    QString otherButton(const Kind& kind) const { return kind.eighty ? "cmdLrgRetAddress" : "cmdRetAddress"; }

    // The menu command's screen: own Print button shown, media options disabled.
    void returnAddressScreen(const Kind& kind)
    {
        rig->ws.control("cmdQzStart").visible = false;
        rig->ws.control(ownButton(kind)).visible = true;
        rig->ws.control("optQzLabel").enabled = false;
        rig->ws.control("optQzEnvelope").enabled = false;
        rig->ws.control("chkLblBold").enabled = false;
        rig->ws.control("chkLblItalic").enabled = false;
    }

private slots:
    void init() { rig = std::make_unique<LabelPrintRig>(); }
    void cleanup()
    {
        QVERIFY2(rig->messages.allShown(), qPrintable(rig->messages.pending().join("; ")));
        QVERIFY(rig->printScript.allUsed());
        QVERIFY(rig->ws.unknownControls().isEmpty());
        rig.reset();
    }

    void eightySheet()
    {
        returnAddressScreen(kEighty);
        rig->ws.typeLines(kAddress);
        rig->ws.control("chkLblBold").value = 1;
        rig->printer.setOrientation(2);  // left landscape by an envelope
        rig->printScript.print(1);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);

        QCOMPARE(rig->messages.events(), (QStringList{"box:" + kEighty.title, "box:Completed"}));
        QCOMPARE(docs().size(), size_t(1));
        const printing::PrintedDocument& doc = docs()[0];
        QCOMPARE(doc.orientation, 1);
        QCOMPARE(doc.pages.size(), size_t(1));
        QCOMPARE(testsupport::textLayout(doc), sheet(20, 5, {7, 49, 91, 133}, kAddress));
        for (const printing::PlacedText& t : doc.pages[0].items)
            QCOMPARE(t.font, (printing::PrintFont{"Microsoft Sans Serif", 8, false, false}));
        // Four lines above the first row, then three text lines and a spacer per row.
        const std::vector<LoggedLine>& lines = rig->log.documents()[0];
        QCOMPARE(int(lines.size()), 84);
        for (int r = 0; r < 20; ++r)
            QCOMPARE(lines[4 + 4 * r + 3].font, (printing::PrintFont{"Courier New", 8, false, false}));

        QCOMPARE(rig->printScript.flagsAtShow(), std::vector<int>{0x80000});
        QCOMPARE(rig->ws.printDialog().flags(), 8);
        QCOMPARE(rig->ws.value("chkBold"), 0);
        QVERIFY(!rig->ws.isVisible("chkBold"));

        // No restores the standard screen.
        QCOMPARE(rig->ws.text("lblLabelSize"), QString("Standard Label 1\" x 2 5/8\""));
        QVERIFY(rig->ws.isVisible("cmdQzStart"));
        QVERIFY(!rig->ws.isVisible("cmdRetAddress"));
        QVERIFY(!rig->ws.isVisible("cmdLrgRetAddress"));
        QVERIFY(!rig->ws.isVisible("cmdWideLabel"));
        QVERIFY(!rig->ws.isVisible("cmdFileFolderStart"));
        QVERIFY(rig->ws.isEnabled("optQzLabel"));
        QVERIFY(rig->ws.isEnabled("optQzEnvelope"));
        QVERIFY(rig->ws.isEnabled("chkLblBold"));
        QCOMPARE(rig->ws.value("chkLblBold"), 0);
        QCOMPARE(rig->ws.value("optQzLeftjust"), 1);
        QCOMPARE(rig->ws.value("optQzCenter"), 0);
        const QStringList tail = rig->ws.changes().mid(rig->ws.changes().size() - 8);
        QCOMPARE(tail, (QStringList{"enabled optQzEnvelope=1", "enabled chkLblBold=1", "value chkLblBold=0",
                                    "enabled chkLblItalic=1", "value chkLblItalic=0", "value optQzCenter=0",
                                    "value optQzLeftjust=1", "value chkLblItalic=0"}));
    }

    void sixtySheetCentred()
    {
        returnAddressScreen(kSixty);
        const QStringList lines{"Ann", "12 Oak St", ""};
        rig->ws.typeLines(lines);
        rig->ws.control("optQzCenter").value = 1;
        rig->ws.control("optQzLeftjust").value = 0;
        rig->printScript.print(1);
        expectInstructions(kSixty);
        expectAnother(Answer::Cancel);
        run(kSixty);

        QCOMPARE(docs().size(), size_t(1));
        // Tabs 4, 41, 79, 115; 12 - 1.5 = 10.5 -> 10 blanks, 12 - 4.5 = 7.5 -> 8.
        QStringList expected;
        int row = 5;
        for (int r = 1; r <= 15; ++r) {
            for (int c : {14, 51, 89, 125})
                expected << QStringLiteral("%1:%2:Ann").arg(row).arg(c);
            for (int c : {12, 49, 87, 123})
                expected << QStringLiteral("%1:%2:12 Oak St").arg(row + 1).arg(c);
            row += r == 8 ? 5 : 4;
        }
        QCOMPARE(testsupport::textLayout(docs()[0]), expected);
        QCOMPARE(docs()[0].pages[0].items[0].font, (printing::PrintFont{"Microsoft Sans Serif", 9, false, false}));

        const std::vector<LoggedLine>& logged = rig->log.documents()[0];
        QCOMPARE(int(logged.size()), 4 + 15 * 4 + 1);
        // Row 8 is followed by a 6-point and a 15-point spacer, every other row by one.
        QCOMPARE(logged[4 + 7 * 4 + 3].font.size, 6.0);
        QCOMPARE(logged[4 + 7 * 4 + 4].font.size, 15.0);
        QCOMPARE(logged[4 + 3].font.size, 15.0);
        QCOMPARE(logged[4 + 3].font.name, QString("Courier New"));
        // An empty centred line: twelve blanks at each label, and its row.
        const LoggedLine& third = logged[4 + 2];
        QCOMPARE(third.items.size(), size_t(12));
        QCOMPARE(third.items[1].count, 12);
        QVERIFY(rig->ws.isVisible("cmdQzStart"));
    }

    void sixtySheetLeftJustified()
    {
        returnAddressScreen(kSixty);
        rig->ws.typeLines(kAddress);
        rig->printScript.print(1);
        expectInstructions(kSixty);
        expectAnother(Answer::No);
        run(kSixty);
        QCOMPARE(testsupport::textLayout(docs()[0]), sheet(15, 5, {5, 42, 80, 117}, kAddress, 8));
    }

    void topAdjustmentCountsBySign_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("0") << "  0" << 5;
        QTest::newRow("1") << "  1" << 6;
        QTest::newRow("7") << "  7" << 6;
        QTest::newRow("-1") << " -1" << 4;
        QTest::newRow("-9") << " -9" << 4;
    }
    void topAdjustmentCountsBySign()
    {
        QFETCH(QString, top);
        QFETCH(int, firstRow);
        rig->writeMargins({{"RETURNAD", "  5", "  5"}, {"RETURNAD", "  0", top}, {"ONTHEFLY", "  9", "  9"}});
        rig->ws.typeLines(kAddress);
        rig->printScript.print(1);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);
        QCOMPARE(testsupport::textLayout(docs()[0]), sheet(20, firstRow, {7, 49, 91, 133}, kAddress));
    }

    void leftAdjustmentBelowColumnOne()
    {
        rig->writeMargins({{"RETURNAD", "-10", "  0"}});
        rig->ws.typeLines({"A"});
        rig->printScript.print(1);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);
        QCOMPARE(testsupport::textLayout(docs()[0]).mid(0, 4), (QStringList{"5:1:A", "5:39:A", "5:81:A", "5:123:A"}));
    }

    void textWiderThanItsLabelStaysOnItsRow()
    {
        const QString wide(50, 'W');
        rig->ws.typeLines({wide, "B", "\tC\r\n"});
        rig->printScript.print(1);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);
        QCOMPARE(int(rig->log.documents()[0].size()), 84);
        const QStringList texts = testsupport::textLayout(docs()[0]);
        // The next label follows the long text on the same printed line.
        QCOMPARE(texts.mid(0, 4),
                 (QStringList{"5:7:" + wide, "5:57:" + wide, "5:107:" + wide, "5:157:" + wide}));
        QCOMPARE(texts.mid(4, 4), (QStringList{"6:7:B", "6:49:B", "6:91:B", "6:133:B"}));
        // Control characters print as blanks.
        QCOMPARE(texts.at(8), QString("7:7: C  "));
        QCOMPARE(texts.mid(texts.size() - 4),
                 (QStringList{"83:7: C  ", "83:49: C  ", "83:91: C  ", "83:133: C  "}));
    }

    void italicStaysOnEveryRow()
    {
        rig->ws.typeLines(kAddress);
        rig->ws.control("chkLblItalic").value = 1;
        rig->printScript.print(1);
        expectInstructions(kSixty);
        expectAnother(Answer::No);
        run(kSixty);
        for (const LoggedLine& line : rig->log.documents()[0])
            QVERIFY(line.font.italic);
        // Italic is set for the pass, and the restore unticks the box.
        QCOMPARE(rig->ws.value("chkLblItalic"), 0);
    }

    void copiesThenOnePrompt()
    {
        rig->ws.typeLines(kAddress);
        rig->printScript.print(3);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);
        QCOMPARE(docs().size(), size_t(3));
        QCOMPARE(testsupport::textLayout(docs()[2]), testsupport::textLayout(docs()[0]));
    }

    void anotherPageThenCancelledDialog()
    {
        returnAddressScreen(kEighty);
        rig->ws.typeLines(kAddress);
        rig->printScript.print(1);
        rig->printScript.cancel();
        expectInstructions(kEighty);
        expectAnother(Answer::Yes);
        expectInstructions(kEighty);
        run(kEighty);
        QCOMPARE(docs().size(), size_t(1));
        QCOMPARE(rig->printScript.shownCount(), 2);
        // Ended silently in the second pass: the return-address screen stays.
        QCOMPARE(rig->ws.text("lblLabelSize"), QString("Return Address Label 1/2\" x 1 3/4\""));
        QVERIFY(rig->ws.isVisible("cmdRetAddress"));
        QVERIFY(!rig->ws.isVisible("cmdQzStart"));
        QVERIFY(!rig->ws.isEnabled("optQzLabel"));
    }

    void linesOneToThreeEmpty()
    {
        returnAddressScreen(kSixty);
        rig->ws.control("cmdQzStart").visible = true;
        rig->ws.control("cmdRetAddress").visible = true;
        rig->ws.control("chkLblBold").value = 1;
        rig->ws.control("chkLblBold").enabled = true;
        rig->ws.typeLines({"", "", "", "Line 4"});
        expectInstructions(kSixty);
        rig->messages.expect("Instructions", "Fill in Lines 1, 2, and 3, then press Print.", Buttons::Ok,
                             Icon::Exclamation);
        run(kSixty);
        QCOMPARE(rig->messages.events(),
                 (QStringList{"box:" + kSixty.title, "beep", "box:Instructions"}));
        QCOMPARE(rig->printScript.shownCount(), 0);
        QCOMPARE(rig->ws.text("lblLabelSize"), QString("Return Address Label 2/3\" x 1 3/4\""));
        QVERIFY(rig->ws.isVisible("cmdLrgRetAddress"));
        QVERIFY(!rig->ws.isVisible("cmdRetAddress"));
        QVERIFY(!rig->ws.isVisible("cmdQzStart"));
        QVERIFY(!rig->ws.isEnabled("optQzLabel"));
        QVERIFY(!rig->ws.isEnabled("optQzEnvelope"));
        QCOMPARE(rig->ws.value("chkLblBold"), 0);
        QVERIFY(!rig->ws.isEnabled("chkLblBold"));
        QVERIFY(!rig->ws.isEnabled("chkLblItalic"));
        // The box is cleared while it can still run its click, then disabled.
        const QStringList& changes = rig->ws.changes();
        QVERIFY(changes.indexOf("value chkLblBold=0") < changes.indexOf("enabled chkLblBold=0"));
    }

    void linesFourAndFiveMustBeBlank()
    {
        returnAddressScreen(kEighty);
        rig->ws.typeLines({"Ann", "", "", "", " "});
        expectInstructions(kEighty);
        rig->messages.expect("Small label can fit only 3 lines", "Leave Lines 4 and 5 blank", Buttons::Ok,
                             Icon::Exclamation);
        run(kEighty);
        QCOMPARE(rig->messages.beeps(), 1);
        QCOMPARE(rig->ws.focus(), QString("txtQzLine4"));
        QCOMPARE(rig->printScript.shownCount(), 0);
        QVERIFY(rig->ws.isVisible("cmdRetAddress"));
        QVERIFY(!rig->ws.isEnabled("optQzLabel"));
    }

    void onlyLineTwo()
    {
        rig->ws.typeLines({"", "Ann"});
        rig->printScript.print(1);
        expectInstructions(kEighty);
        expectAnother(Answer::No);
        run(kEighty);
        QCOMPARE(testsupport::textLayout(docs()[0]), sheet(20, 5, {7, 49, 91, 133}, {"", "Ann", ""}));
    }

    void badMarginBeforeTheInstructions()
    {
        rig->writeMargins({{"RETURNAD", "   ", "  0"}});
        rig->ws.typeLines(kAddress);
        rig->messages.expect("Printer error", kPrinterProblem, Buttons::Ok, Icon::Exclamation);
        run(kEighty);
        QCOMPARE(rig->messages.shown().size(), size_t(1));
        // Nothing of the screen was touched.
        QVERIFY(rig->ws.changes().isEmpty());
    }

    void failingPrinter()
    {
        rig->ws.typeLines(kAddress);
        rig->device.failWith(57);
        rig->printScript.print(2);
        expectInstructions(kSixty);
        rig->messages.expect("Printer error", kPrinterProblem, Buttons::Ok, Icon::Exclamation);
        run(kSixty);
        QVERIFY(docs().empty());
        QCOMPARE(rig->log.killCount(), 1);
        QVERIFY(!rig->printer.hasOpenDocument());
    }
};

QTEST_GUILESS_MAIN(TestReturnAddress)
#include "tst_returnaddress.moc"
