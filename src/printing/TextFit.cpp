#include "printing/TextFit.h"

#include "printing/FontMetrics.h"
#include "printing/LineFit.h"
#include "runtime/Text.h"

#include <algorithm>

namespace printing {

// Drawn widths grow in proportion to the size: the size that fills the room exactly is the
// font's size times room / width.
TextFit::Fitted TextFit::fit(const PrintFont& font, const QString& text, int column, double edge)
{
    const LineFit::Place place = LineFit::Place::at(font, column, 0, edge);
    const double room = place.right - kEdgeClearance - place.tab;
    Fitted fitted{rt::blankControls(text), font.size};
    const double width = FontMetrics::widths(font).of(fitted.text);
    if (width <= room + kPointEpsilon)
        return fitted;
    fitted.size = std::max(kSmallestSize, std::min(font.size, font.size * std::max(room, 0.0) / width));
    PrintFont smaller = font;
    smaller.size = fitted.size;
    const std::vector<double> starts = FontMetrics::widths(smaller).ofStarts(fitted.text);
    qsizetype length = fitted.text.size();
    while (length > 0 && starts[static_cast<std::size_t>(length)] > room + kPointEpsilon)
        --length;
    fitted.text.truncate(length);
    return fitted;
}

}  // namespace printing
