#pragma once

#include "contacts/ContactRecord.h"

#include <QString>

namespace transfer {

// The 18-column exports, a header line of the column names first. The CSV export separates
// by "," and the text export by "|"; either writes a value holding its separator or a double
// quote in double quotes, its quotes doubled, so that other programs read 18 columns back
// (values reach it without line breaks). Every other value is written as it stands.
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
