#include "contacts/ContactFile.h"

#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace contacts {

namespace {

constexpr qint64 kChunk = 1 << 20;

// A failed write of the new file names the OS error when there is one; a short write
// with none is a full disk.
[[noreturn]] void raiseWriteError(int fallback)
{
    rt::raise(errno != 0 ? rt::errorFromErrno(errno) : fallback);
}

void writeAll(QSaveFile& to, const char* data, qint64 size)
{
    errno = 0;
    if (to.write(data, size) != size)
        raiseWriteError(rt::err::DiskFull);
}

void copyRange(int from, qint64 begin, qint64 end, QSaveFile& to)
{
    QByteArray buffer;
    for (qint64 at = begin; at < end;) {
        const qint64 want = qMin(kChunk, end - at);
        buffer.resize(want);
        const ssize_t got = ::pread(from, buffer.data(), size_t(want), off_t(at));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            rt::raise(rt::errorFromErrno(errno));
        }
        if (got == 0)
            break;
        writeAll(to, buffer.constData(), got);
        at += got;
    }
}

}  // namespace

ContactFile::ContactFile()
    : m_file(ContactRecord::Length)
{
}

void ContactFile::open(const QString& path)
{
    m_file.open(path);
}

void ContactFile::close()
{
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

void ContactFile::write(qint32 n, const ContactRecord& record)
{
    m_file.write(n, record.toBytes());
}

void ContactFile::append(const ContactRecord& record)
{
    m_file.append(record.toBytes());
}

void ContactFile::remove(qint32 n)
{
    if (!m_file.isOpen())
        rt::raise(rt::err::BadFileName);
    const qint32 count = recordCount();
    if (n < 1 || n > count)
        rt::raise(rt::err::BadRecordNumber);

    // The result is what reading every other record and writing it afresh would give:
    // count - 1 whole records, a short last record padded, bytes past the last counted
    // record dropped.
    const QString target = m_file.path();
    const qint64 length = m_file.length();
    const qint64 recLen = ContactRecord::Length;
    const qint64 keptEnd = qMin(length, qint64(count) * recLen);
    const qint64 wanted = qint64(count - 1) * recLen;

    const QByteArray native = QFile::encodeName(target);
    // Replacing the file through a rename would get round a file that may not be written.
    if (::access(native.constData(), W_OK) != 0)
        rt::raise(rt::errorFromErrno(errno));
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        rt::raise(rt::errorFromErrno(errno));
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    QSaveFile out(target);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        raiseWriteError(rt::err::PathFileAccess);
    copyRange(fd, 0, qint64(n - 1) * recLen, out);
    copyRange(fd, qint64(n) * recLen, keptEnd, out);
    const qint64 written = out.pos();
    if (written < wanted) {
        const QByteArray blanks(wanted - written, ' ');
        writeAll(out, blanks.constData(), blanks.size());
    }
    errno = 0;
    if (!out.commit())
        raiseWriteError(rt::err::PathFileAccess);

    m_file.close();
    m_file.open(target);
}

}  // namespace contacts
