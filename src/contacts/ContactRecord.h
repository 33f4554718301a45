#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace contacts {

// One contact: 518 bytes in fixed-width fields separated by "|", ending in CR LF, one
// byte per character in Windows-1252. Only the data fields are held here; the
// separators and the line end are constant. Where each field lies: `fields` below.
struct ContactRecord {
    static constexpr int Length = 518;

    QString FName;
    QString MiddleInit;
    QString LName;
    QString FStreet;
    QString SStreet;
    QString City;
    QString State;
    QString Zip;
    QString Country;
    QString HPhone;
    QString CPhone;
    QString WPhone;
    QString Email;
    QString Birthdate;  // YYYYMMDD or blank
    QString Category;
    QString Notes;
    QString Company;
    QString IncComp;
    QString BdayReminder;

    // Writer: each field left-aligned, leading blanks removed, padded with blanks and cut
    // to its width; characters outside Windows-1252 become "?".
    QByteArray toBytes() const;
    // Reader: each field trimmed at both ends. Shorter input reads as if padded with blanks.
    static ContactRecord fromBytes(const QByteArray& bytes);

    bool operator==(const ContactRecord&) const = default;
};

// Where a field lies in a record's bytes, for the passes over the whole book that decode
// only the fields they show or search.
struct FieldSlice {
    int offset;
    int width;
};

namespace fields {
inline constexpr FieldSlice FName{0, 14};
inline constexpr FieldSlice MiddleInit{15, 1};
inline constexpr FieldSlice LName{17, 18};
inline constexpr FieldSlice FStreet{36, 30};
inline constexpr FieldSlice SStreet{67, 15};
inline constexpr FieldSlice City{83, 16};
inline constexpr FieldSlice State{100, 2};
inline constexpr FieldSlice Zip{103, 10};
inline constexpr FieldSlice Country{114, 19};
inline constexpr FieldSlice HPhone{134, 15};
inline constexpr FieldSlice CPhone{150, 15};
inline constexpr FieldSlice WPhone{166, 13};
inline constexpr FieldSlice Email{180, 50};
inline constexpr FieldSlice Birthdate{231, 8};
inline constexpr FieldSlice Category{240, 80};
inline constexpr FieldSlice Notes{321, 160};
inline constexpr FieldSlice Company{482, 30};
inline constexpr FieldSlice IncComp{513, 1};
inline constexpr FieldSlice BdayReminder{515, 1};
}  // namespace fields

// The bytes of a field of the record at `record`, blanks at both ends left out.
QByteArrayView trimmedBytes(const char* record, FieldSlice field);
// A field of the record at `record` as stored, all its width.
QString storedField(const char* record, FieldSlice field);
// The same trimmed at both ends, as the reader gives it.
QString trimmedField(const char* record, FieldSlice field);

}  // namespace contacts
