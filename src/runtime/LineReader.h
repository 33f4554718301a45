#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rt {

// Reads text lines: a line ends at CR LF or at a lone CR; a lone LF stays inside the line
// unless lfEndsLine is set (vCard input). A last line without a line end is returned; a
// file ending in a line end has no empty line after it.
class LineReader {
public:
    enum class LineEnds { CrLfOrCr, AlsoLf };

    explicit LineReader(QString text, LineEnds ends = LineEnds::CrLfOrCr);

    // The bytes as the program reads a file (decodeTextFile).
    static LineReader fromBytes(const QByteArray& bytes, LineEnds ends = LineEnds::CrLfOrCr);
    // Reads the whole file; a missing file raises 53, other failures as mapped from errno.
    static LineReader fromFile(const QString& path, LineEnds ends = LineEnds::CrLfOrCr);

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line without its line end; at the end of the text raises 62.
    QString readLine();

    // Every line at once.
    static QStringList splitLines(const QString& text, LineEnds ends = LineEnds::CrLfOrCr);

private:
    QString m_text;
    qsizetype m_pos = 0;
    LineEnds m_ends;
};

// Reads a whole file as bytes; errors raise RuntimeError (53 missing, mapped from errno).
QByteArray readWholeFile(const QString& path);

}  // namespace rt
