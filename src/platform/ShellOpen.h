#pragma once

#include <QString>

namespace platform {

class Messages;
class Shell;

// Opens a document in its viewer or a web page in the browser. When that cannot be done
// (no viewer, no browser, a missing file), a message names the file or the address, so the
// user can open it by hand.
void openDocumentOrSay(Shell& shell, Messages& messages, const QString& path);
void openUrlOrSay(Shell& shell, Messages& messages, const QString& url);

}  // namespace platform
