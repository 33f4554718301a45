#pragma once

#include <QMainWindow>
#include <QPoint>
#include <optional>

class QCloseEvent;

namespace widgets {

// A window that behaves like a classic form: it exists once, is created and loaded (its
// load step runs) on first reference through the program's window set, shown without
// blocking, hidden, and unloaded (its unload step runs; a later reference builds it afresh
// in its design state).
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Runs the load step once; the window set calls it right after creating the window.
    void load();
    // Shows without blocking (modeless) and raises the window.
    void showForm();
    void hideForm();
    // Puts the window, at the size it will show with, in the middle of its screen's work
    // area, whatever the window system would choose for it.
    void centreOnScreen();

    // The unload step, run by the window set. Returns false to refuse (the window stays).
    bool runUnload();

signals:
    // A click on the window's close box: the window set unloads the window.
    void closeClicked();

protected:
    virtual void formLoad() {}
    virtual void formUnload() {}
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void putBack();

    bool m_loaded = false;
    std::optional<QPoint> m_hiddenAt;  // where the window stood when it was hidden
    std::optional<QPoint> m_restoring;  // shown again there; the window manager may place it anew
};

}  // namespace widgets
