#include "ContactWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

using namespace testsupport;
using platform::Answer;
using widgets::FormId;
using R = contacts::ContactRecord;

class TestContactWindow : public QObject {
    Q_OBJECT

private slots:
    void loadingListsEveryContactWithoutPickingOne()
    {
        ContactWindowFixture f;
        f.openWith({person("Zed", "Young"), person("Al", "Brown")});
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Contact Information  [QVL_Contacts]"));
        QVERIFY(f.window().isVisible() && !f.mainWindow().isVisible());
        widgets::SortedComboBox* list = f.findList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(0), QStringLiteral("Al  Brown"));
        QCOMPARE(list->itemNumber(0), 2);
        QCOMPARE(list->itemText(1), QStringLiteral("Zed  Young"));
        QCOMPARE(list->itemNumber(1), 1);
        QCOMPARE(list->currentIndex(), -1);  // filled without picking anything
        QCOMPARE(f.window().focusWidget(), list);
        QCOMPARE(f.app.state.lngCurrentRecord, 0);
        for (const char* name : kContactBoxes)
            QVERIFY2(!f.c(name)->isEnabled() && f.text(name).isEmpty(), name);
        for (const char* name : {"cmdSave", "cmdDelete", "cmdPrintLabel", "chkCompanyInclude"})
            QVERIFY2(!f.c<QWidget>(name)->isEnabled(), name);
        QVERIFY(f.c<QWidget>("chkCompanyInclude")->isHidden() && f.c<QWidget>("lblACCompOnLabel")->isHidden());

        f.app.messages.expect(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."));
        f.click("cmdPrevious");
        QVERIFY(f.app.messages.allShown());
        QCOMPARE(f.app.state.lngCurrentRecord, 0);
    }

    void pickAndBrowse()
    {
        ContactWindowFixture f;
        f.openWith({person("Ed", "One"), person("Bo", "Two"), person("Cy", "Three", {{&R::Company, "Firm"}, {&R::IncComp, "1"}}),
                    person("Di", "Four"),
                    person("Al", "Five", {{&R::MiddleInit, "Q"}, {&R::Birthdate, "19800410"}, {&R::Company, "Acme"}})});
        QCOMPARE(f.findList()->itemText(0), QStringLiteral("Al Q Five"));
        f.pickRecord(5);
        QCOMPARE(f.app.state.lngCurrentRecord, 5);
        QCOMPARE(f.text("txtACBirthdate"), QStringLiteral("04/10/1980"));
        auto* include = f.c<QCheckBox>("chkCompanyInclude");
        QVERIFY(!include->isHidden() && !include->isChecked());  // a company whose flag is "0"
        for (const char* name : {"txtACFName", "txtACCompany", "cmdSave", "cmdDelete", "cmdPrintLabel", "chkCompanyInclude"})
            QVERIFY2(f.c<QWidget>(name)->isEnabled(), name);

        f.click("cmdPrevious");
        QCOMPARE(f.app.state.lngCurrentRecord, 4);
        QCOMPARE(f.text("txtRN"), QStringLiteral("4"));
        QCOMPARE(f.text("txtACBirthdate"), QString());
        QCOMPARE(f.findList()->count(), 5);  // rebuilt, not added to
        QVERIFY(include->isHidden());
        f.click("cmdPrevious");
        QVERIFY(!include->isHidden() && include->isChecked());
        f.click("cmdFirst");
        QCOMPARE(f.text("txtACFName"), QStringLiteral("Ed"));
        f.app.messages.expect(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."));
        f.click("cmdPrevious");
        f.click("cmdNext");
        QCOMPARE(f.text("txtACFName"), QStringLiteral("Bo"));
        f.click("cmdLast");
        f.app.messages.expect(QStringLiteral("No more contacts"), QStringLiteral("End of file."));
        f.click("cmdNext");
        QCOMPARE(f.app.state.lngCurrentRecord, 5);
        QVERIFY(f.app.messages.allShown());

        // The company-change rule: typing a company shows and ticks the box, clearing it unticks.
        f.click("cmdFirst");
        QTest::keyClicks(f.c("txtACCompany"), QStringLiteral("Acme"));
        QVERIFY(!include->isHidden() && !f.c<QWidget>("lblACCompOnLabel")->isHidden() && include->isChecked());
        f.c("txtACCompany")->clear();
        QVERIFY(!include->isHidden() && !include->isChecked());
    }

    void loadingFailure_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("retry") << Answer::Retry;
        QTest::newRow("cancel") << Answer::Cancel;
    }
    void loadingFailure()
    {
        QFETCH(Answer, answer);
        ContactWindowFixture f;
        f.start({person("Ann", "Lee")});
        f.app.state.contactFile.close();
        f.expectError(QStringLiteral("52 -- Bad file name or number"), answer);
        f.findContact();
        QVERIFY(f.app.messages.allShown());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.mainWindow().isVisible(), answer == Answer::Cancel);
        for (const char* name : {"cmdSave", "cmdDelete", "cmdPrintLabel", "txtACFName", "chkCompanyInclude"})
            QVERIFY2(!f.c<QWidget>(name)->isEnabled(), name);
    }

    // Delete, then Close where the window is still open: both close it with the closing steps.
    void deleteAndClose_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("staleNumber");  // 0: the shown contact's number stays current
        QTest::newRow("yes") << Answer::Yes << 0;
        QTest::newRow("no") << Answer::No << 0;
        QTest::newRow("yes, stale number") << Answer::Yes << 4;
    }
    void deleteAndClose()
    {
        QFETCH(Answer, answer);
        QFETCH(int, staleNumber);
        ContactWindowFixture f;
        f.start({person("Ann", "Lee"), person("Bob", "Ray"), person("Cy", "Sun")});
        const QByteArray before = f.fileBytes();
        f.app.click(FormId::Main, QStringLiteral("mnuLargeLabel"));
        f.findContact();
        f.pickRecord(2);
        if (staleNumber)
            f.app.state.lngCurrentRecord = staleNumber;
        f.app.messages.expect(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"),
                              platform::Buttons::YesNo, platform::Icon::None, answer);
        if (staleNumber)
            f.expectError(QStringLiteral("63 -- Bad record number"), Answer::Retry);
        f.click("cmdDelete");
        ContactWindowFixture::settle();
        QVERIFY(f.app.messages.allShown());
        const bool deleted = answer == Answer::Yes && !staleNumber;
        QCOMPARE(f.fileBytes(), deleted ? before.left(518) + before.mid(1036) : before);
        QCOMPARE(f.windowLoaded(), !deleted);
        if (deleted)
            QCOMPARE(f.app.state.contactFile.read(2).FName, QStringLiteral("Cy"));  // the compacted file is open
        else
            f.click("cmdCancel");
        ContactWindowFixture::settle();
        QVERIFY(!f.windowLoaded() && f.mainWindow().isVisible());
        QCOMPARE(f.app.state.lngCurrentRecord, 0);
        for (const char* name : {"cmdQzStart", "cmdWideLabel", "cmdLargeLabel", "cmdRetAddress", "cmdLrgRetAddress", "cmdFileFolderStart"})
            QCOMPARE(f.m<QWidget>(name)->isHidden(), qstrcmp(name, "cmdLargeLabel") != 0);
        QCOMPARE(f.m<QLabel>("lblLabelSize")->text(), QStringLiteral("Large Label 2\" x 4\""));
        QCOMPARE(f.mainWindow().focusWidget(), f.m("txtQzLine1"));
    }

    void printLabel_data()
    {
        // The boxes: first, middle, last, company, street, street 2, city, state, zip.
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("include");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<bool>("envelopeBold");  // ticked before: unticked, focus to the Print button
        QTest::newRow("all") << "Ann||Lee|Acme Co|12 Oak St|Apt 4|Boston|MA|02134" << true
                             << "Ann Lee|Acme Co|12 Oak St|Apt 4|Boston, MA  02134" << true;
        QTest::newRow("company not included") << "A||L|Acme|1 Elm||Rome|NY|1" << false << "A L|1 Elm|Rome, NY  1||" << false;
        QTest::newRow("blank company included") << "A||L|  |1 Elm||Rome|NY|1" << true << "A L|1 Elm|Rome, NY  1||" << true;
        QTest::newRow("no city") << "A|B|L||1 Elm|Unit 2||NY|1" << false << "A B L|1 Elm|Unit 2||" << false;
        QTest::newRow("no state or zip") << "A||L||1 Elm||Rome||" << false << "A L|1 Elm|Rome,   ||" << false;
        QTest::newRow("no street") << "||L|||Unit 2|Rome|NY|1" << false << " L||Unit 2|Rome, NY  1|" << false;
        QTest::newRow("no name") << "||||||||" << false << " ||||" << false;
        QTest::newRow("blanks in names") << "Mary  Jo||Lee   Ann||||||" << false << "Mary Jo Lee  Ann||||" << false;
    }
    void printLabel()
    {
        QFETCH(QString, boxes);
        QFETCH(bool, include);
        QFETCH(QString, lines);
        QFETCH(bool, envelopeBold);
        ContactWindowFixture f;
        f.start({person("Zed", "Young"), person("Ann", "Lee")});
        const QByteArray before = f.fileBytes();
        f.app.click(FormId::Main, QStringLiteral("mnuWideLabel"));
        auto* chkBold = f.m<QCheckBox>("chkBold");
        chkBold->setChecked(envelopeBold);
        const char* lineNames[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
        for (const char* line : lineNames)
            f.m(line)->setText(QStringLiteral("old"));
        f.findContact();
        f.pickRecord(2);
        const char* names[] = {"txtACFName", "txtACMiddleInit", "txtACLName", "txtACCompany", "txtACFStreet",
                               "txtACSStreet", "txtACCity", "txtACState", "txtACZip"};
        for (int i = 0; i < 9; ++i)
            f.c(names[i])->setText(boxes.split(u'|').at(i));
        f.c<QCheckBox>("chkCompanyInclude")->setChecked(include);

        f.click("cmdPrintLabel");
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.m(lineNames[i])->text(), lines.split(u'|').at(i));
        QVERIFY(f.windowLoaded() && !f.window().isVisible() && f.mainWindow().isVisible());
        QVERIFY(!chkBold->isChecked() && chkBold->isHidden());
        QCOMPARE(f.mainWindow().focusWidget(), f.m<QWidget>(envelopeBold ? "cmdWideLabel" : "txtQzLine1"));
        QCOMPARE(f.fileBytes(), before);  // unsaved edits go to the label, not the file

        // Find Contact shows the same contact again, without loading the window anew.
        f.findContact();
        QVERIFY(f.window().isVisible() && !f.mainWindow().isVisible());
        QCOMPARE(f.app.state.lngCurrentRecord, 2);
        QCOMPARE(f.text("txtACLName"), boxes.split(u'|').at(2));
        QCOMPARE(f.findList()->count(), 2);
    }

    void editMenuEnterAndStateList()
    {
        ContactWindowFixture f;
        f.openWith({person("Ann", "Lee")});
        f.pickRecord(1);
        QLineEdit* box = f.c("txtACCategory");
        auto* menu = f.c<QMenu>("mnuEDVEdit");
        auto* cut = f.c<QAction>("mnuEDVEditCut");
        auto* copy = f.c<QAction>("mnuEDVEditCopy");
        box->setText(QStringLiteral("Springfield"));
        box->setFocus();
        box->setSelection(0, 6);
        emit menu->aboutToShow();
        QVERIFY(cut->isEnabled() && copy->isEnabled());
        copy->trigger();
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("Spring"));
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("field"));
        f.app.clipboard.contents = QStringLiteral("Mans");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("Mansfield"));

        // Cut and Copy left enabled, then a button takes the focus: the shortcuts do nothing.
        box->selectAll();
        f.c<QWidget>("cmdSave")->setFocus();
        const int writes = f.app.clipboard.writes;
        for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V})
            QTest::keyClick(f.c<QWidget>("cmdSave"), key, Qt::ControlModifier);
        QCOMPARE(f.app.clipboard.writes, writes);
        QCOMPARE(box->text(), QStringLiteral("Mansfield"));
        emit menu->aboutToShow();
        QVERIFY(!cut->isEnabled() && !copy->isEnabled() && f.c<QAction>("mnuEDVEditPaste")->isEnabled());

        // The box's own right-click menu would bypass the clipboard service.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &rightClick);
        QVERIFY(!QApplication::activePopupWidget());

        // Enter moves on in the tab order; "?" opens the state list and focuses the state box.
        for (auto [from, to] : {std::pair{"txtACCountry", "txtACCompany"}, std::pair{"txtACCompany", "txtACBirthdate"},
                                std::pair{"txtACNotes", "cmdSave"}}) {
            f.c(from)->setFocus();
            QTest::keyClick(f.c(from), Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(f.window().focusWidget(), f.c<QWidget>(to));
            QCOMPARE(f.text(from), QString());
        }
        f.click("cmdStateAbb");
        QCOMPARE(f.app.shell.documents, QStringList{f.app.appInfo.documents + QStringLiteral("/qvl_state_abbreviations.pdf")});
        QCOMPARE(f.window().focusWidget(), f.c("txtACState"));
    }

};

QTEST_MAIN(TestContactWindow)
#include "tst_contactwindow.moc"
