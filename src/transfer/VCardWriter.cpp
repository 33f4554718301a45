#include "transfer/VCardWriter.h"

#include "runtime/Text.h"

#include <QVarLengthArray>

namespace transfer {

VCardWriter::VCardWriter(Version version)
    : m_version(version)
{
}

void VCardWriter::appendValue(QString& out, const QString& value, bool keepSemicolons) const
{
    const bool v21 = m_version == Version::V21;
    const qsizetype n = value.size();
    // Escaped into a buffer of its own and appended at once: appending character by
    // character costs more than the whole card otherwise.
    QVarLengthArray<char16_t, 512> buffer(2 * n);
    char16_t* at = buffer.data();
    const char16_t* in = reinterpret_cast<const char16_t*>(value.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (v21 ? (c == u';' && !keepSemicolons) : (c == u'\\' || c == u',' || c == u';'))
            *at++ = u'\\';
        *at++ = c;
    }
    out.append(reinterpret_cast<const QChar*>(buffer.constData()), at - buffer.constData());
}

void VCardWriter::appendCategories(QString& out, const QString& stored) const
{
    if (m_version == Version::V21) {
        appendValue(out, stored, true);
        return;
    }
    bool first = true;
    for (const QString& name : rt::split(stored, QStringLiteral(";"))) {
        const QString trimmed = rt::trim(name);
        if (trimmed.isEmpty())
            continue;
        if (!first)
            out += u',';
        first = false;
        appendValue(out, trimmed);
    }
}

void VCardWriter::appendCard(QString& out, const contacts::ContactRecord& r) const
{
    out += u"BEGIN:VCARD\r\nVERSION:";
    out += m_version == Version::V21 ? u"2.1" : m_version == Version::V30 ? u"3.0" : u"4.0";
    out += u"\r\nN:";
    appendValue(out, r.LName);
    out += u';';
    appendValue(out, r.FName);
    out += u";;;\r\nFN:";
    appendValue(out, r.FName);
    out += u' ';
    appendValue(out, r.LName);
    out += u"\r\nADR;HOME:;;";
    appendValue(out, r.SStreet.isEmpty() ? r.FStreet : r.FStreet + u' ' + r.SStreet);
    out += u';';
    appendValue(out, r.City);
    out += u';';
    appendValue(out, r.State);
    out += u';';
    appendValue(out, r.Zip);
    out += u';';
    appendValue(out, r.Country);
    out += u"\r\nORG:";
    appendValue(out, r.Company);
    out += u"\r\nTEL;HOME:";
    appendValue(out, r.HPhone);
    out += u"\r\nTEL;CELL:";
    appendValue(out, r.CPhone);
    out += u"\r\nTEL;WORK:";
    appendValue(out, r.WPhone);
    out += u"\r\nEMAIL:";
    appendValue(out, r.Email);
    out += u"\r\nBDAY:";
    appendValue(out, r.Birthdate);
    out += u"\r\nCATEGORIES:";
    appendCategories(out, r.Category);
    out += u"\r\nNOTE:";
    appendValue(out, r.Notes);
    out += u"\r\nEND:VCARD\r\n";
}

}  // namespace transfer
