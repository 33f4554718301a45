#include "printing/FontMetrics.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <algorithm>
#include <array>
#include <memory>

namespace printing {

// Advances of one drawing face per em: those of the Latin-1 characters at hand, the rest
// from the face itself.
struct FaceWidths {
    QRawFont raw;  // at kRawPixels, so that advances keep their fractions
    std::array<double, 256> latin1{};
};

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

constexpr double kRawPixels = 1000;

double rawAdvances(const QRawFont& raw, const QString& text)
{
    double sum = 0;
    for (const QPointF& advance :
         raw.advancesForGlyphIndexes(raw.glyphIndexesForString(text), QRawFont::UseDesignMetrics))
        sum += advance.x();
    return sum / kRawPixels;
}

// Null without a font database (no GUI application) or when no face can be loaded.
const FaceWidths* faceWidths(const PrintFont& font)
{
    static QHash<QString, std::shared_ptr<const FaceWidths>> cache;
    const QString key = font.name.toLower() + QLatin1Char(font.bold ? 'b' : '-') + QLatin1Char(font.italic ? 'i' : '-');
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value().get();

    std::shared_ptr<FaceWidths> face;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont drawing = FontMetrics::drawingFont({font.name, kRawPixels, font.bold, font.italic});
        drawing.setPixelSize(static_cast<int>(kRawPixels));
        QRawFont raw = QRawFont::fromFont(drawing);
        if (raw.isValid()) {
            face = std::make_shared<FaceWidths>();
            face->raw = raw;
            QString all;
            for (char16_t c = 0; c < 256; ++c)
                all += QChar(c);
            const QList<QPointF> advances =
                raw.advancesForGlyphIndexes(raw.glyphIndexesForString(all), QRawFont::UseDesignMetrics);
            for (qsizetype c = 0; c < 256 && c < advances.size(); ++c)
                face->latin1[static_cast<size_t>(c)] = advances[c].x() / kRawPixels;
        }
    }
    cache.insert(key, face);
    return face.get();
}

}  // namespace

double TextWidths::of(QStringView text) const
{
    if (!m_face)
        return static_cast<double>(text.size()) * m_column;
    double em = 0;
    QString rest;
    for (const QChar c : text) {
        if (c.unicode() < 256)
            em += m_face->latin1[c.unicode()];
        else
            rest += c;
    }
    if (!rest.isEmpty())
        em += rawAdvances(m_face->raw, rest);
    return em * m_size;
}

std::vector<double> TextWidths::ofStarts(QStringView text) const
{
    std::vector<double> widths(static_cast<std::size_t>(text.size()) + 1);
    if (!m_face) {
        for (qsizetype n = 1; n <= text.size(); ++n)
            widths[static_cast<std::size_t>(n)] = static_cast<double>(n) * m_column;
        return widths;
    }
    // of() adds the Latin-1 advances in order, then the advances of the other characters'
    // glyphs (those characters taken together, in order): the same two sums, kept running.
    QString rest;
    for (const QChar c : text) {
        if (c.unicode() >= 256)
            rest += c;
    }
    const auto advancesOf = [this](const QString& characters) {
        return m_face->raw.advancesForGlyphIndexes(m_face->raw.glyphIndexesForString(characters),
                                                   QRawFont::UseDesignMetrics);
    };
    const QList<QPointF> advances = advancesOf(rest);
    const auto pairAt = [&rest](qsizetype r) {
        return rest[r].isHighSurrogate() && r + 1 < rest.size() && rest[r + 1].isLowSurrogate();
    };
    qsizetype glyphs = 0;
    for (qsizetype r = 0; r < rest.size(); r += pairAt(r) ? 2 : 1)
        ++glyphs;
    // Characters that do not map one to a glyph (or a pair to one): every start measured alone.
    if (advances.size() != glyphs) {
        for (qsizetype n = 1; n <= text.size(); ++n)
            widths[static_cast<std::size_t>(n)] = of(text.left(n));
        return widths;
    }

    double em = 0;
    double raw = 0;      // the other characters' glyphs so far, in raw pixels
    double pending = 0;  // a start that ends inside a pair ends in a lone half, a glyph of its own
    qsizetype r = 0;
    qsizetype glyph = 0;
    for (qsizetype n = 0; n < text.size(); ++n) {
        const QChar c = text[n];
        if (c.unicode() < 256) {
            em += m_face->latin1[c.unicode()];
        } else if (pairAt(r++)) {
            pending = advancesOf(QString(c)).value(0).x();
        } else {
            raw += advances[glyph++].x();
            pending = 0;
        }
        widths[static_cast<std::size_t>(n) + 1] = (em + (raw + pending) / kRawPixels) * m_size;
    }
    return widths;
}

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

QFont FontMetrics::drawingFont(const PrintFont& font)
{
    QFont f(drawFace(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Without shaping, no ligature ("fi") takes the place of its letters' advances.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    return f;
}

TextWidths FontMetrics::widths(const PrintFont& font)
{
    TextWidths w;
    w.m_face = faceWidths(font);
    w.m_size = font.size;
    w.m_column = measure(font).columnWidth;
    return w;
}

}  // namespace printing
