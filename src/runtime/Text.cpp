#include "runtime/Text.h"

#include <algorithm>
#include <utility>

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
    // A text without any (nearly every one) is shared, not copied: the list pass runs this
    // on every field of a book.
    const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return isControl(c.unicode()); });
    if (first == text.cend())
        return text;
    QString out = text;
    for (qsizetype i = first - text.cbegin(); i < out.size(); ++i) {
        if (isControl(out[i].unicode()))
            out[i] = QLatin1Char(' ');
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

namespace {

// A character of the list order: one or two characters (b is 0 for one).
struct Folded {
    char16_t a;
    char16_t b;
};

Folded foldOutsideTable(char16_t c)
{
    if (c == 0x1E9E)  // capital sharp s
        return {u'S', u'S'};
    const QChar ch(c);
    if (ch.decompositionTag() == QChar::Canonical) {
        const char16_t base = ch.decomposition().at(0).unicode();
        return base < 0x80 ? Folded{ucaseChar(QChar(base)).unicode(), 0} : foldOutsideTable(base);
    }
    return {ucaseChar(ch).unicode(), 0};
}

// Latin-1 and Latin Extended-A/B, where nearly every letter of a book lies, looked up; a
// letter with a diacritic goes with its base letter, the ligatures and sharp s as the two
// letters they stand for.
constexpr char16_t kTableEnd = 0x250;

struct FoldTable {
    Folded at[kTableEnd];
    FoldTable()
    {
        for (char16_t c = 0; c < kTableEnd; ++c)
            at[c] = c < 0x80 ? Folded{c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c, 0} : foldOutsideTable(c);
        for (char16_t c : {u'\u00DF'})
            at[c] = {u'S', u'S'};
        for (char16_t c : {u'\u00C6', u'\u00E6'})
            at[c] = {u'A', u'E'};
        for (char16_t c : {u'\u0152', u'\u0153'})
            at[c] = {u'O', u'E'};
        for (char16_t c : {u'\u00D8', u'\u00F8'})
            at[c] = {u'O', 0};
        for (char16_t c : {u'\u00D0', u'\u00F0', u'\u0110', u'\u0111'})
            at[c] = {u'D', 0};
        for (char16_t c : {u'\u00DE', u'\u00FE'})
            at[c] = {u'T', u'H'};
        for (char16_t c : {u'\u0141', u'\u0142'})
            at[c] = {u'L', 0};
    }
};

const FoldTable kFold;

inline Folded fold(char16_t c)
{
    return c < kTableEnd ? kFold.at[c] : foldOutsideTable(c);
}

}  // namespace

QString listSortKey(const QString& text)
{
    // Sized for one character each; only ß and the ligatures take two.
    QString key(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Folded f = fold(text[i].unicode());
        if (n + (f.b != 0 ? 2 : 1) > key.size())
            key.resize(key.size() + 2 + (text.size() - i));
        QChar* out = key.data();
        out[n++] = QChar(f.a);
        if (f.b != 0)
            out[n++] = QChar(f.b);
    }
    key.truncate(n);
    return key;
}

namespace {

// One text read a folded character at a time; -1 once it is used up, so that a text sorts
// before every longer text it begins.
class FoldedReader {
public:
    explicit FoldedReader(const QString& text) : m_at(text.constData()), m_end(m_at + text.size()) {}
    int next()
    {
        if (m_pending != 0)
            return std::exchange(m_pending, char16_t(0));
        if (m_at == m_end)
            return -1;
        const Folded f = fold((m_at++)->unicode());
        m_pending = f.b;
        return f.a;
    }

private:
    const QChar* m_at;
    const QChar* m_end;
    char16_t m_pending = 0;
};

}  // namespace

int compareListText(const QString& a, const QString& b)
{
    // Walks both texts a folded character at a time: the sorted insert compares a handful
    // of lines and keys none of them.
    FoldedReader ra(a);
    FoldedReader rb(b);
    for (;;) {
        const int ca = ra.next();
        const int cb = rb.next();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca < 0)
            return 0;
    }
}

}  // namespace rt
