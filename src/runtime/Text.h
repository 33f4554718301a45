#pragma once

#include <QString>
#include <QStringList>

namespace rt {

// Text helpers with the classic rules: positions count from 1, comparisons are exact and
// case-sensitive, a start below 1 or a negative count raises 5.

// Position of find in text at or after start, 0 when absent. An empty text holds
// nothing; an empty find is found at start when start lies within the text.
int instr(int start, const QString& text, const QString& find);
int instr(const QString& text, const QString& find);

QString mid(const QString& text, int start);
QString mid(const QString& text, int start, int length);
QString left(const QString& text, int count);
QString right(const QString& text, int count);

// Every occurrence, left to right in one pass; an empty find changes nothing.
QString replace(const QString& text, const QString& find, const QString& with);

// Blanks (character 32) only; tabs and line ends stay.
QString trim(const QString& text);
QString ltrim(const QString& text);
QString rtrim(const QString& text);

// Upper case per character, only where the code page holds both forms; the length stays.
QString ucase(const QString& text);
QChar ucaseChar(QChar c);

// The control characters (below 32, and 127) that never reach a record, a box or a printed
// line: a tab or line end there would break a record's line or move the print position.
constexpr bool isControl(char32_t c) { return c < 0x20 || c == 0x7f; }
// Each control character as a blank, the length kept.
QString blankControls(const QString& text);

// An empty text gives no parts; an empty separator gives the whole text as one part.
QStringList split(const QString& text, const QString& separator);

// The order of the sorted lists: character by character in the record files' upper case, a
// letter with a diacritic as its base letter (É as E, Å as A), ß and the ligatures as the
// letters they stand for (SS, AE, OE), a shorter text before a longer one that it begins;
// negative, zero or positive.
int compareListText(const QString& a, const QString& b);
// The text as that order sees it: two keys compare (code unit by code unit) as their texts
// do, so that a long list is sorted with each item's key worked out once.
QString listSortKey(const QString& text);

}  // namespace rt
