#include "ContactWindowFixture.h"
#include "contacts/ui/ViewAllWindow.h"
#include "support/Fixture.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

using namespace testsupport;
using platform::Answer;
using FormId = session::WindowId;
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
    void open()
    {
        mainWindow().hideForm();
        app.forms->as<contacts::ViewAllWindow>(FormId::ViewAll).openForSearch();
    }
    template <class T = QWidget>
    T* v(const char* name) { return app.find<T>(FormId::ViewAll, QString::fromLatin1(name)); }
    widgets::SortedListBox* list() { return v<widgets::SortedListBox>("lstAllContacts"); }
    void click(const char* name) { app.click(FormId::ViewAll, QString::fromLatin1(name)); }
    QString lines()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << QStringLiteral("%1 %2").arg(list()->itemNumber(i)).arg(list()->text(i).section(u'\t', 0, 0));
        return out.join(u'|');
    }
    void doubleClick(int row) { emit list()->lineDoubleClicked(row); }
    void show()
    {
        auto& window = app.form(FormId::ViewAll);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

}  // namespace

class TestViewAllWindow : public QObject {
    Q_OBJECT

private slots:
    void viewAllPrintAndEdit()
    {
        ViewAllFixture f;
        f.open();
        QVERIFY(!f.v("cmdPrintLabels")->isEnabled() && !f.v<QAction>("mnuPrint")->isEnabled());
        f.v<widgets::OptionButton>("optEmailAdd")->setValue(true);
        f.click("cmdACGetReport");
        QCOMPARE(f.lines(), QStringLiteral("1 Ann Q. Lee|2 Bob Goldsmith|3 Cy Smith"));
        QCOMPARE(f.list()->text(0).count(u'\t'), 6);
        QCOMPARE(f.v<QLabel>("lblTotContacts")->text(), QStringLiteral("Contacts Found = 3"));
        QVERIFY(f.v("lblSearchDisplay")->isHidden() && f.v("frSearch")->isHidden());
        QVERIFY(!f.v("cmdACGetReport")->isEnabled() && f.v("cmdPrintLabels")->isEnabled());

        f.app.printScript.print(1);
        f.click("cmdPrintLabels");
        QCOMPARE(textLayout(f.app.device.documents().at(0)).join(u'|'),
                 QStringLiteral("5:2:Ann Q Lee|5:46:Bob Goldsmith|5:89:Cy b Smith|6:2: |6:46:Acme|6:89:12 Oak St Apt 2|"
                                "7:2:Boston,   02118|7:46: |7:89:,   |8:46:,   "));
        f.app.printScript.print(1);
        f.click("mnuPrint");
        QVERIFY(textLayout(f.app.device.documents().at(1)).contains(QStringLiteral("4:60:File: QVL_Contacts")));

        // A line copied and pasted back carries no record number: its label and its
        // double-click end in the error paths, the list stays.
        f.list()->setLineSelected(1, true);
        f.click("mnuVAEditCopy");
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("\r\n") + f.list()->text(1));
        f.click("mnuVAEditPaste");
        QCOMPARE(f.lines(), QStringLiteral("0 |1 Ann Q. Lee|2 Bob Goldsmith|0 Bob Goldsmith|3 Cy Smith"));
        f.app.printScript.print(1);
        f.app.messages.expect(QStringLiteral("Printer error"), QStringLiteral("A printer problem exists.  Check printer."),
                              platform::Buttons::Ok, platform::Icon::Exclamation);
        f.click("cmdPrintLabels");
        f.expectError(63, QStringLiteral("Bad record number"), Answer::Retry);
        f.doubleClick(3);
        QVERIFY(f.app.messages.allShown() && f.list()->count() == 5 && f.app.state.lngCurrentRecord == 0);
        // The list's keys go through the Edit menu alone: a disabled Copy copies nothing.
        f.show();
        f.list()->setFocus();
        f.list()->setCurrentIndex(f.list()->model()->index(1, 0));
        f.v<QAction>("mnuVAEditCopy")->setEnabled(false);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(f.list(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QCOMPARE(f.app.clipboard.contents, QStringLiteral("\r\n") + f.list()->text(3));
        f.click("mnuVAEditSelAll");
        QTest::keyClick(f.list(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.list()->count(), 0);
    }

    void lastNameSearchOpensContact()
    {
        ViewAllFixture f;
        f.open();
        f.app.messages.expectBox({QStringLiteral("Last name Search"), QStringLiteral("Search For: "), platform::Buttons::Ok,
                                  platform::Icon::None, Answer::Ok, true, QStringLiteral("smith")});
        f.v<widgets::OptionButton>("optSearchLName")->setValue(true);
        QCOMPARE(f.v<QLabel>("lblSearchDisplay")->text(), QStringLiteral("smith"));
        // Clicked again, the chosen option asks again: the user corrects the text.
        f.app.messages.expectBox({QStringLiteral("Last name Search"), QStringLiteral("Search For: "), platform::Buttons::Ok,
                                  platform::Icon::None, Answer::Ok, true, QStringLiteral("smith")});
        f.click("optSearchLName");
        f.click("cmdACGetReport");
        QCOMPARE(f.lines(), QStringLiteral("2 Bob Goldsmith|3 Cy Smith"));
        QCOMPARE(f.v<QLabel>("lblSearchDisplay")->text(), QStringLiteral("Last name = smith"));

        f.doubleClick(1);
        ContactWindowFixture::settle();
        QVERIFY(!f.app.forms->isLoaded(FormId::ViewAll) && f.window().isVisible() && !f.mainWindow().isVisible());
        QCOMPARE(f.app.state.lngCurrentRecord, 3);
        QCOMPARE(f.text("txtACFStreet"), QStringLiteral("12 Oak St"));
        QCOMPARE(f.c("txtACFStreet")->cursorPosition(), 0);
        QVERIFY(f.c("txtACFName")->isEnabled() && f.c<QWidget>("cmdSave")->isEnabled());
        QCOMPARE(f.findList()->count(), 3);
        QVERIFY(f.app.messages.allShown());
    }

    void faultsMended()
    {
        ViewAllFixture f;
        f.open();
        const QString path = f.app.state.filePath;
        f.app.state.contactFile.close();
        f.expectError(52, QStringLiteral("Bad file name or number"), Answer::Retry);
        f.click("cmdACGetReport");
        QVERIFY(f.v<QLineEdit>("txtViewAllHeader")->text().isEmpty());
        f.app.clipboard.contents = QStringLiteral("pasted");
        f.click("mnuVAEditPaste");
        f.app.state.contactFile.open(path);
        // A book too large to list is refused before it is read.
        QVERIFY(QFile::resize(path, Q_INT64_C(1000000000000)));
        f.expectError(7, QStringLiteral("Out of memory"), Answer::Retry);
        f.click("cmdACGetReport");
        QVERIFY(f.app.messages.allShown() && f.list()->count() == 0 && QFile::resize(path, 3 * 518));
        f.click("cmdACGetReport");
        QCOMPARE(f.list()->count(), 3);  // cleared first: the pasted line is gone, nothing twice

        // A reopen that fails leaves the book open as it was.
        f.app.state.filePath = f.app.dataPath(QStringLiteral("gone/QVL_Contacts.DAT"));
        f.app.messages.expectBox({QStringLiteral("Error"), {}, platform::Buttons::RetryCancel, platform::Icon::None,
                                  Answer::Retry, false, {}, false});
        f.doubleClick(0);
        QVERIFY(f.app.state.contactFile.isOpen() && f.app.state.contactFile.recordCount() == 3);

        f.app.shell.opens = false;
        f.app.messages.expectBox({QStringLiteral("Document not opened"), {}, platform::Buttons::Ok,
                                  platform::Icon::Exclamation, Answer::Ok, false, {}, false});
        f.click("mnuVAManual");
        QVERIFY(f.app.messages.shown().back().text.contains(QStringLiteral("qvlUman.pdf")));

        // Shutdown brings no window back, even with a contact current.
        f.app.state.lngCurrentRecord = 1;
        f.app.forms->unload(FormId::Main);
        QVERIFY(!f.app.forms->isLoaded(FormId::ContactInfo) && !f.app.forms->isLoaded(FormId::ViewAll));
        QVERIFY(f.app.messages.allShown());
    }

    void closeUnticksLabelFont()
    {
        ViewAllFixture f;
        f.m<QCheckBox>("chkLblBold")->setChecked(true);
        f.open();
        f.click("cmdViewAllClose");
        ContactWindowFixture::settle();
        QVERIFY(!f.app.forms->isLoaded(FormId::ViewAll) && f.mainWindow().isVisible());
        QVERIFY(!f.m<QCheckBox>("chkLblBold")->isChecked());
    }
};

QTEST_MAIN(TestViewAllWindow)
#include "tst_viewallwindow.moc"
