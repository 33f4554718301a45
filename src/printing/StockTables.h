#pragma once

#include <QRectF>
#include <QString>
#include <optional>

namespace printing {

// The pads of one label position, as the main window's pad boxes hold them: the left pad in
// character columns and the top pad in text rows of the stock's printer font.
struct LabelPads {
    QString left;
    QString top;
};

// Position tables of the sheets printed by label position. Positions count from 1, left to
// right and top to bottom, two labels to a row: odd positions lie in column 1.
namespace StockTables {

enum class Sheet {
    Wide,        // 1" x 4", 20 to a sheet
    Large,       // 2" x 4", 10 to a sheet
    FileFolder,  // 2/3" x 3 7/16", 30 to a sheet
};

int positionCount(Sheet sheet);
// Whether `position` is exactly one of the whole numbers 1 to positionCount.
bool isPosition(Sheet sheet, double position);
// The pads of the position with the label Bold box ticked or not, on a printer of the
// printer family (PrinterFamily::shiftsColumns) or not; nothing for a value that is not
// one of the sheet's positions.
std::optional<LabelPads> pads(Sheet sheet, double position, bool bold, bool family);
}  // namespace StockTables

// A standard sheet of labels on US Letter paper, in inches: where its labels lie.
struct LabelSheet {
    enum class Stock {
        Wide,          // 1" x 4", 20 to a sheet
        Large,         // 2" x 4", 10 to a sheet
        FileFolder,    // 2/3" x 3 7/16", 30 to a sheet
        ReturnEighty,  // 1/2" x 1 3/4", 80 to a sheet
        ReturnSixty,   // 2/3" x 1 3/4", 60 to a sheet
        List,          // 1" x 2 5/8", 30 to a sheet
    };

    double width;  // of one label
    double height;
    int cols;
    int rows;
    double x0;  // the first label's left and top edge, from the paper's top-left corner
    double y0;
    double dx;  // from one label to the next across and down
    double dy;

    // Label k (from 0, left to right and top to bottom) in points from the paper's top-left
    // corner; beyond the last row the labels go on down.
    QRectF label(int k) const;

    static const LabelSheet& of(Stock stock);
    // The sheet of a stock printed by label position.
    static const LabelSheet& of(StockTables::Sheet sheet);
};

// One envelope of the main window's size list: the pads its lines print at, as the pad boxes
// hold them, and how long it is.
struct EnvelopeSize {
    const char* leftPad;
    const char* topPad;
    double length;  // inches
};

// The envelope of the size list (strEnvSize 1 to 6); nothing for any other value.
std::optional<EnvelopeSize> envelopeSize(int size);
// The length of an envelope of the size list in points; 0 for none.
double envelopeLength(int size);

}  // namespace printing
