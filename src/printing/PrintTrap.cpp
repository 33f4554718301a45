#include "printing/PrintTrap.h"

#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/PrintJob.h"
#include "runtime/RuntimeError.h"

#include <exception>

namespace printing {

PrintTrap::Outcome PrintTrap::run(platform::Printer& printer, platform::Messages& messages,
                                  const std::function<void()>& job)
{
    try {
        job();
        return Outcome::Done;
    } catch (const rt::RuntimeError& error) {
        if (error.number() == rt::err::CancelSelected)
            return Outcome::Cancelled;
    } catch (const std::exception&) {
    }
    try {
        printer.killDoc();
    } catch (...) {
    }
    messages.messageBox(QString::fromLatin1(PrintJob::kPrinterErrorTitle), QString::fromLatin1(PrintJob::kPrinterProblem),
                        platform::Buttons::Ok, platform::Icon::Exclamation);
    return Outcome::Failed;
}

}  // namespace printing
