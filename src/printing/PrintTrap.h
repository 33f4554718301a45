#pragma once

#include <functional>

namespace platform {
class Messages;
class Printer;
}

namespace printing {

// The print-job error trap of the commands that are not main-window Print buttons: a
// cancelled print dialog ends the job silently; any other failure cancels the document and
// reports a printer problem.
class PrintTrap {
public:
    enum class Outcome { Done, Cancelled, Failed };

    static Outcome run(platform::Printer& printer, platform::Messages& messages, const std::function<void()>& job);
};

}  // namespace printing
