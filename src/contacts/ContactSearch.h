#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace contacts {

class ContactFile;

// The field a search looks in, by the codes of the View All Contacts window's options.
enum class SearchField : std::int16_t {
    FirstName = 0,
    LastName = 1,
    City = 2,
    State = 3,
    Zip = 4,
    Email = 5,
    Category = 6,
    All = 7,  // every contact, nothing compared
    Company = 8,
};

enum class NameOrder : std::int16_t { FirstName = 0, LastName = 1 };
enum class ColumnSet { Email, Street };

struct SearchQuery {
    SearchField field = SearchField::All;
    QString text;  // as typed, never trimmed
    NameOrder order = NameOrder::FirstName;
    ColumnSet columns = ColumnSet::Street;
};

// One line of the contact list and the record it came from.
struct ListEntry {
    QString text;
    qint32 record = 0;
};

struct SearchResult {
    std::vector<ListEntry> entries;  // in record order, as the list receives them (run)
    std::vector<qint32> listed;      // the record numbers in list order (runSorted)
    qint32 found = 0;
    QString foundCaption;    // "Contacts Found = N"
    bool showSearch = false;  // a field search shows its words; "view all" hides them
    QString searchCaption;   // "Last name = smith"
};

// Get report of the contact list without its window: one pass over the open contact file
// in large blocks, keeping the contacts whose field holds the search text and building
// their tab-columned list lines.
class ContactSearch {
public:
    explicit ContactSearch(const SearchQuery& query);

    // Every match's list line in record order. The program lists through runSorted; run and
    // sortAsList are kept only as the tests' reference for what runSorted must give.
    // Raises rt::RuntimeError like the file it reads (52 when no file is open), and 7 for a
    // book of more records than FindList::maxItems() before reading any.
    SearchResult run(const ContactFile& file) const;
    // The same over records already in memory, 518 bytes each, numbered from 1.
    SearchResult run(const QByteArray& records, qint64 count) const;
    // The same pass keeping only the matches' record numbers, sorted as the sorted list holds
    // their lines: no line is built, each match's key is written from its record's bytes.
    SearchResult runSorted(const ContactFile& file) const;

    // Whether one record matches and, when it does, its list line.
    bool matches(const char* record) const;
    QString listLine(const char* record) const;

    // The list's tab stops and the heading strip of a column set.
    static std::array<int, 7> tabStops(ColumnSet columns);
    static QString heading(ColumnSet columns);

    // Sorts the entries as the sorted list control holds them (the tests' reference, with run).
    static void sortAsList(std::vector<ListEntry>& entries);

private:
    void keep(const char* record, qint32 n, SearchResult& out) const;
    void finish(SearchResult& out, qint32 found) const;
    // The list line, written as text or as its list key.
    template <class Out>
    void writeLine(const char* record, Out& out) const;

    SearchQuery m_query;
    QString m_upperText;
};

}  // namespace contacts
