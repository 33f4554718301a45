#include "runtime/RecordFile.h"

#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace rt {

namespace {

[[noreturn]] void raiseOs(int osError)
{
    raise(errorFromErrno(osError));
}

// Reads up to size bytes at offset; fewer only at the end of the file.
void readAt(int fd, char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, data + done, size_t(size - done), off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            raiseOs(errno);
        }
        if (got == 0)
            break;
        done += got;
    }
}

void writeAt(int fd, const char* data, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(fd, data + done, size_t(size - done), off_t(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            raiseOs(errno == EBADF ? EACCES : errno);
        }
        if (put == 0)
            raiseOs(ENOSPC);
        done += put;
    }
}

}  // namespace

RecordFile::RecordFile(int recordLength)
    : m_recordLength(recordLength)
{
    Q_ASSERT(recordLength > 0);
}

RecordFile::~RecordFile()
{
    close();
}

void RecordFile::swap(RecordFile& other) noexcept
{
    std::swap(m_recordLength, other.m_recordLength);
    std::swap(m_fd, other.m_fd);
    m_path.swap(other.m_path);
}

void RecordFile::open(const QString& path)
{
    close();
    if (path.isEmpty())
        raise(err::PathFileAccess);
    const QByteArray native = QFile::encodeName(path);
    // Like a classic random-access open: read and write when allowed, else read only.
    int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        const int first = errno;
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            errno = first;
    }
    if (fd < 0) {
        // With O_CREAT a missing entry can only be a missing folder.
        if (errno == ENOENT)
            raise(err::PathNotFound);
        raiseOs(errno);
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        raise(err::PathFileAccess);
    }
    m_fd = fd;
    m_path = path;
}

void RecordFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool RecordFile::isOpen() const
{
    return m_fd >= 0;
}

QString RecordFile::path() const
{
    return m_path;
}

bool RecordFile::pathNamesOpenFile() const
{
    if (m_fd < 0)
        return false;
    struct stat open;
    struct stat named;
    if (::fstat(m_fd, &open) != 0 || ::stat(QFile::encodeName(m_path).constData(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

qint64 RecordFile::length() const
{
    if (m_fd < 0)
        raise(err::BadFileName);
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        raiseOs(errno);
    return qint64(st.st_size);
}

qint64 RecordFile::recordCount() const
{
    return divideRoundHalfEven(length(), m_recordLength);
}

QByteArray RecordFile::read(qint64 n) const
{
    if (m_fd < 0)
        raise(err::BadFileName);
    if (n < 1)
        raise(err::BadRecordNumber);
    QByteArray bytes(m_recordLength, ' ');
    if (n - 1 > std::numeric_limits<qint64>::max() / m_recordLength - 1)
        return bytes;
    const qint64 offset = (n - 1) * m_recordLength;
    readAt(m_fd, bytes.data(), m_recordLength, offset);  // a short last record stays padded
    return bytes;
}

QByteArray RecordFile::readRecords(qint64 first, qint64 count) const
{
    if (m_fd < 0)
        raise(err::BadFileName);
    if (first < 1)
        raise(err::BadRecordNumber);
    if (count < 0 || count > std::numeric_limits<int>::max() / m_recordLength)
        raise(err::OutOfMemory);
    QByteArray bytes(qsizetype(count) * m_recordLength, ' ');
    if (first - 1 > std::numeric_limits<qint64>::max() / m_recordLength - count)
        return bytes;
    readAt(m_fd, bytes.data(), bytes.size(), (first - 1) * m_recordLength);
    return bytes;
}

void RecordFile::write(qint64 n, const QByteArray& bytes)
{
    writeRecords(n, bytes.leftJustified(m_recordLength, ' ', true));
}

void RecordFile::writeRecords(qint64 n, const QByteArray& record)
{
    if (m_fd < 0)
        raise(err::BadFileName);
    if (n < 1 || n - 1 > (std::numeric_limits<qint64>::max() / m_recordLength) - 1)
        raise(err::BadRecordNumber);
    const qint64 offset = (n - 1) * m_recordLength;
    const qint64 size = length();
    QByteArray old;
    if (offset < size) {
        old.resize(qMin<qint64>(record.size(), size - offset));
        readAt(m_fd, old.data(), old.size(), offset);
    }
    try {
        // Writing past the end would leave a hole of zero bytes; blanks keep every record
        // before it reading as padded.
        if (offset > size) {
            const QByteArray blanks(qMin<qint64>(offset - size, 65536), ' ');
            for (qint64 at = size; at < offset; at += blanks.size())
                writeAt(m_fd, blanks.constData(), qMin<qint64>(blanks.size(), offset - at), at);
        }
        writeAt(m_fd, record.constData(), record.size(), offset);
    } catch (...) {
        // Best effort: the failure being reported is the write's own.
        if (!old.isEmpty()) {
            [[maybe_unused]] const auto put = ::pwrite(m_fd, old.constData(), size_t(old.size()), off_t(offset));
        }
        if (offset + record.size() > size) {
            [[maybe_unused]] const int cut = ::ftruncate(m_fd, off_t(size));
        }
        throw;
    }
}

void RecordFile::append(const QByteArray& bytes)
{
    write(recordCount() + 1, bytes);
}

}  // namespace rt
