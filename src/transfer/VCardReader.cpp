#include "transfer/VCardReader.h"

#include "runtime/Codepage.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "transfer/ImportLines.h"
#include "transfer/ImportText.h"

#include <QStringDecoder>

namespace transfer {

namespace {

bool isQuotedPrintableLine(const QString& line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    return colon > 0 && QStringView(line).left(colon).contains(u"QUOTED-PRINTABLE", Qt::CaseInsensitive);
}

QString unquote(QString s)
{
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    return s;
}

QString component(const QStringList& comps, qsizetype i)
{
    return i < comps.size() ? comps[i] : QString();
}

QString decodeBytes(const QByteArray& bytes, const QString& charset)
{
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid()) {
            const QString text = decoder(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    if (ImportLines::isValidUtf8(bytes.constData(), bytes.size()))
        return QString::fromUtf8(bytes);
    return rt::fromCp1252(bytes);
}

}  // namespace

bool VCardReader::nextLogicalLine(QString& line)
{
    if (m_deferredError != 0)
        rt::raise(m_deferredError);
    if (!m_hasPending) {
        if (m_lines.atEnd())
            return false;
        m_pending = m_lines.readLine();
    }
    line = m_pending;
    m_hasPending = false;
    while (!m_lines.atEnd()) {
        QString next;
        try {
            next = m_lines.readLine();
        } catch (const rt::RuntimeError& e) {
            // The line read ahead fails only after the line before it has been used.
            m_deferredError = e.number();
            break;
        }
        const bool folded = next.startsWith(QLatin1Char(' ')) || next.startsWith(QLatin1Char('\t'));
        const bool softBreak = !folded && line.endsWith(QLatin1Char('=')) && isQuotedPrintableLine(line);
        if (!folded && !softBreak) {
            m_pending = std::move(next);
            m_hasPending = true;
            break;
        }
        if (softBreak)
            line.chop(1);
        line += QStringView(next).mid(folded ? 1 : 0);
        if (line.size() > m_lines.maxLine())
            rt::raise(rt::err::OutOfMemory);
    }
    return true;
}

bool VCardReader::parse(const QString& line, Property& out)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(':') && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0)
        return false;
    out = Property();
    const QString head = line.left(colon);
    const qsizetype semi = head.indexOf(QLatin1Char(';'));
    QString name = semi < 0 ? head : head.left(semi);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        out.group = name.left(dot);
        name = name.mid(dot + 1);
    }
    out.name = name.trimmed().toUpper();
    if (semi >= 0) {
        out.paramText = head.mid(semi + 1);
        for (const QString& param : out.paramText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const qsizetype eq = param.indexOf(QLatin1Char('='));
            const QString key = (eq < 0 ? param : param.left(eq)).trimmed().toUpper();
            const QString val = eq < 0 ? QString() : unquote(param.mid(eq + 1).trimmed());
            if (eq < 0) {
                if (key == QLatin1String("QUOTED-PRINTABLE"))
                    out.quotedPrintable = true;
                out.types << key;
            } else if (key == QLatin1String("TYPE")) {
                for (const QString& t : val.split(QLatin1Char(','), Qt::SkipEmptyParts))
                    out.types << unquote(t.trimmed()).toUpper();
            } else if (key == QLatin1String("ENCODING")) {
                out.quotedPrintable = val.compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0;
            } else if (key == QLatin1String("CHARSET")) {
                out.charset = val;
            }
        }
    }
    const QString raw = line.mid(colon + 1);
    out.value = out.quotedPrintable ? decodeBytes(decodeQuotedPrintable(raw), out.charset) : raw;
    return !out.name.isEmpty();
}

QByteArray VCardReader::decodeQuotedPrintable(const QString& text)
{
    const QByteArray in = rt::toCp1252(text);
    QByteArray out;
    out.reserve(in.size());
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '=' && i + 2 < in.size() + 0 && hex(in[i + 1]) >= 0 && hex(in[i + 2]) >= 0) {
            out += char(hex(in[i + 1]) * 16 + hex(in[i + 2]));
            i += 2;
        } else if (c == '=' && i + 1 == in.size()) {
            break;  // a soft line break at the very end
        } else {
            out += c;
        }
    }
    return out;
}

QString VCardReader::unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text[i + 1];
            if (n == QLatin1Char('n') || n == QLatin1Char('N')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (n == QLatin1Char('\\') || n == QLatin1Char(',') || n == QLatin1Char(';')) {
                out += n;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QStringList VCardReader::components(const QString& value)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\')) {
            ++i;
        } else if (value[i] == QLatin1Char(';')) {
            out << unescape(QStringView(value).mid(start, i - start));
            start = i + 1;
        }
    }
    out << unescape(QStringView(value).mid(start));
    return out;
}

QString VCardReader::cleanPhoneLine(QString line)
{
    line = rt::replace(line, QStringLiteral(" "), QString());
    line = rt::replace(line, QStringLiteral("("), QString());
    line = rt::replace(line, QStringLiteral(")"), QStringLiteral("-"));
    line = rt::replace(line, QStringLiteral(":1"), QStringLiteral(":"));
    // "+1-555-..." would otherwise leave the number starting with a dash.
    line = rt::replace(line, QStringLiteral("+1-"), QString());
    line = rt::replace(line, QStringLiteral("+1"), QString());
    if (line.size() > 15 && !line.contains(QLatin1Char('-'))) {
        const QString last = rt::right(line, 7);
        line = rt::replace(line, last, QStringLiteral("-") + last);
    }
    if (line.size() > 15 && !rt::right(line, 5).contains(QLatin1Char('-'))) {
        const QString last = rt::right(line, 4);
        line = rt::replace(line, last, QStringLiteral("-") + last);
    }
    return line;
}

void VCardReader::apply(const Property& p, ImportValues& v)
{
    auto isType = [&](const char* t) { return p.types.contains(QLatin1String(t)); };
    const QString& name = p.name;
    if (name == QLatin1String("N")) {
        const QStringList comps = components(p.value);
        v.LName = component(comps, 0);
        v.FName = component(comps, 1);
    } else if (name == QLatin1String("TEL")) {
        QString value = unescape(p.value);
        if (value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            value = value.mid(4);
        const QString head = QStringLiteral("TEL;") + p.paramText + QLatin1Char(':');
        const int colon = position16(head.size());
        QString line = head + value;
        const struct {
            const char* type;
            QString ImportValues::*field;
        } kinds[] = {{"HOME", &ImportValues::HPhone}, {"CELL", &ImportValues::CPhone}, {"WORK", &ImportValues::WPhone}};
        for (const auto& kind : kinds) {
            if (!isType(kind.type))
                continue;
            line = cleanPhoneLine(line);
            v.*kind.field = rt::mid(line, colon + 1, 12);
        }
    } else if (name == QLatin1String("ADR") && isType("HOME")) {
        const QStringList comps = components(p.value);
        v.FStreet = component(comps, 2).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (const QString city = component(comps, 3); !city.isEmpty())
            v.City = QString(city).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (const QString state = component(comps, 4); !state.isEmpty())
            v.State = rt::ucase(state);
        if (const QString zip = component(comps, 5); !zip.isEmpty()) {
            QString z = rt::replace(rt::replace(zip, QStringLiteral("US"), QString()), QStringLiteral("Un"), QString());
            v.Zip = rt::readsAsNumber(rt::left(z, 5)) ? z : QString();
        }
        v.Country.clear();
    } else if (name == QLatin1String("BDAY")) {
        v.Birthdate = unescape(p.value).remove(QLatin1Char('-')).left(8);
    } else if (name == QLatin1String("NOTE")) {
        v.Notes = unescape(p.value);
    } else if (name == QLatin1String("EMAIL")) {
        if (p.group.isEmpty() || v.Email.isEmpty()) {
            const QString email = unescape(p.value);
            v.Email = email.contains(QLatin1Char('@')) ? email : QString();
        }
    } else if (name == QLatin1String("ORG")) {
        v.Company = components(p.value).join(QString());
    }
}

void VCardReader::run(ContactSink& sink)
{
    ImportValues v;
    bool inCard = false;
    QString line;
    Property p;
    while (nextLogicalLine(line)) {
        if (!parse(line, p))
            continue;
        const bool vcard = p.value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0;
        if (p.name == QLatin1String("BEGIN") && vcard) {
            v = ImportValues();
            v.IncComp = QStringLiteral("0");
            inCard = true;
        } else if (p.name == QLatin1String("END") && vcard) {
            if (inCard)
                sink.offer(v, true);
            inCard = false;
        } else if (inCard) {
            apply(p, v);
        }
    }
}

}  // namespace transfer
