#pragma once

#include "platform/Services.h"
#include "contacts/BookSession.h"
#include "session/Windows.h"
#include "widgets/Form.h"

class QAction;
class QMenu;

namespace transfer {

// What the Export and Import windows do alike: closing gives the screen back to the main
// window, File > Exit ends the program at once, Help opens the user manual or About.
class TransferForm : public widgets::Form {
public:
    TransferForm(session::WindowId id, session::Windows& windows, const platform::Services& services,
                 contacts::BookSession& state, QWidget* parent);

protected:
    void formUnload() override;

    // Names the Help menu's separator as drawn (the form file cannot name one).
    static void nameHelpSeparator(QMenu* help, const QString& name);
    // Connects File > Exit, Help > User Manual and Help > About to their steps.
    void wireCommonCommands(QAction* fileExit, QAction* helpUserManual, QAction* helpAbout);

    session::Windows& m_windows;
    const platform::Services& m_services;
    contacts::BookSession& m_state;

private:
    void fileExit();
    void helpUserManual();
    void helpAbout();

    session::WindowId m_id;
    // File > Exit: the program ends, so closing gives no window back.
    bool m_exiting = false;
};

}  // namespace transfer
