#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QLineEdit;
class QMainWindow;
class QMenu;
class QWidget;

namespace platform {
class Clipboard;
}

namespace widgets {

using platform::Clipboard;

// The text box of a window that has the focus there (the control the Edit commands work
// on), or nullptr when the focus is elsewhere or nowhere.
QLineEdit* focusedTextBox(const QWidget* window);

// A window's Edit menu: "Cut", "Copy", "Paste" with Ctrl+X, Ctrl+C, Ctrl+V, working on the
// focused text box's selected text. Opening the menu enables Cut and Copy only while text
// is selected; a shortcut key pressed in a text box sets them afresh from its selection
// then. Paste is never disabled.
//
// The window's text boxes would otherwise take these keys (and offer a right-click menu)
// themselves and go to the system clipboard behind the service's back: create the menu
// after the boxes exist (it watches every QLineEdit of the window then) and hand it later
// ones, and other controls with a clipboard of their own (a list view copies its current
// line), with watch(). In such another control a key does what the command does as the
// menu last left it: nothing while the command is disabled.
class EditMenu : public QObject {
    Q_OBJECT
public:
    struct Names {
        QString menu;   // e.g. "mnuEDVEdit"
        QString cut;
        QString copy;
        QString paste;
    };
    // What Cut, Copy and Paste do while the focus is not on a text box. Without them the
    // commands do nothing there and the menu disables Cut and Copy there.
    struct OtherTarget {
        std::function<void()> cut;
        std::function<void()> copy;
        std::function<void()> paste;
    };

    EditMenu(QMainWindow* window, Clipboard& clipboard, const Names& names);

    QMenu* menu() const { return m_menu; }

    void setOtherTarget(OtherTarget target) { m_other = std::move(target); }
    void watch(QWidget* control);

    // The enabling step run when the menu opens.
    void updateEnabled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cut();
    void copy();
    void paste();

    QMainWindow* m_window;
    Clipboard& m_clipboard;
    QMenu* m_menu = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    OtherTarget m_other;
};

}  // namespace widgets
