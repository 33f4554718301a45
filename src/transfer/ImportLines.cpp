#include "transfer/ImportLines.h"

#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <cerrno>
#include <cstring>
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

bool ImportLines::isValidUtf8(const char* data, qsizetype size, int* pending)
{
    const auto* s = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int need;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            need = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            need = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            need = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else {
            return false;
        }
        if (i + need >= size) {
            // The sequence may continue in the next chunk: check what is here.
            for (qsizetype k = 1; i + k < size; ++k) {
                const unsigned char t = s[i + k];
                if (k == 1 ? (t < lo || t > hi) : (t < 0x80 || t > 0xBF))
                    return false;
            }
            if (!pending)
                return false;
            *pending = int(size - i);
            return true;
        }
        if (s[i + 1] < lo || s[i + 1] > hi)
            return false;
        for (int k = 2; k <= need; ++k) {
            if (s[i + k] < 0x80 || s[i + k] > 0xBF)
                return false;
        }
        i += need + 1;
    }
    if (pending)
        *pending = 0;
    return true;
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
        QByteArray chunk(ChunkBytes + 4, Qt::Uninitialized);
        int carry = 0;
        bool valid = true;
        for (;;) {
            const ssize_t n = readSome(m_fd, chunk.data() + carry, size_t(ChunkBytes));
            if (n < 0)
                rt::raise(rt::errorFromErrno(errno));
            if (n == 0) {
                valid = carry == 0;
                break;
            }
            const qsizetype have = carry + n;
            int pending = 0;
            if (!isValidUtf8(chunk.constData(), have, &pending)) {
                valid = false;
                break;
            }
            std::memmove(chunk.data(), chunk.constData() + have - pending, size_t(pending));
            carry = pending;
        }
        m_encoding = valid ? Encoding::Utf8 : Encoding::Cp1252;
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
    QString line = rt::narrowToCp1252(m_buffer.mid(m_pos, i - m_pos));
    if (i >= n) {
        m_lastEnd.clear();
        m_pos = n;
    } else if (m_buffer[i] == QLatin1Char('\r') && i + 1 < n && m_buffer[i + 1] == QLatin1Char('\n')) {
        m_lastEnd = QStringLiteral("\r\n");
        m_pos = i + 2;
    } else {
        m_lastEnd = QString(m_buffer[i]);
        m_pos = i + 1;
    }
    return line;
}

}  // namespace transfer
