#include "transfer/ImportText.h"

#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <algorithm>

namespace transfer {

const QString& column(const QStringList& columns, qsizetype i)
{
    if (i < 0 || i >= columns.size())
        rt::raise(rt::err::Subscript);
    return columns[i];
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "#" stands for one digit, any other character for itself; the whole value must match.
bool matches(const QString& value, QStringView pattern, QChar sep)
{
    if (value.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar p = pattern[i];
        const QChar v = value[i];
        if (p == QLatin1Char('#')) {
            if (!isDigit(v))
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

bool hasDigit(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isDigit);
}

namespace {

// Digits and the marks numbers are written with, a "+" only in front.
bool isPlainNumber(QStringView written)
{
    for (qsizetype i = 0; i < written.size(); ++i) {
        const char16_t c = written[i].unicode();
        if (!(isDigit(c) || c == u' ' || c == u'-' || c == u'.' || c == u'/' || c == u'(' || c == u')'
              || (c == u'+' && i == 0)))
            return false;
    }
    return true;
}

// Where an extension written after the number ("x12", "ext 12", "Ext. 12") begins, or -1.
qsizetype extensionStart(QStringView written)
{
    qsizetype end = written.size();
    while (end > 0 && isDigit(written[end - 1]))
        --end;
    if (end == written.size())
        return -1;
    while (end > 0 && written[end - 1] == QLatin1Char(' '))
        --end;
    for (const char* marker : {"ext.", "ext", "x"}) {
        const QStringView before = written.left(end);
        if (!before.endsWith(QLatin1String(marker), Qt::CaseInsensitive))
            continue;
        const qsizetype at = end - qsizetype(qstrlen(marker));
        // The marker stands after the number, not inside a word.
        if (at > 0 && !written[at - 1].isLetter() && hasDigit(written.left(at)))
            return at;
    }
    return -1;
}

}  // namespace

QString cleanPhone(const QString& value, int width)
{
    const QStringView written = QStringView(value).trimmed();
    if (const qsizetype ext = extensionStart(written); ext >= 0) {
        const QStringView number = written.left(ext).trimmed();
        if (written.size() <= width && isPlainNumber(number))
            return written.toString();
        return cleanPhone(number.toString(), width);
    }
    const bool plus = written.startsWith(QLatin1Char('+'));
    QString digits(written.size(), Qt::Uninitialized);
    qsizetype count = 0;
    for (const QChar c : written) {
        if (isDigit(c))
            digits[count++] = c;
    }
    const bool plain = isPlainNumber(written);
    digits.truncate(count);
    if (digits.isEmpty())
        return {};
    const QStringView d = QStringView(digits).right(10);
    // A North American area code never starts with 0 or 1.
    const bool northAmerican =
        (digits.size() == 10 && !plus) || (digits.size() == 11 && digits.startsWith(QLatin1Char('1')));
    if (northAmerican && d[0] >= QLatin1Char('2')) {
        QString out;
        out.reserve(12);
        return out.append(d.left(3)).append(u'-').append(d.mid(3, 3)).append(u'-').append(d.right(4));
    }
    if (plain && written.size() <= width)
        return written.toString();
    if (plus && digits.size() < width)
        return QLatin1Char('+') + digits;
    return digits.left(width);
}

QString usStateCode(const QString& state)
{
    static const struct {
        const char* name;
        const char* code;
    } states[] = {
        {"Alabama", "AL"}, {"Alaska", "AK"}, {"Arizona", "AZ"}, {"Arkansas", "AR"}, {"California", "CA"},
        {"Colorado", "CO"}, {"Connecticut", "CT"}, {"Delaware", "DE"}, {"Florida", "FL"}, {"Georgia", "GA"},
        {"Hawaii", "HI"}, {"Idaho", "ID"}, {"Illinois", "IL"}, {"Indiana", "IN"}, {"Iowa", "IA"},
        {"Kansas", "KS"}, {"Kentucky", "KY"}, {"Louisiana", "LA"}, {"Maine", "ME"}, {"Maryland", "MD"},
        {"Massachusetts", "MA"}, {"Michigan", "MI"}, {"Minnesota", "MN"}, {"Mississippi", "MS"},
        {"Missouri", "MO"}, {"Montana", "MT"}, {"Nebraska", "NE"}, {"Nevada", "NV"}, {"New Hampshire", "NH"},
        {"New Jersey", "NJ"}, {"New Mexico", "NM"}, {"New York", "NY"}, {"North Carolina", "NC"},
        {"North Dakota", "ND"}, {"Ohio", "OH"}, {"Oklahoma", "OK"}, {"Oregon", "OR"}, {"Pennsylvania", "PA"},
        {"Rhode Island", "RI"}, {"South Carolina", "SC"}, {"South Dakota", "SD"}, {"Tennessee", "TN"},
        {"Texas", "TX"}, {"Utah", "UT"}, {"Vermont", "VT"}, {"Virginia", "VA"}, {"Washington", "WA"},
        {"West Virginia", "WV"}, {"Wisconsin", "WI"}, {"Wyoming", "WY"}, {"District of Columbia", "DC"},
        {"American Samoa", "AS"}, {"Guam", "GU"}, {"Northern Mariana Islands", "MP"}, {"Puerto Rico", "PR"},
        {"U.S. Virgin Islands", "VI"}, {"US Virgin Islands", "VI"}, {"Virgin Islands", "VI"},
        {"United States Minor Outlying Islands", "UM"},
    };
    // The shortest name has four letters; a code or nothing is the usual value.
    if (state.size() < 4)
        return state;
    const QString name = state.simplified();
    for (const auto& s : states) {
        if (name.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return QLatin1String(s.code);
    }
    return state;
}

void namesFromFullName(const QString& fullName, contacts::ContactRecord& v)
{
    const QString name = fullName.simplified();
    // "Smith, John": last name first, as address books and mail programs write it.
    if (const qsizetype comma = name.indexOf(QLatin1Char(',')); comma >= 0) {
        v.LName = name.left(comma).trimmed().left(contacts::fields::LName.width);
        v.FName = name.mid(comma + 1).trimmed().left(contacts::fields::FName.width);
        return;
    }
    QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    v.LName = words.takeLast().left(contacts::fields::LName.width);
    v.FName = words.join(QLatin1Char(' ')).left(contacts::fields::FName.width);
}

QString vcardBirthDate(const QString& value)
{
    const QStringView v = QStringView(value).trimmed();
    const bool dashes = v.size() >= 10 && v[4] == QLatin1Char('-') && v[7] == QLatin1Char('-');
    const qsizetype length = dashes ? 10 : 8;
    if (v.size() < length || (v.size() > length && v[length] != QLatin1Char('T')))
        return {};
    QString digits(8, Qt::Uninitialized);
    qsizetype count = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (dashes && (i == 4 || i == 7))
            continue;
        if (!isDigit(v[i]))
            return {};
        digits[count++] = v[i];
    }
    const int month = QStringView(digits).mid(4, 2).toInt(), day = QStringView(digits).mid(6, 2).toInt();
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    return centuryCheck(digits);
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
