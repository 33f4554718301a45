#pragma once

#include <QString>
#include <QStringList>

namespace transfer {

// Column i of a split line; a column that is not there raises 9.
const QString& column(const QStringList& columns, qsizetype i);
// A character position as the 16-bit whole number the layouts keep it in (6 past 32,767).
int position16(qsizetype position);

// Month/day/year with one or two digits for month and day and four for the year, in the
// stored form YYYYMMDD; sep is "-" or "/". With rangeCheck a month over 12 or a day over 31
// gives an empty date. Other values are taken apart by position.
QString normaliseBirthDate(const QString& value, QChar sep, bool rangeCheck);

// The plausibility checks of the CSV layouts: a value that fails is emptied.
QString phoneEndsInDigits(const QString& phone);
QString cityCheck(const QString& city);
QString stateCheck(const QString& state);
QString zipCheck(const QString& zip);
QString countryCheck(const QString& country);
QString centuryCheck(const QString& birthdate);

bool hasDigit(const QString& text);

}  // namespace transfer
