#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace rt {

// Numeric value of a text: blanks, tabs and line feeds are skipped wherever they stand,
// then a sign, digits, a decimal point and an exponent are read up to the first
// character that cannot continue the number. No number gives 0; it never fails (a value
// too large for a double gives the largest double of its sign).
double val(const QString& text);

// Strict conversions: the whole text must be a number (surrounding blanks and a sign
// allowed); a fraction rounds half to even. Not a number raises 13, out of range 6.
std::int16_t toInt16(const QString& text);
std::int32_t toInt32(const QString& text);

// Rounds half to even and checks the range (6 when it does not fit, also for NaN).
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Checked 16-bit arithmetic: a result out of range raises 6.
std::int16_t add16(std::int16_t a, std::int16_t b);
std::int16_t sub16(std::int16_t a, std::int16_t b);
std::int16_t mul16(std::int16_t a, std::int16_t b);

// Optional blanks, an optional sign, digits with at most one decimal point, optional
// blanks; at least one digit.
bool readsAsNumber(const QString& text);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);
// numerator / denominator (denominator > 0, numerator >= 0) to the nearest whole number,
// halves to even, computed exactly; used for record counts.
qint64 divideRoundHalfEven(qint64 numerator, qint64 denominator);

}  // namespace rt
