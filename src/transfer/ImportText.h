#pragma once

#include "contacts/ContactRecord.h"

#include <QString>
#include <QStringList>

namespace transfer {

// Column i of a split line; a column that is not there raises 9.
const QString& column(const QStringList& columns, qsizetype i);

// Month/day/year with one or two digits for month and day and four for the year, in the
// stored form YYYYMMDD; sep is "-" or "/". With rangeCheck a month over 12 or a day over 31
// gives an empty date. Other values are taken apart by position.
QString normaliseBirthDate(const QString& value, QChar sep, bool rangeCheck);

// A telephone number as a field of width characters keeps it: a North American number (ten
// digits, or eleven after a 1; the area code not starting with 0 or 1) as 555-123-4567; any
// other as written when it fits, else its digits (after a leading "+" while there is room),
// cut only when they alone exceed the field. A value without a digit gives an empty number.
// An extension after the number (x, ext or ext. and digits) never joins its digits: the
// value stays as written when it fits the field, else the number alone is kept.
QString cleanPhone(const QString& value, int width);
// The two-letter code of a spelled-out US state, DC or territory (any letter case); any
// other value unchanged.
QString usStateCode(const QString& state);
// The vCard birth date forms 19800517, 1980-05-17 and 1980-05-17T... as YYYYMMDD after the
// century check; anything else is empty.
QString vcardBirthDate(const QString& value);

// A full name, as a vCard's FN or a CSV's Name column holds it: its last word becomes the last
// name, the words before it the first name; a name with a comma is written last name first and
// splits at its first comma instead. Each part is trimmed and cut to its field.
void namesFromFullName(const QString& fullName, contacts::ContactRecord& v);

// The plausibility checks of the CSV layouts: a value that fails is emptied.
QString cityCheck(const QString& city);
QString stateCheck(const QString& state);
QString zipCheck(const QString& zip);
QString countryCheck(const QString& country);
QString centuryCheck(const QString& birthdate);

bool hasDigit(QStringView text);

}  // namespace transfer
