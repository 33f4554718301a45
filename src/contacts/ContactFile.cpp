#include "contacts/ContactFile.h"

#include "runtime/RuntimeError.h"
#include "runtime/SaveFile.h"

#include <limits>

namespace contacts {

ContactFile::ContactFile()
    : m_file(ContactRecord::Length)
{
}

void ContactFile::open(const QString& path)
{
    ++m_revision;
    m_file.open(path);
}

void ContactFile::close()
{
    ++m_revision;
    m_file.close();
}

bool ContactFile::isOpen() const
{
    return m_file.isOpen();
}

QString ContactFile::path() const
{
    return m_file.path();
}

qint64 ContactFile::lengthBytes() const
{
    return m_file.length();
}

qint32 ContactFile::recordCount() const
{
    const qint64 count = m_file.recordCount();
    if (count > std::numeric_limits<qint32>::max())
        rt::raise(rt::err::Overflow);
    return qint32(count);
}

ContactRecord ContactFile::read(qint32 n) const
{
    return ContactRecord::fromBytes(m_file.read(n));
}

QByteArray ContactFile::readRecords(qint32 first, qint32 count) const
{
    return m_file.readRecords(first, count);
}

void ContactFile::requireSameFile() const
{
    if (m_file.isOpen() && !m_file.pathNamesOpenFile())
        rt::raise(rt::err::PathFileAccess);
}

void ContactFile::write(qint32 n, const ContactRecord& record)
{
    requireSameFile();
    ++m_revision;
    m_file.write(n, record.toBytes());
}

void ContactFile::writeRecords(qint32 n, const QByteArray& records)
{
    ++m_revision;
    m_file.writeRecords(n, records);
}

void ContactFile::append(const ContactRecord& record)
{
    ++m_revision;
    m_file.append(record.toBytes());
}

void ContactFile::remove(qint32 n)
{
    const qint32 count = recordCount();
    if (n < 1 || n > count)
        rt::raise(rt::err::BadRecordNumber);
    // Rewriting a replaced book from the old one's records would lose the new one.
    requireSameFile();
    ++m_revision;

    // Every other record read and written afresh: a short last record comes back padded,
    // bytes past the last counted record are dropped. QSaveFile refuses to replace a file
    // that may not be written.
    const QString target = m_file.path();
    rt::saveFile(
        target,
        [&](QIODevice& out) {
            QByteArray chunk;
            for (qint32 k = 1; k <= count; ++k) {
                if (k != n)
                    chunk += m_file.read(k);
                if (chunk.size() >= (1 << 20) || k == count) {
                    rt::writeBlock(out, chunk);
                    chunk.clear();
                }
            }
        },
        rt::err::PathFileAccess);

    m_file.close();
    m_file.open(target);
}

}  // namespace contacts
