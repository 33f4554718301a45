#pragma once

#include <QComboBox>
#include <QListView>
#include <functional>
#include <QRadioButton>
#include <QString>
#include <stdexcept>
#include <utility>
#include <vector>


namespace widgets {

// An option button of a group in which at most one is chosen and code may leave none
// chosen (Qt's auto-exclusive radios cannot be cleared). Choosing one clears the others
// of its group. `chosen` is emitted whenever it changes to chosen, by the user or by code
// (setValue(true) or setChecked(true) while not chosen), and on every click of the user,
// also on the chosen option (which stays chosen); code setting the value it already has
// emits nothing.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    // For forms laid out in Designer, which set the name and caption themselves.
    explicit OptionButton(QWidget* parent = nullptr);
    bool value() const { return isChecked(); }
    void setValue(bool chosen);
    // Chooses the option as a command that selects it does: its click step runs also when
    // it is chosen already.
    void select();
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
// sorted place (rt::compareListText: case aside, a letter with a diacritic with its base
// letter, a leading blank first; equal texts after existing ones)
// and its index is returned. Adding items changes neither the current index nor the text of
// an editable combo (its first item is not chosen on its own) and emits no signal of the
// combo; text typed into an editable combo never becomes an item. An index out of range
// raises rt::RuntimeError 381.
class SortedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SortedComboBox(const QString& objectName, QWidget* parent = nullptr);
    explicit SortedComboBox(QWidget* parent = nullptr) : SortedComboBox(QString(), parent) {}
    int addSortedItem(const QString& text, qint32 itemData);
    qint32 itemNumber(int index) const;
    // Replaces every item with these, given in the order addSortedItem would have placed
    // them one by one; nothing is chosen afterwards.
    void setSortedItems(std::vector<std::pair<QString, qint32>> items);

private:
    // Qt chooses the first item of a list that gets items; a classic combo keeps showing
    // what it showed.
    void keepNothingChosen(const QString& editText);

    class ItemModel;
    // Qt's standard item model takes quadratic time to clear or destroy long lists.
    ItemModel* m_items = nullptr;
};

// The sorted list box, on a model that keeps per line only its number and, for a line added
// with its text, that text: lines listed by number alone (setNumberedLines) are written by
// the line source when they are shown or read, so a list of a million lines holds eight bytes
// a line. Typing moves to a line as Qt's item views do, but the line is found by a binary
// search over the sorted lines: a few dozen lines read, not every line of a long list.
// Indexes out of range raise rt::RuntimeError 381.
class SortedListBox : public QListView {
    Q_OBJECT
public:
    using LineSource = std::function<QString(qint32 number)>;

    explicit SortedListBox(const QString& objectName, QWidget* parent = nullptr);
    explicit SortedListBox(QWidget* parent = nullptr);
    ~SortedListBox() override;

    int count() const;
    QString text(int index) const;
    qint32 itemNumber(int index) const;
    int addSortedItem(const QString& text, qint32 itemData);
    // Fills an empty list with these, given in the order addSortedItem would have placed
    // them, in one pass; a list that holds lines already takes them one by one.
    void addSortedItems(const std::vector<std::pair<QString, qint32>>& items);
    // Replaces every line with lines of these numbers, in the order given (the sorted order of
    // their texts), their texts written by the source.
    void setNumberedLines(std::vector<qint32> numbers, LineSource source);
    void clear();
    // Removes the lines at these indexes (ascending), a run of neighbours at a time.
    void removeLines(const std::vector<int>& indexes);
    void setLineSelected(int index, bool selected);
    // Tab stops in quarters of the list font's average character width ("dialog units").
    // No stops: a stop every 32 units.
    void setTabStops(const std::vector<int>& stops);
    const std::vector<int>& tabStops() const { return m_tabStops; }
    // The selected lines' indexes in ascending order.
    std::vector<int> selectedRows() const;

signals:
    void lineDoubleClicked(int index);

private:
    class LineModel;

    LineModel* m_lines = nullptr;
    std::vector<int> m_tabStops;
};

// Enter in the field is swallowed and a Tab is posted to the field's window: once the
// events in hand are processed, the focus moves on as Tab does from the control that has it
// then. Tests: process events (QTRY_COMPARE or QCoreApplication::processEvents) after the key.
void enterMovesOn(QWidget* field);

// Finds a control of a window by its objectName; a missing control is a programming error,
// in a release build as well.
template <class T>
T* control(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        throw std::logic_error("no control " + name.toStdString() + " of " + window->objectName().toStdString());
    return found;
}

}  // namespace widgets
