#include "printing/TextFit.h"

#include "printing/FontMetrics.h"
#include "runtime/Text.h"

#include <algorithm>

namespace printing {

// Drawn widths grow in proportion to the size: the size that fills the room exactly is the
// font's size times room / width.
TextFit::Fitted TextFit::fit(const PrintFont& font, const QString& text, int column, double edge)
{
    const double room = edge - columnLeft(column, FontMetrics::measure(font).columnWidth) - kEdgeClearance;
    Fitted fitted{rt::blankControls(text), font.size};
    const double width = FontMetrics::widths(font).of(fitted.text);
    if (width <= room + kPointEpsilon)
        return fitted;
    fitted.size = std::max(kSmallestSize, std::min(font.size, font.size * std::max(room, 0.0) / width));
    PrintFont smaller = font;
    smaller.size = fitted.size;
    const TextWidths widths = FontMetrics::widths(smaller);
    while (!fitted.text.isEmpty() && widths.of(fitted.text) > room + kPointEpsilon)
        fitted.text.chop(1);
    return fitted;
}

}  // namespace printing
