// The list report of a long contact list to PDF through the real Qt printer. Run it as
// `bench_listreport COUNT list` and `bench_listreport COUNT report` under /usr/bin/time -v:
// the first holds only the list lines (what View All holds), the second also prints them, so
// the difference of the two peaks is what the report adds.
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
#include <sys/resource.h>

namespace {

class AcceptingDialog : public platform::PrintDialog {
public:
    void showPrinter() override {}
};

// List lines as the e-mail column set builds them.
QStringList listLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("Montgomery, Wilhelmina M %1\tSpringfield\tIL\t62704\t555-123-%2\t555-987-%2\t"
                                "wilhelmina.montgomery%1@example.com")
                     .arg(i)
                     .arg(i % 10000, 4, 10, QLatin1Char('0'));
    return lines;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 300000;
    const bool report = argc <= 2 || QByteArray(argv[2]) == "report";

    printing::ListReportInput input = printing::ListReportInput::ofLines(listLines(count));
    input.emailColumns = true;
    input.fileTitle = QStringLiteral("QVL_Contacts");
    input.found = count;
    std::printf("bench_listreport: %d list lines, peak %ld MB\n", count, peakKilobytes() / 1024);
    if (!report)
        return 0;

    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    printing::QtPrinterDevice device(dir.filePath("default.pdf"));
    device.setPdfOutput(path);
    printing::PagePrinter printer(device);
    AcceptingDialog dialog;
    testsupport::FakeMessages messages;
    QElapsedTimer timer;
    timer.start();
    const platform::PrintOutcome outcome = printing::ListReport(printer, dialog, messages).print(input);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (outcome != platform::PrintOutcome::Done) {
        std::fprintf(stderr, "bench_listreport: the report failed\n");
        return 1;
    }
    std::printf("bench_listreport: report of %d lines to PDF in %.2f s, %lld bytes, peak %ld MB\n", count, seconds,
                static_cast<long long>(QFileInfo(path).size()), peakKilobytes() / 1024);
    return 0;
}
