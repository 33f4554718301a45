#include "support/FakeLabelWorkspace.h"

#include <QtTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::LabelPrintRig;
using Command = LabelPrintRig::Command;
using Columns = QList<QList<int>>;  // of each label line, left to right

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Answer)

// The return-address Print commands: lines 1 to 3 on every label of a whole sheet.
class TestReturnAddress : public QObject {
    Q_OBJECT

    std::unique_ptr<LabelPrintRig> rig;

    QString own(Command kind) { return kind == Command::Eighty ? "cmdRetAddress" : "cmdLrgRetAddress"; }
    QString other(Command kind) { return kind == Command::Eighty ? "cmdLrgRetAddress" : "cmdRetAddress"; }
    // The program's changes after a pass has shown its own Print button.
    QStringList changesAfterButtons(Command kind)
    {
        const QStringList& all = rig->ws.changes();
        return all.mid(all.lastIndexOf("visible " + other(kind) + "=0") + 1);
    }

private slots:
    void init() { rig = std::make_unique<LabelPrintRig>(); }
    void cleanup() { QVERIFY2(rig->leftOver().isEmpty(), qPrintable(rig->leftOver())); }

    void sheet_data()
    {
        QTest::addColumn<Command>("kind");
        QTest::addColumn<QString>("options");  // chosen or ticked
        QTest::addColumn<QString>("margin");   // RETURNAD left|top; empty: no margin file
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<Answer>("answer");
        const QStringList address{"Ann Smith", "12 Oak St", "Springfield IL 62704"};
        const QList<int> eighty{7, 49, 91, 133}, sixty{5, 42, 80, 117};
        QTest::newRow("80") << Command::Eighty << "" << "" << address << 5 << Columns{eighty, eighty, eighty}
                            << Answer::No;
        QTest::newRow("60") << Command::Sixty << "" << "" << address << 5 << Columns{sixty, sixty, sixty}
                            << Answer::Cancel;
        // Centred: 12 - n/2 blanks after the tab (9 characters: 8, 3: 10, 20: 2, none: 12).
        QTest::newRow("80 centred italic") << Command::Eighty << "optQzCenter chkLblItalic" << "" << address << 5
                                           << Columns{{15, 57, 99, 141}, {15, 57, 99, 141}, {9, 51, 93, 135}}
                                           << Answer::No;
        QTest::newRow("60 centred") << Command::Sixty << "optQzCenter" << "" << QStringList{"Ann", "12 Oak St", ""}
                                    << 5 << Columns{{14, 51, 89, 125}, {12, 49, 87, 123}, {}} << Answer::No;
        QTest::newRow("only line 2") << Command::Eighty << "" << "" << QStringList{"", "Ann", ""} << 5
                                     << Columns{{}, eighty, {}} << Answer::No;
        // Only the sign of the top adjustment counts: 4 lines above the first row, one more or less.
        QTest::newRow("top 7") << Command::Eighty << "" << "  0|  7" << address << 6 << Columns{eighty, eighty, eighty}
                               << Answer::No;
        QTest::newRow("top -9") << Command::Sixty << "" << "  0| -9" << address << 4 << Columns{sixty, sixty, sixty}
                                << Answer::No;
        // A tab column below 1 prints from column 1.
        const QList<int> left{1, 39, 81, 123};
        QTest::newRow("left -10") << Command::Eighty << "" << "-10|  0" << QStringList{"A", "B", "C"} << 5
                                  << Columns{left, left, left} << Answer::No;
        // A text wider than its label: the next label follows it on the same printed line.
        // Control characters print as blanks.
        QTest::newRow("too wide") << Command::Eighty << "" << "" << QStringList{QString(50, 'W'), "B", "\tC\r\n"} << 5
                                  << Columns{{7, 57, 107, 157}, eighty, eighty} << Answer::No;
    }
    void sheet()
    {
        QFETCH(Command, kind);
        QFETCH(QString, options);
        QFETCH(QString, margin);
        QFETCH(QStringList, lines);
        QFETCH(int, firstRow);
        QFETCH(Columns, columns);
        QFETCH(Answer, answer);
        const bool sixty = kind == Command::Sixty;
        if (!margin.isEmpty())
            rig->writeMargins({"RETURNAD| 50| 50", "ONTHEFLY|  9|  9", "RETURNAD|" + margin});
        rig->ws.typeLines(lines);
        rig->ws.choose(options);
        rig->ws.control("chkLblBold").value = 1;
        rig->printer.setOrientation(2);  // left landscape by an envelope
        rig->printScript.print(1);
        rig->expectInstructions(kind);
        rig->expectAnotherPage(answer);
        rig->run(kind);

        QStringList expected;
        int row = firstRow;
        for (int r = 1; r <= (sixty ? 15 : 20); ++r) {
            for (int i = 0; i < 3; ++i, ++row) {
                const QString printed = QString(lines[i]).replace(QRegularExpression("[\\t\\r\\n]"), " ");
                for (int column : columns[i])
                    expected << QStringLiteral("%1:%2:%3").arg(row).arg(column).arg(printed);
            }
            row += (sixty && r == 8) ? 2 : 1;  // the spacer lines
        }
        QCOMPARE(rig->messages.events().filter("box:").size(), 2);
        QCOMPARE(rig->docs().size(), size_t(1));
        QCOMPARE(rig->docs()[0].orientation, 1);
        QCOMPARE(rig->layout(0), expected);
        const bool italic = options.contains("chkLblItalic");
        for (const printing::PlacedText& t : rig->docs()[0].pages[0].items)
            QCOMPARE(t.font, (printing::PrintFont{"Microsoft Sans Serif", sixty ? 9.0 : 8.0, false, italic}));
        // Per row three text lines and a Courier New spacer; the 60-label sheet's row 8 has
        // a smaller one first.
        const auto& logged = rig->printer.documents[0];
        QCOMPARE(int(logged.size()), firstRow - 1 + (sixty ? 15 * 4 + 1 : 20 * 4));
        QStringList spacers;
        for (const auto& line : logged) {
            QCOMPARE(line.font.italic, italic);
            if (line.font.name == "Courier New")
                spacers << QString::number(line.font.size);
        }
        QCOMPARE(spacers, sixty ? QStringList(7, "15") << "6" << QStringList(8, "15") : QStringList(20, "8"));
        if (lines[2].isEmpty() && options.contains("optQzCenter"))
            QCOMPARE(logged[firstRow + 1].layout.count("spaces(12) ''"), 4);

        QCOMPARE(rig->printScript.flagsAtShow(), std::vector<int>{0x80000});
        QCOMPARE(rig->ws.printDialog().flags(), 8);
        QVERIFY(rig->ws.value("chkBold") == 0 && !rig->ws.isVisible("chkBold"));
        // No or Cancel restores the standard screen.
        QCOMPARE(rig->ws.changes().mid(rig->ws.changes().size() - 15),
                 (QStringList{"text lblLabelSize=Standard Label 1\" x 2 5/8\"", "visible " + own(kind) + "=0",
                              "visible " + other(kind) + "=0", "visible cmdQzStart=1", "visible cmdWideLabel=0",
                              "visible cmdFileFolderStart=0", "enabled optQzLabel=1", "enabled optQzEnvelope=1",
                              "enabled chkLblBold=1", "value chkLblBold=0", "enabled chkLblItalic=1",
                              "value chkLblItalic=0", "value optQzCenter=0", "value optQzLeftjust=1",
                              "value chkLblItalic=0"}));
    }

    void anotherPageThenCancelledDialog()
    {
        rig->ws.typeLines({"Ann"});
        rig->printScript.print(2);
        rig->printScript.cancel();
        rig->expectInstructions(Command::Eighty);
        rig->expectAnotherPage(Answer::Yes);
        rig->expectInstructions(Command::Eighty);
        rig->run(Command::Eighty);
        QCOMPARE(rig->docs().size(), size_t(2));
        QCOMPARE(rig->layout(1), rig->layout(0));
        // Ended silently in the second pass: the return-address screen stays.
        QCOMPARE(rig->ws.text("lblLabelSize"), QString("Return Address Label 1/2\" x 1 3/4\""));
        QVERIFY(rig->ws.isVisible("cmdRetAddress") && !rig->ws.isVisible("cmdQzStart"));
        QCOMPARE(changesAfterButtons(Command::Eighty), QStringList{});
    }

    void refusedOrFailed_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("changes");  // after the pass's own Print button
        QTest::newRow("lines 1 to 3 empty")
            << QStringList{"", "", "", "Line 4"} << 0 << "Instructions"
            << "Fill in Lines 1, 2, and 3, then press Print."
            << QStringList{"enabled optQzLabel=0", "enabled optQzEnvelope=0", "value chkLblBold=0",
                           "enabled chkLblBold=0", "value chkLblItalic=0", "enabled chkLblItalic=0"};
        QTest::newRow("line 5 a blank") << QStringList{"Ann", "", "", "", " "} << 0
                                        << "Small label can fit only 3 lines" << "Leave Lines 4 and 5 blank"
                                        << QStringList{};
        QTest::newRow("printer fails") << QStringList{"Ann"} << 57 << "Printer error"
                                       << "A printer problem exists.  Check printer." << QStringList{};
    }
    void refusedOrFailed()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, failure);
        QFETCH(QString, title);
        QFETCH(QString, message);
        rig->ws.typeLines(lines);
        rig->device.failWith(failure);
        if (failure)
            rig->printScript.print(2);
        rig->expectInstructions(Command::Sixty);
        rig->messages.expect(title, message, Buttons::Ok, Icon::Exclamation);
        rig->run(Command::Sixty);
        QCOMPARE(rig->messages.beeps(), failure ? 0 : 1);
        QCOMPARE(rig->ws.focus(), QString(title.startsWith("Small") ? "txtQzLine4" : ""));
        QTEST(changesAfterButtons(Command::Sixty), "changes");
        QVERIFY(rig->docs().empty() && !rig->printer.hasOpenDocument());
        QCOMPARE(rig->printer.kills, failure ? 1 : 0);
        QVERIFY(rig->ws.isVisible("cmdLrgRetAddress") && !rig->ws.isVisible("cmdQzStart"));
    }
};

QTEST_GUILESS_MAIN(TestReturnAddress)
#include "tst_returnaddress.moc"
