#pragma once

#include "contacts/ContactRecord.h"

#include <QString>

namespace transfer {

// The 18-column exports, a header line of the column names first. The CSV export separates
// by "," and quotes a value holding a comma or a double quote, its quotes doubled, so that
// other programs read 18 columns back (values reach it without line breaks). The text
// export separates by "|" and writes values as they stand.
class CsvWriter {
public:
    enum class Style { Csv, Text };

    explicit CsvWriter(Style style) : m_style(style) {}

    QString header() const;
    void appendRecord(QString& out, const contacts::ContactRecord& record) const;

private:
    QChar separator() const { return m_style == Style::Csv ? u',' : u'|'; }
    void appendColumn(QString& out, const QString& value) const;

    Style m_style;
};

}  // namespace transfer
