#pragma once

#include "printing/PrintedDocument.h"

namespace printing {

struct LabelStock;

// How many characters of a typed line stay on the label or envelope, by the column width the
// layouts print with: a line is laid out at whole columns from a small inner margin, so a
// longer one would run over the right edge (onto the next label, or off the page).
class LineFit {
public:
    // The label's inner margin at each side, in points (1/8 inch).
    static constexpr double kInset = 9;

    static int mostCharacters(double widthPoints, const PrintFont& font);
    // A label line of the stock, printed in Verdana at the stock's portrait size. A centred
    // line is centred within the same width, so alignment does not change the count.
    static int labelLine(const LabelStock& stock, bool bold, bool centred);
    // An envelope line: from the left pad (in columns of `font`) to the envelope's right edge.
    static int envelopeLine(double envelopeWidthPoints, int leftPad, const PrintFont& font);
};

}  // namespace printing
