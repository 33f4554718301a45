#include "ContactWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace testsupport;
using platform::Answer;
using platform::Buttons;
using platform::FormId;
using platform::Icon;

class TestContactWindow : public QObject {
    Q_OBJECT

private slots:
    void loadingListsEveryContactWithoutPickingOne();
    void emptyFileOpensQuietly();
    void pickShowsTheRecordAndEnablesEditing();
    void browsingButtons();
    void companyRule();
    void closingRestoresTheMainScreen();
    void loadingFailureKeepsCommandsDisabled();
    void loadingFailureCancelShowsMainWindow();
    void deleteAsksFirst();
    void deleteRemovesTheContact();
    void deleteWithAStaleNumberRemovesNothing();
    void shutdownShowsNoWindow();
    void printLabelFillsTheLabelLines();
    void printLabelLineRules_data();
    void printLabelLineRules();
    void printLabelUnticksEnvelopeBold();
    void editMenu();
    void editShortcutsOnAButtonDoNothing();
    void editShortcutsInABoxUseTheClipboardService();
    void enterMovesToTheNextField();
    void lookUpsAndHelp();
};

void TestContactWindow::loadingListsEveryContactWithoutPickingOne()
{
    ContactWindowFixture f;
    f.openWith({person("Zed", "", "Young"), person("Al", "", "Brown")});

    QCOMPARE(f.window().windowTitle(), QStringLiteral("Contact Information  [QVL_Contacts]"));
    QVERIFY(f.window().isVisible());
    QVERIFY(!f.mainWindow().isVisible());

    platform::SortedComboBox* list = f.findList();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QStringLiteral("Al  Brown"));
    QCOMPARE(list->itemNumber(0), 2);
    QCOMPARE(list->itemText(1), QStringLiteral("Zed  Young"));
    QCOMPARE(list->itemNumber(1), 1);
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->placeholderText(), QStringLiteral("Select Contact"));
    QCOMPARE(f.window().focusWidget(), list);

    // Filling the list picks nothing: no contact is shown or current.
    QCOMPARE(f.app.state.lngCurrentRecord, 0);
    for (const char* name : {"txtACFName", "txtACMiddleInit", "txtACLName", "txtACFStreet", "txtACSStreet",
                             "txtACCity", "txtACState", "txtACZip", "txtACCountry", "txtACHPhone", "txtACCPhone",
                             "txtACWPhone", "txtACEmail", "txtACBirthdate", "txtACCategory", "txtACNotes",
                             "txtACCompany"}) {
        QVERIFY2(!f.box(name)->isEnabled(), name);
        QVERIFY2(f.box(name)->text().isEmpty(), name);
    }
    for (const char* name : {"cmdSave", "cmdDelete", "cmdPrintLabel"})
        QVERIFY2(!f.c<QPushButton>(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(!f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->isEnabled());
    QVERIFY(f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->isHidden());
    QVERIFY(f.c<QLabel>(QStringLiteral("lblACCompOnLabel"))->isHidden());
    QCOMPARE(f.c<QLabel>(QStringLiteral("lblACCompOnLabel"))->text(), QStringLiteral("Include Company Name in Address"));

    f.app.messages.expect(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."));
    f.click("cmdPrevious");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.app.state.lngCurrentRecord, 0);
    QVERIFY(f.box("txtACFName")->text().isEmpty());
}

void TestContactWindow::emptyFileOpensQuietly()
{
    ContactWindowFixture f;
    f.openWith({});
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.findList()->count(), 0);
    QVERIFY(!f.c<QPushButton>(QStringLiteral("cmdSave"))->isEnabled());
    QVERIFY(f.app.messages.shown().empty());
}

void TestContactWindow::pickShowsTheRecordAndEnablesEditing()
{
    ContactWindowFixture f;
    contacts::ContactRecord ann = person("Ann", "", "Lee");
    ann.FStreet = QStringLiteral("12 Oak St");
    ann.City = QStringLiteral("Boston");
    ann.State = QStringLiteral("MA");
    ann.Birthdate = QStringLiteral("19800410");
    ann.Company = QStringLiteral("Acme Co");
    ann.IncComp = QStringLiteral("0");
    f.openWith({person("Zed", "Q", "Young"), ann});

    QCOMPARE(f.findList()->itemText(0), QStringLiteral("Ann  Lee"));
    QCOMPARE(f.findList()->itemText(1), QStringLiteral("Zed Q Young"));
    f.pick(0);

    QCOMPARE(f.app.state.lngCurrentRecord, 2);
    QCOMPARE(f.box("txtRN")->text(), QStringLiteral("2"));
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Ann"));
    QCOMPARE(f.box("txtACFStreet")->text(), QStringLiteral("12 Oak St"));
    QCOMPARE(f.box("txtACBirthdate")->text(), QStringLiteral("04/10/1980"));
    QCOMPARE(f.box("txtACCompany")->text(), QStringLiteral("Acme Co"));
    // A company whose flag is "0": shown with the include box visible and cleared.
    auto* include = f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"));
    QVERIFY(!include->isHidden());
    QVERIFY(!include->isChecked());
    for (const char* name : {"txtACFName", "txtACNotes", "txtACCompany", "cmdSave", "cmdDelete", "cmdPrintLabel"})
        QVERIFY2(f.c<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(include->isEnabled());
    // The pick does not rebuild the list.
    QCOMPARE(f.findList()->count(), 2);
}

void TestContactWindow::browsingButtons()
{
    ContactWindowFixture f;
    contacts::ContactRecord withCompany = person("Cy", "", "Three");
    withCompany.Company = QStringLiteral("Firm");
    withCompany.IncComp = QStringLiteral("1");
    f.openWith({person("Ed", "", "One"), person("Bo", "", "Two"), withCompany, person("Di", "", "Four"),
                person("Al", "", "Five")});

    f.pickRecord(5);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Al"));
    const int itemsBefore = f.findList()->count();

    f.click("cmdPrevious");
    QCOMPARE(f.app.state.lngCurrentRecord, 4);
    QCOMPARE(f.box("txtRN")->text(), QStringLiteral("4"));
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Di"));
    QCOMPARE(f.findList()->count(), itemsBefore);  // rebuilt, not added to
    QCOMPARE(f.findList()->itemText(0), QStringLiteral("Al  Five"));

    f.click("cmdPrevious");
    QCOMPARE(f.box("txtACCompany")->text(), QStringLiteral("Firm"));
    QVERIFY(f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->isChecked());

    f.click("cmdFirst");
    QCOMPARE(f.app.state.lngCurrentRecord, 1);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Ed"));
    // Record 1 has no company: the include box and label hide again.
    QVERIFY(f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->isHidden());
    QVERIFY(f.box("txtACCompany")->text().isEmpty());

    f.app.messages.expect(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."));
    f.click("cmdPrevious");
    QCOMPARE(f.app.state.lngCurrentRecord, 1);

    f.click("cmdNext");
    QCOMPARE(f.app.state.lngCurrentRecord, 2);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Bo"));

    f.click("cmdLast");
    QCOMPARE(f.app.state.lngCurrentRecord, 5);
    QCOMPARE(f.box("txtRN")->text(), QStringLiteral("5"));

    f.app.messages.expect(QStringLiteral("No more contacts"), QStringLiteral("End of file."));
    f.click("cmdNext");
    QCOMPARE(f.app.state.lngCurrentRecord, 5);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Al"));
    QVERIFY(f.app.messages.allShown());
    // Browsing never changes what is enabled.
    QVERIFY(f.c<QPushButton>(QStringLiteral("cmdSave"))->isEnabled());
}

void TestContactWindow::companyRule()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    auto* include = f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"));
    auto* caption = f.c<QLabel>(QStringLiteral("lblACCompOnLabel"));
    QVERIFY(include->isHidden());

    QTest::keyClicks(f.box("txtACCompany"), QStringLiteral("Acme"));
    QVERIFY(!include->isHidden());
    QVERIFY(!caption->isHidden());
    QVERIFY(include->isChecked());

    f.box("txtACCompany")->clear();
    QVERIFY(!include->isChecked());
    QVERIFY(!include->isHidden());
    QVERIFY(!caption->isHidden());
}

void TestContactWindow::closingRestoresTheMainScreen()
{
    ContactWindowFixture f;
    f.writeContacts({person("Ann", "", "Lee")});
    f.app.start();
    f.app.click(FormId::Main, QStringLiteral("mnuLargeLabel"));
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    f.pick(0);
    QCOMPARE(f.app.state.lngCurrentRecord, 1);

    f.click("cmdCancel");
    ContactWindowFixture::settle();
    QVERIFY(!f.windowLoaded());
    QCOMPARE(f.app.state.lngCurrentRecord, 0);
    QVERIFY(f.mainWindow().isVisible());
    for (const char* name : {"cmdQzStart", "cmdWideLabel", "cmdRetAddress", "cmdLrgRetAddress", "cmdFileFolderStart"})
        QVERIFY2(f.m<QWidget>(QString::fromLatin1(name))->isHidden(), name);
    QVERIFY(!f.m<QWidget>(QStringLiteral("cmdLargeLabel"))->isHidden());
    QCOMPARE(f.m<QLabel>(QStringLiteral("lblLabelSize"))->text(), QStringLiteral("Large Label 2\" x 4\""));
    QCOMPARE(f.mainWindow().focusWidget(), f.m<QLineEdit>(QStringLiteral("txtQzLine1")));

    // Opened again, the window is loaded afresh in its design state.
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    QVERIFY(f.box("txtACFName")->text().isEmpty());
    QCOMPARE(f.findList()->count(), 1);
}

void TestContactWindow::loadingFailureKeepsCommandsDisabled()
{
    ContactWindowFixture f;
    f.writeContacts({person("Ann", "", "Lee")});
    f.app.start();
    f.app.state.contactFile.close();
    f.app.messages.expect(QStringLiteral("Error"),
                          QStringLiteral("An error has occurred. Error number 52 -- Bad file name or number.  "
                                         "Try again, or notify author."),
                          Buttons::RetryCancel, Icon::None, Answer::Retry);
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    QVERIFY(f.app.messages.allShown());
    QVERIFY(f.window().isVisible());
    QVERIFY(!f.mainWindow().isVisible());
    for (const char* name : {"cmdSave", "cmdDelete", "cmdPrintLabel", "txtACFName", "chkCompanyInclude"})
        QVERIFY2(!f.c<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
}

void TestContactWindow::loadingFailureCancelShowsMainWindow()
{
    ContactWindowFixture f;
    f.writeContacts({person("Ann", "", "Lee")});
    f.app.start();
    f.app.state.contactFile.close();
    ExpectedBox error;
    error.title = QStringLiteral("Error");
    error.buttons = Buttons::RetryCancel;
    error.answer = Answer::Cancel;
    error.checkText = false;
    f.app.messages.expectBox(error);
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    QVERIFY(f.app.messages.allShown());
    QVERIFY(f.windowLoaded());
    QVERIFY(f.window().isVisible());
    QVERIFY(f.mainWindow().isVisible());
}

void TestContactWindow::deleteAsksFirst()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee"), person("Bob", "", "Ray"), person("Cy", "", "Sun")});
    const QByteArray before = f.fileBytes();
    f.pickRecord(2);

    f.app.messages.expect(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"), Buttons::YesNo,
                          Icon::None, Answer::No);
    f.click("cmdDelete");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.fileBytes(), before);
    QVERIFY(f.windowLoaded());
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.app.state.lngCurrentRecord, 2);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Bob"));
}

void TestContactWindow::deleteRemovesTheContact()
{
    ContactWindowFixture f;
    const contacts::ContactRecord ann = person("Ann", "", "Lee");
    const contacts::ContactRecord cy = person("Cy", "", "Sun");
    f.openWith({ann, person("Bob", "", "Ray"), cy});
    f.pickRecord(2);

    f.app.messages.expect(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"), Buttons::YesNo,
                          Icon::None, Answer::Yes);
    f.click("cmdDelete");
    ContactWindowFixture::settle();
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.fileBytes(), ann.toBytes() + cy.toBytes());
    QVERIFY(!f.windowLoaded());
    QVERIFY(f.mainWindow().isVisible());
    QCOMPARE(f.app.state.lngCurrentRecord, 0);
    // The open contact file is the compacted one.
    QCOMPARE(f.app.state.contactFile.recordCount(), 2);
    QCOMPARE(f.app.state.contactFile.read(2).FName, QStringLiteral("Cy"));
}

void TestContactWindow::deleteWithAStaleNumberRemovesNothing()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee"), person("Bob", "", "Ray")});
    f.pickRecord(2);
    const QByteArray before = f.fileBytes();
    f.app.state.lngCurrentRecord = 3;  // the file changed under the window

    f.app.messages.expect(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"), Buttons::YesNo,
                          Icon::None, Answer::Yes);
    f.app.messages.expect(QStringLiteral("Error"),
                          QStringLiteral("An error has occurred. Error number 63 -- Bad record number.  "
                                         "Try again, or notify author."),
                          Buttons::RetryCancel, Icon::None, Answer::Retry);
    f.click("cmdDelete");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.fileBytes(), before);
    QVERIFY(f.windowLoaded());
    QVERIFY(f.window().isVisible());
}

void TestContactWindow::shutdownShowsNoWindow()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    QPointer<QWidget> main = &f.mainWindow();
    QPointer<QWidget> window = &f.window();
    QVERIFY(!main->isVisible());

    f.app.forms->unload(FormId::Main);
    QVERIFY(!f.windowLoaded());
    QCOMPARE(f.app.state.lngCurrentRecord, 0);
    QVERIFY(!main || !main->isVisible());
    QVERIFY(!window || !window->isVisible());
    QVERIFY(f.app.messages.shown().empty());
}

void TestContactWindow::printLabelFillsTheLabelLines()
{
    ContactWindowFixture f;
    contacts::ContactRecord ann = person("Ann", "", "Lee");
    ann.Company = QStringLiteral("Acme Co");
    ann.IncComp = QStringLiteral("1");
    ann.FStreet = QStringLiteral("12 Oak St");
    ann.SStreet = QStringLiteral("Apt 4");
    ann.City = QStringLiteral("Boston");
    ann.State = QStringLiteral("MA");
    ann.Zip = QStringLiteral("02134");
    f.openWith({person("Zed", "", "Young"), ann});
    f.pickRecord(2);
    const QByteArray before = f.fileBytes();
    const int listed = f.findList()->count();

    f.click("cmdPrintLabel");
    QVERIFY(f.windowLoaded());
    QVERIFY(!f.window().isVisible());
    QVERIFY(f.mainWindow().isVisible());
    QCOMPARE(f.m(QStringLiteral("txtQzLine1"))->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(f.m(QStringLiteral("txtQzLine2"))->text(), QStringLiteral("Acme Co"));
    QCOMPARE(f.m(QStringLiteral("txtQzline3"))->text(), QStringLiteral("12 Oak St"));
    QCOMPARE(f.m(QStringLiteral("txtQzLine4"))->text(), QStringLiteral("Apt 4"));
    QCOMPARE(f.m(QStringLiteral("txtQzLine5"))->text(), QStringLiteral("Boston, MA  02134"));
    QCOMPARE(f.mainWindow().focusWidget(), f.m(QStringLiteral("txtQzLine1")));
    QCOMPARE(f.app.state.lngCurrentRecord, 2);
    QCOMPARE(f.fileBytes(), before);

    // Find Contact shows the same contact again, without loading the window anew.
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    QVERIFY(f.window().isVisible());
    QVERIFY(!f.mainWindow().isVisible());
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Ann"));
    QCOMPARE(f.box("txtRN")->text(), QStringLiteral("2"));
    QCOMPARE(f.findList()->count(), listed);
    QVERIFY(f.c<QPushButton>(QStringLiteral("cmdSave"))->isEnabled());
    QCOMPARE(f.app.state.lngCurrentRecord, 2);
}

void TestContactWindow::printLabelLineRules_data()
{
    QTest::addColumn<QStringList>("boxes");  // first, middle, last, company, street, street 2, city, state, zip
    QTest::addColumn<bool>("include");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("company typed but not included")
        << QStringList{"Ann", "", "Lee", "Acme", "1 Elm", "", "Rome", "NY", "13440"} << false
        << QStringList{"Ann Lee", "1 Elm", "Rome, NY  13440", "", ""};
    QTest::newRow("included but blank company")
        << QStringList{"Ann", "", "Lee", "  ", "1 Elm", "", "Rome", "NY", "13440"} << true
        << QStringList{"Ann Lee", "1 Elm", "Rome, NY  13440", "", ""};
    QTest::newRow("no city: no city line")
        << QStringList{"Ann", "B", "Lee", "", "1 Elm", "Unit 2", "", "NY", "13440"} << false
        << QStringList{"Ann B Lee", "1 Elm", "Unit 2", "", ""};
    QTest::newRow("city without state and zip")
        << QStringList{"Ann", "", "Lee", "", "1 Elm", "", "Rome", "", ""} << false
        << QStringList{"Ann Lee", "1 Elm", "Rome,   ", "", ""};
    QTest::newRow("empty street stays a line")
        << QStringList{"Ann", "", "Lee", "", "", "Unit 2", "Rome", "NY", "1"} << false
        << QStringList{"Ann Lee", "", "Unit 2", "Rome, NY  1", ""};
    QTest::newRow("no first name")
        << QStringList{"", "", "Lee", "", "1 Elm", "", "", "", ""} << false
        << QStringList{" Lee", "1 Elm", "", "", ""};
    QTest::newRow("no name at all")
        << QStringList{"", "", "", "", "", "", "", "", ""} << false << QStringList{" ", "", "", "", ""};
    QTest::newRow("blanks inside a name reduced in one pass")
        << QStringList{"Mary  Jo", "", "Lee   Ann", "", "1 Elm", "", "", "", ""} << false
        << QStringList{"Mary Jo Lee  Ann", "1 Elm", "", "", ""};
}

void TestContactWindow::printLabelLineRules()
{
    QFETCH(QStringList, boxes);
    QFETCH(bool, include);
    QFETCH(QStringList, lines);

    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    const char* names[] = {"txtACFName", "txtACMiddleInit", "txtACLName", "txtACCompany", "txtACFStreet",
                           "txtACSStreet", "txtACCity", "txtACState", "txtACZip"};
    for (int i = 0; i < 9; ++i)
        f.box(names[i])->setText(boxes.at(i));
    f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->setChecked(include);
    for (const char* line : {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"})
        f.m(QString::fromLatin1(line))->setText(QStringLiteral("old"));

    f.click("cmdPrintLabel");
    QStringList got;
    for (const char* line : {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"})
        got << f.m(QString::fromLatin1(line))->text();
    QCOMPARE(got, lines);
}

void TestContactWindow::printLabelUnticksEnvelopeBold()
{
    ContactWindowFixture f;
    f.writeContacts({person("Ann", "", "Lee")});
    f.app.start();
    f.app.click(FormId::Main, QStringLiteral("mnuWideLabel"));
    auto* chkBold = f.m<QCheckBox>(QStringLiteral("chkBold"));
    chkBold->setChecked(true);
    f.app.click(FormId::Main, QStringLiteral("cmdFindContact"));
    f.pick(0);

    f.click("cmdPrintLabel");
    QVERIFY(!chkBold->isChecked());
    QVERIFY(chkBold->isHidden());
    QCOMPARE(f.app.state.lngLabelMode, 2);
    QCOMPARE(f.mainWindow().focusWidget(), f.m<QWidget>(QStringLiteral("cmdWideLabel")));
}

void TestContactWindow::editMenu()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    auto* notes = f.box("txtACNotes");
    notes->setText(QStringLiteral("call back soon"));
    notes->setFocus();
    notes->setSelection(5, 4);  // "back"

    auto* menu = f.c<QMenu>(QStringLiteral("mnuEDVEdit"));
    auto* cut = f.c<QAction>(QStringLiteral("mnuEDVEditCut"));
    auto* copy = f.c<QAction>(QStringLiteral("mnuEDVEditCopy"));
    auto* paste = f.c<QAction>(QStringLiteral("mnuEDVEditPaste"));
    QCOMPARE(cut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    QCOMPARE(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QCOMPARE(paste->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));

    emit menu->aboutToShow();
    QVERIFY(cut->isEnabled());
    QVERIFY(copy->isEnabled());

    copy->trigger();
    QCOMPARE(f.app.clipboard.contents, QStringLiteral("back"));
    QCOMPARE(notes->text(), QStringLiteral("call back soon"));

    cut->trigger();
    QCOMPARE(f.app.clipboard.contents, QStringLiteral("back"));
    QCOMPARE(notes->text(), QStringLiteral("call  soon"));

    notes->setSelection(0, 4);  // "call"
    f.app.clipboard.contents = QStringLiteral("ring");
    paste->trigger();
    QCOMPARE(notes->text(), QStringLiteral("ring  soon"));

    notes->setSelection(0, 4);
    f.app.clipboard.contents.clear();
    paste->trigger();
    QCOMPARE(notes->text(), QStringLiteral("  soon"));

    // No selection, or the focus on a button: Cut and Copy disabled; Paste never.
    notes->deselect();
    emit menu->aboutToShow();
    QVERIFY(!cut->isEnabled());
    QVERIFY(!copy->isEnabled());
    QVERIFY(paste->isEnabled());

    notes->selectAll();
    emit menu->aboutToShow();
    QVERIFY(cut->isEnabled());
    f.c<QPushButton>(QStringLiteral("cmdSave"))->setFocus();
    emit menu->aboutToShow();
    QVERIFY(!cut->isEnabled());
    QVERIFY(!copy->isEnabled());
    QVERIFY(paste->isEnabled());
}

void TestContactWindow::editShortcutsOnAButtonDoNothing()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    auto* notes = f.box("txtACNotes");
    notes->setText(QStringLiteral("keep me"));
    notes->selectAll();
    notes->setFocus();
    emit f.c<QMenu>(QStringLiteral("mnuEDVEdit"))->aboutToShow();  // Cut and Copy left enabled

    auto* save = f.c<QPushButton>(QStringLiteral("cmdSave"));
    save->setFocus();
    QCOMPARE(f.window().focusWidget(), save);
    f.app.clipboard.contents = QStringLiteral("on the clipboard");
    const int writes = f.app.clipboard.writes;
    for (const char* name : {"mnuEDVEditCut", "mnuEDVEditCopy", "mnuEDVEditPaste"})
        f.c<QAction>(QString::fromLatin1(name))->trigger();
    for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V})
        QTest::keyClick(save, key, Qt::ControlModifier);
    QCOMPARE(f.app.clipboard.contents, QStringLiteral("on the clipboard"));
    QCOMPARE(f.app.clipboard.writes, writes);
    QCOMPARE(notes->text(), QStringLiteral("keep me"));
    QCOMPARE(f.window().focusWidget(), save);
}

void TestContactWindow::editShortcutsInABoxUseTheClipboardService()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    auto* city = f.box("txtACCity");
    city->setText(QStringLiteral("Springfield"));
    city->setFocus();
    city->setSelection(0, 6);

    QTest::keyClick(city, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(f.app.clipboard.contents, QStringLiteral("Spring"));
    QTest::keyClick(city, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(city->text(), QStringLiteral("field"));
    f.app.clipboard.contents = QStringLiteral("Mans");
    city->setCursorPosition(0);
    QTest::keyClick(city, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(city->text(), QStringLiteral("Mansfield"));

    // A command disabled by the last opening of the menu stays disabled, shortcut included.
    city->deselect();
    emit f.c<QMenu>(QStringLiteral("mnuEDVEdit"))->aboutToShow();
    city->selectAll();
    f.app.clipboard.contents = QStringLiteral("untouched");
    QTest::keyClick(city, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(f.app.clipboard.contents, QStringLiteral("untouched"));
    QCOMPARE(city->text(), QStringLiteral("Mansfield"));
}

void TestContactWindow::enterMovesToTheNextField()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    QWidget& w = f.window();
    auto enterIn = [&](const char* from) {
        f.box(from)->setFocus();
        QTest::keyClick(f.box(from), Qt::Key_Return);
        QCoreApplication::processEvents();
        return w.focusWidget();
    };
    QCOMPARE(enterIn("txtACFName"), f.box("txtACMiddleInit"));
    QCOMPARE(enterIn("txtACCountry"), f.box("txtACCompany"));
    QCOMPARE(enterIn("txtACCompany"), f.box("txtACBirthdate"));
    QCOMPARE(enterIn("txtACEmail"), f.box("txtACCategory"));
    QCOMPARE(enterIn("txtACNotes"), static_cast<QWidget*>(f.c<QPushButton>(QStringLiteral("cmdSave"))));
    // Enter types nothing into the box.
    QCOMPARE(f.box("txtACNotes")->text(), QString());
}

void TestContactWindow::lookUpsAndHelp()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.pick(0);
    const QString docs = f.app.appInfo.documents;

    f.click("cmdStateAbb");
    QCOMPARE(f.app.shell.documents, QStringList{docs + QStringLiteral("/qvl_state_abbreviations.pdf")});
    QCOMPARE(f.window().focusWidget(), f.box("txtACState"));

    f.click("mnuEDVManual");
    QCOMPARE(f.app.shell.documents.last(), docs + QStringLiteral("/qvlUman.pdf"));
    QCOMPARE(f.c<QAction>(QStringLiteral("mnuEDVManual"))->shortcut(), QKeySequence(Qt::Key_F1));

    f.click("cmdPeopleFind");
    f.click("cmdZipFinder");
    QCOMPARE(f.app.shell.urls.size(), 2);
    QVERIFY(f.app.shell.urls.at(0).startsWith(QStringLiteral("https://")));
    QCOMPARE(f.app.shell.urls.at(1), QStringLiteral("https://tools.usps.com/zip-code-lookup.htm?byaddress"));

    f.click("mnuEDVAbout");
    QVERIFY(f.app.form(FormId::About).isVisible());
    QVERIFY(f.window().isVisible());
    QVERIFY(f.app.messages.shown().empty());
}

QTEST_MAIN(TestContactWindow)
#include "tst_contactwindow.moc"
