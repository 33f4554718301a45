#include "transfer/CsvWriter.h"

#include "runtime/Text.h"
#include "transfer/OwnCsvColumns.h"

namespace transfer {

namespace {

bool needsQuotes(const QString& value, QChar separator)
{
    for (QChar c : value) {
        if (c == separator || c == u'"')
            return true;
    }
    return false;
}

// Stored YYYYMMDD becomes MM-DD-YYYY; nothing stays nothing.
QString birthdateColumn(const QString& stored)
{
    if (stored.isEmpty())
        return QString();
    return rt::trim(rt::mid(stored, 5, 2) + u'-' + rt::mid(stored, 7, 2) + u'-' + rt::left(stored, 4));
}

}  // namespace

QString CsvWriter::header() const
{
    QString out;
    for (const OwnCsvColumn& column : OwnCsvColumns) {
        if (!out.isEmpty())
            out += separator();
        out += QLatin1String(column.name);
    }
    return out + QStringLiteral("\r\n");
}

void CsvWriter::appendColumn(QString& out, const QString& value) const
{
    if (!needsQuotes(value, separator())) {
        out += value;
        return;
    }
    out += u'"';
    out += QString(value).replace(u'"', QStringLiteral("\"\""));
    out += u'"';
}

void CsvWriter::appendRecord(QString& out, const contacts::ContactRecord& r) const
{
    // The record reader has trimmed every field already.
    bool first = true;
    for (const OwnCsvColumn& column : OwnCsvColumns) {
        if (!first)
            out += separator();
        first = false;
        appendColumn(out, column.field == &contacts::ContactRecord::Birthdate ? birthdateColumn(r.Birthdate)
                                                                             : r.*column.field);
    }
    out += u"\r\n";
}

}  // namespace transfer
