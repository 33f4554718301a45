#include "transfer/ImportLines.h"

#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace transfer {

namespace {

constexpr qsizetype ChunkBytes = 64 * 1024;

ssize_t readSome(int fd, char* buffer, size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

}  // namespace

ImportLines::ImportLines(const QString& path, qsizetype maxLine)
    : m_maxLine(maxLine)
{
    if (path.isEmpty())
        rt::raise(rt::err::PathFileAccess);
    // Non-blocking so that a FIFO or a device is refused instead of waited on.
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        rt::raise(rt::errorFromErrno(errno));
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        rt::raise(rt::err::PathFileAccess);
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
}

ImportLines::~ImportLines()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString ImportLines::decode(QByteArrayView bytes, bool* bytewise)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    const bool bad = utf8.hasError();
    if (bytewise)
        *bytewise = bad;
    // Bytes read one by one are in the code page already.
    return bad ? rt::fromCp1252(bytes.data(), bytes.size()) : rt::narrowToCp1252(text);
}

bool ImportLines::fill()
{
    if (m_eof)
        return false;
    char chunk[ChunkBytes];
    ssize_t n = 0;
    // The first bytes are read whole for the byte-order mark.
    const ssize_t want = m_encoding == Encoding::Unknown ? 3 : 1;
    do {
        const ssize_t got = readSome(m_fd, chunk + n, sizeof chunk - size_t(n));
        if (got < 0)
            rt::raise(rt::errorFromErrno(errno));
        if (got == 0)
            break;
        n += got;
    } while (n < want);
    QByteArrayView bytes(chunk, n);
    if (m_encoding == Encoding::Unknown) {
        m_encoding = Encoding::Bytes;
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            bytes = bytes.sliced(3);
        } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
            m_encoding = bytes[0] == '\xFF' ? Encoding::Utf16LE : Encoding::Utf16BE;
            m_utf16 =
                QStringDecoder(m_encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Default);
            bytes = bytes.sliced(2);
        }
    }
    if (n == 0) {
        m_eof = true;
        return false;
    }
    if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    if (m_encoding == Encoding::Bytes)
        m_buffer += bytes;
    else
        m_buffer += QString(m_utf16.decode(bytes)).toUtf8();
    return true;
}

bool ImportLines::atEnd()
{
    while (m_pos >= m_buffer.size()) {
        if (!fill())
            return true;
    }
    return false;
}

QString ImportLines::readLine()
{
    QString line;
    readLine(line);
    return line;
}

void ImportLines::readLine(QString& line)
{
    if (atEnd())
        rt::raise(rt::err::InputPastEnd);
    qsizetype i = m_pos;
    for (;;) {
        const qsizetype n = m_buffer.size();
        const char* d = m_buffer.constData();
        while (i < n && d[i] != '\r' && d[i] != '\n')
            ++i;
        if (i - m_pos > m_maxLine)
            rt::raise(rt::err::OutOfMemory);
        // A CR at the end of what is read may be the first half of CR LF.
        if (i < n - 1 || (i == n - 1 && d[i] == '\n'))
            break;
        const qsizetype offset = i - m_pos;
        if (!fill()) {
            i = m_pos + offset;
            break;
        }
        i = m_pos + offset;
    }
    const qsizetype n = m_buffer.size();
    const QByteArrayView bytes = QByteArrayView(m_buffer).sliced(m_pos, i - m_pos);
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; })) {
        // Plain ASCII, the usual line: into the memory line already holds.
        line.resize(bytes.size());
        std::copy(bytes.begin(), bytes.end(), line.data());
        m_lastBytewise = false;
    } else {
        line = decode(bytes, &m_lastBytewise);
    }
    if (i >= n) {
        m_lastEnd.clear();
        m_pos = n;
    } else if (m_buffer[i] == '\r' && i + 1 < n && m_buffer[i + 1] == '\n') {
        m_lastEnd = QStringLiteral("\r\n");
        m_pos = i + 2;
    } else {
        m_lastEnd = m_buffer[i] == '\r' ? QStringLiteral("\r") : QStringLiteral("\n");
        m_pos = i + 1;
    }
}

}  // namespace transfer
