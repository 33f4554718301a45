#include "transfer/ImportText.h"

#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace transfer {

const QString& column(const QStringList& columns, qsizetype i)
{
    if (i < 0 || i >= columns.size())
        rt::raise(rt::err::Subscript);
    return columns[i];
}

int position16(qsizetype position)
{
    if (position > 32767 || position < -32768)
        rt::raise(rt::err::Overflow);
    return int(position);
}

namespace {

// "#" stands for one digit, any other character for itself; the whole value must match.
bool matches(const QString& value, QStringView pattern, QChar sep)
{
    if (value.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar p = pattern[i];
        const QChar v = value[i];
        if (p == QLatin1Char('#')) {
            if (v < QLatin1Char('0') || v > QLatin1Char('9'))
                return false;
        } else if (v != sep) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString normaliseBirthDate(const QString& value, QChar sep, bool rangeCheck)
{
    QString v = value;
    if (matches(v, u"#-#-####", sep))
        v = QStringLiteral("0") + rt::mid(v, 1, 2) + QStringLiteral("0") + rt::mid(v, 3, 2) + rt::right(v, 4);
    if (matches(v, u"#-##-####", sep))
        v = QStringLiteral("0") + v;
    if (matches(v, u"##-#-####", sep))
        v = rt::mid(v, 1, 3) + QStringLiteral("0") + rt::right(v, 6);
    if (rangeCheck && (rt::val(rt::mid(v, 1, 2)) > 12 || rt::val(rt::mid(v, 4, 2)) > 31))
        v.clear();
    return rt::right(v, 4) + rt::mid(v, 1, 2) + rt::mid(v, 4, 2);
}

bool hasDigit(const QString& text)
{
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return true;
    }
    return false;
}

QString phoneEndsInDigits(const QString& phone)
{
    return rt::readsAsNumber(rt::right(phone, 4)) ? phone : QString();
}

QString cityCheck(const QString& city)
{
    return hasDigit(city) ? QString() : city;
}

QString stateCheck(const QString& state)
{
    if (state.contains(QLatin1Char('#')) || hasDigit(state) || state.size() > 2)
        return {};
    return state;
}

QString zipCheck(const QString& zip)
{
    return rt::readsAsNumber(rt::left(zip, 5)) ? zip : QString();
}

QString countryCheck(const QString& country)
{
    return country.contains(QLatin1Char('#')) || hasDigit(country) ? QString() : country;
}

QString centuryCheck(const QString& birthdate)
{
    const QString c = rt::left(birthdate, 2);
    return c == QLatin1String("19") || c == QLatin1String("20") ? birthdate : QString();
}

}  // namespace transfer
