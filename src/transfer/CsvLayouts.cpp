#include "transfer/CsvLayouts.h"

#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "transfer/CsvFields.h"
#include "transfer/ImportText.h"
#include "transfer/OwnCsvColumns.h"

#include <array>
#include <functional>
#include <span>

namespace transfer {

using contacts::ContactRecord;

namespace {

constexpr int Last = -2;
constexpr int End = -1;

// One column of a layout: the working value set from the columns at the positions whose
// header name equals name, tested in order, a later match replacing an earlier one.
struct ColumnRule {
    QString ContactRecord::*field;
    const char* name;
    std::array<int, 7> positions;
    bool firstChar = false;
};

using V = ContactRecord;

// The own CSV: each column at its place in the export, the middle initial cut to one character.
const auto OwnCsvRules = [] {
    std::array<ColumnRule, OwnCsvColumns.size()> rules{};
    for (std::size_t i = 0; i < OwnCsvColumns.size(); ++i) {
        const OwnCsvColumn& column = OwnCsvColumns[i];
        rules[i] = {column.field, column.name, {int(i), End}, column.field == &V::MiddleInit};
    }
    return rules;
}();

const ColumnRule EmailColumnColumns[] = {
    {&V::FName, "First Name", {0, 1, End}},
    {&V::FName, "First", {0, 1, End}},
    {&V::LName, "Last Name", {0, 1, 2, End}},
    {&V::LName, "Last", {0, 1, 2, End}},
    {&V::MiddleInit, "Middle Name", {1, End}, true},
    {&V::MiddleInit, "Middle", {2, End}, true},
    {&V::MiddleInit, "MI", {1, 2, End}, true},
    {&V::MiddleInit, "Middle Initial", {1, 2, End}, true},
    {&V::Email, "E-mail Address", {2, 3, 4, 5, 6, 7, End}},
    {&V::Email, "E-mail", {2, 3, 4, 5, 6, 7, End}},
    {&V::Email, "Email Address", {2, 3, 4, 5, 6, 7, End}},
    {&V::Email, "Email", {2, 3, 4, 5, 6, 7, End}},
};

const ColumnRule NameEmailColumns[] = {
    {&V::FName, "First Name", {0, End}},
    {&V::LName, "Last Name", {1, End}},
    {&V::MiddleInit, "Middle Name", {2, End}, true},
    {&V::Email, "E-mail Address", {2, End}},
    {&V::Email, "E-mail Address", {3, End}},
    {&V::Email, "E-mail Address", {Last, End}},
};

const ColumnRule PrimaryPhoneColumns[] = {
    {&V::FName, "First Name", {0, End}},
    {&V::MiddleInit, "Middle Name", {1, End}, true},
    {&V::LName, "Last Name", {2, End}},
    {&V::Birthdate, "Birthday", {8, End}},
    {&V::Email, "E-mail Address", {14, End}},
    {&V::HPhone, "Home Phone", {18, End}},
    {&V::CPhone, "Mobile Phone", {20, End}},
};

const ColumnRule YahooColumns[] = {
    {&V::FName, "First", {0, End}},
    {&V::MiddleInit, "Middle", {1, End}, true},
    {&V::LName, "Last", {2, End}},
    {&V::Email, "Email", {4, End}},
    {&V::Category, "Category", {5, End}},
    {&V::HPhone, "Home", {8, End}},
    {&V::WPhone, "Work", {9, End}},
    {&V::CPhone, "Mobile", {12, End}},
    {&V::Company, "Company", {21, End}},
    {&V::FStreet, "Home Address", {27, End}},
    {&V::City, "Home City", {28, End}},
    {&V::State, "Home State", {29, End}},
    {&V::Zip, "Home ZIP", {30, End}},
    {&V::Country, "Home Country", {31, End}},
    {&V::Birthdate, "Birthday", {32, End}},
};

bool containsCi(const QString& text, const char* find)
{
    return text.contains(QLatin1String(find), Qt::CaseInsensitive);
}

bool has(const QString& text, const char* find)
{
    return text.contains(QLatin1String(find));
}

// One row per layout, in the order the first line is tested.
struct LayoutRow {
    ImportLayout layout;
    bool (*signature)(const QString& joined, const QString& raw);
    std::span<const ColumnRule> columns;
};

const LayoutRow Layouts[] = {
    {ImportLayout::Yahoo,
     [](const QString& j, const QString&) { return has(j, "Yahoo! Phone") || has(j, "Yahoo Phone"); },
     YahooColumns},
    {ImportLayout::PrimaryPhone,
     [](const QString& j, const QString&) { return has(j, "Primary Phone") && has(j, "Web Page"); },
     PrimaryPhoneColumns},
    {ImportLayout::NameEmail, [](const QString& j, const QString&) { return has(j, "Name,E-mail Address"); },
     NameEmailColumns},
    {ImportLayout::OwnCsv,
     [](const QString& j, const QString&) { return has(j, "First Name,MI") && has(j, "Birthdate,Category,Notes"); },
     OwnCsvRules},
    {ImportLayout::EmailColumn,
     [](const QString& j, const QString& raw) {
         return has(j, "Name,") && !has(j, "Suffix,Initials,Web Page,") && !has(j, "Name,E-mail Address,")
             && !has(j, "Distribution Lists") && !has(j, "Birthdate,Category,Notes")
             && !containsCi(raw, "BEGIN:VCARD");
     },
     EmailColumnColumns},
    {ImportLayout::VCard, [](const QString&, const QString& raw) { return containsCi(raw, "BEGIN:VCARD"); }, {}},
};

std::span<const ColumnRule> columnsOf(ImportLayout layout)
{
    for (const LayoutRow& row : Layouts) {
        if (row.layout == layout)
            return row.columns;
    }
    return {};
}

// onlyPresent: a position past the end of the header or the line is not taken (the e-mail
// layouts, whose header and lines end at the e-mail column); otherwise it raises 9.
void mapColumns(std::span<const ColumnRule> rules, const QStringList& header, const QStringList& cols, ContactRecord& v,
                bool onlyPresent = false)
{
    for (const ColumnRule& rule : rules) {
        for (const int p : rule.positions) {
            if (p == End)
                break;
            const qsizetype h = p == Last ? header.size() - 1 : p;
            const qsizetype c = p == Last ? cols.size() - 1 : p;
            if (onlyPresent && (h >= header.size() || c >= cols.size()))
                continue;
            if (column(header, h) != QLatin1String(rule.name))
                continue;
            const QString& value = column(cols, c);
            v.*rule.field = rule.firstChar ? rt::left(value, 1) : value;
        }
    }
}

// The position (from 1) of the last character of the domain ending found last in the
// order of the endings, 0 when the line holds none.
qsizetype domainCut(const QString& joined)
{
    qsizetype cut = 0;
    for (const char* ending : {".com", ".net", ".gov", ".org", ".edu", ".mil"}) {
        const qsizetype at = joined.indexOf(QLatin1String(ending));
        if (at >= 0)
            cut = at + 4;
    }
    return cut;
}

void clearAllBut(ContactRecord& v)
{
    const QString fname = v.FName, mi = v.MiddleInit, lname = v.LName, email = v.Email;
    v = ContactRecord();
    v.FName = fname;
    v.MiddleInit = mi;
    v.LName = lname;
    v.Email = email;
    v.IncComp = QStringLiteral("1");
}

void addressChecks(ContactRecord& v)
{
    v.City = cityCheck(v.City);
    v.State = stateCheck(v.State);
    v.Zip = zipCheck(v.Zip);
    v.Country = countryCheck(v.Country);
}

void ownCsv(const QStringList& header, CsvRecords& records, ContactSink& sink)
{
    ContactRecord v;
    QStringList cols;
    while (records.next(cols)) {
        if (cols.join(QLatin1Char(',')).contains(QLatin1String("Birthdate,Category,Notes")))
            continue;
        mapColumns(columnsOf(ImportLayout::OwnCsv), header, cols, v);
        v.Birthdate = normaliseBirthDate(v.Birthdate, QLatin1Char('-'), false);
        v.State = rt::ucase(usStateCode(v.State));
        v.HPhone = cleanPhone(v.HPhone, contacts::fields::HPhone.width);
        v.CPhone = cleanPhone(v.CPhone, contacts::fields::CPhone.width);
        addressChecks(v);
        v.Birthdate = centuryCheck(v.Birthdate);
        sink.offer(v);
    }
}

// Keeps the fields whose joined text (fields joined by ",") is the first keep characters.
QStringList cutJoined(const QStringList& fields, qsizetype keep)
{
    QStringList out;
    if (keep <= 0)
        return out;
    qsizetype start = 0;
    for (const QString& field : fields) {
        if (start > keep)
            break;
        out << field.left(keep - start);
        start += field.size() + 1;
    }
    return out;
}

// The rows of the e-mail layouts: a row the layout skips, or one without an address at a known
// domain, is passed over; take fills v from the columns up to the end of that address, or
// refuses the row. What is taken keeps its names and address only.
void offerEmailRows(CsvRecords& records, ContactSink& sink, const std::function<bool(const QString&)>& skipRow,
                    const std::function<bool(const QStringList&, ContactRecord&)>& take)
{
    ContactRecord v;
    QStringList fields;
    while (records.next(fields)) {
        const QString joined = fields.join(QLatin1Char(','));
        if (skipRow(joined))
            continue;
        const qsizetype at = domainCut(joined);
        if (at == 0 || !take(cutJoined(fields, at), v))
            continue;
        clearAllBut(v);
        sink.offer(v);
    }
}

// The take of the layouts with named columns: a row without its first two columns is refused.
auto takeColumns(ImportLayout layout, const QStringList& header)
{
    return [layout, &header](const QStringList& cols, ContactRecord& v) {
        if (column(cols, 0).isEmpty() || column(cols, 1).isEmpty())
            return false;
        mapColumns(columnsOf(layout), header, cols, v, true);
        return true;
    };
}

bool emailColumn(const QStringList& headerFields, CsvRecords& records, ContactSink& sink)
{
    const QString joinedHeader = headerFields.join(QLatin1Char(','));
    qsizetype cut = 0;
    for (const char* name : {"E-mail Address,", "Email Address,", "E-mail,", "Email,"}) {
        const qsizetype at = joinedHeader.indexOf(QLatin1String(name));
        if (at >= 0)
            cut = at + qsizetype(qstrlen(name));
    }
    if (cut == 0)
        return false;
    const QStringList header = cutJoined(headerFields, cut - 1);
    offerEmailRows(
        records, sink, [](const QString& joined) { return has(joined, "Name,") || has(joined, "First,"); },
        takeColumns(ImportLayout::EmailColumn, header));
    return true;
}

// The layout without a "First Name" column (Name,E-mail Address or Action,ID,Name,E-mail
// Address,...): the Name column gives both names, the column after it the address.
void nameColumn(const QStringList& header, CsvRecords& records, ContactSink& sink, const QString& last)
{
    const qsizetype name = header.size() - 2;
    offerEmailRows(
        records, sink, [&last](const QString& joined) { return joined.contains(last); },
        [name](const QStringList& cols, ContactRecord& v) {
            // The first domain ending lies before the address.
            if (name < 0 || cols.size() < name + 2 || cols[name].trimmed().isEmpty())
                return false;
            v = ContactRecord();
            namesFromFullName(cols[name], v);
            v.Email = cols[name + 1];
            return true;
        });
}

void nameEmail(const QStringList& headerFields, CsvRecords& records, ContactSink& sink)
{
    const QString joinedHeader = headerFields.join(QLatin1Char(','));
    const QString last = QStringLiteral("Name,E-mail Address");
    const qsizetype from = joinedHeader.indexOf(QLatin1String("First Name,"));
    const qsizetype to = joinedHeader.indexOf(last);
    if (from < 0 || from > to) {
        nameColumn(rt::split(joinedHeader.left(to + last.size()), QStringLiteral(",")), records, sink, last);
        return;
    }
    const QStringList header = rt::split(joinedHeader.mid(from, to + last.size() - from), QStringLiteral(","));
    offerEmailRows(
        records, sink, [&last](const QString& joined) { return joined.contains(last); },
        takeColumns(ImportLayout::NameEmail, header));
}

void primaryPhone(const QStringList& headerFields, CsvRecords& records, ContactSink& sink)
{
    const QStringList header = headerFields.mid(0, 21);
    ContactRecord v;
    QStringList fields;
    while (records.next(fields)) {
        const QStringList cols = fields.mid(0, 21);
        const QString joined = cols.join(QLatin1Char(','));
        if (has(joined, "Primary Phone") && has(joined, "Web Page"))
            continue;
        mapColumns(columnsOf(ImportLayout::PrimaryPhone), header, cols, v);
        v.Birthdate = normaliseBirthDate(v.Birthdate, QLatin1Char('/'), true);
        if (!v.Email.contains(QLatin1Char('@')))
            v.Email.clear();
        v.HPhone = cleanPhone(v.HPhone, contacts::fields::HPhone.width);
        v.CPhone = cleanPhone(v.CPhone, contacts::fields::CPhone.width);
        v.Birthdate = centuryCheck(v.Birthdate);
        for (QString* cleared : {&v.Category, &v.WPhone, &v.FStreet, &v.City, &v.SStreet, &v.Notes, &v.State,
                                 &v.Zip, &v.Country, &v.Company})
            cleared->clear();
        v.IncComp = QStringLiteral("1");
        sink.offer(v);
    }
}

void yahoo(const QStringList& header, CsvRecords& records, ContactSink& sink)
{
    ContactRecord v;
    QStringList cols;
    while (records.next(cols)) {
        const QString joined = cols.join(QLatin1Char(','));
        if (has(joined, "Yahoo! Phone") || has(joined, "Yahoo Phone"))
            continue;
        mapColumns(columnsOf(ImportLayout::Yahoo), header, cols, v);
        v.Birthdate = normaliseBirthDate(v.Birthdate, QLatin1Char('/'), true);
        v.State = rt::ucase(usStateCode(v.State));
        v.HPhone = cleanPhone(v.HPhone, contacts::fields::HPhone.width);
        v.CPhone = cleanPhone(v.CPhone, contacts::fields::CPhone.width);
        v.WPhone = cleanPhone(v.WPhone, contacts::fields::WPhone.width);
        if (v.HPhone.isEmpty() && !v.WPhone.isEmpty())
            v.HPhone = v.WPhone;
        if (v.FStreet.size() < 6)
            v.FStreet.clear();
        addressChecks(v);
        v.Birthdate = centuryCheck(v.Birthdate);
        v.SStreet.clear();
        v.Notes.clear();
        v.IncComp = QStringLiteral("1");
        sink.offer(v);
    }
}

}  // namespace

ImportLayout recogniseLayout(const QString& firstLine)
{
    const QString joined = CsvFields::split(firstLine).join(QLatin1Char(','));
    for (const LayoutRow& row : Layouts) {
        if (row.signature(joined, firstLine))
            return row.layout;
    }
    return ImportLayout::None;
}

bool importCsv(ImportLayout layout, const QStringList& header, CsvRecords& records, ContactSink& sink)
{
    switch (layout) {
    case ImportLayout::OwnCsv: ownCsv(header, records, sink); return true;
    case ImportLayout::EmailColumn: return emailColumn(header, records, sink);
    case ImportLayout::NameEmail: nameEmail(header, records, sink); return true;
    case ImportLayout::PrimaryPhone: primaryPhone(header, records, sink); return true;
    case ImportLayout::Yahoo: yahoo(header, records, sink); return true;
    case ImportLayout::None:
    case ImportLayout::VCard: break;
    }
    return true;
}

}  // namespace transfer
