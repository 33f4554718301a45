#include "platform/qt/QtCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

QtCursor::~QtCursor()
{
    if (m_busy && qGuiApp)
        QGuiApplication::restoreOverrideCursor();
}

void QtCursor::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform
