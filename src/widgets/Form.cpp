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
    show();
    raise();
    activateWindow();
}

void Form::hideForm()
{
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
