#include "ContactWindowFixture.h"
#include "support/Golden.h"

#include <QSignalSpy>

using namespace testsupport;
using platform::Answer;
using R = contacts::ContactRecord;

class TestContactWindow : public QObject {
    Q_OBJECT

private slots:
    // Browsing, and browsing an empty book, as the user sees it (the boxes answered OK).
    void findAndBrowse()
    {
        ContactWindowFixture f;
        f.start({person("Ed", "One"), person("Bo", "Two"), person("Cy", "Three", {{&R::Company, "Firm"}, {&R::IncComp, "1"}}),
                 person("Di", "Four"), person("Al", "Five", {{&R::MiddleInit, "Q"}, {&R::Company, "Acme"}})});
        f.app.messages.answerFreely({});
        f.findContact();
        const Screen w = f.info();
        QSignalSpy refills(f.findList()->model(), &QAbstractItemModel::rowsRemoved);
        const QString first = f.findList()->itemText(0) + QString::number(f.findList()->itemNumber(0));
        QString log = w.window().windowTitle() + u'\n' + f.look(first);
        f.pickRecord(5);
        log += f.look(QStringLiteral("picked"));
        const auto step = [&](const char* button) {
            f.info().click(button);
            log += f.look(button);
        };
        for (const char* button :
             {"cmdPrevious", "cmdPrevious", "cmdFirst", "cmdPrevious", "cmdLast", "cmdNext", "cmdPrevious"})
            step(button);
        QCOMPARE(refills.count(), 0);  // the unchanged book is not read again
        QTest::keyClicks(w.get("txtACCompany"), QStringLiteral("Acme"));
        log += f.look(QStringLiteral("company typed"));
        w.click("cmdCancel");
        ContactWindowFixture::settle();
        QVERIFY(QFile::resize(f.app.dataPath(QStringLiteral("QVL_Contacts.DAT")), 0));
        f.findContact();
        for (const char* button : {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"})
            step(button);
        QVERIFY(matchesGolden(log, QStringLiteral("contactwindow_browse")));
    }

    // Save refused, then saved; then Delete, or Close where the window stays open: both close
    // it with the closing steps.
    void saveDeleteAndClose_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("staleNumber");  // 0: the shown contact's number stays current
        QTest::newRow("yes") << Answer::Yes << 0;
        QTest::newRow("no, include company ticked without one") << Answer::No << 0;
        QTest::newRow("yes, stale number") << Answer::Yes << 4;
    }
    void saveDeleteAndClose()
    {
        QFETCH(Answer, answer);
        QFETCH(int, staleNumber);
        ContactWindowFixture f;
        f.start({person("Ann", "Lee", {{&R::BdayReminder, "1"}}), person("Rob", "Ray"), person("Cy", "Sun")});
        f.main().click(QStringLiteral("mnuLargeLabel"));
        f.findContact();
        const Screen w = f.info();
        f.pickRecord(2);
        const QByteArray before = f.fileBytes();
        w.setText("txtACFName", QStringLiteral("Bo,b"));
        w.setText("txtACEmail", QStringLiteral("b r"));
        f.app.messages.expect(QStringLiteral("Incorrect entry"), QStringLiteral("Email address cannot contain a space."));
        w.click("cmdSave");
        QVERIFY(f.app.messages.allShown() && w.focus() == w.get("txtACEmail") && f.fileBytes() == before);

        w.setText("txtACEmail", QStringLiteral("bob@example.com"));
        w.setText("txtACCity", QStringLiteral("Rome,"));
        f.app.state.lngCurrentRecord = 4;  // stale: the file changed meanwhile
        f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        w.click("cmdSave");
        QVERIFY(w.text("txtACCity") == "Rome," && f.fileBytes() == before);  // reported before any box is cleaned

        f.app.state.lngCurrentRecord = 2;
        if (answer == Answer::No) {  // the include-company box ticked by hand, with no company
            w.setText("txtACCompany", QStringLiteral("Firm"));
            w.setText("txtACCompany", QString());
            w.setValue("chkCompanyInclude", 1);
        }
        f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
        w.click("cmdSave");
        QVERIFY(f.app.messages.allShown() && w.value("chkCompanyInclude") == 0);
        QCOMPARE(f.app.state.contactFile.read(2),
                 person("Bob", "Ray", {{&R::City, "Rome"}, {&R::Email, "bob@example.com"}, {&R::BdayReminder, "1"}}));
        QVERIFY(f.fileBytes().left(518) == before.left(518) && f.main().isEnabled("mnuFileBdayOff"));
        QCOMPARE(f.findList()->itemText(2), QStringLiteral("Rob  Ray"));  // saving does not refill the list
        w.click("cmdFirst");
        QCOMPARE(f.findList()->itemText(1), QStringLiteral("Bob  Ray"));  // browsing the changed book does
        f.pickRecord(2);

        const QByteArray saved = f.fileBytes();
        if (staleNumber)
            f.app.state.lngCurrentRecord = staleNumber;
        f.app.messages.expect(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"),
                              platform::Buttons::YesNo, platform::Icon::None, answer);
        if (staleNumber)
            f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        w.click("cmdDelete");
        ContactWindowFixture::settle();
        QVERIFY(f.app.messages.allShown());
        const bool deleted = answer == Answer::Yes && !staleNumber;
        QCOMPARE(f.fileBytes(), deleted ? saved.left(518) + saved.mid(1036) : saved);
        QCOMPARE(f.loaded(FormId::ContactInfo), !deleted);
        if (!deleted)
            w.click("cmdCancel");
        ContactWindowFixture::settle();
        const Screen m = f.main();
        QVERIFY(!f.loaded(FormId::ContactInfo) && m.window().isVisible() && f.app.state.lngCurrentRecord == 0);
        QVERIFY(m.isVisible("cmdLargeLabel") && !m.isVisible("cmdQzStart") && m.focus() == m.get("txtQzLine1"));
        QCOMPARE(m.text("lblLabelSize"), QStringLiteral("Large Label 2\" x 4\""));

        // A book too large to list is refused before it is read; a closed one fails.
        QVERIFY(QFile::resize(f.app.dataPath(QStringLiteral("QVL_Contacts.DAT")), Q_INT64_C(1000000000000)));
        f.expectError(7, QStringLiteral("Out of memory"), Answer::Retry);
        f.findContact();
        QVERIFY(f.app.messages.allShown() && f.findList()->count() == 0);
        f.info().click("cmdCancel");
        ContactWindowFixture::settle();
        f.app.state.contactFile.close();
        f.expectError(52, QStringLiteral("Bad file name or number"), Answer::Cancel);
        f.findContact();
        QVERIFY(f.app.messages.allShown() && f.info().window().isVisible() && !f.info().isEnabled("cmdSave"));
        QVERIFY(f.main().window().isVisible());  // Cancel's closing steps
    }

    void printAndBoxes()
    {
        ContactWindowFixture f;
        f.start({person("Zed", "Young"), person("Ann", "Lee", {{&R::Company, "Acme Co"}, {&R::IncComp, "1"}, {&R::City, "Boston"}})});
        f.app.messages.answerFreely({});
        const Screen m = f.main();
        m.click(QStringLiteral("mnuWideLabel"));
        m.setValue("chkBold", 1);
        m.setText("txtQzLine5", QStringLiteral("old"));
        f.findContact();
        const Screen w = f.info();
        f.pickRecord(2);
        w.setText("txtACFStreet", QStringLiteral("12 Oak St"));  // typed, not saved
        w.get("txtACFStreet")->setFocus();
        w.click("cmdPrintLabel");
        QVERIFY(f.loaded(FormId::ContactInfo) && !w.window().isVisible());
        QString log = f.look(QStringLiteral("label printed"), FormId::Main,
                             {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5", "chkBold"});
        f.findContact();  // shown again as it was left, with the focus in the find list
        QVERIFY(w.text("txtACFStreet") == "12 Oak St" && w.focus() == f.findList());

        f.app.printScript.print(2);
        w.click("mnuEDVPrint");
        const printing::PrintedDocument& doc = f.app.device.documents().at(0);
        QCOMPARE(doc.pages.size(), std::size_t(2));  // one per copy, no blank page after
        QVERIFY(doc.pages[0].items.at(6).text == "12 Oak St  " && !doc.pages[0].items.at(0).font.italic);
        f.app.printScript.print(1);
        f.app.device.failWith(482);
        w.click("mnuEDVPrint");
        QVERIFY(!f.app.printer.hasOpenDocument());
        f.app.device.failWith(0);
        QLineEdit* notes = w.get("txtACNotes");
        notes->setText(QStringLiteral("call her back"));
        notes->setFocus();
        notes->setSelection(5, 3);
        f.app.printScript.push(PrintDialogAction{.copies = 3, .flagsOut = platform::PrintDialog::Selection});
        w.click("mnuEDVPrint");
        const printing::PrintedPage& page = f.app.device.documents().at(1).pages.at(0);  // the copy count is ignored
        QVERIFY(page.items.size() == 1 && page.items[0].text == "her");

        // Typed or pasted control characters become blanks, the cursor stays; Enter moves on.
        QLineEdit* box = w.get("txtACCategory");
        box->setText(QStringLiteral("field"));
        box->setFocus();
        box->setCursorPosition(0);
        f.app.clipboard.contents = QStringLiteral("Mans\r\n\t");
        w.click("mnuEDVEditPaste");
        QVERIFY(box->text() == "Mans   field" && box->cursorPosition() == 7);
        w.get("txtACCountry")->setFocus();
        QTest::keyClick(w.get("txtACCountry"), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(w.focus(), w.get("txtACCompany"));
        w.click("cmdStateAbb");  // "?" opens the state list and focuses the state box
        QCOMPARE(f.app.shell.documents, QStringList{f.app.appInfo.documents + QStringLiteral("/qvl_state_abbreviations.pdf")});
        f.app.shell.opens = false;  // without a browser the user is told where to look
        w.click("cmdZipFinder");
        QVERIFY(matchesGolden(log + f.look(QStringLiteral("zip finder")), QStringLiteral("contactwindow_print")));
    }
};

QTEST_MAIN(TestContactWindow)
#include "tst_contactwindow.moc"
