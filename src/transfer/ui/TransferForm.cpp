#include "transfer/ui/TransferForm.h"

#include "platform/ShellOpen.h"
#include "session/MainScreen.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace transfer {

using widgets::FormId;

TransferForm::TransferForm(FormId id, widgets::Forms& forms, const platform::Services& services,
                           contacts::BookSession& state, QWidget* parent)
    : widgets::Form(id, forms, parent), m_services(services), m_state(state)
{
}

void TransferForm::nameHelpSeparator(QMenu* help, const QString& name)
{
    for (QAction* action : help->actions()) {
        if (action->isSeparator())
            action->setObjectName(name);
    }
}

void TransferForm::formUnload()
{
    m_services.cursor.setBusy(false);
    if (m_exiting || forms().ending() || !forms().isLoaded(FormId::Main))
        return;
    mainScreen().showAtLabelLines();
}

void TransferForm::fileExit()
{
    // The program ends at once: no other window's closing steps and no shutdown steps run.
    m_state.contactFile.close();
    m_exiting = true;
    forms().unload(formId());
    // exit, not quit: quit would first close every window, the hidden main window too.
    QCoreApplication::exit(0);
}

void TransferForm::helpUserManual()
{
    platform::openProgramDocument(m_services, QStringLiteral("qvlUman.pdf"));
}

void TransferForm::helpAbout()
{
    forms().get(FormId::About).showForm();
}

}  // namespace transfer
