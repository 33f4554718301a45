#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace contacts {

class ContactFile;

// The lines of the Contact Information window's find list, one per record: the text of
// ContactRules::findListText and the record number.
class FindList {
public:
    using Item = std::pair<QString, qint32>;

    // Appends the lines of records 1 to count in the order of the sorted lists
    // (rt::compareListText), equal texts in record order: read in large blocks, decoding only
    // the three name fields, sorted on compact keys written from the records' bytes. What was
    // read before a failure stays in items, sorted. A count beyond maxItems() raises error 7
    // before anything is allocated.
    static void read(const ContactFile& file, qint32 count, std::vector<Item>& items);

    // The most lines this machine can list: a book beyond it would exhaust memory (or take
    // ages) before a single line showed.
    static qint64 maxItems();
    // Raises error 7 for a book of more records than maxItems(): every pass that keeps
    // something a record (a list, the import's duplicate index) or that would run for ages
    // over such a book (an export) refuses it at once, as the lists do.
    static void requireListable(qint64 count);
};

}  // namespace contacts
