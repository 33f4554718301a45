#pragma once

#include "margins/MarginFile.h"
#include "printing/LineFit.h"
#include "printing/PrintJob.h"
#include "printing/StockTables.h"

#include <QString>
#include <array>

namespace printing {

// One kind of return-address sheet: lines 1 to 3 repeated on every label, four across.
struct ReturnSheet {
    QString instructionText;
    QString instructionTitle;
    double fontSize;  // "Microsoft Sans Serif"
    int rows;
    std::array<int, 4> leftColumns;    // tab columns from the base column, left-justified
    std::array<int, 4> centreColumns;  // the same, centred
    double spacerSize;                 // "Courier New" empty line after every row
    int extraSpacerRow;                // row followed by one more, smaller spacer (0: none)
    double extraSpacerSize;
    const LabelSheet* labels;  // where the labels lie on the sheet

    // Where lines 1 to 3 print on each label of a row, left-justified or centred.
    std::array<LineFit::Place, 4> linePlaces(const LabelInput& in) const;

    static const ReturnSheet& eighty();  // 1/2" x 1 3/4", 80 to a sheet
    static const ReturnSheet& sixty();   // 2/3" x 1 3/4", 60 to a sheet
};

// The return-address Print command: a whole sheet per copy, then the offer of another page.
// Each pass is a job of its own, out before that offer comes up.
class ReturnAddressJob : public PrintJob {
public:
    ReturnAddressJob(const LabelJob& job, const ReturnSheet& sheet);

protected:
    void body() override;

private:
    void printSheet();
    void printRowLine(const QString& line, const std::array<int, 4>& blanks, bool centred, int base);

    // The blanks before lines 1 to 3 on each label of a row, alike on every row and copy.
    std::array<std::array<int, 4>, 3> m_blanks{};

    const ReturnSheet& m_sheet;
    margins::MarginAdjust m_adjust;
};

// The Print buttons of the two return-address sheets.
LabelJobResult printReturnAddressEighty(const LabelJob& job);
LabelJobResult printReturnAddressSixty(const LabelJob& job);

}  // namespace printing
