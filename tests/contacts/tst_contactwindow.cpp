#include "ContactWindowFixture.h"
#include "contacts/ContactRules.h"
#include "platform/WebPages.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>

using namespace testsupport;
using platform::Answer;
using FormId = session::WindowId;
using R = contacts::ContactRecord;

class TestContactWindow : public QObject {
    Q_OBJECT

private slots:
    void loadPickAndBrowse()
    {
        ContactWindowFixture f;
        f.openWith({person("Ed", "One"), person("Bo", "Two"), person("Cy", "Three", {{&R::Company, "Firm"}, {&R::IncComp, "1"}}),
                    person("Di", "Four"), person("Al", "Five", {{&R::MiddleInit, "Q"}, {&R::Birthdate, "19800410"}, {&R::Company, "Acme"}})});
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Contact Information  [QVL_Contacts]"));
        QCOMPARE(f.findList()->itemText(0), QStringLiteral("Al Q Five"));
        QCOMPARE(f.findList()->itemNumber(0), 5);
        QCOMPARE(f.findList()->currentIndex(), -1);  // filled without picking anything
        for (const char* name : {"txtACFName", "cmdSave", "cmdDelete", "cmdPrintLabel", "chkCompanyInclude"})
            QVERIFY2(!f.c<QWidget>(name)->isEnabled(), name);

        f.pickRecord(5);
        QCOMPARE(f.app.state.lngCurrentRecord, 5);
        QCOMPARE(f.text("txtACBirthdate"), QStringLiteral("04/10/1980"));
        auto* include = f.c<QCheckBox>("chkCompanyInclude");
        QVERIFY(include->isEnabled() && !include->isHidden() && !include->isChecked());  // a company whose flag is "0"
        f.click("cmdPrevious");
        QCOMPARE(f.text("txtRN"), QStringLiteral("4"));
        QCOMPARE(f.findList()->count(), 5);  // rebuilt, not added to
        QVERIFY(include->isHidden());
        f.click("cmdPrevious");
        QVERIFY(!include->isHidden() && include->isChecked());
        f.click("cmdFirst");
        f.app.messages.expect(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."));
        f.click("cmdPrevious");
        f.click("cmdLast");
        f.app.messages.expect(QStringLiteral("No more contacts"), QStringLiteral("End of file."));
        f.click("cmdNext");
        QCOMPARE(f.app.state.lngCurrentRecord, 5);
        QVERIFY(f.app.messages.allShown());
        // Typing a company shows and ticks the box.
        f.click("cmdPrevious");
        QTest::keyClicks(f.c("txtACCompany"), QStringLiteral("Acme"));
        QVERIFY(!include->isHidden() && include->isChecked());
    }

    void emptyAndHugeBooks()
    {
        ContactWindowFixture f;
        f.openWith({});
        for (const char* button : {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"}) {
            f.app.messages.expect(QStringLiteral("No more contacts"), QStringLiteral("End of file."));
            f.click(button);
        }
        QVERIFY(f.app.messages.allShown() && f.text("txtRN").isEmpty() && !f.c<QWidget>("txtACFName")->isEnabled());
        f.click("cmdCancel");
        ContactWindowFixture::settle();
        QVERIFY(QFile::resize(f.app.dataPath(QStringLiteral("QVL_Contacts.DAT")), Q_INT64_C(1000000000000)));
        f.expectError(7, QStringLiteral("Out of memory"), Answer::Retry);
        f.findContact();
        QVERIFY(f.app.messages.allShown() && f.findList()->count() == 0);
    }

    void findListAsAddedOneByOne()
    {
        ContactWindowFixture f;
        f.start({person("ann", "Lee"), person("", "Zed", {{&R::MiddleInit, "q"}}), person("Ann", "Lee"),
                 person(QString::fromUtf8("Émile"), "Roy"), person("emile", "Roy"), person("Zoe", ""), person("", "")});
        QFile book(f.app.dataPath(QStringLiteral("QVL_Contacts.DAT")));
        QVERIFY(book.open(QIODevice::Append));
        book.write(QByteArray("  \xe9mile", 7).leftJustified(518, ' ') + person("ANN", "Lee").toBytes().left(300));
        book.close();
        f.findContact();
        widgets::SortedComboBox old(QString{});
        for (qint32 r = 1; r <= f.app.state.contactFile.recordCount(); ++r)
            old.addSortedItem(contacts::ContactRules::findListText(f.app.state.contactFile.read(r)), r);
        QCOMPARE(f.findList()->count(), 9);
        for (int i = 0; i < old.count(); ++i) {
            QCOMPARE(f.findList()->itemText(i), old.itemText(i));
            QCOMPARE(f.findList()->itemNumber(i), old.itemNumber(i));
        }
    }

    void browsingKeepsTheListUntilTheBookChanges()
    {
        ContactWindowFixture f;
        f.openWith({person("Ann", "Lee"), person("Bob", "Ray")});
        QSignalSpy refills(f.findList()->model(), &QAbstractItemModel::rowsRemoved);
        f.pickRecord(1);
        f.click("cmdNext");
        f.click("cmdFirst");
        QCOMPARE(refills.count(), 0);
        QCOMPARE(f.findList()->currentIndex(), -1);
        f.c("txtACFName")->setText(QStringLiteral("Cy"));
        f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
        f.click("cmdSave");
        f.click("cmdLast");
        QCOMPARE(f.findList()->itemText(1), QStringLiteral("Cy  Lee"));
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
        f.expectError(52, QStringLiteral("Bad file name or number"), answer);
        f.findContact();
        QVERIFY(f.app.messages.allShown() && f.window().isVisible());
        QCOMPARE(f.mainWindow().isVisible(), answer == Answer::Cancel);
        QVERIFY(!f.c<QWidget>("cmdSave")->isEnabled());
    }

    void saveRefusedThenSaved()
    {
        ContactWindowFixture f;
        f.openWith({person("Ann", "Lee", {{&R::BdayReminder, "1"}}), person("Bob", "Ray"), person("Cy", "Sun")});
        f.pickRecord(2);
        const QByteArray before = f.fileBytes();
        f.c("txtACFName")->setText(QStringLiteral("Bo,b"));
        f.c("txtACEmail")->setText(QStringLiteral("b r"));
        f.app.messages.expect(QStringLiteral("Incorrect entry"), QStringLiteral("Email address cannot contain a space."));
        f.click("cmdSave");
        QVERIFY(f.app.messages.allShown());
        QCOMPARE(f.window().focusWidget(), f.c<QWidget>("txtACEmail"));
        QCOMPARE(f.fileBytes(), before);
        QCOMPARE(f.text("txtACFName"), QStringLiteral("Bob"));  // cleaned before the refusal

        f.c("txtACEmail")->setText(QStringLiteral("bob@example.com"));
        f.c("txtACCity")->setText(QStringLiteral("Rome,"));
        f.app.state.lngCurrentRecord = 4;  // stale: the file changed meanwhile
        f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        f.click("cmdSave");
        QCOMPARE(f.text("txtACCity"), QStringLiteral("Rome,"));  // reported before any box is cleaned
        QCOMPARE(f.fileBytes(), before);

        f.app.state.lngCurrentRecord = 2;
        f.c("txtACCompany")->setText(QStringLiteral("Ray, Inc."));
        f.c("txtACBirthdate")->setText(QStringLiteral("04/10/1980"));
        f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
        f.click("cmdSave");
        QVERIFY(f.app.messages.allShown());
        const R stored = f.app.state.contactFile.read(2);
        QCOMPARE(stored, person("Bob", "Ray", {{&R::City, "Rome"}, {&R::Email, "bob@example.com"}, {&R::Birthdate, "19800410"},
                                               {&R::Company, "Ray Inc."}, {&R::IncComp, "1"}, {&R::BdayReminder, "1"}}));
        QCOMPARE(f.fileBytes().left(518), before.left(518));
        QCOMPARE(f.findList()->itemText(1), QStringLiteral("Bob  Ray"));  // the list is not refilled
        QVERIFY(f.m<QAction>("mnuFileBdayOff")->isEnabled());
    }

    void printLabelAndDetails()
    {
        ContactWindowFixture f;
        f.start({person("Zed", "Young"), person("Ann", "Lee", {{&R::Company, "Acme Co"}, {&R::IncComp, "1"}, {&R::City, "Boston"}})});
        f.app.click(FormId::Main, QStringLiteral("mnuWideLabel"));
        f.m<QCheckBox>("chkBold")->setChecked(true);
        f.m("txtQzLine5")->setText(QStringLiteral("old"));
        f.findContact();
        f.pickRecord(2);
        f.c("txtACFStreet")->setText(QStringLiteral("12 Oak St"));  // typed, not saved
        f.click("cmdPrintLabel");
        QStringList lines;
        for (const char* line : {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"})
            lines << f.m(line)->text();
        QCOMPARE(lines.join(u'|'), QStringLiteral("Ann Lee|Acme Co|12 Oak St|Boston,   |"));
        QVERIFY(f.windowLoaded() && !f.window().isVisible() && f.m<QCheckBox>("chkBold")->isHidden());
        QCOMPARE(f.mainWindow().focusWidget(), f.m<QWidget>("cmdWideLabel"));
        f.findContact();  // shown again as it was left
        QCOMPARE(f.text("txtACFStreet"), QStringLiteral("12 Oak St"));

        f.app.printScript.print(2);
        f.click("mnuEDVPrint");
        const printing::PrintedDocument& doc = f.app.device.documents().at(0);
        QCOMPARE(doc.pages.size(), std::size_t(2));  // one per copy, no blank page after
        QCOMPARE(doc.pages[0].items.at(6).text, QStringLiteral("12 Oak St  "));
        QVERIFY(!doc.pages[0].items.at(0).font.italic);
        f.app.printScript.print(1);
        f.app.device.failWith(482);
        f.app.messages.expect(QStringLiteral("Printer error."), QStringLiteral("A printer problem exists.  Check printer."),
                              platform::Buttons::Ok, platform::Icon::Exclamation);
        f.click("mnuEDVPrint");
        QVERIFY(f.app.messages.allShown() && !f.app.printer.hasOpenDocument());

        f.app.device.failWith(0);
        f.c("txtACNotes")->setText(QStringLiteral("call her back"));
        f.c("txtACNotes")->setFocus();
        f.c("txtACNotes")->setSelection(5, 3);
        f.app.printScript.push(PrintDialogAction{.copies = 3, .flagsOut = platform::PrintDialog::Selection});
        f.click("mnuEDVPrint");
        const printing::PrintedPage& page = f.app.device.documents().at(1).pages.at(0);  // the copy count is ignored
        QCOMPARE(page.items.size(), std::size_t(1));
        QCOMPARE(page.items[0].text, QStringLiteral("her"));
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
            f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        f.click("cmdDelete");
        ContactWindowFixture::settle();
        QVERIFY(f.app.messages.allShown());
        const bool deleted = answer == Answer::Yes && !staleNumber;
        QCOMPARE(f.fileBytes(), deleted ? before.left(518) + before.mid(1036) : before);
        QCOMPARE(f.windowLoaded(), !deleted);
        if (!deleted)
            f.click("cmdCancel");
        ContactWindowFixture::settle();
        QVERIFY(!f.windowLoaded() && f.mainWindow().isVisible());
        QCOMPARE(f.app.state.lngCurrentRecord, 0);
        QVERIFY(!f.m<QWidget>("cmdLargeLabel")->isHidden() && f.m<QWidget>("cmdQzStart")->isHidden());
        QCOMPARE(f.m<QLabel>("lblLabelSize")->text(), QStringLiteral("Large Label 2\" x 4\""));
        QCOMPARE(f.mainWindow().focusWidget(), f.m("txtQzLine1"));
    }

    void editMenuEnterAndStateList()
    {
        ContactWindowFixture f;
        f.openWith({person("Ann", "Lee")});
        f.pickRecord(1);
        QLineEdit* box = f.c("txtACCategory");
        auto* menu = f.c<QMenu>("mnuEDVEdit");
        box->setText(QStringLiteral("Springfield"));
        box->setFocus();
        emit menu->aboutToShow();  // nothing selected yet: the key still takes the selection it finds
        box->setSelection(0, 6);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("Spring"));
        f.app.clipboard.contents = QStringLiteral("Mans\r\n\t");  // line ends and tabs become blanks
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("Mans   field"));
        QCOMPARE(box->cursorPosition(), 7);

        // Cut and Copy left enabled, then a button takes the focus: the shortcuts do nothing.
        box->selectAll();
        emit menu->aboutToShow();
        f.c<QWidget>("cmdSave")->setFocus();
        const int writes = f.app.clipboard.writes;
        for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V})
            QTest::keyClick(f.c<QWidget>("cmdSave"), key, Qt::ControlModifier);
        QCOMPARE(f.app.clipboard.writes, writes);
        QCOMPARE(box->text(), QStringLiteral("Mans   field"));
        emit menu->aboutToShow();
        QVERIFY(!f.c<QAction>("mnuEDVEditCut")->isEnabled() && f.c<QAction>("mnuEDVEditPaste")->isEnabled());

        // The box's own right-click menu would bypass the clipboard service.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &rightClick);
        QVERIFY(!QApplication::activePopupWidget());

        // Enter moves on in the tab order; "?" opens the state list and focuses the state box.
        f.c("txtACCountry")->setFocus();
        QTest::keyClick(f.c("txtACCountry"), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(f.window().focusWidget(), f.c<QWidget>("txtACCompany"));
        f.click("cmdStateAbb");
        QCOMPARE(f.app.shell.documents, QStringList{f.app.appInfo.documents + QStringLiteral("/qvl_state_abbreviations.pdf")});
        QCOMPARE(f.window().focusWidget(), f.c("txtACState"));

        // Without a viewer or a browser the user is told where to look.
        f.app.shell.opens = false;
        f.app.messages.expect(QStringLiteral("Web page not opened"),
                              QStringLiteral("The web page could not be opened:\n%1\nOpen it in your web browser.")
                                  .arg(QString::fromLatin1(platform::web::kZipCodeFinder)),
                              platform::Buttons::Ok, platform::Icon::Exclamation);
        f.click("cmdZipFinder");
        QVERIFY(f.app.messages.allShown());
    }
};

QTEST_MAIN(TestContactWindow)
#include "tst_contactwindow.moc"
