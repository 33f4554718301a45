#include "contacts/ContactRecord.h"

#include "runtime/Codepage.h"
#include "runtime/Text.h"

#include <algorithm>
#include <array>

namespace contacts {

namespace {

struct Field {
    QString ContactRecord::*member;
    int width;
};

constexpr std::array<Field, 19> kFields = {{
    {&ContactRecord::FName, fields::FName.width},
    {&ContactRecord::MiddleInit, fields::MiddleInit.width},
    {&ContactRecord::LName, fields::LName.width},
    {&ContactRecord::FStreet, fields::FStreet.width},
    {&ContactRecord::SStreet, fields::SStreet.width},
    {&ContactRecord::City, fields::City.width},
    {&ContactRecord::State, fields::State.width},
    {&ContactRecord::Zip, fields::Zip.width},
    {&ContactRecord::Country, fields::Country.width},
    {&ContactRecord::HPhone, fields::HPhone.width},
    {&ContactRecord::CPhone, fields::CPhone.width},
    {&ContactRecord::WPhone, fields::WPhone.width},
    {&ContactRecord::Email, fields::Email.width},
    {&ContactRecord::Birthdate, fields::Birthdate.width},
    {&ContactRecord::Category, fields::Category.width},
    {&ContactRecord::Notes, fields::Notes.width},
    {&ContactRecord::Company, fields::Company.width},
    {&ContactRecord::IncComp, fields::IncComp.width},
    {&ContactRecord::BdayReminder, fields::BdayReminder.width},
}};

// The slices of `fields` follow one another in this order, each followed by a "|" or, for
// the last, CR LF.
constexpr bool slicesInOrder()
{
    const FieldSlice slices[] = {fields::FName,  fields::MiddleInit, fields::LName,   fields::FStreet, fields::SStreet,
                                 fields::City,   fields::State,      fields::Zip,     fields::Country, fields::HPhone,
                                 fields::CPhone, fields::WPhone,     fields::Email,   fields::Birthdate,
                                 fields::Category, fields::Notes,    fields::Company, fields::IncComp,
                                 fields::BdayReminder};
    int offset = 0;
    for (const FieldSlice& slice : slices) {
        if (slice.offset != offset)
            return false;
        offset += slice.width + 1;
    }
    return offset + 1 == ContactRecord::Length;
}
static_assert(slicesInOrder());

}  // namespace

QString storedField(const char* record, FieldSlice field)
{
    return rt::fromCp1252(record + field.offset, field.width);
}

QByteArrayView trimmedBytes(const char* record, FieldSlice field)
{
    int begin = 0;
    int end = field.width;
    const char* at = record + field.offset;
    while (begin < end && at[begin] == ' ')
        ++begin;
    while (end > begin && at[end - 1] == ' ')
        --end;
    return QByteArrayView(at + begin, end - begin);
}

QString trimmedField(const char* record, FieldSlice field)
{
    const QByteArrayView bytes = trimmedBytes(record, field);
    return rt::fromCp1252(bytes.data(), bytes.size());
}

QByteArray ContactRecord::toBytes() const
{
    QByteArray out(Length, '|');
    char* at = out.data();
    for (const Field& f : kFields) {
        QStringView value = this->*f.member;
        qsizetype skip = 0;
        while (skip < value.size() && value[skip] == QLatin1Char(' '))
            ++skip;
        const qsizetype written = rt::toCp1252(value.mid(skip), at, f.width);
        // A record is also one text line of the book: no line break, tab or other control
        // character may reach it, whatever the source (a pasted note, an imported file).
        std::replace_if(at, at + written, [](char c) { return rt::isControl(uchar(c)); }, ' ');
        std::fill(at + written, at + f.width, ' ');
        at += f.width + 1;  // past the "|" already there
    }
    out[Length - 2] = '\r';
    out[Length - 1] = '\n';
    return out;
}

ContactRecord ContactRecord::fromBytes(const QByteArray& bytes)
{
    const QByteArray padded = bytes.leftJustified(Length, ' ', true);
    ContactRecord record;
    int offset = 0;
    for (const Field& f : kFields) {
        record.*f.member = trimmedField(padded.constData(), FieldSlice{offset, f.width});
        offset += f.width + 1;
    }
    return record;
}

}  // namespace contacts
