#include "ContactWindowFixture.h"
#include "support/Golden.h"
#include "ui/contacts/ViewAllWindow.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace testsupport;
using platform::Answer;
using R = contacts::ContactRecord;

namespace {

struct ViewAllFixture : ContactWindowFixture {
    ViewAllFixture()
    {
        start({person("Ann", "Lee", {{&R::MiddleInit, "Q"}, {&R::City, "Boston"}, {&R::Zip, "02118"}}),
               person("Bob", "Goldsmith", {{&R::Company, "Acme"}, {&R::IncComp, "1"}}),
               person("Cy", "Smith", {{&R::MiddleInit, "b"}, {&R::FStreet, "12 Oak St"}, {&R::SStreet, "Apt 2"}})});
    }
    // As View > All Contacts opens the window.
    Screen open()
    {
        app.form(FormId::Main).hideForm();
        app.forms->as<contacts::ViewAllWindow>(FormId::ViewAll).openForSearch();
        return app.screen(FormId::ViewAll);
    }
    widgets::SortedListBox* list() { return app.screen(FormId::ViewAll).get<widgets::SortedListBox>("lstAllContacts"); }
    // The window after `step`, its lines as "number name".
    QString lookAll(const QString& step)
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines << QStringLiteral("%1 %2").arg(list()->itemNumber(i)).arg(list()->text(i).section(u'\t', 0, 0));
        return look(step + QStringLiteral("; ") + lines.join(u'|'), FormId::ViewAll,
                    {"lblTotContacts", "lblSearchDisplay", "frSearch", "cmdACGetReport", "cmdPrintLabels", "mnuPrint"});
    }
};

}  // namespace

class TestViewAllWindow : public QObject {
    Q_OBJECT

private slots:
    void viewAllPrintEditAndClose()
    {
        ViewAllFixture f;
        const Screen v = f.open();
        QString log = f.lookAll(QStringLiteral("opened"));
        v.setValue("optEmailAdd", 1);
        v.click("cmdACGetReport");
        log += f.lookAll(QStringLiteral("report"));
        QCOMPARE(v.get("txtViewAllHeader")->cursorPosition(), 0);

        // The labels take the main window's label font: Italic ticked prints italic, not bold.
        f.main().setValue("chkLblItalic", 1);
        f.app.printScript.print(1);
        v.click("cmdPrintLabels");
        QVERIFY(matchesGolden(dumpPages(f.app.device.documents().at(0).pages), "viewall_email_labels"));
        f.app.printScript.print(1);
        v.click("mnuPrint");
        QVERIFY(textLayout(f.app.device.documents().at(1)).contains(QStringLiteral("4:60:File: QVL_Contacts")));

        // A line copied and pasted back carries no record number: its label and its
        // double-click end in the error paths, the list stays.
        f.list()->setLineSelected(1, true);
        v.click("mnuVAEditCopy");
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("\r\n") + f.list()->text(1));
        v.click("mnuVAEditPaste");
        log += f.lookAll(QStringLiteral("pasted"));
        f.app.printScript.print(1);
        f.app.messages.expect(QStringLiteral("Printer error"), QStringLiteral("A printer problem exists.  Check printer."),
                              platform::Buttons::Ok, platform::Icon::Exclamation);
        v.click("cmdPrintLabels");
        f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        emit f.list()->lineDoubleClicked(3);
        QVERIFY(f.app.messages.allShown());
        log += f.lookAll(QStringLiteral("pasted line printed and opened"));
        // The list's keys go through the Edit menu alone: a disabled Copy copies nothing.
        v.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v.window()));
        f.list()->setFocus();
        f.list()->setCurrentIndex(f.list()->model()->index(1, 0));
        v.get<QAction>("mnuVAEditCopy")->setEnabled(false);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(f.list(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("\r\n") + f.list()->text(3));
        v.click("mnuVAEditSelAll");
        QTest::keyClick(f.list(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(matchesGolden(log + f.lookAll(QStringLiteral("all cut")), QStringLiteral("viewall_email")));

        // Close gives the screen back and unticks the label font.
        f.main().setValue("chkLblBold", 1);
        v.click("cmdViewAllClose");
        ContactWindowFixture::settle();
        QVERIFY(!f.loaded(FormId::ViewAll) && f.main().window().isVisible() && !f.main().value("chkLblBold"));
    }

    void lastNameSearchOpensContact()
    {
        ViewAllFixture f;
        const Screen v = f.open();
        f.app.messages.answerFreely({QStringLiteral("smith"), QStringLiteral("smith")});
        v.setValue("optSearchLName", 1);
        v.click("optSearchLName");  // clicked again, the chosen option asks again
        QString log = f.lookAll(QStringLiteral("asked twice"));
        v.click("cmdACGetReport");
        log += f.lookAll(QStringLiteral("report"));
        emit f.list()->lineDoubleClicked(1);
        ContactWindowFixture::settle();
        const Screen w = f.info();
        QVERIFY(!f.loaded(FormId::ViewAll) && w.window().isVisible() && !f.main().window().isVisible());
        QVERIFY(w.text("txtACFStreet") == "12 Oak St" && w.get("txtACFStreet")->cursorPosition() == 0);
        QVERIFY(matchesGolden(log + f.look(QStringLiteral("double-clicked")), QStringLiteral("viewall_lastname")));
    }

    void faultsMended()
    {
        ViewAllFixture f;
        const Screen v = f.open();
        const QString path = f.app.state.filePath;
        f.app.state.contactFile.close();
        f.expectError(52, QStringLiteral("Bad file name or number"), Answer::Retry);
        v.click("cmdACGetReport");
        QVERIFY(v.text("txtViewAllHeader").isEmpty());
        f.app.clipboard.contents = QStringLiteral("pasted");
        v.click("mnuVAEditPaste");
        f.app.state.contactFile.open(path);
        // A book too large to list is refused before it is read.
        QVERIFY(QFile::resize(path, Q_INT64_C(1000000000000)));
        f.expectError(7, QStringLiteral("Out of memory"), Answer::Retry);
        v.click("cmdACGetReport");
        QVERIFY(f.app.messages.allShown() && f.list()->count() == 0 && QFile::resize(path, 3 * 518));
        v.click("cmdACGetReport");
        QCOMPARE(f.list()->count(), 3);  // cleared first: the pasted line is gone, nothing twice

        // A reopen that fails leaves the book open as it was.
        f.app.state.filePath = f.app.dataPath(QStringLiteral("gone/QVL_Contacts.DAT"));
        f.app.messages.expectBox({QStringLiteral("Error"), {}, platform::Buttons::RetryCancel, platform::Icon::None,
                                  Answer::Retry, false, {}, false});
        emit f.list()->lineDoubleClicked(0);
        QVERIFY(f.app.state.contactFile.isOpen() && f.app.state.contactFile.recordCount() == 3);
        v.click("mnuVAManual");
        QCOMPARE(f.app.shell.documents, QStringList{f.app.appInfo.documents + QStringLiteral("/qvlUman.pdf")});

        // Shutdown brings no window back, even with a contact current.
        f.app.state.lngCurrentRecord = 1;
        f.app.forms->unload(FormId::Main);
        QVERIFY(!f.loaded(FormId::ContactInfo) && !f.loaded(FormId::ViewAll) && f.app.messages.allShown());
    }
};

QTEST_MAIN(TestViewAllWindow)
#include "tst_viewallwindow.moc"
