#include "contacts/ContactSearch.h"

#include "contacts/ContactFile.h"
#include "contacts/ContactRecord.h"
#include "contacts/ListOrder.h"
#include "runtime/Codepage.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QFile>
#include <algorithm>

namespace contacts {

namespace {

struct Slice {
    int offset;
    int width;
};

// Field positions in a 518-byte record: each field is followed by one separator byte.
constexpr Slice kFName{0, 14};
constexpr Slice kMiddleInit{15, 1};
constexpr Slice kLName{17, 18};
constexpr Slice kFStreet{36, 30};
constexpr Slice kSStreet{67, 15};
constexpr Slice kCity{83, 16};
constexpr Slice kState{100, 2};
constexpr Slice kZip{103, 10};
constexpr Slice kHPhone{134, 15};
constexpr Slice kCPhone{150, 15};
constexpr Slice kEmail{180, 50};
constexpr Slice kCategory{240, 80};
constexpr Slice kCompany{482, 30};
static_assert(kCompany.offset + kCompany.width + 6 == ContactRecord::Length);

constexpr qint64 kBlockRecords = 4096;

const QString kUnknownCity = QStringLiteral("Unknown").leftJustified(16);
const QString kUnknownZip = QStringLiteral("Unknown   ");
const QString kNoPhone(22, QLatin1Char(' '));

QString field(const char* record, Slice s)
{
    return rt::fromCp1252(record + s.offset, s.width);
}

// A city or zip too short to mean anything shows as "Unknown", and is searched as such.
QString preparedCity(const char* record)
{
    const QString city = field(record, kCity);
    return rt::trim(city).size() < 2 ? kUnknownCity : city;
}

QString preparedZip(const char* record)
{
    const QString zip = field(record, kZip);
    return rt::trim(zip).size() < 2 ? kUnknownZip : zip;
}

QString phone(const char* record, Slice s)
{
    const QString stored = field(record, s);
    return rt::val(stored) < 1 ? kNoPhone : stored;
}

QString initial(const char* record)
{
    const char c = record[kMiddleInit.offset];
    return c >= 'A' && c <= 'Z' ? QString(QLatin1Char(c)) + QLatin1String(". ") : QString();
}

QString street(const char* record)
{
    const QString s = rt::trim(field(record, kFStreet));
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

void scan(const ContactSearch& search, const char* data, qint64 count, qint64 firstRecord, SearchResult& out)
{
    for (qint64 i = 0; i < count; ++i) {
        const char* record = data + i * ContactRecord::Length;
        if (search.matches(record))
            out.entries.push_back({search.listLine(record), static_cast<qint32>(firstRecord + i)});
    }
}

}  // namespace

ContactSearch::ContactSearch(const SearchQuery& query) : m_query(query), m_upperText(rt::ucase(query.text)) {}

bool ContactSearch::matches(const char* record) const
{
    QString value;
    switch (m_query.field) {
    case SearchField::All: return true;
    case SearchField::FirstName: value = field(record, kFName); break;
    case SearchField::LastName: value = field(record, kLName); break;
    case SearchField::City: value = preparedCity(record); break;
    case SearchField::State: value = field(record, kState); break;
    case SearchField::Zip: value = preparedZip(record); break;
    case SearchField::Email: value = field(record, kEmail); break;
    case SearchField::Category: value = field(record, kCategory); break;
    case SearchField::Company: value = field(record, kCompany); break;
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
    const QString first = rt::trim(field(record, kFName));
    const QString last = rt::trim(field(record, kLName));
    const QString name = m_query.order == NameOrder::LastName
                             ? last + QLatin1String(", ") + first + QLatin1Char(' ') + initial(record)
                             : first + QLatin1Char(' ') + initial(record) + last;
    const QChar tab(u'\t');
    QString line = name + tab;
    if (m_query.columns == ColumnSet::Email) {
        line += preparedCity(record) + tab + field(record, kState) + tab + preparedZip(record) + tab +
                phone(record, kHPhone) + tab + phone(record, kCPhone) + tab + field(record, kEmail);
    } else {
        line += street(record) + QLatin1Char(' ') + rt::trim(field(record, kSStreet)) + tab + preparedCity(record) +
                tab + field(record, kState) + tab + preparedZip(record) + QLatin1String("      ") + tab +
                phone(record, kHPhone) + tab + phone(record, kCPhone);
    }
    return line;
}

SearchResult ContactSearch::run(const QByteArray& records, qint64 count) const
{
    QByteArray padded = records;
    if (padded.size() < count * ContactRecord::Length)
        padded.append(QByteArray(count * ContactRecord::Length - padded.size(), ' '));
    SearchResult out;
    scan(*this, padded.constData(), count, 1, out);
    finish(out);
    return out;
}

SearchResult ContactSearch::run(const ContactFile& file) const
{
    const qint64 count = file.recordCount();
    SearchResult out;
    for (qint64 first = 1; first <= count; first += kBlockRecords) {
        const qint64 n = std::min(kBlockRecords, count - first + 1);
        const QByteArray block = file.readRecords(static_cast<qint32>(first), static_cast<qint32>(n));
        scan(*this, block.constData(), n, first, out);
    }
    finish(out);
    return out;
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

QString ContactSearch::fieldCaption(SearchField field)
{
    return fieldCaptionOf(field);
}

void ContactSearch::sortAsList(std::vector<ListEntry>& entries)
{
    contacts::sortAsList(entries, [](const ListEntry& entry) -> const QString& { return entry.text; });
}

}  // namespace contacts
