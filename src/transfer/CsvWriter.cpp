#include "transfer/CsvWriter.h"

#include "runtime/Text.h"

namespace transfer {

namespace {

bool needsQuotes(const QString& value)
{
    for (QChar c : value) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
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

ExportColumns exportColumns(const contacts::ContactRecord& r)
{
    // The record reader has trimmed every field already.
    return {r.FName,  r.MiddleInit, r.LName,  r.FStreet, r.SStreet, r.City,
            r.State,  r.Zip,        r.Country, r.Company, r.IncComp, r.HPhone,
            r.CPhone, r.WPhone,     r.Email,  birthdateColumn(r.Birthdate), r.Category, r.Notes};
}

QString CsvWriter::header()
{
    return QStringLiteral("First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,"
                          "Include Company in Address,Home Phone,Cell Phone,Work Phone,Email,"
                          "Birthdate,Category,Notes\r\n");
}

void CsvWriter::appendRecord(QString& out, const contacts::ContactRecord& record)
{
    bool first = true;
    for (const QString& value : exportColumns(record)) {
        if (!first)
            out += u',';
        first = false;
        if (!needsQuotes(value)) {
            out += value;
            continue;
        }
        out += u'"';
        out += QString(value).replace(u'"', QStringLiteral("\"\""));
        out += u'"';
    }
    out += u"\r\n";
}

}  // namespace transfer
