// The list report of a long contact list to PDF through the real Qt printer. Run it as
// `bench_listreport COUNT list` and `bench_listreport COUNT report`: both list a book of COUNT
// contacts as Get report does (View All holds only each line's record number), the second also
// prints the list, each line read from the book and written when it is printed, as File > Print
// of View All Contacts does; the difference of the two peaks is what the report adds.
#include "BenchBook.h"
#include "contacts/ContactFile.h"
#include "contacts/ContactSearch.h"
#include "platform/PrintDialog.h"
#include "printing/ListReport.h"
#include "printing/PagePrinter.h"
#include "printing/qt/QtPrinterDevice.h"
#include "support/FakeMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class AcceptingDialog : public platform::PrintDialog {
public:
    void showPrinter() override {}
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 300000;
    const bool report = argc <= 2 || QByteArray(argv[2]) == "report";

    QTemporaryDir dir;
    const QString bookPath = dir.filePath("QVL_Contacts.DAT");
    if (!bench::writeBook(bookPath, count, [count](int i) { return bench::sample(i, count); }))
        return 1;
    contacts::ContactFile book;
    book.open(bookPath);
    const contacts::ContactSearch search(
        {contacts::SearchField::All, {}, contacts::NameOrder::LastName, contacts::ColumnSet::Email});
    const contacts::SearchResult listed = search.runSorted(book);
    printing::ListReportInput input;
    input.lineCount = qint32(listed.listed.size());
    input.line = [&](qint32 i) {
        return search.listLine(book.readRecords(listed.listed[std::size_t(i)], 1).constData());
    };
    input.emailColumns = true;
    input.fileTitle = QStringLiteral("QVL_Contacts");
    input.found = listed.found;
    std::printf("bench_listreport: %d list lines, peak %.0f MB\n", input.lineCount, bench::peakMb());
    if (!report)
        return 0;

    const QString path = dir.filePath("report.pdf");
    printing::QtPrinterDevice device(dir.filePath("default.pdf"));
    device.setPdfOutput(path);
    printing::PagePrinter printer(device);
    AcceptingDialog dialog;
    testsupport::FakeMessages messages;
    QElapsedTimer timer;
    timer.start();
    const platform::PrintOutcome outcome = printing::ListReport(printer, dialog, messages).print(input);
    if (outcome != platform::PrintOutcome::Done) {
        std::fprintf(stderr, "bench_listreport: the report failed\n");
        return 1;
    }
    bench::report("list report to PDF, lines read from the book", count, double(timer.nsecsElapsed()) / 1e9,
                  QStringLiteral("%1 bytes").arg(QFileInfo(path).size()));
    return 0;
}
