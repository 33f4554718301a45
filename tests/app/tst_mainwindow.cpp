#include "support/Fixture.h"
#include "support/Golden.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>

using platform::Answer;
using FormId = session::WindowId;
using testsupport::TestApp;

namespace {

QString pads(const testsupport::Screen& w)
{
    return w.text("txtQzLeftPad") + "/" + w.text("txtQzToppad");
}

// The size caption, the Print buttons shown, each label option as enabled ("on") and
// ticked, and the alignment.
QString summary(const testsupport::Screen& w)
{
    QStringList out{w.text("lblLabelSize")};
    for (const char* button : {"cmdQzStart", "cmdWideLabel", "cmdLargeLabel", "cmdFileFolderStart", "cmdRetAddress",
                               "cmdLrgRetAddress"}) {
        if (w.isVisible(button))
            out << button;
    }
    for (const char* option : {"optQzLabel", "optQzEnvelope", "chkLblBold", "chkLblItalic"})
        out << QStringLiteral("%1 %2%3").arg(option, w.isEnabled(option) ? "on" : "off", w.value(option) ? " ticked" : "");
    out << (w.value("optQzCenter") ? "centred" : w.value("optQzLeftjust") ? "left" : "no alignment");
    return out.join(", ");
}

bool anyWindowShown()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void startup_data()
    {
        QTest::addColumn<QString>("folder");     // below the temporary folder
        QTest::addColumn<QStringList>("flags");  // BdayReminder of each record; none: no file
        QTest::addColumn<int>("blocker");        // 1: a file where the folder belongs, 2: a folder for the file
        QTest::addColumn<int>("answer");         // to the error box
        QTest::addColumn<bool>("on");
        QTest::newRow("empty folder") << "" << QStringList{} << 0 << 0 << false;
        QTest::newRow("missing folder") << "Quorvel/deeper" << QStringList{} << 0 << 0 << false;
        QTest::newRow("first record on") << "" << QStringList{"1", "0"} << 0 << 0 << true;
        QTest::newRow("first record off") << "" << QStringList{"0", "1"} << 0 << 0 << false;
        QTest::newRow("one record on") << "" << QStringList{"1"} << 0 << 0 << true;
        QTest::newRow("file for folder, Retry") << "" << QStringList{} << 1 << int(Answer::Retry) << false;
        QTest::newRow("folder for file, Retry") << "" << QStringList{} << 2 << int(Answer::Retry) << false;
        QTest::newRow("Cancel ends the program") << "" << QStringList{} << 1 << int(Answer::Cancel) << false;
    }

    void startup()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, flags);
        QFETCH(int, blocker);
        QFETCH(int, answer);
        QFETCH(bool, on);
        TestApp app;
        app.appInfo.data = app.dataPath(blocker == 1 ? "Quorvel" : folder);
        const QString path = QDir(app.appInfo.data).filePath("QVL_Contacts.DAT");
        if (blocker == 1)
            testsupport::writeBytes(app.appInfo.data, {});
        if (blocker == 2)
            QVERIFY(QDir().mkdir(path));
        if (blocker)
            testsupport::Fixture::expectCommonError(app.messages, blocker == 1 ? 75 : 0, "Path/File access error",
                                                    Answer(answer));
        if (!flags.isEmpty()) {
            std::vector<contacts::ContactRecord> records(std::size_t(flags.size()));
            for (qsizetype i = 0; i < flags.size(); ++i)
                records[std::size_t(i)].BdayReminder = flags[i];
            testsupport::writeContacts(path, records);
        }
        app.start();
        QVERIFY(app.messages.allShown());
        QCOMPARE(app.state.contactFile.isOpen(), !blocker);
        QCOMPARE(app.forms->ended(), blocker && Answer(answer) == Answer::Cancel);
        if (app.forms->ended()) {
            QVERIFY(!anyWindowShown());
            return;
        }
        testsupport::Screen w = app.screen(FormId::Main);
        QVERIFY(w->isVisible());
        QCOMPARE(w.text("txtFileNam"), blocker ? QString() : path);
        QCOMPARE(w.text("txtFileTitle"), blocker ? QString() : QStringLiteral("QVL_Contacts"));
        // Nothing to find contacts in without a book.
        QCOMPARE(w.isEnabled("cmdFindContact"), !blocker);
        QCOMPARE(w.isEnabled("mnuFind"), !blocker);
        if (!blocker)
            QCOMPARE(QFileInfo(path).size(), qint64(flags.size() * contacts::ContactRecord::Length));
        // Reminders are on while Enable is disabled; each command switches to its state.
        for (bool state : {on, !on}) {
            QCOMPARE(w.isEnabled("mnuFileBdayOn"), !state);
            QCOMPARE(w.isEnabled("mnuFileBdayOff"), state);
            app.click(FormId::Main, state ? "mnuFileBdayOff" : "mnuFileBdayOn");
        }

        // The home screen.
        QCOMPARE(app.state.lngLabelMode, 1);
        QCOMPARE(summary(w), QStringLiteral("Standard Label 1\" x 2 5/8\", cmdQzStart, optQzLabel on, optQzEnvelope on, "
                                             "chkLblBold on, chkLblItalic on, left"));
        QVERIFY(!w.isEnabled("cmdQzStart"));
        QCOMPARE(w.value("optPortrait") - w.value("optLandscape"), 1);
        QCOMPARE(pads(w), QStringLiteral("2/3"));
        // It fits a 1024 x 768 screen with room for the window frame and a panel.
        QVERIFY(w->sizeHint().width() <= 1000 && w->sizeHint().height() <= 700);
    }

    void modeCommands()
    {
        // Lines centred, then per command after another: the boxes, the screen it leaves, where the
        // envelope Bold box and Left-justify then send the focus, and what the visible Print button
        // does with no lines typed: tests/data/mainwindow_mode_commands.txt.
        const std::pair<const char*, const char*> rows[] = {
            {"", "mnuWideLabel"},  {"mnuRetAddress", "mnuLargeLabel"},    {"mnuWideLabel", "mnuStdLabel"},
            {"", "mnuRetAddress"}, {"mnuLrgRetAddress", "mnuFileFolder"}, {"mnuFileFolder", "mnuLrgRetAddress"}};
        QString got;
        for (const auto& [before, command] : rows) {
            TestApp app;
            app.start();
            app.messages.answerFreely({});
            if (*before)
                app.click(FormId::Main, before);
            testsupport::Screen w = app.screen(FormId::Main);
            const auto lines = [&] { return w.get("txtQzLine5")->alignment() & Qt::AlignLeft ? " left" : " centred"; };
            w.setValue("optQzEnvelope", 1);
            w.setValue("optQzCenter", 1);
            w.setText("lblQzPosition", "Label Position 7");
            w.setValue("chkLblBold", 1);
            w.get("txtQzLine4")->setFocus();
            w.setValue("chkLblItalic", 1);
            got += QStringLiteral("== %1 then %2\nItalic sends the focus to %3\n").arg(before, command, w.focus()->objectName());
            app.messages.answerFreely({});
            app.click(FormId::Main, command);  // a return-address command runs its print command at once
            const QFont font = w.get("txtQzLine5")->font();
            got += QStringLiteral("%1mode %2: %3\nmedia %4, position %5 \"%6\", lines %7 pt%8%9\n")
                       .arg(app.messages.transcript()).arg(app.state.lngLabelMode)
                       .arg(summary(w), w.isVisible("frQzMediaType") ? "shown" : "hidden",
                            w.isVisible("lblQzPosition") ? "shown" : "hidden", w.text("lblQzPosition"))
                       .arg(font.pointSize()).arg(font.italic() ? " italic" : "", lines());
            w.get("txtQzline3")->setFocus();
            w.setValue("chkBold", 1 - w.value("chkBold"));
            got += "Bold sends the focus to " + w.focus()->objectName() + "\n";
            w.get("txtQzline3")->setFocus();
            w.setValue("optQzLeftjust", 1);
            got += "Left-justify sends the focus to " + w.focus()->objectName() + ", lines" + lines() + "\n";
            const QString button = summary(w).section(", ", 1, 1);
            app.messages.answerFreely({});
            if (w.isEnabled(button))
                app.click(FormId::Main, button);
            got += button + (w.isEnabled(button) ? " pressed\n" : " disabled\n") + app.messages.transcript();
        }
        QVERIFY(testsupport::matchesGolden(got, "mainwindow_mode_commands"));
    }

    void positionPrompt()
    {
        // Per entry the boxes shown and what the window keeps: tests/data/mainwindow_position_prompt.txt.
        // strEndPos holds "8" before; a refused entry is asked again and answered with Cancel. After
        // Cancel ("|7"), a click on the chosen Label stock asks again.
        // The range rules are the parser's; here only the way the window shows each outcome.
        struct Row {
            const char *command, *entry;
            bool bold;
            const char* printer;
        };
        const Row rows[] = {{"mnuWideLabel", "4 - 9.", false, ""},  {"mnuFileFolder", "30", false, ""},
                            {"mnuFileFolder", "4-12", false, ""},   {"", "10-15", true, ""},
                            {"mnuWideLabel", "4", false, "HP Officejet Pro"}, {"mnuFileFolder", "2", true, "Photosmart"},
                            {"mnuWideLabel", "|7", false, ""},        {"mnuLargeLabel", "2-12", false, ""},
                            {"mnuWideLabel", "12-5", false, ""}};
        QString got;
        for (const Row& row : rows) {
            TestApp app;
            app.start();
            app.messages.answerFreely({});
            if (*row.command)
                app.click(FormId::Main, row.command);
            app.device.setDeviceName(*row.printer ? row.printer : "Recording Printer");
            testsupport::Screen w = app.screen(FormId::Main);
            w.vars().strEndPos = QStringLiteral("8");
            w.setValue("optLandscape", 1);
            w.setValue("chkLblBold", row.bold ? 1 : 0);
            const QStringList entries = QString(row.entry).split(u'|');
            app.messages.answerFreely(entries);
            for (qsizetype i = 0; i < entries.size(); ++i)
                app.click(FormId::Main, "optQzLabel");
            const printing::LabelVars& v = w.vars();
            got += QStringLiteral("== %1 \"%2\"%3 %4\n").arg(row.command, row.entry, row.bold ? " bold" : "", row.printer)
                   + app.messages.transcript()
                   + QStringLiteral("label stock %1 portrait %2, range \"%3\" shown \"%4\", start %5 end %6 count %7, pads %8\n")
                         .arg(w.value("optQzLabel")).arg(w.value("optPortrait"))
                         .arg(v.strLabelRange, w.text("lblQzPosition"), v.strStartPos, v.strEndPos)
                         .arg(v.intLabelCount).arg(pads(w));
        }
        QVERIFY(testsupport::matchesGolden(got, "mainwindow_position_prompt"));
    }

    void envelopeSizes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pads");
        for (const auto& [row, pads] : {std::pair{0, "50/31"}, {1, "33/32"}, {2, "28/30"}, {3, "38/30"}, {4, "40/28"}, {5, "45/27"}})
            QTest::addRow("%d", row + 1) << row << QString(pads);
    }

    void envelopeSizes()
    {
        QFETCH(int, row);
        QFETCH(QString, pads);
        TestApp app;
        app.start();
        testsupport::Screen w = app.screen(FormId::Main);
        w.setText("lblQzPosition", "Label Position 7");
        app.find<QWidget>(FormId::Main, "chkBold")->hide();
        app.click(FormId::Main, "optQzEnvelope");
        QCOMPARE(w.value("optLandscape") - w.value("optPortrait"), 1);
        QCOMPARE(w.text("lblQzPosition"), QString());
        QVERIFY(w.isVisible("chkBold"));

        auto* list = app.find<QListWidget>(FormId::Main, "lstEnvSize");
        QCOMPARE(list->count(), 6);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*w.operator->()));
        list->setFocus(Qt::TabFocusReason);  // the focus alone picks no size
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(w.vars().strEnvSize, QString());
        list->setCurrentRow(row);
        QCOMPARE(w.vars().strEnvSize, QString::number(row + 1));
        QCOMPARE(::pads(w), pads);
        // A click on the size already picked writes its pads again.
        w.setText("txtQzLeftPad", "9");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QCOMPARE(::pads(w), pads);
        QVERIFY(app.messages.shown().empty());
    }

    void commandsOpenTheirWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<FormId>("window");
        for (const char* command : {"mnuEdit", "mnuFind", "mnuDelete", "mnuViewOne"})
            QTest::newRow(command) << command << FormId::ContactInfo;
        for (const char* command : {"mnuViewAll", "mnuSrchContacts"})
            QTest::newRow(command) << command << FormId::ViewAll;
        QTest::newRow("mnuExport") << "mnuExport" << FormId::Export;
        QTest::newRow("mnuImport") << "mnuImport" << FormId::Import;
    }

    void commandsOpenTheirWindow()
    {
        QFETCH(QString, command);
        QFETCH(FormId, window);
        TestApp app;
        app.start();
        app.screen(FormId::Main)->move(230, 170);
        const QPoint place = app.screen(FormId::Main)->pos();
        app.click(FormId::Main, command);
        widgets::Form* shown = &app.form(window);
        QVERIFY(shown->isVisible() && app.screen(FormId::Main)->isHidden());
        if (window == FormId::ContactInfo) {
            shown->move(0, 0);
            // Hidden but loaded (as Print Label leaves it): shown again as it was left.
            shown->hideForm();
            app.screen(FormId::Main)->showForm();
            app.click(FormId::Main, command);
            QCOMPARE(&app.form(FormId::ContactInfo), shown);
            QVERIFY(shown->isVisible() && app.screen(FormId::Main)->isHidden());
            shown->close();
            QCOMPARE(app.screen(FormId::Main)->pos(), place);
        }
        QVERIFY(app.messages.shown().empty());
    }

    void closingUnloadsTheOthers_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("close box") << false;
        QTest::newRow("File Exit") << true;
    }

    void closingUnloadsTheOthers()
    {
        QFETCH(bool, byExit);
        TestApp app;
        app.start();
        // The contact window loaded but hidden, the About window over the main window.
        app.click(FormId::Main, "mnuFind");
        app.form(FormId::ContactInfo).hideForm();
        app.screen(FormId::Main)->showForm();
        app.click(FormId::Main, "mnuHelpAbout");
        QVERIFY(app.form(FormId::About).isVisible() && app.screen(FormId::Main)->isVisible());
        if (byExit) {
            app.click(FormId::About, "cmdOK");
            QVERIFY(!app.forms->isLoaded(FormId::About) && app.screen(FormId::Main)->isVisible());
            app.click(FormId::Main, "mnuFileExit");
        } else {
            app.screen(FormId::Main)->close();
        }
        QVERIFY(app.forms->ended());
        for (FormId id : {FormId::Main, FormId::ContactInfo, FormId::About})
            QVERIFY(!app.forms->isLoaded(id));
        QVERIFY(!app.state.contactFile.isOpen());
        QVERIFY(!anyWindowShown());
        QVERIFY(app.messages.shown().empty());
        QVERIFY(!app.settings.value("Settings", "MainWidth", QString()).isEmpty());
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
