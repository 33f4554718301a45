#include "support/Fixture.h"
#include "support/Golden.h"
#include "printing/ReturnAddressJob.h"

#include <QtTest>

using platform::Answer;

Q_DECLARE_METATYPE(Answer)

namespace {

QString printButton(int labels) { return labels == 80 ? "cmdRetAddress" : "cmdLrgRetAddress"; }

}  // namespace

// The return-address Print commands: lines 1 to 3 on every label of a whole sheet.
class TestReturnAddress : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Fixture> rig;

private slots:
    void init() { rig = std::make_unique<testsupport::Fixture>(); }
    void cleanup() { QVERIFY2(rig->leftOver().isEmpty(), qPrintable(rig->leftOver())); }

    void sheet_data()
    {
        // Each row's sheet is tests/data/returnaddress/<row>.txt.
        QTest::addColumn<int>("labels");
        QTest::addColumn<QString>("options");  // chosen or ticked
        QTest::addColumn<QString>("margin");   // RETURNAD left|top; empty: no margin file
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Answer>("answer");
        const QStringList address{"Ann Smith", "12 Oak St", "Springfield IL 62704"};
        QTest::newRow("80") << 80 << "" << "" << address << Answer::No;
        QTest::newRow("60") << 60 << "" << "" << address << Answer::Cancel;
        QTest::newRow("80 centred italic") << 80 << "optQzCenter chkLblItalic" << "" << address << Answer::No;
        QTest::newRow("60 centred") << 60 << "optQzCenter" << "" << QStringList{"Ann", "12 Oak St", ""} << Answer::No;
        QTest::newRow("only line 2") << 80 << "" << "" << QStringList{"", "Ann", ""} << Answer::No;
        // Only the sign of the top adjustment counts: one line more or less above the first row.
        QTest::newRow("top 7") << 80 << "" << "  0|  7" << address << Answer::No;
        QTest::newRow("top -9") << 60 << "" << "  0| -9" << address << Answer::No;
        QTest::newRow("left -10") << 80 << "" << "-10|  0" << QStringList{"A", "B", "C"} << Answer::No;
        // The longest line that fits its label. Control characters print as blanks.
        QTest::newRow("longest") << 80 << "" << "" << QStringList{QString(14, 'W'), "B", "\tC\r\n"} << Answer::No;
    }
    void sheet()
    {
        QFETCH(int, labels);
        QFETCH(QString, options);
        QFETCH(QString, margin);
        QFETCH(QStringList, lines);
        QFETCH(Answer, answer);
        testsupport::Screen w = rig->window();
        if (!margin.isEmpty())
            rig->writeMargins({"RETURNAD| 50| 50", "ONTHEFLY|  9|  9", "RETURNAD|" + margin});
        rig->typeLines(lines);
        rig->choose(options + " chkLblBold chkBold");
        // Disabled as the return-address menu commands leave them.
        for (const char* name : {"optQzLabel", "optQzEnvelope", "chkLblBold", "chkLblItalic"})
            rig->app.find<QWidget>(session::WindowId::Main, name)->setEnabled(false);
        rig->printer.setOrientation(2);  // left landscape by an envelope
        rig->app.printScript.print(1);
        rig->expectInstructions(labels);
        rig->expectAnotherPage(answer);
        rig->click(printButton(labels));

        QVERIFY(testsupport::matchesGolden(testsupport::dumpDocuments(rig->docs()),
                                           "returnaddress/" + QString(QTest::currentDataTag()).replace(' ', '_')));
        QCOMPARE(rig->app.printScript.flagsAtShow(), std::vector<int>{0x80000});
        QCOMPARE(w->printDialog().flags(), 8);
        QVERIFY(w.value("chkBold") == 0 && !w.isVisible("chkBold"));
        // No or Cancel restores the standard screen.
        QCOMPARE(w.summary(), QString("Standard Label 1\" x 2 5/8\", cmdQzStart, optQzLabel on, optQzEnvelope on, "
                                     "chkLblBold on, chkLblItalic on, left"));
    }

    void anotherPageThenCancelledDialog()
    {
        rig->typeLines({"Ann"});
        rig->choose("chkLblBold");
        rig->app.printScript.print(2);
        rig->app.printScript.cancel();
        rig->expectInstructions(80);
        rig->expectAnotherPage(Answer::Yes);
        rig->expectInstructions(80);
        rig->click("cmdRetAddress");
        QCOMPARE(rig->docs().size(), size_t(2));
        QCOMPARE(rig->layout(1), rig->layout(0));
        // Ended silently in the second pass: the return-address screen stays as it was.
        QCOMPARE(rig->window().summary(), QString("Return Address Label 1/2\" x 1 3/4\", cmdRetAddress, optQzLabel on, "
                                                "optQzEnvelope on, chkLblBold on ticked, chkLblItalic on, left"));
    }

    void runAloneReadsTheScreenAfterTheBox()
    {
        // The lines typed while the instructions are up are the ones printed.
        testsupport::FakePrintDialog dialog(rig->app.printScript);
        printing::LabelInput before, after;
        after.leftJustified = true;
        after.lines = {"Ann", "", "", "", ""};
        int reads = 0;
        rig->app.printScript.print(1);
        rig->expectInstructions(80);
        rig->expectAnotherPage(Answer::No);
        const printing::LabelJobResult shown = printing::printReturnAddressEighty(
            {rig->app.services, dialog, before, {}, [&] { return ++reads > 1 ? after : before; }});
        QCOMPARE(rig->layout(0).filter(":Ann").size(), 20 * 4);
        QVERIFY(shown.standardScreen && shown.envelopeBoldCleared && !shown.pads && shown.focusLine == 0);
    }

    void refusedOrFailed_data()
    {
        // Each row's boxes and the screen left are tests/data/returnaddress/refused/<row>.txt.
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("failure");
        QTest::newRow("lines 1 to 3 empty") << QStringList{"", "", "", "Line 4"} << 0;
        QTest::newRow("line 5 a blank") << QStringList{"Ann", "", "", "", " "} << 0;
        QTest::newRow("line 3 too long") << QStringList{"Ann", "", QString(28, 'W')} << 0;
        QTest::newRow("printer fails") << QStringList{"Ann"} << 57;
    }
    void refusedOrFailed()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, failure);
        testsupport::Screen w = rig->window();
        rig->typeLines(lines);
        rig->choose("chkLblBold chkLblItalic");
        rig->app.device.failWith(failure);
        if (failure)
            rig->app.printScript.print(2);
        rig->app.messages.answerFreely({});
        rig->click("cmdLrgRetAddress");
        QVERIFY(testsupport::matchesGolden(rig->app.messages.transcript() + w.summary() + "\nfocus on "
                                               + w->focusWidget()->objectName() + "\n",
                                           "returnaddress/refused/" + QString(QTest::currentDataTag()).replace(' ', '_')));
        QVERIFY(rig->docs().empty() && !rig->printer.hasOpenDocument());
        QCOMPARE(rig->printer.kills, failure ? 1 : 0);
    }
};

QTEST_MAIN(TestReturnAddress)
#include "tst_returnaddress.moc"
