#pragma once

#include "printing/PrintedDocument.h"

#include <QString>
#include <QStringView>
#include <vector>

class QFont;

namespace printing {

// The measures of one font that rows and columns are laid out with, in points, unrounded.
struct FontMeasures {
    double lineHeight = 0;   // one text row, external leading included
    double columnWidth = 0;  // one character column (xAvgCharWidth)
    double ascent = 0;       // row top to baseline (winAscent)
};

struct FaceWidths;

// The widths of texts drawn in one print font, in points.
class TextWidths {
public:
    double of(QStringView text) const;
    // The width of every start of `text` in one pass: element n is of(text.left(n)), from the
    // empty start to the whole text.
    std::vector<double> ofStarts(QStringView text) const;

private:
    friend class FontMetrics;
    const FaceWidths* m_face = nullptr;
    double m_size = 0;
    double m_column = 0;  // without a font database, every character takes one column
};

// The metrics the label layouts were tuned with: those of the named face, whatever face is
// installed to draw it. Names compare without regard to case.
class FontMetrics {
public:
    static FontMeasures measure(const PrintFont& font);

    // The installed face the named face is drawn with (the name itself when not in the table).
    static QString drawFace(const QString& name);
    // The installed font that draws `font`, without the hinting, kerning and ligatures that
    // would make a text's drawn width differ from the sum of its characters' advances.
    static QFont drawingFont(const PrintFont& font);
    // Texts as the drawing font lays them out: the print position moves on by this much.
    static TextWidths widths(const PrintFont& font);
};

}  // namespace printing
