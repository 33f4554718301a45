#include "printing/StockTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace printing {

namespace {

// Left pads of one column in its four variants.
struct ColumnPads {
    const char* plain;
    const char* bold;
    const char* family;
    const char* familyBold;

    const char* pick(bool isBold, bool isFamily) const
    {
        if (isFamily)
            return isBold ? familyBold : family;
        return isBold ? bold : plain;
    }
};

struct SheetTable {
    ColumnPads column1;
    ColumnPads column2;
    std::span<const char* const> rowTops;  // top pad of each row
};

// The top pads were measured row by row on the sheets; they are not a formula (the wide and
// large sheets step by 6 or 7 and by 8 or 9 rows).
constexpr std::array<const char*, 10> kWideTops{"3", "9", "16", "23", "29", "36", "42", "49", "55", "62"};
constexpr std::array<const char*, 5> kLargeTops{"2", "11", "19", "28", "36"};
constexpr std::array<const char*, 15> kFolderTops{"0",  "2",  "4",  "6",  "8",  "10", "12", "14",
                                                  "16", "18", "20", "22", "24", "26", "28"};

const SheetTable& table(StockTables::Sheet sheet)
{
    static const SheetTable wide{{"3", "3", "5", "5"}, {"68", "60", "70", "66"}, kWideTops};
    static const SheetTable large{{"3", "3", "5", "5"}, {"46", "41", "48", "44"}, kLargeTops};
    static const SheetTable folder{{"5", "5", "6", "6"}, {"34", "30", "35", "33"}, kFolderTops};
    switch (sheet) {
    case StockTables::Sheet::Wide: return wide;
    case StockTables::Sheet::Large: return large;
    case StockTables::Sheet::FileFolder: break;
    }
    return folder;
}

// The standard sheets, in the table's order: wide, large, file folder, return 1/2", return
// 2/3", list labels.
constexpr std::array<LabelSheet, 6> kSheets{{
    {4, 1, 2, 10, 0.15625, 0.5, 4.1875, 1},
    {4, 2, 2, 5, 0.1625, 0.5, 4.1875, 2},
    {3.4375, 0.6667, 2, 15, 0.53125, 0.5, 4, 0.6667},
    {1.75, 0.5, 4, 20, 0.28125, 0.5, 2.0625, 0.5},
    {1.75, 0.666, 4, 15, 0.297, 0.531, 2.031, 0.666},
    {2.625, 1, 3, 10, 0.15625, 0.5, 2.78125, 1},
}};

// #10, #6 3/4, A2, #9, A7 and #A10, in inches.
constexpr std::array<double, 6> kEnvelopeLengths{9.5, 6.5, 5.75, 8.875, 7.25, 9.5};

}  // namespace

QRectF LabelSheet::label(int k) const
{
    constexpr double kPointsPerInch = 72;
    const int n = std::max(k, 0);
    return {(left + n % across * pitchAcross) * kPointsPerInch, (top + n / across * pitchDown) * kPointsPerInch,
            width * kPointsPerInch, height * kPointsPerInch};
}

const LabelSheet& LabelSheet::of(StockTables::Sheet sheet)
{
    return kSheets[static_cast<std::size_t>(sheet)];
}

const LabelSheet& LabelSheet::returnEighty()
{
    return kSheets[3];
}

const LabelSheet& LabelSheet::returnSixty()
{
    return kSheets[4];
}

const LabelSheet& LabelSheet::list()
{
    return kSheets[5];
}

double envelopeLength(int size)
{
    return size >= 1 && size <= 6 ? kEnvelopeLengths[static_cast<std::size_t>(size - 1)] * 72 : 0;
}

int StockTables::positionCount(Sheet sheet)
{
    return static_cast<int>(table(sheet).rowTops.size()) * 2;
}

bool StockTables::isPosition(Sheet sheet, double position)
{
    return position >= 1 && position <= positionCount(sheet) && std::floor(position) == position;
}

std::optional<LabelPads> StockTables::pads(Sheet sheet, double position, bool bold, bool family)
{
    if (!isPosition(sheet, position))
        return std::nullopt;
    const SheetTable& t = table(sheet);
    const int p = static_cast<int>(position);
    const ColumnPads& column = (p % 2 == 1) ? t.column1 : t.column2;
    return LabelPads{QString::fromLatin1(column.pick(bold, family)),
                     QString::fromLatin1(t.rowTops[static_cast<size_t>((p + 1) / 2 - 1)])};
}

}  // namespace printing
