#include "printing/FontMetrics.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <algorithm>

namespace printing {

namespace {

// Measures per em of a face: line height with external leading, column width of each
// style, ascent.
struct EmMetrics {
    double line = 0;
    double column = 0;
    double columnBold = 0;
    double columnItalic = 0;
    double columnBoldItalic = 0;
    double ascent = 0;
};

struct KnownFace {
    const char* name;
    const char* drawWith;
    EmMetrics em;
};

// The faces the label layouts were measured with, as their own font tables give them.
const KnownFace kKnownFaces[] = {
    {"Verdana", "DejaVu Sans", {1.21533, 0.50830, 0.56787, 0.50830, 0.56787, 2059.0 / 2048}},
    {"Trebuchet MS", "DejaVu Sans Condensed",
     {1.16113, 0.45361, 0.47363, 0.45850, 0.48145, 1923.0 / 2048}},
    {"Microsoft Sans Serif", "Liberation Sans",
     {1.13184, 0.43994, 0.43994, 0.43994, 0.43994, 1888.0 / 2048}},
    {"MS Sans Serif", "Liberation Sans",
     {1.13184, 0.43994, 0.43994, 0.43994, 0.43994, 1888.0 / 2048}},
    {"Courier New", "Liberation Mono",
     {1.13281, 0.60010, 0.60010, 0.60010, 0.60010, 1705.0 / 2048}},
    {"Arial", "Liberation Sans",
     {1.11719 + 0.03271, 0.44141, 0.44141, 0.44141, 0.44141, 1854.0 / 2048}},
    {"Times New Roman", "Liberation Serif",
     {1.10742 + 0.04248, 0.40088, 0.40088, 0.40088, 0.40088, 1825.0 / 2048}},
};

const KnownFace* knownFace(const QString& name)
{
    for (const KnownFace& face : kKnownFaces) {
        if (name.compare(QLatin1String(face.name), Qt::CaseInsensitive) == 0)
            return &face;
    }
    return nullptr;
}

int u16(const QByteArray& table, int offset)
{
    return (static_cast<unsigned char>(table[offset]) << 8) | static_cast<unsigned char>(table[offset + 1]);
}

int s16(const QByteArray& table, int offset)
{
    const int v = u16(table, offset);
    return v >= 0x8000 ? v - 0x10000 : v;
}

// An installed face's metrics from its own OS/2, hhea and head tables, the way the layouts
// were measured. Without a font database (no GUI application) or readable tables, Arial's.
EmMetrics installedFaceMetrics(const QString& name, bool bold, bool italic)
{
    static QHash<QString, EmMetrics> cache;
    const QString key = name.toLower() + QLatin1Char(bold ? 'b' : '-') + QLatin1Char(italic ? 'i' : '-');
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();

    EmMetrics em = knownFace(QStringLiteral("Arial"))->em;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont font(name);
        font.setBold(bold);
        font.setItalic(italic);
        font.setPixelSize(100);
        const QRawFont raw = QRawFont::fromFont(font);
        const QByteArray os2 = raw.fontTable("OS/2");
        const QByteArray head = raw.fontTable("head");
        const QByteArray hhea = raw.fontTable("hhea");
        if (os2.size() >= 78 && head.size() >= 20 && hhea.size() >= 10) {
            const double unitsPerEm = u16(head, 18);
            const int winAscent = u16(os2, 74);
            const int winDescent = u16(os2, 76);
            const int averageWidth = s16(os2, 2);
            // The external leading Windows reports: the part of hhea's line gap that the
            // win metrics do not already cover.
            const int hheaHeight = s16(hhea, 4) - s16(hhea, 6);
            const int leading = std::max(0, s16(hhea, 8) - ((winAscent + winDescent) - hheaHeight));
            if (unitsPerEm > 0 && averageWidth > 0 && winAscent + winDescent > 0) {
                em.line = (winAscent + winDescent + leading) / unitsPerEm;
                em.column = em.columnBold = em.columnItalic = em.columnBoldItalic = averageWidth / unitsPerEm;
                em.ascent = winAscent / unitsPerEm;
            }
        }
    }
    cache.insert(key, em);
    return em;
}

}  // namespace

FontMeasures FontMetrics::measure(const PrintFont& font)
{
    const KnownFace* known = knownFace(font.name);
    const EmMetrics em = known ? known->em : installedFaceMetrics(font.name, font.bold, font.italic);
    const double column = font.bold ? (font.italic ? em.columnBoldItalic : em.columnBold)
                                    : (font.italic ? em.columnItalic : em.column);
    return {font.size * em.line, font.size * column, font.size * em.ascent};
}

QString FontMetrics::drawFace(const QString& name)
{
    const KnownFace* known = knownFace(name);
    return known ? QString::fromLatin1(known->drawWith) : name;
}

}  // namespace printing
