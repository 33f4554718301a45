#pragma once

#include "contacts/ContactRecord.h"

#include <QString>
#include <array>
#include <optional>

namespace contacts {

// The contact boxes of the Contact Information window, in its order.
enum class ContactField {
    FName, MiddleInit, LName, FStreet, SStreet, City, State, Zip, Country,
    HPhone, CPhone, WPhone, Email, Birthdate, Category, Notes, Company
};
inline constexpr int kContactFieldCount = 17;

// The texts of the 17 contact boxes, indexed by ContactField; the birth date as typed (MM/DD/YYYY).
class ContactValues {
public:
    QString& operator[](ContactField f) { return m_values[static_cast<std::size_t>(f)]; }
    const QString& operator[](ContactField f) const { return m_values[static_cast<std::size_t>(f)]; }
    bool operator==(const ContactValues&) const = default;

private:
    std::array<QString, kContactFieldCount> m_values;
};

// Why Save does not store the contact: the box to correct and the message box to show.
struct Refusal {
    ContactField field = ContactField::FName;
    QString title;
    QString message;
    bool operator==(const Refusal&) const = default;
};

struct SaveCheck {
    // The boxes as cleaned so far: a refusal keeps the cleaning done before it.
    ContactValues values;
    std::optional<Refusal> refusal;
};

// What Save accepts and how it stores a contact, apart from any window.
namespace ContactRules {

// The typed birth date: blank, or a day of the calendar as MM/DD/YYYY.
std::optional<Refusal> checkBirthdate(const QString& typed);
// Every other check of Save, in its order, cleaning each box as it passes.
SaveCheck checkAndClean(const ContactValues& typed);
// The record Save writes from boxes that passed every check.
ContactRecord toRecord(const ContactValues& cleaned, bool includeCompany, bool reminder);
// The boxes showing a stored contact.
ContactValues fromRecord(const ContactRecord& record);

QString storedBirthdate(const QString& typed);   // MM/DD/YYYY -> YYYYMMDD, blank stays blank
QString typedBirthdate(const QString& stored);   // YYYYMMDD -> MM/DD/YYYY, blank when not above 1

// First name, middle initial and last name, each trimmed, one blank between them.
QString findListText(const ContactRecord& record);

// Characters, not UTF-16 units.
qsizetype length(const QString& text);
QString mid(const QString& text, qsizetype start, qsizetype count);

}  // namespace ContactRules

}  // namespace contacts
