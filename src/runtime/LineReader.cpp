#include "runtime/LineReader.h"

#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rt {

LineReader::LineReader(QString text, LineEnds ends)
    : m_text(std::move(text))
    , m_ends(ends)
{
}

LineReader LineReader::fromBytes(const QByteArray& bytes, LineEnds ends)
{
    return LineReader(decodeTextFile(bytes), ends);
}

LineReader LineReader::fromFile(const QString& path, LineEnds ends)
{
    return fromBytes(readWholeFile(path), ends);
}

QString LineReader::readLine()
{
    if (atEnd())
        raise(err::InputPastEnd);
    const qsizetype n = m_text.size();
    const bool lfEnds = m_ends == LineEnds::AlsoLf;
    qsizetype i = m_pos;
    while (i < n) {
        const QChar c = m_text[i];
        if (c == QLatin1Char('\r') || (lfEnds && c == QLatin1Char('\n')))
            break;
        ++i;
    }
    QString line = m_text.mid(m_pos, i - m_pos);
    if (i < n && m_text[i] == QLatin1Char('\r') && i + 1 < n && m_text[i + 1] == QLatin1Char('\n'))
        m_pos = i + 2;
    else
        m_pos = i + 1;
    if (m_pos > n)
        m_pos = n;
    return line;
}

QStringList LineReader::splitLines(const QString& text, LineEnds ends)
{
    QStringList lines;
    LineReader reader(text, ends);
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

QByteArray readWholeFile(const QString& path)
{
    if (path.isEmpty())
        raise(err::PathFileAccess);
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        raise(errorFromErrno(errno));
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            raise(errorFromErrno(e));
        }
        if (got == 0)
            break;
        data.append(buffer, got);
    }
    ::close(fd);
    return data;
}

}  // namespace rt
