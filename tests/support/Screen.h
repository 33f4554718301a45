#pragma once

#include "app/MainWindow.h"
#include "widgets/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QLineEdit>

namespace testsupport {

// A window's controls by objectName, as the tests type, tick, click and read them: setting a
// value runs the control's handler as the user's change does. The one way tests reach a control.
class Screen {
public:
    explicit Screen(QWidget& window) : m_window(window) {}

    // The main window's own side.
    app::MainWindow* operator->() const { return &main(); }
    printing::LabelVars& vars() const { return main().vars(); }

    QWidget& window() const { return m_window; }
    template <class T = QLineEdit>
    T* get(const QString& name) const { return widgets::control<T>(&m_window, name); }
    // A button's click or a menu command.
    void click(const QString& name) const
    {
        if (auto* button = qobject_cast<QAbstractButton*>(find(name)))
            button->click();
        else
            get<QAction>(name)->trigger();
    }
    QWidget* focus() const { return m_window.focusWidget(); }

    // Labels and line boxes.
    QString text(const QString& name) const { return find(name)->property("text").toString(); }
    void setText(const QString& name, const QString& text) const { find(name)->setProperty("text", text); }
    // Check boxes: 0 or 1; option buttons: 1 chosen, 0 not; lists: the selected row.
    int value(const QString& name) const
    {
        if (auto* option = qobject_cast<widgets::OptionButton*>(find(name)))
            return option->value() ? 1 : 0;
        if (auto* list = qobject_cast<QListWidget*>(find(name))) {
            const QList<QListWidgetItem*> picked = list->selectedItems();
            return picked.isEmpty() ? -1 : list->row(picked.first());
        }
        return widgets::control<QCheckBox>(&m_window, name)->isChecked() ? 1 : 0;
    }
    void setValue(const QString& name, int value) const
    {
        if (auto* option = qobject_cast<widgets::OptionButton*>(find(name)))
            option->setValue(value != 0);
        else if (auto* list = qobject_cast<QListWidget*>(find(name)))
            list->setCurrentRow(value);
        else
            widgets::control<QCheckBox>(&m_window, name)->setChecked(value == 1);
    }
    // Its own Visible setting, also while the window is hidden.
    bool isVisible(const QString& name) const
    {
        if (auto* widget = qobject_cast<QWidget*>(find(name)))
            return !widget->isHidden();
        return widgets::control<QAction>(&m_window, name)->isVisible();
    }
    bool isEnabled(const QString& name) const { return find(name)->property("enabled").toBool(); }

private:
    QObject* find(const QString& name) const { return widgets::control<QObject>(&m_window, name); }
    app::MainWindow& main() const { return static_cast<app::MainWindow&>(m_window); }

    QWidget& m_window;
};

}  // namespace testsupport
