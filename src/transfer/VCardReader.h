#pragma once

#include "transfer/ContactSink.h"

#include <QString>
#include <QStringList>

namespace transfer {

class ImportLines;

// Reads the cards of a vCard file (2.1, 3.0 and 4.0 alike) into working values and offers
// each card at its END:VCARD. Takes the first and last name (from FN when N gives neither),
// one home address, home, cell and work telephone numbers, the birth date, a note, one
// e-mail address and the company.
class VCardReader {
public:
    struct Property {
        QString group;        // "item3" of item3.ADR
        QString name;         // upper case
        QStringList types;    // TYPE values and bare 2.1 parameters, upper case
        QString charset;
        bool quotedPrintable = false;
        QString value;        // decoded (quoted-printable, charset), still escaped
    };

    explicit VCardReader(ImportLines& lines) : m_lines(lines) {}
    void run(ContactSink& sink);

    // One logical line: folded lines joined, quoted-printable soft line breaks joined.
    bool nextLogicalLine(QString& line);

    static bool parse(const QString& line, Property& out);
    static QString unescape(QStringView text);
    // The value split at unescaped ";", each component unescaped.
    static QStringList components(const QString& value);
    static QByteArray decodeQuotedPrintable(const QString& text);
    // Applies one property to the card being read.
    static void apply(const Property& p, contacts::ContactRecord& v);

private:
    ImportLines& m_lines;
    QString m_pending;
    QString m_next;
    bool m_hasPending = false;
    int m_deferredError = 0;
};

}  // namespace transfer
