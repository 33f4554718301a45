#include "contacts/ContactWindowFixture.h"
#include "transfer/ContactExport.h"

#include <QtTest>
#include <QtWidgets>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using namespace testsupport;

namespace {

// The program on fakes with a window shown the way the main window's Contacts command shows it.
struct TransferFixture : ContactWindowFixture {
    FormId id = FormId::Export;
    Screen open(FormId which, std::initializer_list<contacts::ContactRecord> records)
    {
        id = which;
        start(records);
        app.form(FormId::Main).hideForm();
        app.form(id).showForm();
        return app.screen(id);
    }
    bool backAtMain() { return !loaded(id) && main().window().isVisible() && main().focus() == main().get("txtQzLine1"); }
};

}  // namespace

class TestTransferWindows : public QObject {
    Q_OBJECT

private slots:
    void exportEachKind_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("kind");
        QTest::newRow("csv") << "optExpCGCSV" << int(transfer::ExportKind::Csv);
        QTest::newRow("txt") << "optExpCGTXT" << int(transfer::ExportKind::Text);
        QTest::newRow("android") << "optExpCGVCF" << int(transfer::ExportKind::VCardAndroid);
        QTest::newRow("iphone") << "optExpCGVCFIphone" << int(transfer::ExportKind::VCardIPhone);
        QTest::newRow("v30") << "optExpCGVCFOther" << int(transfer::ExportKind::VCard30);
    }
    void exportEachKind()
    {
        QFETCH(QString, option);
        QFETCH(int, kind);
        TransferFixture f;
        const Screen e = f.open(FormId::Export, {person("Ann", "Lee"), person("Bo", "Ray")});
        QVERIFY(!e.isEnabled("cmdExpCreate") && e.focus() == e.get<QWidget>("cmdExpCancel"));
        e.click(option);
        QVERIFY(e.isEnabled("cmdExpCreate"));
        const auto k = transfer::ExportKind(kind);
        f.app.messages.expect("Export file created", transfer::ContactExport::doneText(k, "QVL_Contacts"));
        e.click("cmdExpCreate");
        QVERIFY(f.app.messages.allShown() && !f.app.cursor.busy && f.app.cursor.changes >= 2);
        QVERIFY(QFile::exists(f.app.dataPath(transfer::ContactExport::fileName(k, "QVL_Contacts"))));
        QCOMPARE(e.focus(), e.get<QWidget>("cmdExpCancel"));
        e.window().close();  // the close box, like Close
        QVERIFY(f.backAtMain());
    }

    void exportNothingThenFailure()
    {
        TransferFixture f;
        const Screen e = f.open(FormId::Export, {});
        e.click("optExpCGCSV");
        f.app.messages.expect("Export file not created",
                              "Export file could not be created.  There were no contacts on file.", Buttons::Ok,
                              Icon::Information);
        e.click("cmdExpCreate");
        QVERIFY(f.app.messages.allShown() && !QFile::exists(f.app.dataPath("QVLC_QVL_Contacts.csv")));

        writeBytes(f.app.dataPath("QVL_Contacts.DAT"), person("Ann", "Lee").toBytes());
        QVERIFY(QDir(f.app.dataPath({})).mkdir("QVLC_QVL_Contacts.csv"));  // cannot be written as a file
        f.expectError(0, {}, Answer::Retry);
        e.click("cmdExpCreate");
        QVERIFY(f.loaded(FormId::Export) && !f.main().window().isVisible());
        f.expectError(0, {}, Answer::Cancel);
        e.click("cmdExpCreate");
        QVERIFY(f.app.messages.allShown() && !f.app.cursor.busy);
        QVERIFY(f.backAtMain());
    }

    void exitEndsAtOnce_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("export") << int(FormId::Export);
        QTest::newRow("import") << int(FormId::Import);
    }
    void exitEndsAtOnce()
    {
        QFETCH(int, form);
        TransferFixture f;
        f.open(FormId(form), {person("Ann", "Lee")});
        QTimer::singleShot(0, [&f] { f.app.click(f.id, f.id == FormId::Export ? "mnuETFileExit" : "mnuITFileExit"); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!f.app.state.contactFile.isOpen() && !f.main().window().isVisible());
        QVERIFY(f.app.settings.values.empty());  // the main window's shutdown did not run
    }

    void importOwnCsv()
    {
        TransferFixture f;
        const Screen i = f.open(FormId::Import, {person("Cy", "Orr")});
        f.app.state.remindersOn = true;  // start-up took it from the first record
        QVERIFY(!i.isVisible("txtImpFilename") && !i.isEnabled("cmdStartImport"));
        f.app.fileDialogs.choose(QStringLiteral(QUORVEL_TEST_DATA "/import/layout-owncsv.csv"));
        i.click("cmdCsvOpen");
        QCOMPARE(i.text("txtImpFilename"), QStringLiteral("layout-owncsv.csv"));
        QVERIFY(i.isVisible("txtImpFilename") && i.isEnabled("cmdStartImport"));
        f.app.messages.expect("Import completed", "D O N E !  5 contacts successfully imported.");
        i.click("cmdStartImport");
        QVERIFY(f.app.messages.allShown() && !i.isEnabled("cmdStartImport") && i.focus() == i.get<QWidget>("cmdImpCancel"));
        QVERIFY(f.app.state.contactFile.recordCount() == 6 && f.app.state.contactFile.read(2).BdayReminder == "1");
        i.click("cmdImpCancel");
        QVERIFY(f.backAtMain());
    }

    void importRefusals()
    {
        TransferFixture f;
        const Screen i = f.open(FormId::Import, {});
        f.app.shell.opens = false;
        f.app.messages.expectBox({"Document not opened", {}, Buttons::Ok, Icon::Exclamation, Answer::Ok, false, {}, false});
        i.click("mnuITHelpUM");
        QVERIFY(f.app.messages.shown().back().text.contains("qvlUman.pdf"));

        // Rows that give no contact: the refusal and Import disabled.
        f.app.fileDialogs.choose(QStringLiteral(QUORVEL_TEST_DATA "/import/csv-blankrows.csv"));
        i.click("cmdCsvOpen");
        f.app.messages.expectBox({"No contacts imported", "CSV file not compatible with import function.", Buttons::Ok,
                                  Icon::Information, Answer::Ok});
        i.click("cmdStartImport");
        QVERIFY(f.app.messages.allShown() && !i.isEnabled("cmdStartImport"));

        f.app.fileDialogs.choose(f.app.dataPath("missing.csv"));
        f.app.messages.expectBox({"Error", "An error has occurred. Error number 53 -- File not found.  Try again, or notify Quorvel.",
                                  Buttons::RetryCancel, Icon::None, Answer::Cancel});
        i.click("cmdCsvOpen");
        QVERIFY(f.app.messages.allShown());
        QVERIFY(f.backAtMain());
    }
};

QTEST_MAIN(TestTransferWindows)
#include "tst_transferwindows.moc"
