#pragma once

#include "printing/PrintedDocument.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <span>

namespace printing {

// Whether a typed line stays on its label or envelope: printed where its column puts it and as
// wide as it is drawn, it must lie inside the label with a little room to spare at each side.
// Lines are judged on the paper as PDF output places the page; a real printer's own offset is
// the margin records' to correct.
class LineFit {
public:
    // Where a line prints, in points from the paper's left edge.
    struct Place {
        PrintFont font;
        double tab = 0;                // the line's tab column
        double column = 0;             // one column of the font: the width of a blank
        std::optional<double> centre;  // a centred line: where its middle belongs
        double left = 0;               // the edges of the label or envelope
        double right = 0;

        // `column` of `font`, a tab to a column below 1 going to column 1 as the printer does.
        static Place at(const PrintFont& font, int tabColumn, double left, double right);
        // The same place for a line centred on `middle`.
        Place centredOn(double middle) const;
        // A line on `label` (points from the paper's top-left corner), centred on its middle
        // when `centred`.
        static Place onLabel(const PrintFont& font, int tabColumn, const QRectF& label, bool centred);

        // Blanks printed before a line drawn `width` wide: for a centred line as many as bring
        // its middle nearest to the centre, none when it is too wide for any; otherwise none.
        int blanks(double width) const;
        // Whether a line drawn `width` wide, after its blanks, lies inside the edges less the
        // margin.
        bool fits(double width) const;
    };

    // How wide `line` is drawn in `font` (control characters print as blanks).
    static double width(const QString& line, const PrintFont& font);
    // Blanks printed before `line` at `place`.
    static int blanks(const QString& line, const Place& place);
    // The most leading characters of `line` that, typed as the line, fit at every one of
    // `places`: all of them when the line fits. The places share one font, as the lines of one
    // label or sheet do.
    static qsizetype charactersThatFit(const QString& line, std::span<const Place> places);
};

}  // namespace printing
