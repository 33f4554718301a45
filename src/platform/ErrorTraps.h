#pragma once

#include "platform/Messages.h"

#include <QString>
#include <functional>
#include <optional>

namespace rt {
class RuntimeError;
}

namespace platform {

class Printer;

// The common error box of the commands that touch files: "Error", Retry and Cancel, no icon.
Answer commonErrorBox(Messages& messages, const rt::RuntimeError& error);

// Runs a command under the common error trap: a run-time error, or memory running out (error
// 7, "Out of memory"), shows the common error box. Nothing when the command completed, else
// the answer of the box.
std::optional<Answer> underCommonTrap(Messages& messages, const std::function<void()>& command);

// Runs a command; a run-time error, or running out of memory as error 7, goes to `failed`.
// Returns false when the command failed.
bool trapErrors(const std::function<void()>& command, const std::function<void(const rt::RuntimeError&)>& failed);

enum class PrintOutcome { Done, Cancelled, Failed };

// A whole print command under its trap: one job on the printer (every document of the
// command goes into the one output, written when the job ends, unless the command sends what
// it printed before waiting on the user), a cancelled dialog ending it
// silently, any other failure, the job's own end included, cancelling the document and
// reported as a printer problem under `title` (the windows word it differently). What the
// command completed before a failure or a cancel still goes out.
PrintOutcome runPrintCommand(Messages& messages, Printer& printer, const QString& title,
                             const std::function<void()>& command);

}  // namespace platform
