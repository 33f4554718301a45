// Copies of the full 80-label return-address sheet to PDF through the real Qt printer, at
// 1, 10 and 100 copies: the command's own work plus drawing every label into the one PDF file
// of the command. The time a page must not grow with the number of copies.
#include "support/Fixture.h"
#include "printing/qt/QtPrinterDevice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The milliseconds one command printing `copies` sheets takes; -1 when it did not run as
// expected or the file does not hold one page a copy.
double printCopies(int copies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheets.pdf");
    printing::QtPrinterDevice device(dir.filePath("default.pdf"));
    device.setPdfOutput(path);
    testsupport::Fixture rig(&device);

    rig.typeLines({"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"});
    rig.app.printScript.print(copies);
    rig.app.messages.expect("Load printer with Avery 5167, 8167, or 18167 label stock",
                            "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels",
                            platform::Buttons::Ok, platform::Icon::Information);
    rig.app.messages.expect("Completed", "Done!  Do you want to print another page of Return Address Labels?",
                            platform::Buttons::YesNoCancel, platform::Icon::None, platform::Answer::No);

    QElapsedTimer timer;
    timer.start();
    rig.click("cmdRetAddress");
    const double ms = timer.nsecsElapsed() / 1e6;

    const qsizetype pages = testsupport::pdfPages(path).size();
    if (!rig.leftOver().isEmpty() || pages != copies) {
        std::fprintf(stderr, "bench_labelsheets: %d copies: %lld pages; %s\n", copies, static_cast<long long>(pages),
                     qPrintable(rig.leftOver()));
        return -1;
    }
    std::printf("bench_labelsheets: %3d copies of the 80-label sheet (%d labels) to PDF in %8.1f ms, "
                "%6.2f ms a page, %lld bytes\n",
                copies, copies * 80, ms, ms / copies, static_cast<long long>(QFileInfo(path).size()));
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    printCopies(1);  // warms up fonts and metrics
    const double one = printCopies(1);
    const double ten = printCopies(10);
    const double hundred = printCopies(100);
    if (one < 0 || ten < 0 || hundred < 0)
        return 1;
    std::printf("bench_labelsheets: a page at 100 copies takes %.2fx the time a page at 10 copies\n",
                (hundred / 100) / (ten / 10));
    return 0;
}
