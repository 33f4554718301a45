#pragma once

#include "printing/PrintedDocument.h"

#include <QString>

namespace printing {

// Whether a typed line stays on its label or envelope: the width it is drawn with, from where
// it starts, must stay inside the room the label leaves it; a longer line runs onto the next
// label or off the page.
class LineFit {
public:
    // The label's inner margin at each side, in points (1/8 inch).
    static constexpr double kInset = 9;

    // Where a line is drawn: its font, how far right of its place it starts (a centred line's
    // shift and blanks), and the room from that place to the far inset, in points.
    struct Place {
        PrintFont font;
        double start = 0;
        double room = 0;
    };

    // How many leading characters of `line` end inside the room: all of them when it fits.
    static qsizetype charactersThatFit(const QString& line, const Place& place);
};

}  // namespace printing
