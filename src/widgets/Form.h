#pragma once

#include <QMainWindow>
#include <QPoint>
#include <optional>

class QCloseEvent;

namespace session {
class MainScreen;
}

namespace widgets {

class Forms;

enum class FormId { Main, About, ContactInfo, NewContact, ViewAll, Export, Import };

// A window that behaves like a classic form: it exists once, is created and loaded (its
// load step runs) on first reference through Forms, shown without blocking, hidden, and
// unloaded (its unload step runs; a later reference builds it afresh in its design state).
class Form : public QMainWindow {
    Q_OBJECT
public:
    Form(FormId id, Forms& forms, QWidget* parent = nullptr);

    FormId formId() const { return m_id; }
    bool isFormLoaded() const { return m_loaded; }

    // Runs the load step once; Forms calls it right after creating the window.
    void load();
    // Shows without blocking (modeless) and raises the window.
    void showForm();
    void hideForm();
    // Puts the window, at the size it will show with, in the middle of its screen's work
    // area, whatever the window system would choose for it.
    void centreOnScreen();

    // The unload step, run by Forms::unload. Returns false to refuse (the window stays).
    bool runUnload();

protected:
    virtual void formLoad() {}
    // The window's own closing steps; Forms::ending() tells whether the program is ending.
    virtual void formUnload() {}
    // A click on the window's close box: by default the window is unloaded.
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    Forms& forms() { return m_forms; }
    // The main window as the other windows use it (loaded on first reference).
    session::MainScreen& mainScreen();

private:
    void putBack();

    FormId m_id;
    Forms& m_forms;
    bool m_loaded = false;
    std::optional<QPoint> m_hiddenAt;  // where the window stood when it was hidden
    std::optional<QPoint> m_restoring;  // shown again there; the window manager may place it anew
};

// The program's set of windows.
class Forms {
public:
    virtual ~Forms() = default;
    // The window, created and loaded on first reference.
    virtual Form& get(FormId id) = 0;
    virtual bool isLoaded(FormId id) const = 0;
    // Runs the window's unload step and destroys it; nothing when it is not loaded.
    virtual void unload(FormId id) = 0;
    // True while the program is shutting down: unload steps show no other window.
    virtual bool ending() const = 0;

    template <class T>
    T& as(FormId id) { return static_cast<T&>(get(id)); }
};

}  // namespace widgets
