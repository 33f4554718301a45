#pragma once

namespace session {

class MainScreen;

enum class WindowId { Main, About, ContactInfo, NewContact, ViewAll, Export, Import };

// The program's set of windows as one window reaches another: each is created and loaded
// on first reference, and destroyed when unloaded.
class Windows {
public:
    virtual ~Windows() = default;
    // Shown without blocking.
    virtual void show(WindowId id) = 0;
    virtual void hide(WindowId id) = 0;
    virtual bool isLoaded(WindowId id) const = 0;
    // Runs the window's unload step and destroys it; nothing when it is not loaded.
    virtual void unload(WindowId id) = 0;
    // True while the program is shutting down: unload steps show no other window.
    virtual bool ending() const = 0;
    virtual MainScreen& mainScreen() = 0;
};

}  // namespace session
