#include "runtime/Numeric.h"

#include "runtime/RuntimeError.h"

#include <QByteArray>
#include <cmath>
#include <limits>
#include <locale.h>
#include <stdlib.h>

namespace rt {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The program's locale may use a decimal comma; numbers here always use a point.
double parseCDouble(const QByteArray& ascii)
{
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    double value = strtod_l(ascii.constData(), nullptr, cLocale);
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

// Reads sign, mantissa and exponent from chars[pos..]; returns the ASCII text of the
// number read (empty when there are no mantissa digits) and advances pos.
QByteArray scanNumber(const QString& chars, qsizetype& pos)
{
    QByteArray out;
    const qsizetype n = chars.size();
    qsizetype i = pos;
    if (i < n && (chars[i] == QLatin1Char('+') || chars[i] == QLatin1Char('-')))
        out += char(chars[i++].unicode());
    bool digits = false;
    while (i < n && isDigit(chars[i])) {
        out += char(chars[i++].unicode());
        digits = true;
    }
    if (i < n && chars[i] == QLatin1Char('.')) {
        out += '.';
        ++i;
        while (i < n && isDigit(chars[i])) {
            out += char(chars[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return {};
    if (i < n) {
        const QChar e = chars[i].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            qsizetype j = i + 1;
            QByteArray exponent = "e";
            if (j < n && (chars[j] == QLatin1Char('+') || chars[j] == QLatin1Char('-')))
                exponent += char(chars[j++].unicode());
            bool expDigits = false;
            while (j < n && isDigit(chars[j])) {
                exponent += char(chars[j++].unicode());
                expDigits = true;
            }
            if (expDigits) {
                out += exponent;
                i = j;
            }
        }
    }
    pos = i;
    return out;
}

double strictNumber(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    const QString body = text.mid(begin, end - begin);
    qsizetype pos = 0;
    const QByteArray number = scanNumber(body, pos);
    if (number.isEmpty() || pos != body.size())
        raise(err::TypeMismatch);
    return parseCDouble(number);
}

}  // namespace

double val(const QString& text)
{
    QString chars;
    chars.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            chars += c;
    }
    qsizetype pos = 0;
    const QByteArray number = scanNumber(chars, pos);
    if (number.isEmpty())
        return 0.0;
    return parseCDouble(number);
}

std::int16_t toInt16(const QString& text)
{
    return toInt16(strictNumber(text));
}

std::int32_t toInt32(const QString& text)
{
    return toInt32(strictNumber(text));
}

std::int16_t toInt16(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        raise(err::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        raise(err::Overflow);
    return static_cast<std::int32_t>(r);
}

namespace {

// The operands are promoted to int, where no 16-bit result can overflow.
std::int16_t narrow16(int result)
{
    if (result < -32768 || result > 32767)
        raise(err::Overflow);
    return static_cast<std::int16_t>(result);
}

}  // namespace

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    return narrow16(a + b);
}

std::int16_t sub16(std::int16_t a, std::int16_t b)
{
    return narrow16(a - b);
}

std::int16_t mul16(std::int16_t a, std::int16_t b)
{
    return narrow16(a * b);
}

bool readsAsNumber(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            digits = true;
        } else if (text[i] == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    return digits && i == n;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

qint64 divideRoundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 q = numerator / denominator;
    const qint64 r = numerator % denominator;
    const qint64 twice = 2 * r;
    if (twice > denominator || (twice == denominator && (q % 2) != 0))
        ++q;
    return q;
}

}  // namespace rt
