#pragma once

#include <QString>
#include <QStringList>

namespace transfer {

class ImportLines;

// Splits CSV text into fields by RFC 4180: a field in double quotes may hold commas, doubled
// quotes and line breaks; the quoting is removed. A quote inside an unquoted field, or text
// after a closing quote, is kept as it stands. Fields are separated by "," unless told
// otherwise (the text export's "|").
class CsvFields {
public:
    explicit CsvFields(QChar separator = u',') : m_separator(separator) {}

    void feed(QStringView text);
    // Inside a quoted field: the record goes on with the next line.
    bool open() const { return m_state == State::Quoted; }
    // The fields fed so far; text with no characters gives no fields. Starts afresh.
    QStringList take();

    static QStringList split(QStringView text, QChar separator = u',');

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    QChar m_separator;
    QStringList m_fields;
    QString m_field;
    State m_state = State::FieldStart;
    bool m_any = false;
};

// CSV records of an import file: a record spans lines while a quoted field is open; an
// empty line and a record whose every field is blank are skipped. A record longer than the
// reader's line limit raises 7.
class CsvRecords {
public:
    explicit CsvRecords(ImportLines& lines) : m_lines(lines) {}
    // The record that begins with firstLine (already read), continued as needed.
    QStringList complete(const QString& firstLine);
    // The next record holding some text; false at the end of the file.
    bool next(QStringList& fields);

private:
    ImportLines& m_lines;
};

}  // namespace transfer
