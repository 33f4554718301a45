#include "runtime/Text.h"

#include <algorithm>

#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"

namespace rt {

int instr(int start, const QString& text, const QString& find)
{
    if (start < 1)
        raise(err::InvalidCall);
    if (text.isEmpty() || start > text.size())
        return 0;
    if (find.isEmpty())
        return start;
    const qsizetype at = text.indexOf(find, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : int(at + 1);
}

int instr(const QString& text, const QString& find)
{
    return instr(1, text, find);
}

QString mid(const QString& text, int start)
{
    if (start < 1)
        raise(err::InvalidCall);
    if (start > text.size())
        return {};
    return text.mid(start - 1);
}

QString mid(const QString& text, int start, int length)
{
    if (start < 1 || length < 0)
        raise(err::InvalidCall);
    if (start > text.size())
        return {};
    return text.mid(start - 1, length);
}

QString left(const QString& text, int count)
{
    if (count < 0)
        raise(err::InvalidCall);
    return text.left(count);
}

QString right(const QString& text, int count)
{
    if (count < 0)
        raise(err::InvalidCall);
    return text.right(count);
}

QString replace(const QString& text, const QString& find, const QString& with)
{
    if (find.isEmpty())
        return text;
    QString out = text;
    out.replace(find, with, Qt::CaseSensitive);
    return out;
}

QString ltrim(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

QString rtrim(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString trim(const QString& text)
{
    return ltrim(rtrim(text));
}

QChar ucaseChar(QChar c)
{
    const QChar u = c.toUpper();
    if (u == c || !inCp1252(c.unicode()) || !inCp1252(u.unicode()))
        return c;
    return u;
}

QString ucase(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = ucaseChar(c);
    return out;
}

QString blankControls(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (isControl(c.unicode()))
            c = QLatin1Char(' ');
    }
    return out;
}

QStringList split(const QString& text, const QString& separator)
{
    if (text.isEmpty())
        return {};
    if (separator.isEmpty())
        return {text};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

int compareListText(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = ucaseChar(pa[i]).unicode();
        const char16_t cb = ucaseChar(pb[i]).unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace rt
