#pragma once

#include <QString>
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
    double y = 0;        // top of the row in points from the page origin
    double x = 0;        // left of the text in points from the page origin
    int column = 1;      // column from 1 in the font the text was printed in
    QString text;
    PrintFont font;
};

struct PrintedPage {
    std::vector<PlacedText> items;
};

// An ended document: what was printed between two ends of document.
struct PrintedDocument {
    int orientation = 1;  // 1 portrait, 2 landscape
    int paperSize = 1;    // 1 Letter, 20 #10 envelope
    std::vector<PrintedPage> pages;
};

}  // namespace printing
