#pragma once

#include "printing/PrintedDocument.h"

#include <QString>

namespace printing {

// A text that must stay inside a given width (a list label, the list report's page): where it
// is wider, it is drawn in a smaller size of its font that fits, and cut to its longest start
// that fits only where even the smallest size is too wide.
class TextFit {
public:
    static constexpr double kSmallestSize = 6;

    struct Fitted {
        QString text;     // control characters as the printer draws them: blanks
        double size = 0;  // points
    };

    // `text` printed from tab column `column` of `font`; `edge`: what it must not pass, in
    // points from the paper's left edge.
    static Fitted fit(const PrintFont& font, const QString& text, int column, double edge);
};

}  // namespace printing
