#include "platform/ErrorTraps.h"

#include "platform/Printer.h"
#include "runtime/RuntimeError.h"

#include <exception>
#include <new>

namespace platform {

Answer commonErrorBox(Messages& messages, const rt::RuntimeError& error)
{
    return messages.messageBox(QStringLiteral("Error"), rt::errorBoxText(error.number(), error.description()),
                               Buttons::RetryCancel, Icon::None);
}

bool trapErrors(const std::function<void()>& command, const std::function<void(const rt::RuntimeError&)>& failed)
{
    try {
        command();
        return true;
    } catch (const rt::RuntimeError& error) {
        failed(error);
    } catch (const std::bad_alloc&) {
        failed(rt::RuntimeError(rt::err::OutOfMemory));
    }
    return false;
}

std::optional<Answer> underCommonTrap(Messages& messages, const std::function<void()>& command)
{
    std::optional<Answer> answer;
    trapErrors(command, [&](const rt::RuntimeError& error) { answer = commonErrorBox(messages, error); });
    return answer;
}

namespace {

// The document is cancelled first; a failure may come before any document was opened, and a
// cancel that fails itself must not keep the user from hearing about the problem.
void printerProblem(Messages& messages, Printer& printer, const QString& title)
{
    try {
        printer.killDoc();
    } catch (...) {
    }
    messages.messageBox(title, QStringLiteral("A printer problem exists.  Check printer."), Buttons::Ok,
                        Icon::Exclamation);
}

}  // namespace

PrintOutcome runPrintCommand(Messages& messages, Printer& printer, const QString& title,
                             const std::function<void()>& command)
{
    PrintOutcome outcome = PrintOutcome::Done;
    try {
        printer.beginJob();
        command();
    } catch (const rt::RuntimeError& error) {
        outcome = error.number() == rt::err::CancelSelected ? PrintOutcome::Cancelled : PrintOutcome::Failed;
    } catch (const std::exception&) {
        outcome = PrintOutcome::Failed;
    }
    try {
        printer.endJob();
    } catch (const std::exception&) {
        outcome = PrintOutcome::Failed;
    }
    if (outcome == PrintOutcome::Failed)
        printerProblem(messages, printer, title);
    return outcome;
}

}  // namespace platform
