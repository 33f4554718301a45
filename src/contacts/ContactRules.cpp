#include "contacts/ContactRules.h"

#include "runtime/Codepage.h"
#include "runtime/Numeric.h"
#include "runtime/Text.h"

#include <QDate>

namespace contacts {

using F = ContactField;

namespace {

const QString kDateError = QStringLiteral("Date error");
const QString kIncorrectEntry = QStringLiteral("Incorrect entry");

const char* const kCaptions[kContactFieldCount] = {
    "First Name", "Middle Initial", "Last Name", "Street Address", "Additional Street Info/Apt", "City", "State",
    "Zip Code", "Country", "Home Phone", "Cell Phone", "Work Phone", "Email Address", "Birthdate", "Category",
    "Notes", "Company Name"};

// One part of a typed MM/DD/YYYY date: digits, blanks around them allowed.
bool datePart(const QString& text, int& value)
{
    const QString digits = rt::trim(text);
    if (digits.isEmpty())
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    value = digits.toInt();
    return true;
}

// Whether a text with the slashes in place names a day of the calendar (month/day/year).
bool isCalendarDate(const QString& typed)
{
    int month = 0;
    int day = 0;
    int year = 0;
    if (!datePart(typed.mid(0, 2), month) || !datePart(typed.mid(3, 2), day) || !datePart(typed.mid(6, 4), year))
        return false;
    return year >= 1 && QDate(year, month, day).isValid();
}

// A phone number as stored: no brackets, blanks or plus signs, the closing bracket as a dash.
QString cleanPhone(QString text)
{
    text = rt::replace(text, QStringLiteral("("), QString());
    text = rt::replace(text, QStringLiteral(")"), QStringLiteral("-"));
    text = rt::replace(text, QStringLiteral(" "), QString());
    return rt::replace(text, QStringLiteral("+"), QString());
}

// The characters of a text the contact file cannot hold, each once, in order.
QString unstorable(const QString& text)
{
    QString found;
    for (const uint u : text.toUcs4()) {
        const char32_t c = u;
        const QString one = QString::fromUcs4(&c, 1);
        if (!rt::inCp1252(c) && !found.contains(one))
            found += one;
    }
    return found;
}

}  // namespace

namespace ContactRules {

std::optional<Refusal> checkBirthdate(const QString& b)
{
    if (b.isEmpty())
        return std::nullopt;
    QString message;
    if (b.size() != 10 || b.at(2) != u'/' || b.at(5) != u'/')
        message = QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
    else if (!rt::readsAsNumber(b.right(4)))
        message = QStringLiteral("Year must be an actual 4-digit year.  Example: 1988");
    else if (b.endsWith(u' '))
        message = QStringLiteral("Year must be a 4-digit year, no spaces.  Example: 1988");
    else if (rt::val(b.left(2)) > 12)
        message = QStringLiteral("Month must be a number no greater than 12.  Example: 07");
    else if (!rt::readsAsNumber(b.left(2)))
        message = QStringLiteral("Month must be a 2-digit month.  Example: 08");
    else if (!isCalendarDate(b))
        message = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988");
    else if (b.at(3) == u' ' || b.at(4) == u' ')
        message = QStringLiteral("Day must be a 2-digit day, no spaces.  Example: 26");
    else if (b.at(0) == u' ')
        message = QStringLiteral("Month must be a 2-digit month, no spaces.  Example: 03");
    else if (b.at(1) == u' ')
        message = QStringLiteral("Month must be a 2-digit month, no spaces.  Example: 07");
    else if (b.contains(u' '))
        message = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988");
    if (message.isEmpty())
        return std::nullopt;
    return Refusal{F::Birthdate, kDateError, message};
}

SaveCheck checkAndClean(const ContactValues& typed)
{
    SaveCheck out{typed, std::nullopt};
    ContactValues& v = out.values;
    const QString comma = QStringLiteral(",");
    auto refuse = [&out](F field, const QString& message) {
        out.refusal = Refusal{field, kIncorrectEntry, message};
        return out;
    };
    auto tooLong = [&v](F field, int width) { return length(v[field]) > width; };
    auto drop = [&v](F field, const QString& what, const QString& with = QString()) {
        v[field] = rt::replace(v[field], what, with);
    };

    // Whatever reached a box, a record holds neither line breaks nor characters its code
    // page lacks: such a character would be stored as "?" and the contact quietly changed.
    for (int i = 0; i < kContactFieldCount; ++i) {
        const auto field = static_cast<F>(i);
        v[field] = rt::blankControls(v[field]);
        const QString bad = unstorable(v[field]);
        if (!bad.isEmpty()) {
            out.refusal = Refusal{field, QStringLiteral("Contact not saved"),
                                  QString::fromLatin1(kCaptions[i])
                                      + QStringLiteral(" holds characters that cannot be saved: ") + bad};
            return out;
        }
    }

    // Most boxes: refused when too long, else their commas go.
    const auto fits = [&](F field, int width, const char* message) {
        if (tooLong(field, width)) {
            refuse(field, QString::fromLatin1(message));
            return false;
        }
        drop(field, comma);
        return true;
    };
    if (!fits(F::FName, fields::FName.width, "First name must be 14 characters or less."))
        return out;
    drop(F::MiddleInit, QStringLiteral("."));
    drop(F::MiddleInit, comma);
    if (tooLong(F::MiddleInit, fields::MiddleInit.width))
        return refuse(F::MiddleInit, QStringLiteral("Enter only 1 character for middle initial."));
    if (v[F::LName].isEmpty())
        return refuse(F::LName, QStringLiteral("Enter last name, 18 characters or less."));
    if (!fits(F::LName, fields::LName.width, "Enter last name, 18 characters or less.")
        || !fits(F::FStreet, fields::FStreet.width, "Street address must be 30 characters or less.")
        || !fits(F::SStreet, fields::SStreet.width, "Street address2 must be 15 characters or less."))
        return out;
    if (tooLong(F::City, fields::City.width))
        return refuse(F::City, QStringLiteral("City must be 16 characters or less."));
    if (!v[F::State].isEmpty() && length(v[F::State]) != 2)
        return refuse(F::State, QStringLiteral("State must be 2 character abbreviation."));
    drop(F::State, comma);
    if (!fits(F::Zip, fields::Zip.width, "Zip Code must be 10 characters or less.")
        || !fits(F::Country, fields::Country.width, "Country must be 19 characters or less. For example, USA.")
        || !fits(F::Company, fields::Company.width, "Company Name must be 30 characters or less."))
        return out;
    const struct {
        F field;
        int width;
        const char* message;
    } phones[] = {{F::HPhone, fields::HPhone.width, "Home Phone must be 15 characters or less."},
                  {F::CPhone, fields::CPhone.width, "Cell Phone must be 15 characters or less."},
                  {F::WPhone, fields::WPhone.width, "Work Phone must be 13 characters or less."}};
    for (const auto& phone : phones) {
        v[phone.field] = cleanPhone(v[phone.field]);
        if (!fits(phone.field, phone.width, phone.message))
            return out;
    }

    const QString& email = v[F::Email];
    if (tooLong(F::Email, fields::Email.width))
        return refuse(F::Email, QStringLiteral("Email address must be 50 characters or less."));
    if (email.contains(u','))
        return refuse(F::Email, QStringLiteral("Email address cannot contain a comma."));
    if (email.contains(u' '))
        return refuse(F::Email, QStringLiteral("Email address cannot contain a space."));
    if (!email.isEmpty() && !email.contains(u'@'))
        return refuse(F::Email, QStringLiteral("Email address must contain the '@' character."));
    if (!email.isEmpty() && !email.contains(u'.'))
        return refuse(F::Email, QStringLiteral("Email address must contain the '.' character."));

    if (tooLong(F::Category, fields::Category.width))
        return refuse(F::Category, QStringLiteral("Category must be 80 characters or less."));
    drop(F::Category, comma, QStringLiteral(" "));
    if (tooLong(F::Notes, fields::Notes.width))
        return refuse(F::Notes, QStringLiteral("Notes must be 160 characters or less."));
    drop(F::Notes, comma, QStringLiteral(" "));
    drop(F::City, comma);
    return out;
}

ContactRecord toRecord(const ContactValues& v, bool includeCompany, bool reminder)
{
    ContactRecord record;
    record.FName = v[F::FName];
    record.MiddleInit = rt::ucase(v[F::MiddleInit]);
    record.LName = v[F::LName];
    record.FStreet = v[F::FStreet];
    record.SStreet = v[F::SStreet];
    record.City = v[F::City];
    record.State = rt::ucase(v[F::State]);
    record.Zip = v[F::Zip];
    record.Country = rt::ucase(v[F::Country]);
    record.HPhone = v[F::HPhone];
    record.CPhone = v[F::CPhone];
    record.WPhone = v[F::WPhone];
    record.Email = v[F::Email];
    record.Birthdate = storedBirthdate(v[F::Birthdate]);
    record.Category = v[F::Category];
    record.Notes = v[F::Notes];
    record.Company = v[F::Company];
    record.IncComp = includeCompany ? QStringLiteral("1") : QStringLiteral("0");
    record.BdayReminder = reminder ? QStringLiteral("1") : QStringLiteral("0");
    return record;
}

ContactValues fromRecord(const ContactRecord& r)
{
    ContactValues v;
    const QString ContactRecord::* const fields[] = {
        &ContactRecord::FName, &ContactRecord::MiddleInit, &ContactRecord::LName, &ContactRecord::FStreet,
        &ContactRecord::SStreet, &ContactRecord::City, &ContactRecord::State, &ContactRecord::Zip,
        &ContactRecord::Country, &ContactRecord::HPhone, &ContactRecord::CPhone, &ContactRecord::WPhone,
        &ContactRecord::Email, &ContactRecord::Birthdate, &ContactRecord::Category, &ContactRecord::Notes,
        &ContactRecord::Company};
    for (int i = 0; i < kContactFieldCount; ++i)
        v[static_cast<F>(i)] = rt::trim(r.*fields[i]);
    v[F::Birthdate] = typedBirthdate(r.Birthdate);
    return v;
}

QString storedBirthdate(const QString& b)
{
    return b.isEmpty() ? QString() : b.mid(6, 4) + b.mid(0, 2) + b.mid(3, 2);
}

QString typedBirthdate(const QString& b)
{
    if (rt::val(b) <= 1)
        return QString();
    return rt::trim(b.mid(4, 2) + QLatin1Char('/') + b.mid(6, 2) + QLatin1Char('/') + b.mid(0, 4));
}

QString findListText(const ContactRecord& record)
{
    return rt::trim(record.FName) + QLatin1Char(' ') + rt::trim(record.MiddleInit) + QLatin1Char(' ')
           + rt::trim(record.LName);
}

qsizetype length(const QString& text)
{
    qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
            --n;
    }
    return n;
}

QString mid(const QString& text, qsizetype start, qsizetype count)
{
    const QList<uint> points = text.toUcs4();
    if (start >= points.size())
        return QString();
    count = std::min(count, points.size() - start);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()) + start, count);
}

}  // namespace ContactRules

}  // namespace contacts
