#include "printing/ListReport.h"
#include "printing/SearchLabelsJob.h"
#include "LabelJobRig.h"
#include "support/Golden.h"
#include "support/TableRows.h"

#include <QtTest>

using printing::SearchLabelsJob;

namespace {

// C with company, N without, L long lines (a real 45-character street; the company too wide
// even at the smallest size).
QStringList label(int i, QChar kind)
{
    const QString n = QString::number(i);
    if (kind == 'L')
        return {"Margaret Alexandria Worthington " + n, QString(30, 'W'), "12345 North Whispering Pines Boulevard Apt 10",
                "Springfield, IL  62704-1234"};
    QStringList lines{"Name " + n, "Street\t" + n + " ", "City" + n + ", ST  0000" + n};  // a stored TAB prints as a blank
    if (kind == 'C')
        lines.insert(1, "Company " + n);
    return lines;
}

}  // namespace

class TestSearchLabels : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::LabelJobRig> rig;

    SearchLabelsJob job() { return SearchLabelsJob(rig->printer, rig->dialog, rig->messages, rig->dir.path()); }
    void expectPrinterProblem() { rig->messages.expect("Printer error", "A printer problem exists.  Check printer.",
                                                       platform::Buttons::Ok, platform::Icon::Exclamation); }

private slots:
    void init() { rig = std::make_unique<testsupport::LabelJobRig>(); }
    void cleanup() { QVERIFY2(rig->messages.allShown() && rig->script.allUsed(), qPrintable(rig->messages.pending().join(';'))); }

    void labels_data()
    {
        QTest::addColumn<QString>("companies");  // a kind of label(), one per label
        QTest::addColumn<QByteArray>("margin");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("bold");  // and Italic the other way
        QTest::newRow("searchlabels_rows") << "CNNNNNNC" << QByteArray() << "Recording" << false;
        QTest::newRow("searchlabels_31_bold_officejet")
            << "NCN" + QString(28, 'N') << QByteArray("BULKLIST|  1| -2\r\n") << "HP Officejet 6500" << true;
        QTest::newRow("searchlabels_long_bold") << "NLLL" << QByteArray() << "Recording" << true;
    }
    void labels()
    {
        QFETCH(QString, companies);
        QFETCH(QByteArray, margin);
        QFETCH(QString, device);
        QFETCH(bool, bold);
        testsupport::writeBytes(rig->marginPath(), margin);
        rig->device.setDeviceName(device);
        std::vector<QStringList> labels;
        for (int i = 0; i < companies.size(); ++i)
            labels.push_back(label(i + 1, companies[i]));
        rig->script.print(2);
        QCOMPARE(job().run(labels, bold, !bold), SearchLabelsJob::Outcome::Printed);
        QCOMPARE(rig->script.flagsAtShow(), std::vector<int>{0x80000});
        QVERIFY(testsupport::matchesGolden(testsupport::dumpDocuments(rig->device.documents()), QTest::currentDataTag()));
    }

    // The top-margin lines by the margin record's top adjustment, on every page; a list that
    // fills its last sheet ends with it.
    void topMarginAndPages_data()
    {
        for (const char* column : {"top", "count", "lines", "pages"})
            QTest::addColumn<int>(column);
        for (const QStringList& r : testsupport::tableRows("searchlabels_top_margin.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1].toInt() << r[2].toInt() << r[3].toInt() << r[4].toInt();
    }
    void topMarginAndPages()
    {
        QFETCH(int, top);
        QFETCH(int, count);
        testsupport::writeBytes(rig->marginPath(), QString("BULKLIST|  0|%1\r\n").arg(top, 3).toLatin1());
        rig->script.print(1);
        job().run(std::vector<QStringList>(size_t(count), label(1, 'N')), false, false);
        const auto& printed = rig->device.documents().at(0).pages;
        QTEST(int(printed.size()), "pages");
        for (const auto& page : printed)
            QTEST(page.items.at(0).row - 1, "lines");
    }

    void failures()
    {
        rig->messages.expect("No contacts found", "Empty list, no labels to print.");
        QCOMPARE(job().run({}, false, false), SearchLabelsJob::Outcome::EmptyList);
        testsupport::writeBytes(rig->marginPath(), "BULKLIST|abc|  0\r\n");
        expectPrinterProblem();
        QCOMPARE(job().run({}, false, false), SearchLabelsJob::Outcome::Failed);
        testsupport::writeBytes(rig->marginPath(), {});
        rig->script.cancel();
        QCOMPARE(job().run({label(1, 'N')}, false, false), SearchLabelsJob::Outcome::Cancelled);
        rig->script.print(1);
        expectPrinterProblem();
        const auto failing = [](qint32 i) -> QStringList { return i < 3 ? label(i, 'N') : throw rt::RuntimeError(63); };
        QCOMPARE(job().run(5, failing, false, false), SearchLabelsJob::Outcome::Failed);
        QCOMPARE(rig->device.openedCount(), 1);
        QVERIFY(rig->device.documents().empty());
    }

    void report_data()
    {
        QTest::addColumn<bool>("email");
        QTest::addColumn<int>("flagsOut");
        QTest::addColumn<bool>("focusInHeading");
        QTest::newRow("listreport_email") << true << -1 << false;
        QTest::newRow("listreport_street") << false << -1 << false;
        QTest::newRow("listreport_selection") << true << 1 << false;
        QTest::newRow("listreport_heading_selection") << true << 1 << true;
    }
    void report()
    {
        QFETCH(bool, email);
        QFETCH(int, flagsOut);
        QFETCH(bool, focusInHeading);
        // The last line would pass the page's right edge.
        auto in = printing::ListReportInput::ofLines(
            {"Ann Q. Lee\tBoston   \tMA\t02118\t555-1234\t\tann@lee.org", "Bob\t\tCity",
             "Cy Smith\t12 Oak St             Apt 2\tSalem\tOR\tK1A 0B1      \t0800 123\t  ",
             "Dee Ray\tPortland\tOR\t97201\t555-0100\t555-0199\tmargaret.worthington-smythe@northwindtraders.example"});
        in.emailColumns = email;
        in.fileTitle = "QVL_Contacts";
        in.found = 3;
        in.focusInHeading = focusInHeading;
        in.headingSelection = "Cell";
        in.selectedLines = {0, 2};
        rig->script.push({testsupport::PrintDialogAction::Print, 1, flagsOut});
        printing::ListReport report(rig->printer, rig->dialog, rig->messages);
        QCOMPARE(report.print(in), platform::PrintOutcome::Done);
        QVERIFY(testsupport::matchesGolden(testsupport::dumpDocuments(rig->device.documents()), QTest::currentDataTag()));
    }

    void reportEdges()
    {
        QCOMPARE(QList<int>({printing::ListReport::pageCount(26), printing::ListReport::pageCount(27),
                             printing::ListReport::pageCount(81), printing::ListReport::pageCount(82),
                             printing::ListReport::pageCount(135)}), QList<int>({1, 2, 2, 3, 4}));
        const auto in = printing::ListReportInput::ofLines({"1\t2\t3\t4\t5\t6\t7\t8"});
        rig->script.print(3);
        expectPrinterProblem();
        QCOMPARE(printing::ListReport(rig->printer, rig->dialog, rig->messages).print(in), platform::PrintOutcome::Failed);
        QCOMPARE(rig->script.flagsAtShow(), std::vector<int>{platform::PrintDialog::NoSelection});
        QVERIFY(rig->device.documents().empty());
    }
};

QTEST_MAIN(TestSearchLabels)
#include "tst_searchlabels.moc"
