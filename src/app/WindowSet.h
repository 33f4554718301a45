#pragma once

#include "contacts/AppState.h"
#include "platform/Form.h"
#include "platform/Services.h"

#include <map>
#include <memory>

namespace app {

// The program's windows: each is created and loaded on first reference, and destroyed
// when unloaded. Start-up loads and shows the main window; closing it ends the program.
class WindowSet : public platform::Forms {
public:
    WindowSet(const platform::Services& services, contacts::AppState& state);
    ~WindowSet() override;

    platform::Form& get(platform::FormId id) override;
    bool isLoaded(platform::FormId id) const override;
    void unload(platform::FormId id) override;
    bool ending() const override { return m_ending; }

    // Start-up: loads and shows the main window (unless its load step ended the program).
    void start();
    // Shutdown: unloading the main window marks the program as ending before its unload
    // step runs (that step closes the files and unloads every other window), then asks the
    // application to quit.
    void beginEnding() { m_ending = true; }
    bool ended() const { return m_ended; }
    void markEnded() { m_ended = true; }

private:
    std::unique_ptr<platform::Form> create(platform::FormId id);

    const platform::Services& m_services;
    contacts::AppState& m_state;
    std::map<platform::FormId, std::unique_ptr<platform::Form>> m_forms;
    bool m_ending = false;
    bool m_ended = false;
};

}  // namespace app
