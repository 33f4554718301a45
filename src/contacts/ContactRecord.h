#pragma once

#include <QByteArray>
#include <QString>

namespace contacts {

// One contact: 518 bytes in fixed-width fields separated by "|", ending in CR LF, one
// byte per character in Windows-1252. Only the data fields are held here; the
// separators and the line end are constant.
struct ContactRecord {
    static constexpr int Length = 518;

    QString FName;         // 14
    QString MiddleInit;    // 1
    QString LName;         // 18
    QString FStreet;       // 30
    QString SStreet;       // 15
    QString City;          // 16
    QString State;         // 2
    QString Zip;           // 10
    QString Country;       // 19
    QString HPhone;        // 15
    QString CPhone;        // 15
    QString WPhone;        // 13
    QString Email;         // 50
    QString Birthdate;     // 8, YYYYMMDD or blank
    QString Category;      // 80
    QString Notes;         // 160
    QString Company;       // 30
    QString IncComp;       // 1
    QString BdayReminder;  // 1

    // Writer: each field left-aligned, leading blanks removed, padded with blanks and cut
    // to its width; characters outside Windows-1252 become "?".
    QByteArray toBytes() const;
    // Reader: each field trimmed at both ends. Shorter input reads as if padded with blanks.
    static ContactRecord fromBytes(const QByteArray& bytes);

    bool operator==(const ContactRecord&) const = default;
};

}  // namespace contacts
