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

inline constexpr char kPrinterProblem[] = "A printer problem exists.  Check printer.";

// The end of a print command that failed: a cancelled print dialog ends it silently; any
// other failure cancels the document and reports a printer problem under `title` (the
// windows word it differently). Returns true when the problem box was shown.
bool printerProblem(Messages& messages, Printer& printer, const rt::RuntimeError& error, const QString& title);
// The same for a failure that is no run-time error.
void printerProblem(Messages& messages, Printer& printer, const QString& title);

enum class PrintOutcome { Done, Cancelled, Failed };

// A whole print command under its trap: one job on the printer (every document of the
// command goes into the one output, written when the job ends), a cancelled dialog ending it
// silently, any other failure, the job's own end included, reported under `title`. What the
// command completed before a failure or a cancel still goes out.
PrintOutcome runPrintCommand(Messages& messages, Printer& printer, const QString& title,
                             const std::function<void()>& command);

}  // namespace platform
