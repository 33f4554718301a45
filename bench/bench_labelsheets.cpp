// Twenty full 80-label return-address sheets to PDF through the real Qt printer: the
// command's own work plus drawing every label into the one PDF file of the job.
#include "support/Fixture.h"
#include "printing/qt/QtPrinterDevice.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    constexpr int kSheets = 20;
    QTemporaryDir dir;
    const QString path = dir.filePath("sheets.pdf");
    printing::QtPrinterDevice device(dir.filePath("default.pdf"));
    device.setPdfOutput(path);
    testsupport::Fixture rig(&device);

    rig.typeLines({"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"});
    rig.app.printScript.print(kSheets);
    rig.expectInstructions(80);
    rig.expectAnotherPage(platform::Answer::No);

    QElapsedTimer timer;
    timer.start();
    rig.click("cmdRetAddress");
    const qint64 ms = timer.elapsed();

    if (!rig.leftOver().isEmpty()) {
        std::fprintf(stderr, "bench_labelsheets: the command did not run as expected: %s\n",
                     qPrintable(rig.leftOver()));
        return 1;
    }
    std::printf("bench_labelsheets: %d sheets of 80 labels (%d labels) to PDF in %lld ms (%.1f ms a sheet), "
                "%lld bytes\n",
                kSheets, kSheets * 80, static_cast<long long>(ms), double(ms) / kSheets,
                static_cast<long long>(QFileInfo(path).size()));
    return 0;
}
