#include "transfer/CsvFields.h"

#include "runtime/RuntimeError.h"
#include "transfer/ImportLines.h"

#include <algorithm>

namespace transfer {

void CsvFields::feed(QStringView text)
{
    if (!text.isEmpty())
        m_any = true;
    for (const QChar c : text) {
        switch (m_state) {
        case State::FieldStart:
            if (c == QLatin1Char('"')) {
                m_state = State::Quoted;
            } else if (c == m_separator) {
                m_fields << QString();
            } else {
                m_field += c;
                m_state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            if (c == m_separator) {
                m_fields << m_field;
                m_field.clear();
                m_state = State::FieldStart;
            } else {
                m_field += c;
            }
            break;
        case State::Quoted:
            if (c == QLatin1Char('"'))
                m_state = State::QuoteInQuoted;
            else
                m_field += c;
            break;
        case State::QuoteInQuoted:
            if (c == QLatin1Char('"')) {
                m_field += c;
                m_state = State::Quoted;
            } else if (c == m_separator) {
                m_fields << m_field;
                m_field.clear();
                m_state = State::FieldStart;
            } else {
                m_field += c;
                m_state = State::Unquoted;
            }
            break;
        }
    }
}

QStringList CsvFields::take()
{
    QStringList out;
    if (m_any) {
        m_fields << m_field;
        out = std::move(m_fields);
    }
    m_fields.clear();
    m_field.clear();
    m_state = State::FieldStart;
    m_any = false;
    return out;
}

QStringList CsvFields::split(QStringView text, QChar separator)
{
    CsvFields fields(separator);
    fields.feed(text);
    return fields.take();
}

QStringList CsvRecords::complete(const QString& firstLine)
{
    CsvFields fields;
    fields.feed(firstLine);
    qsizetype total = firstLine.size();
    while (fields.open() && !m_lines.atEnd()) {
        const QString end = m_lines.lastLineEnd();
        const QString line = m_lines.readLine();
        total += end.size() + line.size();
        if (total > m_lines.maxLine())
            rt::raise(rt::err::OutOfMemory);
        fields.feed(end);
        fields.feed(line);
    }
    return fields.take();
}

bool CsvRecords::next(QStringList& fields)
{
    while (!m_lines.atEnd()) {
        const QString line = m_lines.readLine();
        if (line.isEmpty())
            continue;
        fields = complete(line);
        // A row of blank fields holds no contact, like an empty line.
        if (std::all_of(fields.cbegin(), fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); }))
            continue;
        return true;
    }
    return false;
}

}  // namespace transfer
