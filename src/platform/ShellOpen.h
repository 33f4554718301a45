#pragma once

#include <QString>

namespace platform {

class Messages;
class Shell;
struct Services;

// Opens a document in its viewer or a web page in the browser. When that cannot be done
// (no viewer, no browser, a missing file), a message names the file or the address, so the
// user can open it by hand.
void openDocumentOrSay(Shell& shell, Messages& messages, const QString& path);
void openUrlOrSay(Shell& shell, Messages& messages, const QString& url);
// One of the documents that come with the program ("qvlUman.pdf", the user manual, or
// "qvl_state_abbreviations.pdf"), from the folder beside the program.
void openProgramDocument(const Services& services, const QString& fileName);

}  // namespace platform
