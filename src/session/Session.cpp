#include "session/Session.h"

#include <QFileInfo>

namespace session {

void Session::openContactFile(const QString& path)
{
    m_book.open(path);
    filePath = path;
    fileTitle = QFileInfo(path).fileName();
    if (fileTitle.endsWith(QStringLiteral(".DAT"), Qt::CaseInsensitive))
        fileTitle.chop(4);
}

void Session::closeContactFile()
{
    m_book.close();
    filePath.clear();
    fileTitle.clear();
}

}  // namespace session
