#pragma once

#include "platform/Printer.h"

#include <QSizeF>
#include <QString>
#include <algorithm>
#include <vector>

namespace printing {

struct PrintFont {
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const PrintFont&) const = default;
};

// One piece of text placed on a page.
struct PlacedText {
    int row = 1;         // text row on the page, from 1 (lines printed on it so far + 1)
    double y = 0;        // top of the text in points from the page origin: its row's, or below for a smaller size
    double x = 0;        // left of the text in points from the page origin
    int column = 1;      // column from 1 in the font the text was printed in
    QString text;
    PrintFont font;
};

struct PrintedPage {
    std::vector<PlacedText> items;
};

// The paper of a document, fixed when its first line is printed.
struct DocumentSetup {
    int orientation = 1;  // 1 portrait, 2 landscape
    int paperSize = 1;    // 1 Letter, 20 #10 envelope
    bool paperSizeSet = false;  // named by the job; otherwise a real printer keeps its own paper
};

// An ended document: what was printed between two ends of document.
struct PrintedDocument : DocumentSetup {
    std::vector<PrintedPage> pages;
};

constexpr double kPointsPerInch = 72;

// The #10 envelope in inches, paper size 20 and the first of the envelope size list.
constexpr double kEnvelope10Width = 4.125;
constexpr double kEnvelope10Length = 9.5;

// The paper in points as it lies on the page: landscape turns it. Paper size 20 is the #10
// envelope; anything else is Letter.
inline QSizeF paperPoints(int paperSize, int orientation)
{
    const QSizeF portrait = paperSize == platform::Printer::Envelope10
                                ? QSizeF(kEnvelope10Width, kEnvelope10Length) * kPointsPerInch
                                : QSizeF(8.5, 11) * kPointsPerInch;
    return orientation == platform::Printer::Landscape ? portrait.transposed() : portrait;
}

// Where PDF output puts the page origin on the paper: there the unadjusted layouts of every
// stock fit the standard sheets.
constexpr double kPdfOriginLeft = kPointsPerInch / 4;
constexpr double kPdfOriginTop = kPointsPerInch / 32;
// What a printed line keeps free from the edge of its label or page.
constexpr double kEdgeClearance = kPointsPerInch / 16;
// Positions are sums of unrounded advances: two this close are one place.
constexpr double kPointEpsilon = 1e-6;

// Where tab column `column` begins, in points from the start of the line: a column below 1 is
// column 1, as the printer takes it.
inline double columnLeft(int column, double columnWidth)
{
    return (std::max(column, 1) - 1) * columnWidth;
}

// Rows of PDF output run down to the foot of the paper.
inline double pdfPageHeight(int paperSize, int orientation)
{
    return paperPoints(paperSize, orientation).height() - kPdfOriginTop;
}

}  // namespace printing
