#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QString>

class QLineEdit;
class QLabel;

namespace platform {

// An option button of a group in which at most one is chosen and code may leave none
// chosen (Qt's auto-exclusive radios cannot be cleared). Choosing one clears the others
// of its group. `chosen` is emitted whenever it changes to chosen, by the user or by code
// (setValue(true) while not chosen); setting the value it already has emits nothing.
// A user click on the chosen option keeps it chosen.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    bool value() const { return isChecked(); }
    void setValue(bool chosen);
    // Puts the buttons in one group (each knows its partners).
    static void group(std::initializer_list<OptionButton*> buttons);

signals:
    void chosen();

protected:
    void nextCheckState() override;

private:
    std::vector<OptionButton*> m_partners;
};

// Sorted combo box / list box with an attached number per item: an added item goes to its
// sorted place (case-insensitive, a leading blank first, equal texts after existing ones)
// and its index is returned.
class SortedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SortedComboBox(const QString& objectName, QWidget* parent = nullptr);
    int addSortedItem(const QString& text, qint32 itemData);
    qint32 itemNumber(int index) const;
};

class SortedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit SortedListBox(const QString& objectName, QWidget* parent = nullptr);
    int addSortedItem(const QString& text, qint32 itemData);
    qint32 itemNumber(int index) const;
    // Tab stops in quarters of the list font's average character width ("dialog units").
    void setTabStops(const std::vector<int>& stops);
};

// The sort order of the sorted lists: negative, zero or positive.
int compareListText(const QString& a, const QString& b);

// Enter in the field moves the focus on as Tab does (after any handler of the key ran).
void enterMovesOn(QLineEdit* field);

// A label that shows plain text only.
QLabel* plainLabel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

// Finds a control of a window by its objectName; a missing control is a programming error.
template <class T>
T* control(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    Q_ASSERT_X(found, "platform::control", qPrintable(name));
    return found;
}

}  // namespace platform
