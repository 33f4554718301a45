#include "widgets/Form.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace widgets {

Form::Form(QWidget* parent) : QMainWindow(parent) {}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    formLoad();
}

void Form::showForm()
{
    load();
    // Shown again after a hide, a window would go where the window system puts new ones.
    // Some window managers place a window anew when they map it, after show() has
    // returned: for a moment, every move they make puts it back.
    m_restoring = m_hiddenAt;
    m_hiddenAt.reset();
    if (m_restoring) {
        move(*m_restoring);
        QTimer::singleShot(250, this, [this] {
            putBack();
            m_restoring.reset();
        });
    }
    show();
    raise();
    activateWindow();
}

void Form::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (m_restoring)
        QTimer::singleShot(0, this, [this] { putBack(); });
}

void Form::putBack()
{
    if (m_restoring && isVisible() && windowHandle() && windowHandle()->framePosition() != *m_restoring)
        windowHandle()->setFramePosition(*m_restoring);
}

void Form::hideForm()
{
    if (isVisible())
        m_hiddenAt = pos();
    hide();
}

void Form::centreOnScreen()
{
    const QScreen* where = screen();
    if (!where)
        return;
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();  // as show() would
    const QRect area = where->availableGeometry();
    const QSize size = frameGeometry().size();
    // A window larger than the work area keeps its top-left corner (title bar, menus) on it.
    move(area.x() + std::max(0, (area.width() - size.width()) / 2),
         area.y() + std::max(0, (area.height() - size.height()) / 2));
}

bool Form::runUnload()
{
    formUnload();
    return true;
}

void Form::closeEvent(QCloseEvent* event)
{
    // The window set destroys the window later; leave the event to it.
    event->ignore();
    emit closeClicked();
}

}  // namespace widgets
