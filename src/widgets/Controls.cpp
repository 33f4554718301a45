#include "widgets/Controls.h"

#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <algorithm>

namespace widgets {

namespace {

// Raised for an item index that a classic list would refuse.
[[noreturn]] void badIndex()
{
    throw rt::RuntimeError(381, QStringLiteral("Invalid property array index"));
}

// Index at which `text` goes among `count` items whose texts `textAt` gives: after every
// item that sorts before it or equal to it.
template <class TextAt>
int sortedPlace(int count, const QString& text, TextAt textAt)
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (rt::compareListText(textAt(mid), text) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

// A list line that keeps its text at hand for the binary search of the sorted insert (the
// item's own data sits behind a QVariant).
class SortedListItem : public QListWidgetItem {
public:
    static constexpr int Type = QListWidgetItem::UserType + 0x5142;

    SortedListItem(const QString& text, qint32 number) : QListWidgetItem(text, nullptr, Type), m_text(text)
    {
        QListWidgetItem::setData(Qt::UserRole, QVariant(number));
    }

    QListWidgetItem* clone() const override { return new SortedListItem(*this); }

    void setData(int role, const QVariant& value) override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            m_text = value.toString();
        QListWidgetItem::setData(role, value);
    }

    static QString textOf(const QListWidgetItem* item)
    {
        if (item->type() == Type)
            return static_cast<const SortedListItem*>(item)->m_text;
        return item->text();
    }

private:
    QString m_text;
};

// Draws a list line with its TAB characters expanded to the list's tab stops.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(SortedListBox* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        textRect.adjust(margin, 0, -margin, 0);

        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setWrapMode(QTextOption::NoWrap);
        const double unit = QFontMetricsF(opt.font).averageCharWidth() / 4.0;
        const std::vector<int>& stops = m_list->tabStops();
        if (stops.empty()) {
            textOption.setTabStopDistance(32 * unit);
        } else {
            QList<QTextOption::Tab> tabs;
            for (int stop : stops)
                tabs.append(QTextOption::Tab(stop * unit, QTextOption::LeftTab));
            textOption.setTabs(tabs);
        }

        painter->save();
        painter->setClipRect(textRect);
        painter->setFont(opt.font);
        const bool selected = opt.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled)
                                               ? ((opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                     : QPalette::Inactive)
                                               : QPalette::Disabled;
        painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(textRect), text, textOption);
        painter->restore();
    }

private:
    SortedListBox* m_list;
};

// Swallows Enter and posts the Tab that moves the focus on.
class EnterMovesOnFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        if (event->type() == QEvent::KeyPress) {
            auto* field = qobject_cast<QWidget*>(watched);
            QPointer<QWidget> window = field ? field->window() : nullptr;
            QMetaObject::invokeMethod(
                qApp,
                [window] {
                    // Sent to the window itself, the Tab moves on from the control that has
                    // the focus then and is never typed into a box that takes tabs.
                    if (!window)
                        return;
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
                    QCoreApplication::sendEvent(window, &press);
                },
                Qt::QueuedConnection);
        }
        return true;
    }
};

}  // namespace

// The combo's items: texts and numbers stored in the order they came, and the sorted order
// as a list of 4-byte positions, so that an insert moves as little memory as it can. The
// program only adds sorted items and clears the list.
class SortedComboBox::ItemModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    const QString& text(int row) const { return m_items[m_order[row]].text; }

    void insert(int row, const QString& text, qint32 number)
    {
        beginInsertRows(QModelIndex(), row, row);
        m_items.push_back(Item{text, number});
        m_order.insert(m_order.begin() + row, static_cast<quint32>(m_items.size() - 1));
        endInsertRows();
    }

    void assign(std::vector<std::pair<QString, qint32>> items)
    {
        beginResetModel();
        m_items.clear();
        m_items.reserve(items.size());
        for (auto& [text, number] : items)
            m_items.push_back(Item{std::move(text), number});
        m_order.resize(m_items.size());
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = static_cast<quint32>(i);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_order.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return QVariant();
        const Item& item = m_items[m_order[index.row()]];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return item.text;
        case Qt::UserRole: return item.number;
        default: return QVariant();
        }
    }

    // Removed items keep their place in m_items until the list is cleared.
    bool removeRows(int row, int count, const QModelIndex& parent) override
    {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
            return false;
        beginRemoveRows(QModelIndex(), row, row + count - 1);
        m_order.erase(m_order.begin() + row, m_order.begin() + row + count);
        if (m_order.empty())
            m_items.clear();
        endRemoveRows();
        return true;
    }

private:
    struct Item {
        QString text;
        qint32 number = 0;
    };

    std::vector<Item> m_items;
    std::vector<quint32> m_order;  // row -> place in m_items
};

OptionButton::OptionButton(const QString& objectName, const QString& caption, QWidget* parent)
    : OptionButton(parent)
{
    setObjectName(objectName);
    setText(caption);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        for (OptionButton* partner : m_partners)
            partner->setChecked(false);
        emit chosen();
    });
}

void OptionButton::setValue(bool chosen)
{
    setChecked(chosen);
}

void OptionButton::select()
{
    if (isChecked())
        emit chosen();
    else
        setChecked(true);
}

void OptionButton::group(std::initializer_list<OptionButton*> buttons)
{
    for (OptionButton* button : buttons) {
        button->m_partners.clear();
        for (OptionButton* other : buttons) {
            if (other != button)
                button->m_partners.push_back(other);
        }
    }
}

void OptionButton::nextCheckState()
{
    // Only a click (the user's, or click() standing for it) comes here: on the chosen
    // option it runs the option's step again, which is how a user corrects a cancelled
    // prompt or a search text.
    if (isChecked())
        emit chosen();
    else
        setChecked(true);
}

SortedComboBox::SortedComboBox(const QString& objectName, QWidget* parent)
    : QComboBox(parent), m_items(new ItemModel(this))
{
    setObjectName(objectName);
    setModel(m_items);
    setInsertPolicy(QComboBox::NoInsert);
}

int SortedComboBox::addSortedItem(const QString& text, qint32 itemData)
{
    const int before = currentIndex();
    const QString editText = isEditable() ? currentText() : QString();
    // Adding runs none of the combo's handlers, as in a classic combo.
    const QSignalBlocker blockCombo(this);
    const int place = sortedPlace(count(), text, [this](int i) -> const QString& { return m_items->text(i); });
    m_items->insert(place, text, itemData);
    if (before < 0)
        keepNothingChosen(editText);
    return place;
}

void SortedComboBox::setSortedItems(std::vector<std::pair<QString, qint32>> items)
{
    const QString editText = isEditable() ? currentText() : QString();
    const QSignalBlocker blockCombo(this);
    m_items->assign(std::move(items));
    keepNothingChosen(editText);
}

void SortedComboBox::keepNothingChosen(const QString& editText)
{
    if (currentIndex() < 0)
        return;
    const QSignalBlocker blockEdit(lineEdit());
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(editText);
}

qint32 SortedComboBox::itemNumber(int index) const
{
    if (index < 0 || index >= count())
        badIndex();
    return itemData(index, Qt::UserRole).toInt();
}

SortedListBox::SortedListBox(const QString& objectName, QWidget* parent) : SortedListBox(parent)
{
    setObjectName(objectName);
}

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setItemDelegate(new TabStopDelegate(this));
}

int SortedListBox::addSortedItem(const QString& text, qint32 itemData)
{
    const int place = sortedPlace(count(), text, [this](int i) { return SortedListItem::textOf(item(i)); });
    insertItem(place, new SortedListItem(text, itemData));
    return place;
}

void SortedListBox::addSortedItems(const std::vector<std::pair<QString, qint32>>& items)
{
    if (count() != 0) {
        for (const auto& [text, number] : items)
            addSortedItem(text, number);
        return;
    }
    {
        // One row at a time would have the view lay itself out for every line.
        const QSignalBlocker quiet(model());
        for (const auto& [text, number] : items)
            addItem(new SortedListItem(text, number));
    }
    reset();
}

qint32 SortedListBox::itemNumber(int index) const
{
    if (index < 0 || index >= count())
        badIndex();
    return item(index)->data(Qt::UserRole).toInt();
}

void SortedListBox::setTabStops(const std::vector<int>& stops)
{
    m_tabStops = stops;
    viewport()->update();
}

std::vector<int> SortedListBox::selectedRows() const
{
    std::vector<int> rows;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected)
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void enterMovesOn(QWidget* field)
{
    field->installEventFilter(new EnterMovesOnFilter(field));
}

}  // namespace widgets
