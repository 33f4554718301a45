#include "printing/LineFit.h"

#include "printing/FontMetrics.h"
#include "printing/LabelPrintJob.h"

#include <algorithm>
#include <cmath>

namespace printing {

int LineFit::mostCharacters(double widthPoints, const PrintFont& font)
{
    const double column = FontMetrics::measure(font).columnWidth;
    if (column <= 0 || widthPoints <= 0)
        return 0;
    return static_cast<int>(std::floor(widthPoints / column + 1e-9));
}

int LineFit::labelLine(const LabelStock& stock, bool bold, bool centred)
{
    Q_UNUSED(centred);
    return mostCharacters(stock.labelWidth - 2 * kInset, {QStringLiteral("Verdana"), stock.fontSize, bold, false});
}

int LineFit::envelopeLine(double envelopeWidthPoints, int leftPad, const PrintFont& font)
{
    const double column = FontMetrics::measure(font).columnWidth;
    return std::max(0, mostCharacters(envelopeWidthPoints - kInset - std::max(0, leftPad) * column, font));
}

}  // namespace printing
