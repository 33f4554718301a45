#pragma once

#include "contacts/ContactRules.h"

#include <QDate>

namespace platform {
class Printer;
}

namespace contacts {

class ContactReports {
public:
    // One contact details page, from the boxes' texts (birth date as typed), dated today.
    // Starts and ends no page: the caller does.
    static void printDetailsPage(platform::Printer& printer, const ContactValues& values, const QDate& today);
};

}  // namespace contacts
