#include "platform/ShellOpen.h"

#include "platform/Messages.h"
#include "platform/Services.h"

#include <QDir>

namespace platform {

void openDocumentOrSay(Shell& shell, Messages& messages, const QString& path)
{
    if (shell.openDocument(path))
        return;
    messages.messageBox(QStringLiteral("Document not opened"),
                        QStringLiteral("The document could not be opened:\n%1\nOpen it with a PDF viewer.").arg(path),
                        Buttons::Ok, Icon::Exclamation);
}

void openUrlOrSay(Shell& shell, Messages& messages, const QString& url)
{
    if (shell.openUrl(url))
        return;
    messages.messageBox(QStringLiteral("Web page not opened"),
                        QStringLiteral("The web page could not be opened:\n%1\nOpen it in your web browser.").arg(url),
                        Buttons::Ok, Icon::Exclamation);
}

void openProgramDocument(const Services& services, const QString& fileName)
{
    openDocumentOrSay(services.shell, services.messages, QDir(services.appInfo.documentsFolder()).filePath(fileName));
}

}  // namespace platform
