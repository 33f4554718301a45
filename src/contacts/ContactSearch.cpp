#include "contacts/ContactSearch.h"

#include "contacts/ContactFile.h"
#include "contacts/ContactRecord.h"
#include "contacts/FindList.h"
#include "contacts/ListOrder.h"
#include "runtime/Codepage.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QFile>
#include <algorithm>

namespace contacts {

namespace {

const QString kUnknownCity = QStringLiteral("Unknown").leftJustified(16);
const QString kUnknownZip = QStringLiteral("Unknown   ");
const QString kNoPhone(22, QLatin1Char(' '));

// A city or zip too short to mean anything shows as "Unknown", and is searched as such.
QString preparedCity(const char* record)
{
    const QString city = storedField(record, fields::City);
    return rt::trim(city).size() < 2 ? kUnknownCity : city;
}

QString preparedZip(const char* record)
{
    const QString zip = storedField(record, fields::Zip);
    return rt::trim(zip).size() < 2 ? kUnknownZip : zip;
}

QString phone(const char* record, FieldSlice s)
{
    const QString stored = storedField(record, s);
    return rt::val(stored) < 1 ? kNoPhone : stored;
}

QString initial(const char* record)
{
    const char c = record[fields::MiddleInit.offset];
    return c >= 'A' && c <= 'Z' ? QString(QLatin1Char(c)) + QLatin1String(". ") : QString();
}

QString street(const char* record)
{
    const QString s = trimmedField(record, fields::FStreet);
    if (s.size() < 2)
        return QString(40, QLatin1Char(' '));
    if (s.size() <= 19 && s.size() >= 3)
        return s + QString(12, QLatin1Char(' '));
    return s;
}

QString fieldCaptionOf(SearchField f)
{
    switch (f) {
    case SearchField::FirstName: return QStringLiteral("First name");
    case SearchField::LastName: return QStringLiteral("Last name");
    case SearchField::City: return QStringLiteral("City");
    case SearchField::State: return QStringLiteral("State");
    case SearchField::Zip: return QStringLiteral("Zip");
    case SearchField::Email: return QStringLiteral("Email");
    case SearchField::Category: return QStringLiteral("Category");
    case SearchField::Company: return QStringLiteral("Company name");
    case SearchField::All: break;
    }
    return {};
}

}  // namespace

ContactSearch::ContactSearch(const SearchQuery& query) : m_query(query), m_upperText(rt::ucase(query.text)) {}

bool ContactSearch::matches(const char* record) const
{
    QString value;
    switch (m_query.field) {
    case SearchField::All: return true;
    case SearchField::FirstName: value = storedField(record, fields::FName); break;
    case SearchField::LastName: value = storedField(record, fields::LName); break;
    case SearchField::City: value = preparedCity(record); break;
    case SearchField::State: value = storedField(record, fields::State); break;
    case SearchField::Zip: value = preparedZip(record); break;
    case SearchField::Email: value = storedField(record, fields::Email); break;
    case SearchField::Category: value = storedField(record, fields::Category); break;
    case SearchField::Company: value = storedField(record, fields::Company); break;
    default: return false;
    }
    value = rt::trim(value);
    if (value.isEmpty())
        return false;
    if (m_query.field == SearchField::Zip)
        return value.contains(m_query.text);
    return rt::ucase(value).contains(m_upperText);
}

QString ContactSearch::listLine(const char* record) const
{
    // A tab or line end stored in a field (a book another program wrote) shows as a blank,
    // so that the line keeps its seven parts for the labels and the report that split it.
    const auto shown = [](const QString& text) { return rt::blankControls(text); };
    const QString first = shown(trimmedField(record, fields::FName));
    const QString last = shown(trimmedField(record, fields::LName));
    const QString name = m_query.order == NameOrder::LastName
                             ? last + QLatin1String(", ") + first + QLatin1Char(' ') + initial(record)
                             : first + QLatin1Char(' ') + initial(record) + last;
    const QChar tab(u'\t');
    const QString city = shown(preparedCity(record));
    const QString state = shown(storedField(record, fields::State));
    const QString zip = shown(preparedZip(record));
    const QString home = shown(phone(record, fields::HPhone));
    const QString cell = shown(phone(record, fields::CPhone));
    QString line = name + tab;
    if (m_query.columns == ColumnSet::Email) {
        line += city + tab + state + tab + zip + tab + home + tab + cell + tab + shown(storedField(record, fields::Email));
    } else {
        line += shown(street(record)) + QLatin1Char(' ') + shown(trimmedField(record, fields::SStreet)) + tab + city +
                tab + state + tab + zip + QLatin1String("      ") + tab + home + tab + cell;
    }
    return line;
}

SearchResult ContactSearch::run(const QByteArray& records, qint64 count) const
{
    QByteArray padded = records;
    if (padded.size() < count * ContactRecord::Length)
        padded.append(QByteArray(count * ContactRecord::Length - padded.size(), ' '));
    SearchResult out;
    for (qint64 i = 0; i < count; ++i)
        keep(padded.constData() + i * ContactRecord::Length, static_cast<qint32>(i + 1), out);
    finish(out);
    return out;
}

SearchResult ContactSearch::run(const ContactFile& file) const
{
    const qint32 count = file.recordCount();
    // Every record may be listed: a book the find list could not hold is refused before
    // the pass, not after it has taken all of memory.
    if (count > FindList::maxItems())
        rt::raise(rt::err::OutOfMemory);
    SearchResult out;
    file.forEachRecord(count, [&](const char* record, qint32 n) { keep(record, n, out); });
    finish(out);
    return out;
}

void ContactSearch::keep(const char* record, qint32 n, SearchResult& out) const
{
    if (matches(record))
        out.entries.push_back({listLine(record), n});
}

void ContactSearch::finish(SearchResult& out) const
{
    out.found = static_cast<qint32>(out.entries.size());
    out.foundCaption = QStringLiteral("Contacts Found = %1").arg(out.found);
    const QString caption = fieldCaptionOf(m_query.field);
    out.showSearch = !caption.isEmpty();
    if (out.showSearch)
        out.searchCaption = caption + QLatin1String(" = ") + m_query.text;
}

std::array<int, 7> ContactSearch::tabStops(ColumnSet columns)
{
    if (columns == ColumnSet::Email)
        return {100, 110, 120, 154, 176, 212, 242};
    return {70, 70, 76, 120, 170, 200, 230};
}

QString ContactSearch::heading(ColumnSet columns)
{
    struct Heading {
        const char* text;
        int at;
    };
    static const std::vector<Heading> email{{"Name", 0},  {"City", 35}, {"ST", 54},           {"Zip", 61},
                                            {"Home", 73}, {"Cell", 86}, {"Email Address", 109}};
    static const std::vector<Heading> street{{"Name", 0}, {"Street", 23}, {"City", 59}, {"ST", 80},
                                             {"Zip", 89}, {"Home", 112},  {"Cell", 132}};
    QString out;
    for (const Heading& h : columns == ColumnSet::Email ? email : street)
        out = out.leftJustified(h.at) + QLatin1String(h.text);
    return out;
}

void ContactSearch::sortAsList(std::vector<ListEntry>& entries)
{
    contacts::sortAsList(entries, [](const ListEntry& entry) -> const QString& { return entry.text; });
}

}  // namespace contacts
