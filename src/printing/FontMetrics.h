#pragma once

#include "printing/PrintedDocument.h"

#include <QString>

namespace printing {

// The measures of one font that rows and columns are laid out with, in points, unrounded.
struct FontMeasures {
    double lineHeight = 0;   // one text row, external leading included
    double columnWidth = 0;  // one character column (xAvgCharWidth)
    double ascent = 0;       // row top to baseline (winAscent)
};

// The metrics the label layouts were tuned with: those of the named face, whatever face is
// installed to draw it. Names compare without regard to case.
class FontMetrics {
public:
    static FontMeasures measure(const PrintFont& font);

    // The installed face the named face is drawn with (the name itself when not in the table).
    static QString drawFace(const QString& name);
};

}  // namespace printing
