#pragma once

#include "transfer/ContactSink.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace contacts {
class ContactFile;
}

namespace transfer {

// The contacts on file when an import begins, looked up by name (and e-mail) instead of
// reading every record for every imported contact. Records the import itself adds are
// never in it. It holds only the keys, packed, so that a book of a million contacts costs
// tens of megabytes.
class DuplicateIndex {
public:
    // The first recordCount records of book, read in blocks (a short last record reads as
    // padded with blanks).
    DuplicateIndex(const contacts::ContactFile& book, qint32 recordCount);

    // Names and e-mail: the trimmed first name, last name and e-mail equal those of a
    // record, and none of the three working values is empty. namesOnly leaves out the
    // e-mail. Values are compared as the book would hold them (Windows-1252).
    bool holds(const contacts::ContactRecord& values, bool namesOnly) const;

private:
    struct Entry {
        qint64 start;  // in m_keys
        quint16 namesLength;
        quint16 length;
    };
    // Open addressing over the entries: cell = entry index + 1, 0 = free.
    struct Table {
        std::vector<quint32> cells;
        void insert(size_t hash, quint32 entry);
    };

    QByteArrayView key(const Entry& e, bool namesOnly) const;
    bool find(const Table& table, QByteArrayView wanted, bool namesOnly) const;

    // Per record: first name, 0x1F, last name, 0x1F, e-mail, each trimmed, as stored.
    QByteArray m_keys;
    std::vector<Entry> m_entries;
    Table m_names;
    Table m_namesAndEmail;
};

}  // namespace transfer
