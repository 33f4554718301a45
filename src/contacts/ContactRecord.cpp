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
    {&ContactRecord::FName, 14},
    {&ContactRecord::MiddleInit, 1},
    {&ContactRecord::LName, 18},
    {&ContactRecord::FStreet, 30},
    {&ContactRecord::SStreet, 15},
    {&ContactRecord::City, 16},
    {&ContactRecord::State, 2},
    {&ContactRecord::Zip, 10},
    {&ContactRecord::Country, 19},
    {&ContactRecord::HPhone, 15},
    {&ContactRecord::CPhone, 15},
    {&ContactRecord::WPhone, 13},
    {&ContactRecord::Email, 50},
    {&ContactRecord::Birthdate, 8},
    {&ContactRecord::Category, 80},
    {&ContactRecord::Notes, 160},
    {&ContactRecord::Company, 30},
    {&ContactRecord::IncComp, 1},
    {&ContactRecord::BdayReminder, 1},
}};

constexpr int layoutLength()
{
    int total = 0;
    for (const Field& f : kFields)
        total += f.width + 1;  // each field is followed by a "|" or, for the last, CR
    return total + 1;          // LF
}
static_assert(layoutLength() == ContactRecord::Length);

constexpr int offsetOf(QString ContactRecord::*member)
{
    int offset = 0;
    for (const Field& f : kFields) {
        if (f.member == member)
            return offset;
        offset += f.width + 1;
    }
    return -1;
}

constexpr bool sameAs(FieldSlice slice, QString ContactRecord::*member, int width)
{
    return slice.offset == offsetOf(member) && slice.width == width;
}

static_assert(sameAs(fields::FName, &ContactRecord::FName, 14) && sameAs(fields::MiddleInit, &ContactRecord::MiddleInit, 1)
              && sameAs(fields::LName, &ContactRecord::LName, 18) && sameAs(fields::FStreet, &ContactRecord::FStreet, 30)
              && sameAs(fields::SStreet, &ContactRecord::SStreet, 15) && sameAs(fields::City, &ContactRecord::City, 16)
              && sameAs(fields::State, &ContactRecord::State, 2) && sameAs(fields::Zip, &ContactRecord::Zip, 10)
              && sameAs(fields::HPhone, &ContactRecord::HPhone, 15) && sameAs(fields::CPhone, &ContactRecord::CPhone, 15)
              && sameAs(fields::Email, &ContactRecord::Email, 50) && sameAs(fields::Category, &ContactRecord::Category, 80)
              && sameAs(fields::Company, &ContactRecord::Company, 30));

}  // namespace

QString storedField(const char* record, FieldSlice field)
{
    return rt::fromCp1252(record + field.offset, field.width);
}

QString trimmedField(const char* record, FieldSlice field)
{
    int begin = 0;
    int end = field.width;
    const char* at = record + field.offset;
    while (begin < end && at[begin] == ' ')
        ++begin;
    while (end > begin && at[end - 1] == ' ')
        --end;
    return rt::fromCp1252(at + begin, end - begin);
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
    const char* at = padded.constData();
    for (const Field& f : kFields) {
        qsizetype begin = 0;
        qsizetype end = f.width;
        while (begin < end && at[begin] == ' ')
            ++begin;
        while (end > begin && at[end - 1] == ' ')
            --end;
        record.*f.member = rt::fromCp1252(at + begin, end - begin);
        at += f.width + 1;
    }
    return record;
}

}  // namespace contacts
