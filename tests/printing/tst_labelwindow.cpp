#include "support/FakeLabelWorkspace.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using platform::Answer;
using platform::Buttons;
using platform::FormId;
using platform::Icon;
using testsupport::TestApp;

// The print commands behind the main window's own controls.
class TestLabelWindow : public QObject {
    Q_OBJECT

    void typeLines(TestApp& app, const QStringList& lines)
    {
        const char* const names[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
        for (int i = 0; i < 5; ++i)
            app.find<QLineEdit>(FormId::Main, names[i])->setText(lines.value(i));
    }
    bool shown(TestApp& app, const char* name) { return !app.find<QWidget>(FormId::Main, name)->isHidden(); }
    QString caption(TestApp& app, const char* name) { return app.find<QLabel>(FormId::Main, name)->text(); }

private slots:
    void wideRangeThenReturnAddressFromTheMenu()
    {
        TestApp app;
        app.start();
        app.click(FormId::Main, "mnuWideLabel");
        typeLines(app, {"Jane Doe", "12 Elm St", "Springfield, IL  62701"});
        app.messages.expectBox({"Label position reading L to R", QString(), Buttons::Ok, Icon::None, Answer::Ok,
                                true, "4-9", false});
        app.click(FormId::Main, "optQzLabel");
        QCOMPARE(caption(app, "lblQzPosition"), QString("Label Position 4-9"));
        app.printScript.print(2);
        app.click(FormId::Main, "cmdWideLabel");
        QVERIFY2(app.messages.allShown(), qPrintable(app.messages.pending().join("; ")));
        QCOMPARE(app.device.documents().size(), size_t(2));
        const QStringList first = testsupport::textLayout(app.device.documents()[0]);
        QCOMPARE(first.size(), 18);
        QCOMPARE(first.mid(0, 4), (QStringList{"11:68:Jane Doe", "12:68:12 Elm St", "13:68:Springfield, IL  62701",
                                               "18:3:Jane Doe"}));
        QCOMPARE(testsupport::textLayout(app.device.documents()[1]), first);
        QCOMPARE(app.find<QLineEdit>(FormId::Main, "txtQzLeftPad")->text(), QString("68"));
        QVERIFY(!shown(app, "chkBold"));

        // The menu command sets up the screen and runs the command, which finds no lines.
        const QString title = "Load printer with Avery 5195, 8195, or 18195 label stock";
        const QString instructions =
            "Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] labels";
        app.messages.expect(title, instructions, Buttons::Ok, Icon::Information);
        app.messages.expect("Instructions", "Fill in Lines 1, 2, and 3, then press Print.", Buttons::Ok,
                            Icon::Exclamation);
        typeLines(app, {});
        app.click(FormId::Main, "mnuLrgRetAddress");
        QVERIFY2(app.messages.allShown(), qPrintable(app.messages.pending().join("; ")));
        QVERIFY(shown(app, "cmdLrgRetAddress") && !shown(app, "cmdQzStart") && !shown(app, "cmdWideLabel"));
        QVERIFY(!app.find<QAbstractButton>(FormId::Main, "optQzLabel")->isEnabled());

        typeLines(app, {"Ann Smith", "12 Oak St", "Springfield IL 62704"});
        app.messages.expect(title, instructions, Buttons::Ok, Icon::Information);
        app.messages.expect("Completed", "Done!  Do you want to print another page of Return Address Labels?",
                            Buttons::YesNoCancel, Icon::None, Answer::No);
        app.printScript.print(1);
        app.click(FormId::Main, "cmdLrgRetAddress");
        QVERIFY2(app.messages.allShown(), qPrintable(app.messages.pending().join("; ")));
        const QStringList sheet = testsupport::textLayout(app.device.documents().at(2));
        QCOMPARE(sheet.size(), 15 * 3 * 4);
        QCOMPARE(sheet.front(), QString("5:5:Ann Smith"));
        // Back to the standard screen, the mode left as the menu set it.
        QVERIFY(shown(app, "cmdQzStart") && !shown(app, "cmdLrgRetAddress"));
        QCOMPARE(caption(app, "lblLabelSize"), QString("Standard Label 1\" x 2 5/8\""));
        QCOMPARE(app.state.lngLabelMode, 4);
    }
};

QTEST_MAIN(TestLabelWindow)
#include "tst_labelwindow.moc"
