#pragma once

#include "transfer/ContactSink.h"

#include <QByteArrayView>
#include <memory>
#include <vector>

namespace contacts {
class ContactFile;
}

namespace transfer {

// The contacts on file when an import begins, looked up by name (and e-mail) instead of
// reading every record for every imported contact. Records the import itself adds are
// never in it. It holds each distinct key once, packed, so that a book of a million
// contacts costs tens of megabytes and a book of a million blank records next to nothing. An
// import compares either the names alone (vCard) or the names and e-mail, and keeps only the
// keys it compares.
class DuplicateIndex {
public:
    // The first recordCount records of book, read now in blocks (a short last record reads as
    // padded with blanks); raises rt::RuntimeError when the book cannot be read. A count the
    // find list could not hold either raises error 7 before anything is read.
    DuplicateIndex(const contacts::ContactFile& book, qint32 recordCount, bool namesOnly);

    // Names and e-mail: the trimmed first name, last name and e-mail equal those of a
    // record, and none of the three working values is empty. namesOnly leaves out the
    // e-mail. Values are compared as the book would hold them (Windows-1252).
    bool holds(const contacts::ContactRecord& values) const;

private:
    // A set of distinct byte strings: kept one after another in blocks, each after its
    // length byte, and found through an open-addressing table of their places.
    class KeySet {
    public:
        void insert(QByteArrayView key);
        bool contains(QByteArrayView key) const;

    private:
        // Cell: 0 = free, else the high bits of the key's hash over its place + 1.
        static constexpr int kPlaceBits = 40;
        static constexpr quint64 kPlaceMask = (quint64(1) << kPlaceBits) - 1;
        static constexpr int kBlockBits = 20;

        QByteArrayView keyAt(quint64 place) const;
        // The cell holding key, or the free cell where it goes.
        std::size_t probe(QByteArrayView key, std::size_t hash) const;
        void grow();

        std::vector<quint64> m_cells;
        std::size_t m_used = 0;
        std::vector<std::unique_ptr<char[]>> m_blocks;
        quint64 m_end = 0;  // where the next key goes
    };

    bool m_namesOnly;
    KeySet m_keys;
};

}  // namespace transfer
