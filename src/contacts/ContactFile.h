#pragma once

#include "contacts/ContactRecord.h"
#include "runtime/RecordFile.h"

#include <QString>
#include <algorithm>

namespace contacts {

// The one open contact file: record access with 518-byte records numbered from 1.
// Every access while no file is open raises error 52; a record number below 1 raises 63.
class ContactFile {
public:
    ContactFile();

    // Opens path (creating it empty when missing); a failed open leaves no file open.
    void open(const QString& path);
    void close();  // closing when none is open is no error
    // Exchanges the open files: a file opened afresh replaces the one in use only once it
    // is open.
    void swap(ContactFile& other) noexcept { m_file.swap(other.m_file); }
    bool isOpen() const;
    QString path() const;

    qint64 lengthBytes() const;
    qint32 recordCount() const;  // length / 518, rounded half to even

    ContactRecord read(qint32 n) const;  // a short last record reads as padded
    // The bytes of records first .. first+count-1 in one read (see rt::RecordFile).
    QByteArray readRecords(qint32 first, qint32 count) const;
    // Calls visit(record bytes, record number) for records 1 to count in file order, read in
    // large blocks: the passes over the whole book decode only the fields they need.
    template <class Visit>
    void forEachRecord(qint32 count, Visit visit) const;
    void write(qint32 n, const ContactRecord& record);  // n = count + 1 appends
    // Records from n on, their bytes one after the other, in one write; the caller has run
    // requireSameFile once for its run of writes (an import).
    void writeRecords(qint32 n, const QByteArray& records);
    void append(const ContactRecord& record);
    // Rewrites the file without record n through a temporary file and a rename, then
    // reopens it.
    // Write and remove refuse with error 75 when the path no longer names the file that is
    // open (the book was replaced or removed behind the program's back).
    void remove(qint32 n);

    // Goes up with every open, close and change of the book through this object: what was
    // read at one revision still holds while the revision stays.
    quint64 revision() const { return m_revision; }

    // Raises 75 when the path no longer names the file that is open.
    void requireSameFile() const;

private:

    rt::RecordFile m_file;
    quint64 m_revision = 0;
};

template <class Visit>
void ContactFile::forEachRecord(qint32 count, Visit visit) const
{
    m_file.forEachRecord(count, [&visit](const char* record, qint64 n) { visit(record, qint32(n)); });
}

}  // namespace contacts
