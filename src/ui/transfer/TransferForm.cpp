#include "ui/transfer/TransferForm.h"

#include "platform/ShellOpen.h"
#include "session/MainScreen.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace transfer {

using session::WindowId;

TransferForm::TransferForm(WindowId id, session::Windows& windows, const platform::Services& services,
                           contacts::BookSession& state, QWidget* parent)
    : widgets::Form(parent), m_windows(windows), m_services(services), m_state(state), m_id(id)
{
}

void TransferForm::nameHelpSeparator(QMenu* help, const QString& name)
{
    for (QAction* action : help->actions()) {
        if (action->isSeparator())
            action->setObjectName(name);
    }
}

void TransferForm::wireCommonCommands(QAction* fileExit, QAction* helpUserManual, QAction* helpAbout)
{
    connect(fileExit, &QAction::triggered, this, &TransferForm::fileExit);
    connect(helpUserManual, &QAction::triggered, this, &TransferForm::helpUserManual);
    connect(helpAbout, &QAction::triggered, this, &TransferForm::helpAbout);
}

void TransferForm::formUnload()
{
    m_services.cursor.setBusy(false);
    if (m_exiting || m_windows.ending() || !m_windows.isLoaded(WindowId::Main))
        return;
    m_windows.mainScreen().showAtLabelLines();
}

void TransferForm::fileExit()
{
    // The program ends at once: no other window's closing steps and no shutdown steps run.
    m_state.contactFile.close();
    m_exiting = true;
    m_windows.unload(m_id);
    // exit, not quit: quit would first close every window, the hidden main window too.
    QCoreApplication::exit(0);
}

void TransferForm::helpUserManual()
{
    platform::openProgramDocument(m_services, QStringLiteral("qvlUman.pdf"));
}

void TransferForm::helpAbout()
{
    m_windows.show(WindowId::About);
}

}  // namespace transfer
