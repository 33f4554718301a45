#include "transfer/VCardReader.h"

#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "transfer/ImportLines.h"
#include "transfer/ImportText.h"

#include <QStringDecoder>
#include <algorithm>

namespace transfer {

using contacts::ContactRecord;

namespace {

bool isQuotedPrintableLine(const QString& line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    return colon > 0 && QStringView(line).left(colon).contains(u"QUOTED-PRINTABLE", Qt::CaseInsensitive);
}

QStringView unquote(QStringView s)
{
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    return s;
}

void assign(QString& to, QStringView from)
{
    to.resize(from.size());
    std::copy(from.begin(), from.end(), to.data());
}

QString component(const QStringList& comps, qsizetype i)
{
    return i < comps.size() ? comps[i] : QString();
}

// Bytes in the charset a value names; without one, or when they are not in it, as a line of
// the file is read. Narrowed to what the book holds.
QString decodeBytes(const QByteArray& bytes, const QString& charset)
{
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid()) {
            const QString text = decoder(bytes);
            if (!decoder.hasError())
                return rt::narrowToCp1252(text);
        }
    }
    return ImportLines::decode(bytes);
}

// Bare parameters of vCard 2.1 that name an encoding, not a type.
bool isEncoding(QStringView param)
{
    for (const char* e : {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"}) {
        if (param.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Every type of the property is one of allowed (none at all included).
bool onlyTypes(const VCardReader::Property& p, std::initializer_list<const char*> allowed)
{
    return std::all_of(p.types.cbegin(), p.types.cend(), [&](const QString& t) {
        return std::any_of(allowed.begin(), allowed.end(), [&](const char* a) { return t == QLatin1String(a); });
    });
}

// The street, city, state and zip of an ADR value.
void takeAddress(const QString& value, ContactRecord& v)
{
    const QStringList comps = VCardReader::components(value);
    v.FStreet = component(comps, 2).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (const QString city = component(comps, 3); !city.isEmpty())
        v.City = QString(city).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A state name the codes do not hold, or a region of another country, is no state.
    if (const QString state = component(comps, 4); !state.isEmpty())
        v.State = stateCheck(rt::ucase(usStateCode(state)));
    if (const QString zip = component(comps, 5); !zip.isEmpty()) {
        v.Zip =
            zipCheck(rt::replace(rt::replace(zip, QStringLiteral("US"), QString()), QStringLiteral("Un"), QString()));
    }
    v.Country.clear();
}

}  // namespace

VCardReader::VCardReader(ImportLines& lines, const QString& firstLine)
    : m_lines(lines), m_pending(firstLine), m_hasPending(true), m_pendingBytewise(lines.lastLineBytewise())
{
}

bool VCardReader::nextLogicalLine(QString& line, bool* bytewise)
{
    if (m_deferredError != 0)
        rt::raise(m_deferredError);
    if (!m_hasPending) {
        if (m_lines.atEnd())
            return false;
        m_lines.readLine(m_pending);
        m_pendingBytewise = m_lines.lastLineBytewise();
    }
    // The buffers change hands instead of being made afresh for every line.
    line.swap(m_pending);
    m_hasPending = false;
    bool eightBit = m_pendingBytewise;
    while (!m_lines.atEnd()) {
        try {
            m_lines.readLine(m_next);
        } catch (const rt::RuntimeError& e) {
            // The line read ahead fails only after the line before it has been used.
            m_deferredError = e.number();
            break;
        }
        const bool folded = m_next.startsWith(QLatin1Char(' ')) || m_next.startsWith(QLatin1Char('\t'));
        const bool softBreak = !folded && line.endsWith(QLatin1Char('=')) && isQuotedPrintableLine(line);
        if (!folded && !softBreak) {
            m_pending.swap(m_next);
            m_hasPending = true;
            m_pendingBytewise = m_lines.lastLineBytewise();
            break;
        }
        eightBit = eightBit || m_lines.lastLineBytewise();
        if (softBreak)
            line.chop(1);
        line += QStringView(m_next).mid(folded ? 1 : 0);
        if (line.size() > m_lines.maxLine())
            rt::raise(rt::err::OutOfMemory);
    }
    if (bytewise)
        *bytewise = eightBit;
    return true;
}

bool VCardReader::parse(const QString& line, Property& out, bool bytewise)
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
    // The parts are copied into what out already holds: most lines need no new memory.
    const QStringView head = QStringView(line).left(colon);
    const qsizetype semi = head.indexOf(QLatin1Char(';'));
    QStringView name = semi < 0 ? head : head.left(semi);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    assign(out.group, dot >= 0 ? name.left(dot) : QStringView());
    name = name.mid(dot + 1).trimmed();
    out.name.resize(name.size());
    QChar* upper = out.name.data();
    for (qsizetype i = 0; i < name.size(); ++i)
        upper[i] = name[i].toUpper();
    out.types.clear();
    out.charset.clear();
    out.quotedPrintable = false;
    out.preferred = false;
    if (semi >= 0) {
        for (const QStringView param : head.mid(semi + 1).tokenize(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = param.indexOf(QLatin1Char('='));
            const QStringView key = (eq < 0 ? param : param.left(eq)).trimmed();
            const QStringView val = eq < 0 ? QStringView() : unquote(param.mid(eq + 1).trimmed());
            const auto is = [&key](const char* name) {
                return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
            };
            if (eq < 0) {
                if (is("QUOTED-PRINTABLE"))
                    out.quotedPrintable = true;
                if (!isEncoding(key))
                    out.types << key.toString().toUpper();
            } else if (is("PREF")) {
                out.preferred = out.preferred || val == QLatin1String("1");
            } else if (is("TYPE")) {
                for (const QStringView t : val.tokenize(u',', Qt::SkipEmptyParts))
                    out.types << unquote(t.trimmed()).toString().toUpper();
            } else if (is("ENCODING")) {
                out.quotedPrintable = val.compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0;
            } else if (is("CHARSET")) {
                out.charset = val.toString();
            }
        }
    }
    out.preferred = out.preferred || out.types.contains(QLatin1String("PREF"));
    const QStringView raw = QStringView(line).mid(colon + 1);
    if (out.quotedPrintable)
        out.value = decodeBytes(decodeQuotedPrintable(raw.toString()), out.charset);
    else if (bytewise && !out.charset.isEmpty())
        out.value = decodeBytes(rt::toCp1252(raw.toString()), out.charset);
    else
        assign(out.value, raw);
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
    if (!text.contains(QLatin1Char('\\')))
        return text.toString();
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
    out.reserve(value.count(QLatin1Char(';')) + 1);
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

void VCardReader::apply(const Property& p, Card& card)
{
    ContactRecord& v = card.v;
    auto isType = [&](const char* t) { return p.types.contains(QLatin1String(t)); };
    const QString& name = p.name;
    if (name == QLatin1String("N")) {
        const QStringList comps = components(p.value);
        v.LName = component(comps, 0);
        v.FName = component(comps, 1);
    } else if (name == QLatin1String("TEL")) {
        if (isType("FAX") || isType("PAGER"))
            return;
        QString value = unescape(p.value);
        if (value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            value = value.mid(4);
        const struct {
            const char* type;
            QString ContactRecord::*field;
            int width;
        } kinds[] = {{"HOME", &ContactRecord::HPhone, contacts::fields::HPhone.width},
                     {"CELL", &ContactRecord::CPhone, contacts::fields::CPhone.width},
                     {"WORK", &ContactRecord::WPhone, contacts::fields::WPhone.width}};
        for (const auto& kind : kinds) {
            if (!isType(kind.type))
                continue;
            // A line without a number keeps the one an earlier line gave.
            if (const QString number = cleanPhone(value, kind.width); !number.isEmpty())
                v.*kind.field = number;
        }
        if (card.otherPhone.isEmpty() && onlyTypes(p, {"VOICE", "PREF"}))
            card.otherPhone = cleanPhone(value, contacts::fields::HPhone.width);
    } else if (name == QLatin1String("ADR")) {
        if (isType("HOME")) {
            takeAddress(p.value, v);
            card.homeAddress = true;
        } else if (!card.otherAddress
                   && (isType("WORK") || onlyTypes(p, {"PREF", "POSTAL", "PARCEL", "DOM", "INTL"}))) {
            takeAddress(p.value, card.other);
            card.otherAddress = true;
        }
    } else if (name == QLatin1String("BDAY")) {
        v.Birthdate = vcardBirthDate(unescape(p.value));
    } else if (name == QLatin1String("NOTE")) {
        v.Notes = unescape(p.value);
    } else if (name == QLatin1String("EMAIL")) {
        if (card.preferredEmail)
            return;
        const QString email = unescape(p.value);
        const bool address = email.contains(QLatin1Char('@'));
        if (p.preferred && address) {
            v.Email = email;
            card.preferredEmail = true;
        } else if (p.group.isEmpty() || v.Email.isEmpty()) {
            v.Email = address ? email : QString();
        }
    } else if (name == QLatin1String("ORG")) {
        QStringList parts = components(p.value);
        for (QString& part : parts)
            part = part.trimmed();
        parts.removeAll(QString());
        v.Company = parts.join(QLatin1Char(' ')).left(contacts::fields::Company.width);
    }
}

const ContactRecord& VCardReader::Card::finish()
{
    // Many writers give a card only FN (all that vCard 4.0 requires).
    if (v.FName.isEmpty() && v.LName.isEmpty())
        namesFromFullName(fullName, v);
    if (v.HPhone.isEmpty())
        v.HPhone = otherPhone;
    if (!homeAddress && otherAddress) {
        v.FStreet = other.FStreet;
        v.City = other.City;
        v.State = other.State;
        v.Zip = other.Zip;
    }
    return v;
}

void VCardReader::run(ContactSink& sink)
{
    Card card;
    bool inCard = false;
    QString line;
    bool bytewise = false;
    Property p;
    while (nextLogicalLine(line, &bytewise)) {
        if (!parse(line, p, bytewise))
            continue;
        const bool vcard = QStringView(p.value).trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0;
        if (p.name == QLatin1String("BEGIN") && vcard) {
            card = Card();
            card.v.IncComp = QStringLiteral("0");
            inCard = true;
        } else if (p.name == QLatin1String("END") && vcard) {
            if (inCard)
                sink.offer(card.finish());
            inCard = false;
        } else if (inCard && p.name == QLatin1String("FN")) {
            card.fullName = unescape(p.value);
        } else if (inCard) {
            apply(p, card);
        }
    }
}

}  // namespace transfer
