#include "runtime/Codepage.h"

#include <array>

namespace rt {

namespace {

// 0x80..0x9F; the undefined bytes map onto the C1 control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Returns the byte for a code point, or -1 when the code page lacks it.
int byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp)
            return int(0x80 + i);
    }
    return -1;
}

}  // namespace

bool inCp1252(char32_t codePoint)
{
    return byteFor(codePoint) >= 0;
}

qsizetype toCp1252(QStringView text, char* out, qsizetype width)
{
    qsizetype written = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && written < width; ++i) {
        const QChar c = text[i];
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        const int b = byteFor(cp);
        out[written++] = b < 0 ? '?' : char(b);
    }
    return written;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(toCp1252(text, out.data(), out.size()));
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    return fromCp1252(bytes.constData(), bytes.size());
}

QString fromCp1252(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[size_t(b - 0x80)]) : QChar(b);
    }
    return out;
}

QString narrowToCp1252(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return fromCp1252(toCp1252(text));
    }
    return text;
}

}  // namespace rt
