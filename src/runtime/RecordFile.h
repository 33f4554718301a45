#pragma once

#include <QByteArray>
#include <QString>

namespace rt {

// A record-access file: fixed record length, records numbered from 1. Opening a missing
// file creates it empty. Errors raise RuntimeError (52 no file open, 63 bad record
// number, OS errors mapped by errorFromErrno).
class RecordFile {
public:
    explicit RecordFile(int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    void open(const QString& path);
    void close();  // no error when not open
    // Exchanges the open files (and record lengths) of the two.
    void swap(RecordFile& other) noexcept;
    bool isOpen() const;
    QString path() const;
    // Whether the path still names the open file (same device and inode).
    bool pathNamesOpenFile() const;
    int recordLength() const { return m_recordLength; }

    qint64 length() const;
    qint64 recordCount() const;  // length / record length, rounded half to even

    // Record n; a short last record is padded with blanks; beyond the end: all blanks.
    QByteArray read(qint64 n) const;
    // Records first .. first+count-1 in one read, each as read() gives it: a short last
    // record padded with blanks, records beyond the end all blanks.
    QByteArray readRecords(qint64 first, qint64 count) const;
    // Calls visit(record bytes, record number) for records 1 to count in file order, read in
    // blocks of about 2 MB: the passes over a whole file decode only what they need.
    template <class Visit>
    void forEachRecord(qint64 count, Visit visit) const;
    // Writes record n in place (touching nothing else); n = count + 1 appends. The bytes
    // are padded with blanks or cut to the record length. A failed write puts back the old
    // bytes and length, so that no record is left half written.
    void write(qint64 n, const QByteArray& bytes);
    // The same for whole records from n on in one write (bytes a multiple of the record
    // length).
    void writeRecords(qint64 n, const QByteArray& bytes);
    void append(const QByteArray& bytes);

private:
    int m_recordLength;
    int m_fd = -1;
    QString m_path;
};

template <class Visit>
void RecordFile::forEachRecord(qint64 count, Visit visit) const
{
    const qint64 perBlock = qMax<qint64>(1, (qint64(2) << 20) / m_recordLength);
    for (qint64 first = 1; first <= count; first += perBlock) {
        const qint64 n = qMin(perBlock, count - first + 1);
        const QByteArray block = readRecords(first, n);
        for (qint64 i = 0; i < n; ++i)
            visit(block.constData() + i * m_recordLength, first + i);
    }
}

}  // namespace rt
