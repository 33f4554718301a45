#include "printing/LineFit.h"

#include "printing/FontMetrics.h"
#include "runtime/Text.h"

namespace printing {

qsizetype LineFit::charactersThatFit(const QString& line, const Place& place)
{
    // Positions are sums of unrounded advances; a line that ends on the inset fits.
    constexpr double kEpsilon = 1e-6;
    const QString drawn = rt::blankControls(line);
    const TextWidths widths = FontMetrics::widths(place.font);
    const auto fits = [&](qsizetype n) {
        return place.start + widths.of(QStringView(drawn).left(n)) <= place.room + kEpsilon;
    };
    if (fits(drawn.size()))
        return drawn.size();
    qsizetype most = 0;
    qsizetype over = drawn.size();
    while (over - most > 1) {
        const qsizetype mid = (most + over) / 2;
        (fits(mid) ? most : over) = mid;
    }
    return most;
}

}  // namespace printing
