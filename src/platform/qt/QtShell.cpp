#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool QtShell::openDocument(const QString& path)
{
    // Paths are built as "folder\name" in places; a backslash is no separator here.
    QString local = path;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(local));
}

bool QtShell::openUrl(const QString& url)
{
    const QUrl target = QUrl::fromUserInput(url);
    if (!target.isValid())
        return false;
    return QDesktopServices::openUrl(target);
}

}  // namespace platform
