#include "app/LabelPosition.h"

#include "runtime/Numeric.h"

#include <QRegularExpression>

namespace app {

QString cleanPositionEntry(const QString& entry)
{
    QString out;
    out.reserve(entry.size());
    for (QChar c : entry) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('.'))
            out += c;
    }
    return out;
}

int maxLabelPosition(int mode)
{
    switch (mode) {
    case 2: return 20;
    case 3: return 10;
    default: return 30;
    }
}

double lastTwoValue(const QString& cleaned)
{
    return rt::val(cleaned.right(2));
}

std::optional<LabelRangeSplit> splitLabelRange(const QString& cleaned)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9]{1,2}|[0-9]-[0-9]|[0-9]-[0-9]{2}|[0-9]{2}-[0-9]{2}")));
    if (!shape.match(cleaned).hasMatch())
        return std::nullopt;

    LabelRangeSplit split;
    switch (cleaned.size()) {
    case 1:
    case 2:
        split.startPos = cleaned;
        split.count = 1;
        return split;
    case 3:
        split.startPos = cleaned.left(1);
        split.endPos = cleaned.right(1);
        break;
    case 4:
        split.startPos = cleaned.left(1);
        split.endPos = cleaned.right(2);
        break;
    default:
        split.startPos = cleaned.left(2);
        split.endPos = cleaned.right(2);
        break;
    }
    // Two digits each: the count always fits 16 bits, but keep the checked arithmetic.
    split.count = rt::add16(rt::sub16(rt::toInt16(split.endPos), rt::toInt16(split.startPos)), 1);
    return split;
}

}  // namespace app
