#pragma once

#include "contacts/BookSession.h"
#include "widgets/Form.h"
#include "platform/Services.h"

#include <map>
#include <memory>

namespace app {

// The program's windows: each is created and loaded on first reference, and destroyed
// when unloaded. Start-up loads and shows the main window; closing it ends the program.
class WindowSet : public widgets::Forms {
public:
    WindowSet(const platform::Services& services, contacts::BookSession& state);
    ~WindowSet() override;

    widgets::Form& get(widgets::FormId id) override;
    bool isLoaded(widgets::FormId id) const override;
    void unload(widgets::FormId id) override;
    bool ending() const override { return m_ending; }

    // The main window's label Bold and Italic boxes, for the contact list.

    // Start-up: loads and shows the main window (unless its load step ended the program).
    void start();
    // Shutdown: unloading the main window marks the program as ending before its unload
    // step runs (that step closes the files and unloads every other window), then asks the
    // application to quit.
    bool ended() const { return m_ended; }

private:
    std::unique_ptr<widgets::Form> create(widgets::FormId id);

    const platform::Services& m_services;
    contacts::BookSession& m_state;
    std::map<widgets::FormId, std::unique_ptr<widgets::Form>> m_forms;
    bool m_ending = false;
    bool m_ended = false;
};

}  // namespace app
