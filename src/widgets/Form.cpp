#include "widgets/Form.h"

#include <QCloseEvent>

namespace widgets {

Form::Form(FormId id, Forms& forms, QWidget* parent) : QMainWindow(parent), m_id(id), m_forms(forms) {}

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
    if (m_hiddenAt)
        move(*m_hiddenAt);
    m_hiddenAt.reset();
    show();
    raise();
    activateWindow();
}

void Form::hideForm()
{
    if (isVisible())
        m_hiddenAt = pos();
    hide();
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
    m_forms.unload(m_id);
}

}  // namespace widgets
