#include "printing/LabelRange.h"

#include "runtime/Numeric.h"

#include <QRegularExpression>

namespace printing {

QString LabelRange::clean(const QString& entry)
{
    QString out = entry;
    out.remove(QLatin1Char(' '));
    out.remove(QLatin1Char('.'));
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
        return range;
    }
    const qsizetype dash = cleaned.indexOf(QLatin1Char('-'));
    range.startPos = cleaned.left(dash);
    range.endPos = cleaned.mid(dash + 1);
    // Two digits each: the count always fits 16 bits, but keep the checked arithmetic.
    range.count = rt::add16(rt::sub16(rt::toInt16(range.endPos), rt::toInt16(range.startPos)), 1);
    return range;
}

}  // namespace printing
