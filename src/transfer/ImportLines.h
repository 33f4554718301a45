#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace transfer {

// Reads an import file line by line without holding it whole. A line ends at CR LF, a lone
// CR or a lone LF. The text is decoded once for the whole file: a UTF-8 byte-order mark is
// dropped, a UTF-16 file with a byte-order mark is read as its characters, a file that is
// valid UTF-8 as UTF-8, anything else byte for byte as Windows-1252. Every line is narrowed
// to what the contact book holds (Windows-1252, "?" elsewhere).
class ImportLines {
public:
    static constexpr qsizetype DefaultMaxLine = 16 * 1024 * 1024;

    // Only a regular file opens (else error 75); a missing file raises 53. A line longer
    // than maxLine characters raises 7 when it is read.
    explicit ImportLines(const QString& path, qsizetype maxLine = DefaultMaxLine);
    ~ImportLines();
    ImportLines(const ImportLines&) = delete;
    ImportLines& operator=(const ImportLines&) = delete;

    bool atEnd();
    // The next line without its end; past the end raises 62.
    QString readLine();
    // The same into line, reusing its memory.
    void readLine(QString& line);
    // What ended the line last read: "\r\n", "\r", "\n", or "" at the end of the file.
    QString lastLineEnd() const { return m_lastEnd; }
    qsizetype maxLine() const { return m_maxLine; }

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Cp1252 };

    void detectEncoding();
    bool fill();  // false at the end of the file

    int m_fd = -1;
    qsizetype m_maxLine;
    Encoding m_encoding = Encoding::Cp1252;
    QStringDecoder m_decoder;
    QString m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    QString m_lastEnd;
};

}  // namespace transfer
