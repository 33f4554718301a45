#pragma once

#include "contacts/BookSession.h"
#include "contacts/ContactScreen.h"
#include "widgets/Form.h"
#include "platform/Services.h"
#include "session/Windows.h"

#include <map>
#include <memory>

namespace app {

// The program's windows: each is created and loaded on first reference, and destroyed
// when unloaded. Start-up loads and shows the main window; closing it ends the program.
class WindowSet : public session::Windows {
public:
    WindowSet(const platform::Services& services, contacts::BookSession& state);
    ~WindowSet() override;

    // The window, created and loaded on first reference.
    widgets::Form& get(session::WindowId id);
    template <class T>
    T& as(session::WindowId id) { return static_cast<T&>(get(id)); }

    void show(session::WindowId id) override { get(id).showForm(); }
    void hide(session::WindowId id) override { get(id).hideForm(); }
    bool isLoaded(session::WindowId id) const override;
    void unload(session::WindowId id) override;
    bool ending() const override { return m_ending; }
    session::MainScreen& mainScreen() override;
    contacts::ContactScreen& contactScreen();

    // Start-up: loads and shows the main window (unless its load step ended the program).
    void start();
    // Shutdown: unloading the main window marks the program as ending before its unload
    // step runs (that step closes the files and unloads every other window), then asks the
    // application to quit.
    bool ended() const { return m_ended; }

private:
    std::unique_ptr<widgets::Form> create(session::WindowId id);

    const platform::Services& m_services;
    contacts::BookSession& m_state;
    std::map<session::WindowId, std::unique_ptr<widgets::Form>> m_forms;
    bool m_ending = false;
    bool m_ended = false;
};

}  // namespace app
