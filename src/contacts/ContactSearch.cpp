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

// A city or zip too short to mean anything shows as "Unknown", and is searched as such.
constexpr QLatin1StringView kUnknownCity("Unknown         ");
constexpr QLatin1StringView kUnknownZip("Unknown   ");

bool tooShort(const char* record, FieldSlice field)
{
    return trimmedBytes(record, field).size() < 2;
}

QString prepared(const char* record, FieldSlice field, QLatin1StringView unknown)
{
    return tooShort(record, field) ? QString(unknown) : storedField(record, field);
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
    case SearchField::City: value = prepared(record, fields::City, kUnknownCity); break;
    case SearchField::State: value = storedField(record, fields::State); break;
    case SearchField::Zip: value = prepared(record, fields::Zip, kUnknownZip); break;
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

namespace {

// A field's bytes, all its width.
QByteArrayView storedBytes(const char* record, FieldSlice field)
{
    return QByteArrayView(record + field.offset, field.width);
}

// The list line as the list shows it. A tab or line end stored in a field (a book another
// program wrote) shows as a blank, so that the line keeps its seven parts for the labels and
// the report that split it.
class LineText {
public:
    LineText() { line.reserve(200); }
    void field(QByteArrayView s) { line += rt::blankControls(rt::fromCp1252(s.data(), s.size())); }
    void literal(QLatin1StringView text) { line += text; }
    void blanks(int count) { line += QString(count, QLatin1Char(' ')); }
    QString line;
};

// The same line as its list key, written straight from the record's bytes.
class LineKey {
public:
    explicit LineKey(std::string& key) : m_key(key) {}
    void field(QByteArrayView s) { ListKey::appendBytes(s.data(), int(s.size()), true, m_key); }
    void literal(QLatin1StringView text) { ListKey::appendBytes(text.data(), text.size(), false, m_key); }
    void blanks(int count) { ListKey::appendBlanks(count, m_key); }

private:
    std::string& m_key;
};

// The city or the zip, or "Unknown" in its width when it is too short to mean anything.
template <class Out>
void knownOf(const char* record, FieldSlice field, QLatin1StringView unknown, Out& out)
{
    if (tooShort(record, field))
        out.literal(unknown);
    else
        out.field(storedBytes(record, field));
}

template <class Out>
void phoneOf(const char* record, FieldSlice slice, Out& out)
{
    const QByteArrayView s = storedBytes(record, slice);
    // An empty phone (a blank field, worth 0) needs no text to be judged.
    if (trimmedBytes(record, slice).isEmpty() || rt::val(rt::fromCp1252(s.data(), s.size())) < 1)
        out.blanks(22);
    else
        out.field(s);
}

template <class Out>
void streetOf(const char* record, Out& out)
{
    const QByteArrayView s = trimmedBytes(record, fields::FStreet);
    if (s.size() < 2) {
        out.blanks(40);
        return;
    }
    out.field(s);
    if (s.size() <= 19 && s.size() >= 3)
        out.blanks(12);
}

// Every record may be listed: a book the find list could not hold is refused before the
// pass, not after it has taken all of memory.
qint32 listableCount(const ContactFile& file)
{
    const qint32 count = file.recordCount();
    FindList::requireListable(count);
    return count;
}

}  // namespace

template <class Out>
void ContactSearch::writeLine(const char* record, Out& out) const
{
    const QByteArrayView first = trimmedBytes(record, fields::FName);
    const QByteArrayView last = trimmedBytes(record, fields::LName);
    const char* initial = record + fields::MiddleInit.offset;
    const auto writeInitial = [&] {
        if (*initial >= 'A' && *initial <= 'Z') {
            out.literal(QLatin1StringView(initial, 1));
            out.literal(QLatin1StringView(". "));
        }
    };
    if (m_query.order == NameOrder::LastName) {
        out.field(last);
        out.literal(QLatin1StringView(", "));
        out.field(first);
        out.literal(QLatin1StringView(" "));
        writeInitial();
    } else {
        out.field(first);
        out.literal(QLatin1StringView(" "));
        writeInitial();
        out.field(last);
    }
    const QLatin1StringView tab("\t");
    out.literal(tab);
    if (m_query.columns == ColumnSet::Email) {
        knownOf(record, fields::City, kUnknownCity, out);
        out.literal(tab);
        out.field(storedBytes(record, fields::State));
        out.literal(tab);
        knownOf(record, fields::Zip, kUnknownZip, out);
        out.literal(tab);
        phoneOf(record, fields::HPhone, out);
        out.literal(tab);
        phoneOf(record, fields::CPhone, out);
        out.literal(tab);
        out.field(storedBytes(record, fields::Email));
    } else {
        streetOf(record, out);
        out.literal(QLatin1StringView(" "));
        out.field(trimmedBytes(record, fields::SStreet));
        out.literal(tab);
        knownOf(record, fields::City, kUnknownCity, out);
        out.literal(tab);
        out.field(storedBytes(record, fields::State));
        out.literal(tab);
        knownOf(record, fields::Zip, kUnknownZip, out);
        out.blanks(6);
        out.literal(tab);
        phoneOf(record, fields::HPhone, out);
        out.literal(tab);
        phoneOf(record, fields::CPhone, out);
    }
}

QString ContactSearch::listLine(const char* record) const
{
    LineText out;
    writeLine(record, out);
    return out.line;
}

SearchResult ContactSearch::runSorted(const ContactFile& file) const
{
    const qint32 count = listableCount(file);
    KeyedRows keyed;
    if (m_query.field == SearchField::All)
        keyed.reserve(std::size_t(count), std::size_t(count) * 176);
    file.forEachRecord(count, [&](const char* record, qint32 n) {
        if (!matches(record))
            return;
        LineKey key(keyed.key());
        writeLine(record, key);
        keyed.add(n);
    });
    SearchResult out;
    out.listed = keyed.sortedIds();
    finish(out, qint32(out.listed.size()));
    return out;
}

SearchResult ContactSearch::run(const QByteArray& records, qint64 count) const
{
    QByteArray padded = records;
    if (padded.size() < count * ContactRecord::Length)
        padded.append(QByteArray(count * ContactRecord::Length - padded.size(), ' '));
    SearchResult out;
    for (qint64 i = 0; i < count; ++i)
        keep(padded.constData() + i * ContactRecord::Length, static_cast<qint32>(i + 1), out);
    finish(out, qint32(out.entries.size()));
    return out;
}

SearchResult ContactSearch::run(const ContactFile& file) const
{
    const qint32 count = listableCount(file);
    SearchResult out;
    file.forEachRecord(count, [&](const char* record, qint32 n) { keep(record, n, out); });
    finish(out, qint32(out.entries.size()));
    return out;
}

void ContactSearch::keep(const char* record, qint32 n, SearchResult& out) const
{
    if (matches(record))
        out.entries.push_back({listLine(record), n});
}

void ContactSearch::finish(SearchResult& out, qint32 found) const
{
    out.found = found;
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
