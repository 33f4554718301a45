// The fit of a very long typed text: Print of the wide labels refusing a line 1 of 32,767
// characters (as much as a label line box takes) on a whole sheet, through the main window on
// the fakes, and a list text of as many characters fitted into a list label's width. Neither
// may grow with the square of the length: each is to take under 50 ms.
#include "printing/TextFit.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int kLength = 32767;

// The milliseconds Print takes to refuse the line; -1 when it did not refuse it as expected.
double refuseLongLine()
{
    testsupport::Fixture rig;
    rig.click("mnuWideLabel");
    rig.typeLines({QString(kLength, u'W')});
    rig.choose("optQzLabel", "1-20");
    rig.app.messages.expect("Line too long", "Line 1 is too long for this label: only its first 30 characters fit.",
                            platform::Buttons::Ok, platform::Icon::Exclamation);
    QElapsedTimer timer;
    timer.start();
    rig.click("cmdWideLabel");
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!rig.leftOver().isEmpty()) {
        std::fprintf(stderr, "bench_linefit: %s\n", qPrintable(rig.leftOver()));
        return -1;
    }
    std::printf("bench_linefit: Print of the wide labels 1-20 refusing a %d-character line 1 in %8.2f ms\n", kLength,
                ms);
    return ms;
}

// The milliseconds one fit of a list text takes.
double fitListText()
{
    const QString text = QString(kLength, u'W');
    QElapsedTimer timer;
    timer.start();
    const printing::TextFit::Fitted fitted = printing::TextFit::fit({QStringLiteral("Verdana"), 9, false, false}, text,
                                                                    3, printing::kPdfOriginLeft + 2.625 * 72);
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("bench_linefit: a %d-character list text fitted to %lld characters at %.1f points in %8.2f ms\n",
                kLength, static_cast<long long>(fitted.text.size()), fitted.size, ms);
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    fitListText();  // warms up fonts and metrics
    const double print = refuseLongLine();
    const double list = fitListText();
    const bool fast = print >= 0 && print < 50 && list < 50;
    std::printf("bench_linefit: %s\n", fast ? "both under 50 ms" : "NOT both under 50 ms");
    return fast ? 0 : 1;
}
