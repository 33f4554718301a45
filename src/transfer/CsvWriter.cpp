#include "transfer/CsvWriter.h"

#include "runtime/Text.h"

#include <array>

namespace transfer {

namespace {

bool needsQuotes(const QString& value)
{
    for (QChar c : value) {
        if (c == u',' || c == u'"')
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
    static const QStringList names = {
        QStringLiteral("First Name"), QStringLiteral("MI"), QStringLiteral("Last Name"),
        QStringLiteral("Street1"), QStringLiteral("Street2"), QStringLiteral("City"),
        QStringLiteral("State"), QStringLiteral("Zip"), QStringLiteral("Country"),
        QStringLiteral("Company"), QStringLiteral("Include Company in Address"),
        QStringLiteral("Home Phone"), QStringLiteral("Cell Phone"), QStringLiteral("Work Phone"),
        QStringLiteral("Email"), QStringLiteral("Birthdate"), QStringLiteral("Category"),
        QStringLiteral("Notes")};
    return names.join(separator()) + QStringLiteral("\r\n");
}

void CsvWriter::appendColumn(QString& out, const QString& value) const
{
    if (m_style == Style::Text || !needsQuotes(value)) {
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
    const std::array<QString, 18> columns = {
        r.FName,  r.MiddleInit, r.LName,  r.FStreet, r.SStreet, r.City,
        r.State,  r.Zip,        r.Country, r.Company, r.IncComp, r.HPhone,
        r.CPhone, r.WPhone,     r.Email,  birthdateColumn(r.Birthdate), r.Category, r.Notes};
    bool first = true;
    for (const QString& value : columns) {
        if (!first)
            out += separator();
        first = false;
        appendColumn(out, value);
    }
    out += u"\r\n";
}

}  // namespace transfer
