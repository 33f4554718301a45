// A 100,000-record book: listing every contact, a one-field search, and 3,000 search-result
// labels (100 sheets) drawn into a PDF through the real Qt printer.
#include "contacts/ContactFile.h"
#include "contacts/ContactSearch.h"
#include "printing/SearchLabelsJob.h"
#include "printing/qt/QtPrinterDevice.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace contacts;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    testsupport::TestApp app;

    constexpr int kRecords = 100000;
    QByteArray bytes;
    bytes.reserve(qint64(kRecords) * ContactRecord::Length);
    for (int i = 0; i < kRecords; ++i) {
        ContactRecord r;
        r.FName = QStringLiteral("First%1").arg(i * 7919 % kRecords);
        r.MiddleInit = QStringLiteral("Q");
        r.LName = i % 10 ? QStringLiteral("Johnson%1").arg(i) : QStringLiteral("Smith%1").arg(i);
        r.FStreet = QStringLiteral("%1 Elmwood Avenue").arg(i);
        r.City = QStringLiteral("Springfield");
        r.State = QStringLiteral("IL");
        r.Zip = QStringLiteral("62704");
        r.HPhone = QStringLiteral("555-1234");
        r.Email = QStringLiteral("someone%1@example.com").arg(i);
        bytes += r.toBytes();
    }
    testsupport::writeBytes(app.dataPath("big.DAT"), bytes);
    ContactFile file;
    file.open(app.dataPath("big.DAT"));

    QElapsedTimer timer;
    timer.start();
    SearchResult all = ContactSearch({SearchField::All, {}, NameOrder::LastName, ColumnSet::Email}).run(file);
    ContactSearch::sortAsList(all.entries);
    const qint64 allMs = timer.restart();
    const SearchResult some = ContactSearch({SearchField::LastName, QStringLiteral("smith")}).run(file);
    const qint64 oneMs = timer.restart();

    std::vector<QStringList> labels(3000, {"Margaret Q Johnson", "Northwind Traders", "1234 Elmwood Avenue ",
                                           "Springfield, IL  62704"});
    printing::QtPrinterDevice device(app.dataPath("default.pdf"));
    device.setPdfOutput(app.dataPath("labels.pdf"));
    printing::PagePrinter printer(device);
    testsupport::FakePrintDialog dialog(app.printScript);
    app.printScript.print(1);
    timer.restart();
    const auto outcome = printing::SearchLabelsJob(printer, dialog, app.messages, app.dataPath({})).run(labels, false, false);
    const qint64 labelMs = timer.elapsed();

    std::printf("bench_search: view all of %d records (sorted) in %lld ms, %d listed\n", kRecords,
                static_cast<long long>(allMs), all.found);
    std::printf("bench_search: last-name search in %lld ms, %d found\n", static_cast<long long>(oneMs), some.found);
    std::printf("bench_search: 3000 search-result labels (100 pages) to PDF in %lld ms%s\n",
                static_cast<long long>(labelMs), outcome == printing::SearchLabelsJob::Outcome::Printed ? "" : " (FAILED)");
    return 0;
}
