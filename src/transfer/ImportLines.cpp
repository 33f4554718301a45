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
    detectEncoding();
}

ImportLines::~ImportLines()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ImportLines::detectEncoding()
{
    char head[3];
    ssize_t got = 0;
    while (got < 3) {
        const ssize_t n = readSome(m_fd, head + got, size_t(3 - got));
        if (n < 0)
            rt::raise(rt::errorFromErrno(errno));
        if (n == 0)
            break;
        got += n;
    }
    const QByteArray start(head, got);
    off_t bodyStart = 0;
    if (start.startsWith("\xEF\xBB\xBF")) {
        bodyStart = 3;
    } else if (start.startsWith("\xFF\xFE")) {
        m_encoding = Encoding::Utf16LE;
        bodyStart = 2;
    } else if (start.startsWith("\xFE\xFF")) {
        m_encoding = Encoding::Utf16BE;
        bodyStart = 2;
    }
    if (m_encoding == Encoding::Cp1252) {
        if (::lseek(m_fd, bodyStart, SEEK_SET) < 0)
            rt::raise(rt::errorFromErrno(errno));
        // One pass over the whole file: a single bad sequence anywhere makes it Windows-1252.
        QStringDecoder utf8(QStringConverter::Utf8);
        char chunk[ChunkBytes];
        for (;;) {
            const ssize_t n = readSome(m_fd, chunk, sizeof chunk);
            if (n < 0)
                rt::raise(rt::errorFromErrno(errno));
            // A sequence cut by the end of the file shows only when more text follows it.
            [[maybe_unused]] const QString text = n == 0 ? utf8("\n") : utf8(QByteArrayView(chunk, n));
            if (n == 0 || utf8.hasError())
                break;
        }
        m_encoding = utf8.hasError() ? Encoding::Cp1252 : Encoding::Utf8;
    }
    if (::lseek(m_fd, bodyStart, SEEK_SET) < 0)
        rt::raise(rt::errorFromErrno(errno));
    if (m_encoding != Encoding::Cp1252) {
        const auto enc = m_encoding == Encoding::Utf8 ? QStringConverter::Utf8
            : m_encoding == Encoding::Utf16LE        ? QStringConverter::Utf16LE
                                                     : QStringConverter::Utf16BE;
        m_decoder = QStringDecoder(enc, QStringConverter::Flag::Default);
    }
}

bool ImportLines::fill()
{
    if (m_eof)
        return false;
    char chunk[ChunkBytes];
    const ssize_t n = readSome(m_fd, chunk, sizeof chunk);
    if (n < 0)
        rt::raise(rt::errorFromErrno(errno));
    if (n == 0) {
        m_eof = true;
        return false;
    }
    if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    if (m_encoding == Encoding::Cp1252)
        m_buffer += rt::fromCp1252(chunk, n);
    else
        m_buffer += m_decoder.decode(QByteArrayView(chunk, n));
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
        const QChar* d = m_buffer.constData();
        while (i < n && d[i] != QLatin1Char('\r') && d[i] != QLatin1Char('\n'))
            ++i;
        if (i - m_pos > m_maxLine)
            rt::raise(rt::err::OutOfMemory);
        // A CR at the end of what is read may be the first half of CR LF.
        if (i < n - 1 || (i == n - 1 && d[i] == QLatin1Char('\n')))
            break;
        const qsizetype offset = i - m_pos;
        if (!fill()) {
            i = m_pos + offset;
            break;
        }
        i = m_pos + offset;
    }
    const qsizetype n = m_buffer.size();
    line.resize(i - m_pos);
    std::copy(m_buffer.constData() + m_pos, m_buffer.constData() + i, line.data());
    line = rt::narrowToCp1252(line);
    if (i >= n) {
        m_lastEnd.clear();
        m_pos = n;
    } else if (m_buffer[i] == QLatin1Char('\r') && i + 1 < n && m_buffer[i + 1] == QLatin1Char('\n')) {
        m_lastEnd = QStringLiteral("\r\n");
        m_pos = i + 2;
    } else {
        m_lastEnd = m_buffer[i] == QLatin1Char('\r') ? QStringLiteral("\r") : QStringLiteral("\n");
        m_pos = i + 1;
    }
}

}  // namespace transfer
