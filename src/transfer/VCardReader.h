#pragma once

#include "transfer/ContactSink.h"

#include <QString>
#include <QStringList>

namespace transfer {

class ImportLines;

// Reads the cards of a vCard file (2.1, 3.0 and 4.0 alike) into working values and offers
// each card at its END:VCARD. Takes the first and last name (from FN when N gives neither),
// one home address (else the first untyped or work address), home, cell and work telephone
// numbers (an untyped one as home number when no home line gives one; fax and pager lines
// none), the birth date, a note, one e-mail address (the preferred one when a card marks one)
// and the company.
class VCardReader {
public:
    struct Property {
        QString group;        // "item3" of item3.ADR
        QString name;         // upper case
        QStringList types;    // TYPE values and bare 2.1 parameters but encodings, upper case
        QString charset;
        bool quotedPrintable = false;
        bool preferred = false;  // TYPE=PREF or PREF=1
        QString value;        // decoded (quoted-printable, charset), still escaped
    };

    // What a card has given so far.
    struct Card {
        contacts::ContactRecord v;
        QString fullName;
        bool preferredEmail = false;
        QString otherPhone;  // the first untyped number
        bool homeAddress = false;
        bool otherAddress = false;
        contacts::ContactRecord other;  // the first untyped or work address
        // Completes v once the card has ended.
        const contacts::ContactRecord& finish();
    };

    // firstLine: the line that lines read last and nobody has used yet.
    VCardReader(ImportLines& lines, const QString& firstLine);
    void run(ContactSink& sink);

    // One logical line: folded lines joined, quoted-printable soft line breaks joined.
    // bytewise: some line of it was read byte for byte (not UTF-8).
    bool nextLogicalLine(QString& line, bool* bytewise = nullptr);

    // bytewise: the line was read byte for byte, so a CHARSET names the code of its value.
    static bool parse(const QString& line, Property& out, bool bytewise = false);
    static QString unescape(QStringView text);
    // The value split at unescaped ";", each component unescaped.
    static QStringList components(const QString& value);
    static QByteArray decodeQuotedPrintable(const QString& text);
    // Applies one property to the card being read.
    static void apply(const Property& p, Card& card);

private:
    ImportLines& m_lines;
    QString m_pending;
    QString m_next;
    bool m_hasPending = false;
    bool m_pendingBytewise = false;
    int m_deferredError = 0;
};

}  // namespace transfer
