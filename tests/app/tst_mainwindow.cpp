#include "support/TestApp.h"

#include "app/MainWindow.h"
#include "contacts/ContactRecord.h"
#include "platform/Controls.h"

#include <QtTest>
#include <QtWidgets>

#include <stdexcept>

using platform::Answer;
using platform::Buttons;
using platform::FormId;
using platform::Icon;
using testsupport::TestApp;

namespace {

const QString kPositionTitle = QStringLiteral("Label position reading L to R");
const QString kWidePrompt = QStringLiteral(
    "Enter label position [a number between 1 and 20] on which to print.  Example: label position 4 is the "
    "second label on 2nd row of label sheet.  To print multiple labels, enter a range such as 4-9, 15-18, etc.  "
    "To print an entire sheet, enter 1-20.");
const QString kLargePrompt = QStringLiteral(
    "Enter label position [a number between 1 and 10] on which to print.  Example: label position 4 is the "
    "second label on 2nd row of label sheet.  To print multiple labels, enter a range such as 2-3, 6-9, etc.  "
    "To print an entire sheet, enter 1-10.");
const QString kFolderPrompt = QStringLiteral(
    "Enter label position [a number between 1 and 30] on which to print.  Example: label position 4 is the "
    "second label on 2nd row of label sheet.  To print multiple labels, enter a range such as 4-9, 15-18, etc.  "
    "To print an entire sheet, enter 1-30.");
const QString kStandardPrompt = QStringLiteral(
    "Enter label position [a number between 1 and 30] on which to print.  Example: label position 5 is the "
    "second label on 2nd row of label sheet.  To print multiple labels, enter a range such as 4-9, 15-18, etc.  "
    "To print an entire sheet, enter 1-30.");
const QString kIncorrectEntry = QStringLiteral("Enter a label position such as 7, or a range such as 4-9.");

const QStringList kPrintButtons{"cmdQzStart",    "cmdWideLabel",     "cmdLargeLabel",
                                "cmdRetAddress", "cmdLrgRetAddress", "cmdFileFolderStart"};

app::MainWindow& mainWindow(TestApp& app)
{
    return app.forms->as<app::MainWindow>(FormId::Main);
}

QStringList visiblePrintButtons(TestApp& app)
{
    QStringList shown;
    for (const QString& name : kPrintButtons) {
        if (mainWindow(app).isVisible(name))
            shown << name;
    }
    return shown;
}

QLineEdit* line(TestApp& app, const char* name)
{
    return app.find<QLineEdit>(FormId::Main, QString::fromLatin1(name));
}

void writeContacts(const QString& path, const QStringList& reminderFlags)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    int n = 0;
    for (const QString& flag : reminderFlags) {
        contacts::ContactRecord record;
        record.FName = QStringLiteral("Ann%1").arg(++n);
        record.LName = QStringLiteral("Lee");
        record.IncComp = QStringLiteral("0");
        record.BdayReminder = flag;
        file.write(record.toBytes());
    }
}

bool anyWindowShown()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            return true;
    }
    return false;
}

// Starts the program and switches to a label mode through its File menu command.
void startInMode(TestApp& app, const QString& command)
{
    app.start();
    if (command == QLatin1String("mnuFileFolder"))
        app.messages.expect(QStringLiteral("Use only Line 1"),
                            QStringLiteral("For File Folder labels, enter information on Line 1 only. Leave Lines "
                                           "2-5 blank."));
    if (!command.isEmpty())
        app.click(FormId::Main, command);
}

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void startupCreatesEmptyContactFile();
    void startupSetsHomeScreen();
    void startupCreatesMissingDataFolder();
    void startupKeepsExistingContactFile();
    void startupRemindersFromFirstRecord_data();
    void startupRemindersFromFirstRecord();
    void startupWithFileWhereDataFolderBelongs();
    void startupErrorCancelEndsProgram();
    void startupWithUnopenableContactFile();

    void wideLabelsCommand();
    void largeLabelsCommand();
    void standardLabelsCommandRestoresHomeScreen();
    void fileFolderCommand();
    void returnAddressCommands_data();
    void returnAddressCommands();
    void labelModeAfterReturnAddressIsUsable();
    void printButtonsRunTheirCommands_data();
    void printButtonsRunTheirCommands();

    void positionRangeInWideMode();
    void positionAboveMaximumAsksAgain();
    void positionPromptPerMode_data();
    void positionPromptPerMode();
    void positionPadsFollowBoldAndPrinterFamily_data();
    void positionPadsFollowBoldAndPrinterFamily();
    void singlePositionKeepsEndPosition();
    void emptyEntryOrCancelChoosesNoPosition();
    void oddEntriesAreRefused_data();
    void oddEntriesAreRefused();
    void reversedRangeIsLeftToPrintCommand();

    void envelopeChoosesLandscape();
    void envelopeSizes_data();
    void envelopeSizes();
    void alignmentOptions();
    void labelBoldAndItalicSetLineFonts();
    void envelopeBoldFocusesPrintButton_data();
    void envelopeBoldFocusesPrintButton();
    void enterMovesToNextLine();

    void reminderCommandsFlipEachOther();

    void contactCommandsShowContactWindow_data();
    void contactCommandsShowContactWindow();
    void findContactFocusesFindList();

    void closingMainWindowUnloadsTheOthers();
    void fileExitEndsProgram();
    void aboutWindowOverMainWindow();

    void workspaceControlsBehaveAsClassicControls();
    void workspaceKnowsOwnVisibilityWhileHidden();
    void workspaceRefusesUnknownControl();
    void printDialogKeepsItsFlags();
};

void TstMainWindow::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstMainWindow::startupCreatesEmptyContactFile()
{
    TestApp app;
    app.start();
    const QFileInfo file(app.dataPath(QStringLiteral("QVL_Contacts.DAT")));
    QVERIFY(file.exists());
    QCOMPARE(file.size(), 0);
    QVERIFY(app.state.contactFile.isOpen());
    QCOMPARE(line(app, "txtFileNam")->text(), file.filePath());
    QCOMPARE(line(app, "txtFileTitle")->text(), QStringLiteral("QVL_Contacts"));
    QVERIFY(line(app, "txtFileNam")->isReadOnly());
    QVERIFY(line(app, "txtFileTitle")->isReadOnly());
    QVERIFY(app.messages.shown().empty());
    QVERIFY(mainWindow(app).isVisible());
}

void TstMainWindow::startupSetsHomeScreen()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(app.state.lngLabelMode, 1);
    QCOMPARE(visiblePrintButtons(app), QStringList{"cmdQzStart"});
    QVERIFY(!w.isEnabled(QStringLiteral("cmdQzStart")));
    for (const QString& name : kPrintButtons)
        QCOMPARE(w.text(name), QStringLiteral("Print"));
    QCOMPARE(w.text("lblLabelSize"), QStringLiteral("Standard Label 1\" x 2 5/8\""));
    QCOMPARE(w.value("optPortrait"), 1);
    QCOMPARE(w.value("optLandscape"), 0);
    QCOMPARE(w.value("optQzLeftjust"), 1);
    QCOMPARE(w.value("optQzCenter"), 0);
    QCOMPARE(w.value("optQzLabel"), 0);
    QCOMPARE(w.value("optQzEnvelope"), 0);
    QCOMPARE(w.text("txtQzLeftPad"), QStringLiteral("2"));
    QCOMPARE(w.text("txtQzToppad"), QStringLiteral("3"));
    QCOMPARE(w.text("lblQzPosition"), QString());
    QCOMPARE(w.value("chkLblBold"), 0);
    QCOMPARE(w.value("chkLblItalic"), 0);
    QCOMPARE(w.vars().strEnvSize.toInt(), 0);
    QCOMPARE(line(app, "txtQzLine1")->font().pointSize(), 12);
    QCOMPARE(w.text("optQzLabel"), QStringLiteral("Label stock"));
    QCOMPARE(w.text("optQzEnvelope"), QStringLiteral("Envelope"));
    QCOMPARE(w.text("optQzLeftjust"), QStringLiteral("Left-Justified"));
    QCOMPARE(w.text("optQzCenter"), QStringLiteral("Centered"));
    QCOMPARE(w.text("chkLargeFont"), QStringLiteral("Large Font"));
    QCOMPARE(app.find<QCheckBox>(FormId::Main, "chkBold")->toolTip(),
             QStringLiteral("If checked, will print envelope in bold"));
    QCOMPARE(w.text("cmdFindContact"), QStringLiteral("Find Contact"));
    QVERIFY(w.isEnabled(QStringLiteral("cmdFindContact")));
    QCOMPARE(qobject_cast<QGroupBox*>(app.find<QWidget>(FormId::Main, "frQzMediaType"))
                 ->findChild<platform::OptionButton*>("optQzLabel"),
             app.find<platform::OptionButton>(FormId::Main, "optQzLabel"));
}

void TstMainWindow::startupCreatesMissingDataFolder()
{
    TestApp app;
    app.appInfo.data = app.dataPath(QStringLiteral("Quorvel/deeper"));
    app.start();
    QVERIFY(QFileInfo(app.dataPath(QStringLiteral("Quorvel/deeper/QVL_Contacts.DAT"))).isFile());
    QCOMPARE(line(app, "txtFileTitle")->text(), QStringLiteral("QVL_Contacts"));
    QVERIFY(app.messages.shown().empty());
}

void TstMainWindow::startupKeepsExistingContactFile()
{
    TestApp app;
    writeContacts(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), {"0", "1"});
    app.start();
    QCOMPARE(QFileInfo(app.dataPath(QStringLiteral("QVL_Contacts.DAT"))).size(), 2 * contacts::ContactRecord::Length);
    QCOMPARE(app.state.contactFile.recordCount(), 2);
}

void TstMainWindow::startupRemindersFromFirstRecord_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<bool>("on");
    QTest::newRow("no record") << QStringList{} << false;
    QTest::newRow("first on") << QStringList{"1"} << true;
    QTest::newRow("first off") << QStringList{"0"} << false;
    QTest::newRow("only the first counts") << QStringList{"0", "1"} << false;
    QTest::newRow("first on, second off") << QStringList{"1", "0"} << true;
    QTest::newRow("blank flag") << QStringList{""} << false;
}

void TstMainWindow::startupRemindersFromFirstRecord()
{
    QFETCH(QStringList, flags);
    QFETCH(bool, on);
    TestApp app;
    if (!flags.isEmpty())
        writeContacts(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), flags);
    app.start();
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.isEnabled(QStringLiteral("mnuFileBdayOn")), !on);
    QCOMPARE(w.isEnabled(QStringLiteral("mnuFileBdayOff")), on);
    QCOMPARE(w.remindersOn(), on);
    QVERIFY(app.messages.shown().empty());
}

void TstMainWindow::startupWithFileWhereDataFolderBelongs()
{
    TestApp app;
    const QString blocker = app.dataPath(QStringLiteral("Quorvel"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    app.appInfo.data = blocker;
    app.messages.expect(
        QStringLiteral("Error"),
        QStringLiteral("An error has occurred. Error number 75 -- Path/File access error.  Try again, or notify author."),
        Buttons::RetryCancel, Icon::None, Answer::Retry);
    app.start();
    QVERIFY(app.messages.allShown());
    app::MainWindow& w = mainWindow(app);
    QVERIFY(w.isVisible());
    QVERIFY(!app.forms->ended());
    QCOMPARE(line(app, "txtFileNam")->text(), QString());
    QCOMPARE(line(app, "txtFileTitle")->text(), QString());
    QVERIFY(!app.state.contactFile.isOpen());
    // The home screen is set before the file is opened.
    QCOMPARE(w.text("txtQzLeftPad"), QStringLiteral("2"));
    QCOMPARE(w.value("optQzLeftjust"), 1);
    // Nothing to find contacts in, and reminders off.
    QVERIFY(!w.isEnabled(QStringLiteral("cmdFindContact")));
    QVERIFY(!w.isEnabled(QStringLiteral("mnuFind")));
    QVERIFY(!w.remindersOn());
    QCOMPARE(QFileInfo(blocker).size(), 12);
}

void TstMainWindow::startupErrorCancelEndsProgram()
{
    TestApp app;
    const QString blocker = app.dataPath(QStringLiteral("Quorvel"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    app.appInfo.data = blocker;
    app.messages.expect(
        QStringLiteral("Error"),
        QStringLiteral("An error has occurred. Error number 75 -- Path/File access error.  Try again, or notify author."),
        Buttons::RetryCancel, Icon::None, Answer::Cancel);
    app.start();
    QVERIFY(app.messages.allShown());
    QVERIFY(app.forms->ended());
    QVERIFY(!app.forms->isLoaded(FormId::Main));
    QVERIFY(!anyWindowShown());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!anyWindowShown());
}

void TstMainWindow::startupWithUnopenableContactFile()
{
    TestApp app;
    QVERIFY(QDir(app.dataFolder()).mkdir(QStringLiteral("QVL_Contacts.DAT")));
    testsupport::ExpectedBox box;
    box.title = QStringLiteral("Error");
    box.buttons = Buttons::RetryCancel;
    box.answer = Answer::Retry;
    box.checkText = false;
    app.messages.expectBox(box);
    app.start();
    QVERIFY(app.messages.allShown());
    const QString text = app.messages.shown().at(0).text;
    QVERIFY2(text.startsWith(QStringLiteral("An error has occurred. Error number ")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral(".  Try again, or notify author.")), qPrintable(text));
    QCOMPARE(line(app, "txtFileNam")->text(), QString());
    QVERIFY(!app.state.contactFile.isOpen());
    QVERIFY(mainWindow(app).isVisible());
}

void TstMainWindow::wideLabelsCommand()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    w.setValue("chkLblBold", 1);
    w.setValue("chkLblItalic", 1);
    app.messages.expectInput(kPositionTitle, kStandardPrompt, QStringLiteral("7"));
    app.click(FormId::Main, "optQzLabel");
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 7"));

    app.click(FormId::Main, "mnuWideLabel");
    QCOMPARE(app.state.lngLabelMode, 2);
    QCOMPARE(visiblePrintButtons(app), QStringList{"cmdWideLabel"});
    QCOMPARE(w.text("lblLabelSize"), QStringLiteral("Wide Label 1\" x 4\""));
    QCOMPARE(w.value("optQzLabel"), 0);
    QCOMPARE(w.value("optQzEnvelope"), 0);
    QCOMPARE(w.text("lblQzPosition"), QString());
    QCOMPARE(w.value("chkLblBold"), 0);
    QCOMPARE(w.value("chkLblItalic"), 0);
    // Unticking ran the boxes' handlers: the lines are back to their plain font.
    QCOMPARE(line(app, "txtQzLine1")->font().pointSize(), 12);
    QVERIFY(!line(app, "txtQzLine5")->font().italic());
    QCOMPARE(w.text("mnuWideLabel"), QStringLiteral("Wide Labels 1\" x 4\""));
    QVERIFY(app.messages.allShown());
}

void TstMainWindow::largeLabelsCommand()
{
    TestApp app;
    startInMode(app, "mnuLargeLabel");
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(app.state.lngLabelMode, 3);
    QCOMPARE(visiblePrintButtons(app), QStringList{"cmdLargeLabel"});
    QCOMPARE(w.text("lblLabelSize"), QStringLiteral("Large Label 2\" x 4\""));
    QCOMPARE(w.text("mnuLargeLabel"), QStringLiteral("Large Labels 2\" x 4\""));
    QVERIFY(app.messages.shown().empty());
}

void TstMainWindow::standardLabelsCommandRestoresHomeScreen()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("3"));
    app.click(FormId::Main, "optQzLabel");
    w.setValue("chkLblBold", 1);

    app.click(FormId::Main, "mnuStdLabel");
    QCOMPARE(app.state.lngLabelMode, 1);
    QCOMPARE(visiblePrintButtons(app), QStringList{"cmdQzStart"});
    QCOMPARE(w.text("lblLabelSize"), QStringLiteral("Standard Label 1\" x 2 5/8\""));
    QCOMPARE(w.text("mnuStdLabel"), QStringLiteral("Standard Labels 1\" x 2 5/8\""));
    QCOMPARE(w.value("optQzLabel"), 0);
    QCOMPARE(w.text("lblQzPosition"), QString());
    QCOMPARE(w.value("chkLblBold"), 0);
    QVERIFY(app.messages.allShown());
}

void TstMainWindow::fileFolderCommand()
{
    TestApp app;
    startInMode(app, "mnuFileFolder");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.shown().back().icon, Icon::None);
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(app.state.lngLabelMode, 6);
    QCOMPARE(visiblePrintButtons(app), QStringList{"cmdFileFolderStart"});
    QCOMPARE(w.text("lblLabelSize"), QStringLiteral("File Folder Label 2/3\" x 3 7/16\""));
    QCOMPARE(w.text("mnuFileFolder"), QStringLiteral("File Folder Labels 2/3\" x 3 7/16\""));
    for (const char* option : {"optQzLabel", "optQzEnvelope"}) {
        QVERIFY(w.isVisible(option));
        QVERIFY(w.isEnabled(option));
        QCOMPARE(w.value(option), 0);
    }
    QCOMPARE(w.text("lblQzPosition"), QString());
}

void TstMainWindow::returnAddressCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QString>("instructionTitle");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("80 a sheet") << "mnuRetAddress" << 5 << "cmdRetAddress" << "Return Address Label 1/2\" x 1 3/4\""
                                << "Return Address Labels 1/2\" x 1 3/4\""
                                << "Load printer with Avery 5167, 8167, or 18167 label stock"
                                << "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels";
    QTest::newRow("60 a sheet") << "mnuLrgRetAddress" << 4 << "cmdLrgRetAddress"
                                << "Return Address Label 2/3\" x 1 3/4\"" << "Return Address Labels 2/3\" x 1 3/4\""
                                << "Load printer with Avery 5195, 8195, or 18195 label stock"
                                << "Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] "
                                   "labels";
}

void TstMainWindow::returnAddressCommands()
{
    QFETCH(QString, command);
    QFETCH(int, mode);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, menuCaption);
    QFETCH(QString, instructionTitle);
    QFETCH(QString, instruction);
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    w.setValue("chkLblBold", 1);
    w.setValue("chkLblItalic", 1);
    QCOMPARE(w.text(command), menuCaption);
    // The menu command runs the sheet's print command at once, which finds no lines yet.
    app.messages.expect(instructionTitle, instruction, Buttons::Ok, Icon::Information);
    app.messages.expect(QStringLiteral("Instructions"), QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."),
                        Buttons::Ok, Icon::Exclamation);
    app.click(FormId::Main, command);
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.state.lngLabelMode, mode);
    QCOMPARE(visiblePrintButtons(app), QStringList{button});
    QCOMPARE(w.text("lblLabelSize"), caption);
    QVERIFY(w.isVisible("frQzMediaType"));
    QVERIFY(!w.isEnabled("optQzLabel"));
    QVERIFY(!w.isEnabled("optQzEnvelope"));
    QVERIFY(!w.isVisible("lblQzPosition"));
    QCOMPARE(w.value("chkLblBold"), 0);
    QCOMPARE(w.value("chkLblItalic"), 0);
    QVERIFY(!w.isEnabled("chkLblBold"));
    QVERIFY(!w.isEnabled("chkLblItalic"));
}

void TstMainWindow::labelModeAfterReturnAddressIsUsable()
{
    TestApp app;
    app.start();
    app.messages.expect(QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock"),
                        QStringLiteral("Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels"),
                        Buttons::Ok, Icon::Information);
    app.messages.expect(QStringLiteral("Instructions"), QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."),
                        Buttons::Ok, Icon::Exclamation);
    app.click(FormId::Main, "mnuRetAddress");

    // The return-address screen left the media options and label boxes disabled and the
    // position hidden; a label stock chosen next must offer them again.
    app.click(FormId::Main, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    QVERIFY(w.isEnabled("optQzLabel"));
    QVERIFY(w.isEnabled("optQzEnvelope"));
    QVERIFY(w.isEnabled("chkLblBold"));
    QVERIFY(w.isEnabled("chkLblItalic"));
    QVERIFY(w.isVisible("lblQzPosition"));
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("2"));
    app.click(FormId::Main, "optQzLabel");
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 2"));
    QVERIFY(app.messages.allShown());
}

void TstMainWindow::printButtonsRunTheirCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("button");
    QTest::newRow("wide") << "mnuWideLabel" << "cmdWideLabel";
    QTest::newRow("large") << "mnuLargeLabel" << "cmdLargeLabel";
    QTest::newRow("file folder") << "mnuFileFolder" << "cmdFileFolderStart";
}

void TstMainWindow::printButtonsRunTheirCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, button);
    TestApp app;
    startInMode(app, command);
    app.messages.expect(QStringLiteral("Missing Data"), QStringLiteral("No information entered"), Buttons::Ok,
                        Icon::Exclamation);
    app.click(FormId::Main, button);
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.events().last(2), (QStringList{"beep", "box:Missing Data"}));
    // The print command read the margin file first, creating it.
    QVERIFY(QFileInfo::exists(app.dataPath(QStringLiteral("QVLPARAM.TXT"))));
}

void TstMainWindow::positionRangeInWideMode()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    w.setValue("optLandscape", 1);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("4 - 9."));
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.shown().back().defaultText, QStringLiteral("1"));
    QCOMPARE(w.vars().strLabelRange, QStringLiteral("4-9"));
    QCOMPARE(w.vars().strStartPos, QStringLiteral("4"));
    QCOMPARE(w.vars().strEndPos, QStringLiteral("9"));
    QCOMPARE(w.vars().intLabelCount, std::int16_t(6));
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 4-9"));
    QCOMPARE(w.value("optPortrait"), 1);
    QCOMPARE(w.value("optLandscape"), 0);
    QCOMPARE(w.text("txtQzLeftPad"), QStringLiteral("68"));
    QCOMPARE(w.text("txtQzToppad"), QStringLiteral("9"));
    QCOMPARE(app.messages.beeps(), 0);
}

void TstMainWindow::positionAboveMaximumAsksAgain()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("25"));
    app.messages.expect(QStringLiteral("Maximum is 20"), QStringLiteral("Label position cannot exceed 20"));
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("7"));
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.events(), (QStringList{"input:" + kPositionTitle, "beep", "box:Maximum is 20",
                                                 "input:" + kPositionTitle}));
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.vars().strLabelRange, QStringLiteral("7"));
    QCOMPARE(w.vars().strStartPos, QStringLiteral("7"));
    QCOMPARE(w.vars().intLabelCount, std::int16_t(1));
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 7"));
    QCOMPARE(w.text("txtQzLeftPad"), QStringLiteral("3"));
    QCOMPARE(w.text("txtQzToppad"), QStringLiteral("23"));
}

void TstMainWindow::positionPromptPerMode_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tooHigh");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("leftPad");
    QTest::addColumn<QString>("topPad");
    QTest::newRow("wide, range ending at 20") << "mnuWideLabel" << kWidePrompt << "5-21" << 20 << "11-20" << "11"
                                              << "20" << 10 << "3" << "36";
    QTest::newRow("large") << "mnuLargeLabel" << kLargePrompt << "11" << 10 << "9-10" << "9" << "10" << 2 << "3"
                           << "36";
    QTest::newRow("large, one digit range") << "mnuLargeLabel" << kLargePrompt << "2-12" << 10 << "2-3" << "2"
                                            << "3" << 2 << "46" << "2";
    QTest::newRow("file folder") << "mnuFileFolder" << kFolderPrompt << "31" << 30 << "30" << "30" << "" << 1 << "34"
                                 << "28";
    QTest::newRow("file folder range") << "mnuFileFolder" << kFolderPrompt << "1-31" << 30 << "4-12" << "4" << "12"
                                       << 9 << "34" << "2";
    // The standard sheet's pads belong to its own print command: the prompt leaves them.
    QTest::newRow("standard") << "" << kStandardPrompt << "45" << 30 << "10-15" << "10" << "15" << 6 << "2" << "3";
}

void TstMainWindow::positionPromptPerMode()
{
    QFETCH(QString, command);
    QFETCH(QString, prompt);
    QFETCH(QString, tooHigh);
    QFETCH(int, maximum);
    QFETCH(QString, entry);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, count);
    QFETCH(QString, leftPad);
    QFETCH(QString, topPad);
    TestApp app;
    startInMode(app, command);
    app.messages.expectInput(kPositionTitle, prompt, tooHigh);
    app.messages.expect(QStringLiteral("Maximum is %1").arg(maximum),
                        QStringLiteral("Label position cannot exceed %1").arg(maximum));
    app.messages.expectInput(kPositionTitle, prompt, entry);
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.beeps(), 1);
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.vars().strStartPos, start);
    if (!end.isEmpty())
        QCOMPARE(w.vars().strEndPos, end);
    QCOMPARE(int(w.vars().intLabelCount), count);
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position ") + entry);
    QCOMPARE(w.text("txtQzLeftPad"), leftPad);
    QCOMPARE(w.text("txtQzToppad"), topPad);
}

void TstMainWindow::positionPadsFollowBoldAndPrinterFamily_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("leftPad");
    QTest::addColumn<QString>("topPad");
    QTest::newRow("wide bold") << "mnuWideLabel" << true << "Recording Printer" << "4" << "60" << "9";
    QTest::newRow("wide family") << "mnuWideLabel" << false << "HP Officejet Pro 8600" << "4" << "70" << "9";
    QTest::newRow("wide family bold") << "mnuWideLabel" << true << "HP ENVY 5000" << "4-5" << "66" << "9";
    QTest::newRow("wide family, column 1") << "mnuWideLabel" << true << "Photosmart C4280" << "19" << "5" << "62";
    QTest::newRow("not family in lower case") << "mnuWideLabel" << false << "officejet" << "2" << "68" << "3";
    QTest::newRow("large family bold") << "mnuLargeLabel" << true << "Officejet" << "10" << "44" << "36";
    QTest::newRow("folder family bold") << "mnuFileFolder" << true << "Officejet" << "2" << "33" << "0";
    QTest::newRow("folder family") << "mnuFileFolder" << false << "Officejet" << "29" << "6" << "28";
}

void TstMainWindow::positionPadsFollowBoldAndPrinterFamily()
{
    QFETCH(QString, command);
    QFETCH(bool, bold);
    QFETCH(QString, device);
    QFETCH(QString, entry);
    QFETCH(QString, leftPad);
    QFETCH(QString, topPad);
    TestApp app;
    startInMode(app, command);
    app.device.setDeviceName(device);
    app::MainWindow& w = mainWindow(app);
    w.setValue("chkLblBold", bold ? 1 : 0);
    testsupport::ExpectedBox input;
    input.isInput = true;
    input.title = kPositionTitle;
    input.checkText = false;
    input.answerText = entry;
    app.messages.expectBox(input);
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(w.text("txtQzLeftPad"), leftPad);
    QCOMPARE(w.text("txtQzToppad"), topPad);
}

void TstMainWindow::singlePositionKeepsEndPosition()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("3-8"));
    app.click(FormId::Main, "optQzLabel");
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("12"));
    w.setValue("optQzEnvelope", 1);
    w.setValue("optQzLabel", 1);
    QVERIFY(app.messages.allShown());
    QCOMPARE(w.vars().strStartPos, QStringLiteral("12"));
    QCOMPARE(w.vars().strEndPos, QStringLiteral("8"));
    QCOMPARE(w.vars().intLabelCount, std::int16_t(1));
}

void TstMainWindow::emptyEntryOrCancelChoosesNoPosition()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("5"));
    app.click(FormId::Main, "optQzLabel");
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 5"));
    app.click(FormId::Main, "optQzEnvelope");
    // Cancel answers "", as does an entry of blanks and full stops.
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral(" . "));
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(w.value("optQzLabel"), 1);
    QCOMPARE(w.text("lblQzPosition"), QString());
    QCOMPARE(w.vars().strLabelRange, QString());
    QCOMPARE(app.messages.beeps(), 0);
}

void TstMainWindow::oddEntriesAreRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("letters") << "abc";
    QTest::newRow("dash") << "-";
    QTest::newRow("three digits") << "103";
    QTest::newRow("open range") << "4-";
    QTest::newRow("negative") << "-4";
    QTest::newRow("two digits then one") << "12-5";
    QTest::newRow("two dashes") << "4--9";
    QTest::newRow("three parts") << "1-2-3";
    QTest::newRow("sign") << "+5";
    QTest::newRow("digits past 16 bits") << "99999-1";
    QTest::newRow("comma") << "4,9";
}

void TstMainWindow::oddEntriesAreRefused()
{
    QFETCH(QString, entry);
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app.messages.expectInput(kPositionTitle, kWidePrompt, entry);
    app.messages.expect(QStringLiteral("Incorrect entry"), kIncorrectEntry, Buttons::Ok, Icon::Exclamation);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QString());
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.messages.beeps(), 1);
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.text("lblQzPosition"), QString());
    QCOMPARE(w.text("txtQzLeftPad"), QStringLiteral("2"));
}

void TstMainWindow::reversedRangeIsLeftToPrintCommand()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("9-4"));
    app.click(FormId::Main, "optQzLabel");
    QVERIFY(app.messages.allShown());
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.vars().strStartPos, QStringLiteral("9"));
    QCOMPARE(w.vars().strEndPos, QStringLiteral("4"));
    QCOMPARE(w.vars().intLabelCount, std::int16_t(-4));
    QCOMPARE(w.text("lblQzPosition"), QStringLiteral("Label Position 9-4"));

    // Print refuses it with its own message.
    line(app, "txtQzLine1")->setText(QStringLiteral("Ann Lee"));
    app.messages.expect(QStringLiteral("Try again"),
                        QStringLiteral("Label starting position cannot exceed ending position."), Buttons::Ok,
                        Icon::Information);
    app.click(FormId::Main, "cmdWideLabel");
    QVERIFY(app.messages.allShown());
    QCOMPARE(app.printScript.shownCount(), 0);
}

void TstMainWindow::envelopeChoosesLandscape()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("6"));
    app.click(FormId::Main, "optQzLabel");
    w.setVisible("chkBold", false);

    app.click(FormId::Main, "optQzEnvelope");
    QVERIFY(app.messages.allShown());
    QCOMPARE(w.value("optQzEnvelope"), 1);
    QCOMPARE(w.value("optQzLabel"), 0);
    QCOMPARE(w.value("optLandscape"), 1);
    QCOMPARE(w.value("optPortrait"), 0);
    QCOMPARE(w.text("lblQzPosition"), QString());
    QVERIFY(w.isVisible("chkBold"));
}

void TstMainWindow::envelopeSizes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("leftPad");
    QTest::addColumn<QString>("topPad");
    QTest::newRow("1") << 0 << "#10 Business 4 1/8 x 9 1/2" << "50" << "31";
    QTest::newRow("2") << 1 << "#6 3/4 Personal 3 5/8 x 6 1/2" << "33" << "32";
    QTest::newRow("3") << 2 << "A2 4 3/8 x 5 3/4" << "28" << "30";
    QTest::newRow("4") << 3 << "#9 3 7/8 x 8 7/8" << "38" << "30";
    QTest::newRow("5") << 4 << "A7 5 1/4 x 7 1/4" << "40" << "28";
    QTest::newRow("6") << 5 << "#A10 Greeting card 6 x 9 1/2" << "45" << "27";
}

void TstMainWindow::envelopeSizes()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QString, leftPad);
    QFETCH(QString, topPad);
    TestApp app;
    app.start();
    auto* list = app.find<QListWidget>(FormId::Main, "lstEnvSize");
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(row)->text(), caption);
    // Getting the focus alone picks no size.
    list->setFocus();
    QCOMPARE(mainWindow(app).vars().strEnvSize, QString());
    list->setCurrentRow(row);
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.vars().strEnvSize, QString::number(row + 1));
    QCOMPARE(w.text("txtQzLeftPad"), leftPad);
    QCOMPARE(w.text("txtQzToppad"), topPad);
    QVERIFY(app.messages.shown().empty());
}

void TstMainWindow::alignmentOptions()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(line(app, "txtQzLine1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    app.click(FormId::Main, "optQzCenter");
    QCOMPARE(w.value("optQzLeftjust"), 0);
    for (const char* name : {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"})
        QCOMPARE(line(app, name)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    line(app, "txtQzLine4")->setFocus();
    w.setValue("optQzLeftjust", 1);
    QCOMPARE(w.value("optQzCenter"), 0);
    QCOMPARE(line(app, "txtQzLine5")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(w.focusWidget(), line(app, "txtQzLine1"));
}

void TstMainWindow::labelBoldAndItalicSetLineFonts()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    app.click(FormId::Main, "chkLblBold");
    for (const char* name : {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"})
        QCOMPARE(line(app, name)->font().pointSize(), 14);
    app.click(FormId::Main, "chkLblItalic");
    QVERIFY(line(app, "txtQzline3")->font().italic());
    QCOMPARE(line(app, "txtQzline3")->font().pointSize(), 14);
    w.findChild<QPushButton*>("cmdFindContact")->setFocus();
    w.setValue("chkLblBold", 0);
    QCOMPARE(line(app, "txtQzLine2")->font().pointSize(), 12);
    QVERIFY(line(app, "txtQzLine2")->font().italic());
    QCOMPARE(w.focusWidget(), line(app, "txtQzLine1"));
    w.setValue("chkLblItalic", 0);
    QVERIFY(!line(app, "txtQzLine2")->font().italic());
}

void TstMainWindow::envelopeBoldFocusesPrintButton_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("button");
    QTest::newRow("wide") << "mnuWideLabel" << "cmdWideLabel";
    QTest::newRow("large") << "mnuLargeLabel" << "cmdLargeLabel";
    QTest::newRow("file folder") << "mnuFileFolder" << "cmdFileFolderStart";
}

void TstMainWindow::envelopeBoldFocusesPrintButton()
{
    QFETCH(QString, command);
    QFETCH(QString, button);
    TestApp app;
    startInMode(app, command);
    app::MainWindow& w = mainWindow(app);
    line(app, "txtQzline3")->setFocus();
    w.setValue("chkBold", 1);
    QCOMPARE(w.focusWidget(), app.find<QWidget>(FormId::Main, button));
    line(app, "txtQzline3")->setFocus();
    w.setValue("chkBold", 1);  // the same value runs nothing
    QCOMPARE(w.focusWidget(), line(app, "txtQzline3"));
    w.setValue("chkBold", 0);
    QCOMPARE(w.focusWidget(), app.find<QWidget>(FormId::Main, button));
}

void TstMainWindow::enterMovesToNextLine()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const char* names[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
    line(app, names[0])->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(line(app, names[i]), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), line(app, names[i + 1]));
    }
    // Line 5 keeps the focus.
    QTest::keyClick(line(app, names[4]), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), line(app, names[4]));
}

void TstMainWindow::reminderCommandsFlipEachOther()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    QCOMPARE(w.text("mnuFileBdayOn"), QStringLiteral("Enable Birthday Reminders"));
    QCOMPARE(w.text("mnuFileBdayOff"), QStringLiteral("Disable Birthday Reminders"));
    QVERIFY(w.isEnabled("mnuFileBdayOn"));
    QVERIFY(!w.isEnabled("mnuFileBdayOff"));
    app.click(FormId::Main, "mnuFileBdayOn");
    QVERIFY(!w.isEnabled("mnuFileBdayOn"));
    QVERIFY(w.isEnabled("mnuFileBdayOff"));
    QVERIFY(w.remindersOn());
    app.click(FormId::Main, "mnuFileBdayOff");
    QVERIFY(w.isEnabled("mnuFileBdayOn"));
    QVERIFY(!w.isEnabled("mnuFileBdayOff"));
    QVERIFY(!w.remindersOn());
    QVERIFY(app.messages.shown().empty());
}

void TstMainWindow::contactCommandsShowContactWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::newRow("edit") << "mnuEdit" << "Edit Contact";
    QTest::newRow("find") << "mnuFind" << "Find Contact";
    QTest::newRow("delete") << "mnuDelete" << "Delete Contact";
    QTest::newRow("one contact") << "mnuViewOne" << "One Contact";
}

void TstMainWindow::contactCommandsShowContactWindow()
{
    QFETCH(QString, command);
    QFETCH(QString, caption);
    TestApp app;
    app.start();
    QCOMPARE(mainWindow(app).text(command), caption);
    QVERIFY(!app.forms->isLoaded(FormId::ContactInfo));
    app.click(FormId::Main, command);
    QVERIFY(app.forms->isLoaded(FormId::ContactInfo));
    QVERIFY(mainWindow(app).isHidden());
    QVERIFY(app.form(FormId::ContactInfo).isVisible());
    QVERIFY(app.messages.shown().empty());

    // Hidden but loaded (as Print Label leaves it): shown again as it was left.
    platform::Form* info = &app.form(FormId::ContactInfo);
    info->hideForm();
    mainWindow(app).showForm();
    app.click(FormId::Main, command);
    QCOMPARE(&app.form(FormId::ContactInfo), info);
    QVERIFY(info->isVisible());
    QVERIFY(mainWindow(app).isHidden());
}

void TstMainWindow::findContactFocusesFindList()
{
    TestApp app;
    app.start();
    app.click(FormId::Main, "cmdFindContact");
    QVERIFY(mainWindow(app).isHidden());
    platform::Form& info = app.form(FormId::ContactInfo);
    QVERIFY(info.isVisible());
    QCOMPARE(info.focusWidget(), app.find<QWidget>(FormId::ContactInfo, "cboFindContact"));
}

void TstMainWindow::closingMainWindowUnloadsTheOthers()
{
    TestApp app;
    app.start();
    app.click(FormId::Main, "mnuFind");
    // Back on the main window with the contact window loaded but hidden, and the About
    // window open over it.
    app.form(FormId::ContactInfo).hideForm();
    mainWindow(app).showForm();
    app.click(FormId::Main, "mnuHelpAbout");
    QVERIFY(app.forms->isLoaded(FormId::About));

    mainWindow(app).close();
    QVERIFY(app.forms->ended());
    QVERIFY(!app.forms->isLoaded(FormId::Main));
    QVERIFY(!app.forms->isLoaded(FormId::ContactInfo));
    QVERIFY(!app.forms->isLoaded(FormId::About));
    QVERIFY(!app.state.contactFile.isOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!anyWindowShown());
    QVERIFY(app.messages.shown().empty());
    QVERIFY(!app.settings.value("Settings", "MainWidth", QString()).isEmpty());
    QVERIFY(!app.settings.value("Settings", "MainTop", QString()).isEmpty());
}

void TstMainWindow::fileExitEndsProgram()
{
    TestApp app;
    app.start();
    QCOMPARE(mainWindow(app).text("mnuFileExit"), QStringLiteral("Exit"));
    app.click(FormId::Main, "mnuFind");
    app.form(FormId::ContactInfo).hideForm();
    mainWindow(app).showForm();
    app.click(FormId::Main, "mnuFileExit");
    QVERIFY(app.forms->ended());
    QVERIFY(!app.forms->isLoaded(FormId::ContactInfo));
    QVERIFY(!app.state.contactFile.isOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!anyWindowShown());
}

void TstMainWindow::aboutWindowOverMainWindow()
{
    TestApp app;
    app.start();
    QCOMPARE(mainWindow(app).text("mnuHelpAbout"), QStringLiteral("About Quorvel"));
    app.click(FormId::Main, "mnuHelpAbout");
    platform::Form& about = app.form(FormId::About);
    QVERIFY(about.isVisible());
    QVERIFY(mainWindow(app).isVisible());
    QCOMPARE(app.find<QLabel>(FormId::About, "lblTitle")->text(), QStringLiteral("Quorvel"));
    QCOMPARE(app.find<QLabel>(FormId::About, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(app.find<QLabel>(FormId::About, "lblVersion")->textFormat(), Qt::PlainText);
    QVERIFY(!app.find<QLabel>(FormId::About, "lblDescription")->text().isEmpty());
    app.click(FormId::About, "cmdOK");
    QVERIFY(!app.forms->isLoaded(FormId::About));
    QVERIFY(mainWindow(app).isVisible());
    QVERIFY(!app.forms->ended());
}

void TstMainWindow::workspaceControlsBehaveAsClassicControls()
{
    TestApp app;
    startInMode(app, "mnuWideLabel");
    app::MainWindow& w = mainWindow(app);
    printing::LabelWorkspace& ws = w;
    ws.setText("txtQzLine1", "  Ann Lee  ");
    QCOMPARE(ws.text("txtQzLine1"), QStringLiteral("  Ann Lee  "));
    ws.setText("lblLabelSize", "Something");
    QCOMPARE(w.findChild<QLabel*>("lblLabelSize")->text(), QStringLiteral("Something"));

    // A change of value runs the handler; the same value runs nothing.
    app.messages.expectInput(kPositionTitle, kWidePrompt, QStringLiteral("1-20"));
    ws.setValue("optQzLabel", 1);
    QVERIFY(app.messages.allShown());
    ws.setValue("optQzLabel", 1);
    QCOMPARE(app.messages.shown().size(), std::size_t(1));
    QCOMPARE(ws.vars().intLabelCount, std::int16_t(20));

    ws.setValue("chkLblBold", 1);
    QCOMPARE(line(app, "txtQzLine1")->font().pointSize(), 14);
    QCOMPARE(ws.value("chkLblBold"), 1);
    ws.setValue("chkLblBold", -1);  // any value but 1 is not ticked
    QCOMPARE(ws.value("chkLblBold"), 0);

    ws.setValue("optQzLeftjust", 0);
    QCOMPARE(ws.value("optQzLeftjust"), 0);
    QCOMPARE(ws.value("optQzCenter"), 0);

    ws.setEnabled("mnuFileBdayOn", false);
    QVERIFY(!ws.isEnabled("mnuFileBdayOn"));
    QVERIFY(w.remindersOn());
    ws.setFocus("txtQzLine4");
    QCOMPARE(w.focusWidget(), line(app, "txtQzLine4"));
}

void TstMainWindow::workspaceKnowsOwnVisibilityWhileHidden()
{
    TestApp app;
    app.start();
    app::MainWindow& w = mainWindow(app);
    w.hideForm();
    printing::LabelWorkspace& ws = w;
    QVERIFY(ws.isVisible("cmdQzStart"));
    QVERIFY(!ws.isVisible("cmdWideLabel"));
    ws.setVisible("cmdWideLabel", true);
    QVERIFY(ws.isVisible("cmdWideLabel"));
    w.showForm();
    QVERIFY(w.findChild<QPushButton*>("cmdWideLabel")->isVisible());
}

void TstMainWindow::workspaceRefusesUnknownControl()
{
    TestApp app;
    app.start();
    printing::LabelWorkspace& ws = mainWindow(app);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, ws.text("txtQzLine3"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, ws.setValue("txtQzLine1", 1));
}

void TstMainWindow::printDialogKeepsItsFlags()
{
    TestApp app;
    app.start();
    printing::LabelWorkspace& ws = mainWindow(app);
    ws.printDialog().setFlags(8);
    ws.printDialog().setCancelError(true);
    QCOMPARE(&ws.printDialog(), &mainWindow(app).printDialog());
    QCOMPARE(ws.printDialog().flags(), 8);
    QVERIFY(ws.printDialog().cancelError());
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
