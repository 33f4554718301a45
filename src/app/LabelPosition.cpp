#include "app/LabelPosition.h"

#include "runtime/Numeric.h"

#include <QRegularExpression>

namespace app {

namespace {

constexpr int kStandardSheetPositions = 30;

}  // namespace

QString cleanPositionEntry(const QString& entry)
{
    QString out = entry;
    out.remove(QLatin1Char(' '));
    out.remove(QLatin1Char('.'));
    return out;
}

std::optional<printing::StockTables::Sheet> positionSheet(int mode)
{
    switch (mode) {
    case 2: return printing::StockTables::Sheet::Wide;
    case 3: return printing::StockTables::Sheet::Large;
    case 6: return printing::StockTables::Sheet::FileFolder;
    default: return std::nullopt;
    }
}

int maxLabelPosition(int mode)
{
    const std::optional<printing::StockTables::Sheet> sheet = positionSheet(mode);
    return sheet ? printing::StockTables::positionCount(*sheet) : kStandardSheetPositions;
}

std::optional<LabelRangeSplit> splitLabelRange(const QString& cleaned)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9]{1,2}|[0-9]-[0-9]|[0-9]-[0-9]{2}|[0-9]{2}-[0-9]{2}")));
    if (!shape.match(cleaned).hasMatch())
        return std::nullopt;

    LabelRangeSplit split;
    if (cleaned.size() <= 2) {
        split.startPos = cleaned;
        return split;
    }
    const qsizetype dash = cleaned.indexOf(QLatin1Char('-'));
    split.startPos = cleaned.left(dash);
    split.endPos = cleaned.mid(dash + 1);
    // Two digits each: the count always fits 16 bits, but keep the checked arithmetic.
    split.count = rt::add16(rt::sub16(rt::toInt16(split.endPos), rt::toInt16(split.startPos)), 1);
    return split;
}

}  // namespace app
