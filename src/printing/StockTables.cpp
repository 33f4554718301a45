#include "printing/StockTables.h"

#include "printing/PrintedDocument.h"

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

// The standard sheets the stocks are made for.
constexpr LabelSheet kWideSheet{
    .width = 4, .height = 1, .cols = 2, .rows = 10, .x0 = 0.15625, .y0 = 0.5, .dx = 4.1875, .dy = 1};
constexpr LabelSheet kLargeSheet{
    .width = 4, .height = 2, .cols = 2, .rows = 5, .x0 = 0.1625, .y0 = 0.5, .dx = 4.1875, .dy = 2};
constexpr LabelSheet kFolderSheet{
    .width = 3.4375, .height = 0.6667, .cols = 2, .rows = 15, .x0 = 0.53125, .y0 = 0.5, .dx = 4, .dy = 0.6667};
constexpr LabelSheet kReturnEightySheet{
    .width = 1.75, .height = 0.5, .cols = 4, .rows = 20, .x0 = 0.28125, .y0 = 0.5, .dx = 2.0625, .dy = 0.5};
constexpr LabelSheet kReturnSixtySheet{
    .width = 1.75, .height = 0.666, .cols = 4, .rows = 15, .x0 = 0.297, .y0 = 0.531, .dx = 2.031, .dy = 0.666};
constexpr LabelSheet kListSheet{
    .width = 2.625, .height = 1, .cols = 3, .rows = 10, .x0 = 0.15625, .y0 = 0.5, .dx = 2.78125, .dy = 1};

// #10, #6 3/4, A2, #9, A7 and #A10, in the order of the size list: strEnvSize is the place in
// it, from 1.
constexpr std::array<EnvelopeSize, 6> kEnvelopeSizes{{
    {"50", "31", kEnvelope10Length},
    {"33", "32", 6.5},
    {"28", "30", 5.75},
    {"38", "30", 8.875},
    {"40", "28", 7.25},
    {"45", "27", 9.5},
}};

}  // namespace

QRectF LabelSheet::label(int k) const
{
    const int n = std::max(k, 0);
    return {(x0 + n % cols * dx) * kPointsPerInch, (y0 + n / cols * dy) * kPointsPerInch, width * kPointsPerInch,
            height * kPointsPerInch};
}

const LabelSheet& LabelSheet::of(Stock stock)
{
    switch (stock) {
    case Stock::Wide: return kWideSheet;
    case Stock::Large: return kLargeSheet;
    case Stock::FileFolder: return kFolderSheet;
    case Stock::ReturnEighty: return kReturnEightySheet;
    case Stock::ReturnSixty: return kReturnSixtySheet;
    case Stock::List: break;
    }
    return kListSheet;
}

const LabelSheet& LabelSheet::of(StockTables::Sheet sheet)
{
    switch (sheet) {
    case StockTables::Sheet::Wide: return of(Stock::Wide);
    case StockTables::Sheet::Large: return of(Stock::Large);
    case StockTables::Sheet::FileFolder: break;
    }
    return of(Stock::FileFolder);
}

std::optional<EnvelopeSize> envelopeSize(int size)
{
    if (size < 1 || size > static_cast<int>(kEnvelopeSizes.size()))
        return std::nullopt;
    return kEnvelopeSizes[static_cast<std::size_t>(size - 1)];
}

double envelopeLength(int size)
{
    const std::optional<EnvelopeSize> envelope = envelopeSize(size);
    return envelope ? envelope->length * kPointsPerInch : 0;
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
