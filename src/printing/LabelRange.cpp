#include "printing/LabelRange.h"

#include "runtime/Numeric.h"

#include <QRegularExpression>

namespace printing {

QString LabelRange::clean(const QString& entry)
{
    QString out = entry;
    out.remove(QLatin1Char(' '));
    // A full stop between two digits is a decimal point: "1.5" is no position, and reading
    // it as 15 would print a label nobody asked for.
    static const QRegularExpression strayStop(QStringLiteral("\\.(?![0-9])|(?<![0-9])\\."));
    out.remove(strayStop);
    return out;
}

bool LabelRange::beyond(const QString& cleaned, int maximum)
{
    return rt::val(cleaned.right(2)) > maximum;
}

std::optional<LabelRange> LabelRange::parse(const QString& cleaned)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9]{1,2}|[0-9]-[0-9]|[0-9]-[0-9]{2}|[0-9]{2}-[0-9]{2}")));
    if (!shape.match(cleaned).hasMatch())
        return std::nullopt;

    LabelRange range;
    if (cleaned.size() <= 2) {
        range.startPos = cleaned;
    } else {
        const qsizetype dash = cleaned.indexOf(QLatin1Char('-'));
        range.startPos = cleaned.left(dash);
        range.endPos = cleaned.mid(dash + 1);
    }
    // Positions count from 1: a position 0 would print over the sheet's first label.
    if (rt::val(range.startPos) == 0 || (!range.endPos.isEmpty() && rt::val(range.endPos) == 0))
        return std::nullopt;
    if (range.endPos.isEmpty())
        return range;
    // Two digits each: the count always fits 16 bits, but keep the checked arithmetic.
    range.count = rt::add16(rt::sub16(rt::toInt16(range.endPos), rt::toInt16(range.startPos)), 1);
    return range;
}

}  // namespace printing
