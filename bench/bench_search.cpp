// Books of 100,000 and 300,000 records: listing every contact (the search alone, and the
// View All Contacts window's Get report with its list filled), a one-field search, and 3,000
// search-result labels (100 sheets) drawn into a PDF through the real Qt printer.
#include "contacts/ContactFile.h"
#include "contacts/ContactSearch.h"
#include "printing/SearchLabelsJob.h"
#include "printing/qt/QtPrinterDevice.h"
#include "contacts/ui/ViewAllWindow.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include "widgets/Controls.h"
#include <cstdio>
#include <unistd.h>

using namespace contacts;

namespace {

// Records first .. first + records - 1 of a book of `total` (records when 0).
QByteArray book(int records, int first = 0, int total = 0)
{
    total = total ? total : records;
    QByteArray bytes;
    bytes.reserve(qint64(records) * ContactRecord::Length);
    for (int i = first; i < first + records; ++i) {
        ContactRecord r;
        r.FName = QStringLiteral("First%1").arg(qint64(i) * 7919 % total);
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
    return bytes;
}

// The window's Get report alone on a book written in blocks, so that the peak memory of the
// process is the window's own.
void measureWindow(int records)
{
    testsupport::TestApp app;
    {
        QFile out(app.dataPath("QVL_Contacts.DAT"));
        if (!out.open(QIODevice::WriteOnly))
            return;
        for (int first = 0; first < records; first += 10000)
            out.write(book(std::min(10000, records - first), first, records));
        out.close();
        ::sync();  // the write-back of the fresh book would run during the measure
    }
    app.start();
    auto& window = app.forms->as<ViewAllWindow>(widgets::FormId::ViewAll);
    window.openForSearch();
    QElapsedTimer timer;
    timer.start();
    app.click(widgets::FormId::ViewAll, QStringLiteral("cmdACGetReport"));
    const qint64 windowMs = timer.restart();
    app.click(widgets::FormId::ViewAll, QStringLiteral("cmdViewAllClose"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("bench_search: %d records: Get report with the list filled %lld ms, closed in %lld ms\n", records,
                static_cast<long long>(windowMs), static_cast<long long>(timer.elapsed()));
}

void measureBook(int records)
{
    testsupport::TestApp app;
    testsupport::writeBytes(app.dataPath("QVL_Contacts.DAT"), book(records));
    ContactFile file;
    file.open(app.dataPath("QVL_Contacts.DAT"));

    QElapsedTimer timer;
    timer.start();
    SearchResult all = ContactSearch({SearchField::All, {}, NameOrder::LastName, ColumnSet::Email}).run(file);
    ContactSearch::sortAsList(all.entries);
    const qint64 allMs = timer.restart();
    const SearchResult some = ContactSearch({SearchField::LastName, QStringLiteral("smith")}).run(file);
    const qint64 oneMs = timer.restart();

    app.start();
    auto& window = app.forms->as<ViewAllWindow>(widgets::FormId::ViewAll);
    window.openForSearch();
    timer.restart();
    app.click(widgets::FormId::ViewAll, QStringLiteral("cmdACGetReport"));
    const qint64 windowMs = timer.elapsed();
    const int listed = window.findChild<widgets::SortedListBox*>(QStringLiteral("lstAllContacts"))->count();

    std::printf("bench_search: %d records: view all %lld ms (search and sort); Get report with the list filled "
                "%lld ms, %d listed; last-name search %lld ms, %d found\n",
                records, static_cast<long long>(allMs), static_cast<long long>(windowMs), listed,
                static_cast<long long>(oneMs), some.found);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    // A book size as the argument measures the window's Get report on that book alone.
    if (argc > 1) {
        measureWindow(QByteArray(argv[1]).toInt());
        return 0;
    }
    measureBook(100000);
    measureBook(300000);

    testsupport::TestApp app;
    QElapsedTimer timer;
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

    std::printf("bench_search: 3000 search-result labels (100 pages) to PDF in %lld ms%s\n",
                static_cast<long long>(labelMs), outcome == printing::SearchLabelsJob::Outcome::Printed ? "" : " (FAILED)");
    return 0;
}
