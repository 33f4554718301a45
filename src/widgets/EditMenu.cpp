#include "widgets/EditMenu.h"

#include "platform/Services.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace widgets {

QLineEdit* focusedTextBox(const QWidget* window)
{
    return window ? qobject_cast<QLineEdit*>(window->focusWidget()) : nullptr;
}

namespace {

// The Edit commands on the focused text box's selected text, through the clipboard service.
// Each returns false, touching nothing, when the focus is not on a text box.
bool copySelection(const QWidget* window, Clipboard& clipboard)
{
    QLineEdit* box = focusedTextBox(window);
    if (!box)
        return false;
    clipboard.clear();
    clipboard.setText(box->selectedText());
    return true;
}

bool cutSelection(const QWidget* window, Clipboard& clipboard)
{
    if (!copySelection(window, clipboard))
        return false;
    QLineEdit* box = focusedTextBox(window);
    if (box->hasSelectedText())
        box->insert(QString());
    return true;
}

bool pasteSelection(const QWidget* window, Clipboard& clipboard)
{
    QLineEdit* box = focusedTextBox(window);
    if (!box)
        return false;
    // insert() replaces the selection, or goes in at the caret when nothing is selected.
    box->insert(clipboard.text());
    return true;
}

}  // namespace

EditMenu::EditMenu(QMainWindow* window, Clipboard& clipboard, const Names& names)
    : QObject(window), m_window(window), m_clipboard(clipboard)
{
    m_menu = window->menuBar()->addMenu(QStringLiteral("Edit"));
    m_menu->setObjectName(names.menu);
    m_cut = m_menu->addAction(QStringLiteral("Cut"));
    m_cut->setObjectName(names.cut);
    m_cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    m_copy = m_menu->addAction(QStringLiteral("Copy"));
    m_copy->setObjectName(names.copy);
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_paste = m_menu->addAction(QStringLiteral("Paste"));
    m_paste->setObjectName(names.paste);
    m_paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    connect(m_menu, &QMenu::aboutToShow, this, &EditMenu::updateEnabled);
    connect(m_cut, &QAction::triggered, this, &EditMenu::cut);
    connect(m_copy, &QAction::triggered, this, &EditMenu::copy);
    connect(m_paste, &QAction::triggered, this, &EditMenu::paste);

    const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes)
        watch(box);
}

void EditMenu::watch(QWidget* control)
{
    control->installEventFilter(this);
    // The box's own right-click menu would cut, copy and paste through the system
    // clipboard behind the service's back; the window's Edit menu is the way to do it.
    control->setContextMenuPolicy(Qt::NoContextMenu);
}

void EditMenu::updateEnabled()
{
    const QLineEdit* box = focusedTextBox(m_window);
    const bool selected = box ? !box->selectedText().isEmpty() : (m_other.cut || m_other.copy);
    m_cut->setEnabled(selected);
    m_copy->setEnabled(selected);
}

bool EditMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* action = nullptr;
    if (key->matches(QKeySequence::Cut))
        action = m_cut;
    else if (key->matches(QKeySequence::Copy))
        action = m_copy;
    else if (key->matches(QKeySequence::Paste))
        action = m_paste;
    if (!action)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the key, so that it reaches the box as a key press and is handled below
        // whatever the menu's state, rather than by the box's own clipboard code.
        event->accept();
        return true;
    }
    // In a text box the key works on the selection as it is now, not as it was when the
    // menu last opened; elsewhere the command is as the menu left it.
    if (qobject_cast<QLineEdit*>(watched))
        updateEnabled();
    if (action->isEnabled())
        action->trigger();
    return true;
}

void EditMenu::cut()
{
    if (!cutSelection(m_window, m_clipboard) && m_other.cut)
        m_other.cut();
}

void EditMenu::copy()
{
    if (!copySelection(m_window, m_clipboard) && m_other.copy)
        m_other.copy();
}

void EditMenu::paste()
{
    if (!pasteSelection(m_window, m_clipboard) && m_other.paste)
        m_other.paste();
}

}  // namespace widgets
