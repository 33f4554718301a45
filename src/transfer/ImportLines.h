#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace transfer {

// Reads an import file line by line without holding it whole, in one pass. A line ends at
// CR LF, a lone CR or a lone LF. A UTF-8 byte-order mark is dropped and a UTF-16 file with a
// byte-order mark is read as its characters; otherwise each line on its own is read as UTF-8
// when it is valid UTF-8, else byte for byte as Windows-1252, so that one stray byte spoils
// no other line. Every line is narrowed to what the contact book holds (Windows-1252, "?"
// elsewhere).
class ImportLines {
public:
    static constexpr qsizetype DefaultMaxLine = 16 * 1024 * 1024;

    // Only a regular file opens (else error 75); a missing file raises 53. Nothing is read
    // yet. A line longer than maxLine bytes raises 7 when it is read.
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
    // The line last read was not UTF-8 and was read byte for byte: rt::toCp1252 gives its
    // bytes back.
    bool lastLineBytewise() const { return m_lastBytewise; }
    qsizetype maxLine() const { return m_maxLine; }

    // Bytes as a line of the file is read: valid UTF-8 as UTF-8, anything else byte for byte
    // as Windows-1252 (bytewise tells which), narrowed to what the book holds.
    static QString decode(QByteArrayView bytes, bool* bytewise = nullptr);

private:
    enum class Encoding { Unknown, Bytes, Utf16LE, Utf16BE };

    bool fill();  // false at the end of the file

    int m_fd = -1;
    qsizetype m_maxLine;
    Encoding m_encoding = Encoding::Unknown;
    QStringDecoder m_utf16;
    QByteArray m_buffer;  // UTF-16 is held as UTF-8
    qsizetype m_pos = 0;
    bool m_eof = false;
    QString m_lastEnd;
    bool m_lastBytewise = false;
};

}  // namespace transfer
