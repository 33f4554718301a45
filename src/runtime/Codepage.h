#pragma once

#include <QByteArray>
#include <QString>

namespace rt {

// Windows-1252, the one-byte code page of record files and of files read byte for byte.
// The table is our own: Qt builds without ICU do not know the code page by name.

// Characters outside the code page become "?" (one per character, also outside the BMP).
QByteArray toCp1252(const QString& text);
// Every byte gives one character; the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+0081 and the like, so that bytes survive a
// round trip unchanged.
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* data, qsizetype size);
// Writes the bytes of text into out[0..width), cut at width; returns how many were written.
qsizetype toCp1252(QStringView text, char* out, qsizetype width);
// The text as the code page keeps it: characters outside become "?" as with toCp1252.
QString narrowToCp1252(const QString& text);
// Whether toCp1252 keeps this character (instead of writing "?").
bool inCp1252(char32_t codePoint);

}  // namespace rt
