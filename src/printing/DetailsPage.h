#pragma once

#include "contacts/ContactRules.h"
#include "platform/ErrorTraps.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace platform {
class Messages;
class PrintDialog;
class Printer;
}  // namespace platform

namespace printing {

// What File > Print of the contact window prints from.
struct DetailsPageInput {
    contacts::ContactValues values;  // the boxes' texts, birth date as typed
    QDate today;
    // The selected text of the text box that has the focus once the print dialog closed;
    // nothing when no text box has it.
    std::function<std::optional<QString>()> selectedText;
};

namespace DetailsPage {

// One contact details page, dated today. Starts and ends no page: the caller does.
void printPage(platform::Printer& printer, const contacts::ContactValues& values, const QDate& today);
// The whole command under its print-job error trap: a page per copy, or the selected text
// alone when the dialog's Selection was chosen.
platform::PrintOutcome print(platform::Printer& printer, platform::PrintDialog& dialog, platform::Messages& messages,
                             const DetailsPageInput& input);

}  // namespace DetailsPage

}  // namespace printing
