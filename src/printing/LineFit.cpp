#include "printing/LineFit.h"

#include "printing/FontMetrics.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cmath>

namespace printing {

LineFit::Place LineFit::Place::at(const PrintFont& font, int tabColumn, double left, double right)
{
    const double column = FontMetrics::measure(font).columnWidth;
    return {font, kPdfOriginLeft + columnLeft(tabColumn, column), column, std::nullopt, left, right};
}

LineFit::Place LineFit::Place::centredOn(double middle) const
{
    Place centred = *this;
    centred.centre = middle;
    return centred;
}

LineFit::Place LineFit::Place::onLabel(const PrintFont& font, int tabColumn, const QRectF& label, bool centred)
{
    const Place place = at(font, tabColumn, label.left(), label.right());
    return centred ? place.centredOn(label.center().x()) : place;
}

int LineFit::Place::blanks(double width) const
{
    if (!centre || column <= 0)
        return 0;
    const double count = std::nearbyint((*centre - width / 2 - tab) / column);
    return count > 0 ? static_cast<int>(count) : 0;
}

bool LineFit::Place::fits(double width) const
{
    // A line that ends on the margin fits.
    const double start = tab + blanks(width) * column;
    return start >= left + kEdgeClearance - kPointEpsilon && start + width <= right - kEdgeClearance + kPointEpsilon;
}

double LineFit::width(const QString& line, const PrintFont& font)
{
    return FontMetrics::widths(font).of(rt::blankControls(line));
}

int LineFit::blanks(const QString& line, const Place& place)
{
    return place.blanks(width(line, place.font));
}

qsizetype LineFit::charactersThatFit(const QString& line, std::span<const Place> places)
{
    if (places.empty())
        return line.size();
    Q_ASSERT(std::all_of(places.begin(), places.end(),
                         [&](const Place& place) { return place.font == places.front().font; }));
    const QString drawn = rt::blankControls(line);
    const std::vector<double> starts = FontMetrics::widths(places.front().font).ofStarts(drawn);
    // A centred start moves with its length, a column at a time: a longer start may fit where a
    // shorter one does not, so every start is judged as a line of its own, the longest first.
    for (qsizetype n = drawn.size(); n > 0; --n) {
        bool all = true;
        for (std::size_t i = 0; i < places.size() && all; ++i)
            all = places[i].fits(starts[static_cast<std::size_t>(n)]);
        if (all)
            return n;
    }
    return 0;
}

}  // namespace printing
