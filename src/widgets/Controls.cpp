#include "widgets/Controls.h"

#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHash>
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

// Beginnings in the list order (rt::listSortKey) of which every text that Qt's case-blind
// match takes for `typed` has one: a character of the text matches every character of the
// same case folding, and these nearly always share one place in the order (the long s, which
// folds to s, does not). Made from as many characters of the text as keep them to a handful;
// a character outside the Basic Multilingual Plane ends them.
QStringList matchingKeyPrefixes(const QString& typed)
{
    constexpr qsizetype kMost = 8;
    QStringList prefixes{QString()};
    for (QChar c : typed) {
        if (c.isSurrogate())
            break;
        // Worked out once a character: a walk over the whole plane.
        static QHash<char32_t, QStringList> keysOfFolded;
        const char32_t folded = QChar::toCaseFolded(char32_t(c.unicode()));
        if (!keysOfFolded.contains(folded)) {
            QStringList found;
            for (char32_t x = 0; x < 0x10000; ++x) {
                if (QChar::toCaseFolded(x) == folded && !QChar::isSurrogate(x)) {
                    const QString key = rt::listSortKey(QString(QChar(char16_t(x))));
                    if (!found.contains(key))
                        found << key;
                }
            }
            keysOfFolded.insert(folded, found);
        }
        const QStringList keys = keysOfFolded.value(folded);
        if (prefixes.size() * keys.size() > kMost)
            break;
        QStringList longer;
        for (const QString& prefix : prefixes) {
            for (const QString& key : keys)
                longer << prefix + key;
        }
        prefixes = longer;
    }
    return prefixes;
}

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

// The list's lines: a number each and, for a line added with its text, the place of that
// text; lines without one are written by the source when asked for.
class SortedListBox::LineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr quint32 kFromSource = 0xffffffffu;

    QString text(int row) const
    {
        const Line& line = m_lines[std::size_t(row)];
        if (line.text != kFromSource)
            return m_texts[line.text];
        return m_source ? m_source(line.number) : QString();
    }
    qint32 number(int row) const { return m_lines[std::size_t(row)].number; }

    void insert(int row, const QString& text, qint32 number)
    {
        beginInsertRows(QModelIndex(), row, row);
        m_texts.push_back(text);
        m_lines.insert(m_lines.begin() + row, Line{number, quint32(m_texts.size() - 1)});
        endInsertRows();
    }

    void assign(std::vector<std::pair<QString, qint32>> items)
    {
        beginResetModel();
        clearAll();
        m_lines.reserve(items.size());
        m_texts.reserve(items.size());
        for (auto& [text, number] : items) {
            m_texts.push_back(std::move(text));
            m_lines.push_back(Line{number, quint32(m_texts.size() - 1)});
        }
        endResetModel();
    }

    void assignNumbers(const std::vector<qint32>& numbers, LineSource source)
    {
        beginResetModel();
        clearAll();
        m_source = std::move(source);
        m_lines.reserve(numbers.size());
        for (qint32 number : numbers)
            m_lines.push_back(Line{number, kFromSource});
        endResetModel();
    }

    void clear()
    {
        beginResetModel();
        clearAll();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_lines.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return QVariant();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return text(index.row());
        case Qt::UserRole: return number(index.row());
        default: return QVariant();
        }
    }

    // A removed line's own text stays until the list is cleared.
    bool removeRows(int row, int count, const QModelIndex& parent) override
    {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
            return false;
        beginRemoveRows(QModelIndex(), row, row + count - 1);
        m_lines.erase(m_lines.begin() + row, m_lines.begin() + row + count);
        if (m_lines.empty())
            clearAll();
        endRemoveRows();
        return true;
    }

    // Qt's item views find the line typed text begins with by this call, which reads every
    // line from the start on; the lines are sorted, so a binary search finds the same line
    // reading a few dozen.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                          Qt::MatchFlags flags) const override
    {
        if (role != Qt::DisplayRole || hits != 1 || flags != Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)
            || !start.isValid() || start.model() != this)
            return QAbstractListModel::match(start, role, value, hits, flags);
        const int found = lineBeginningWith(value.toString(), start.row());
        return found < 0 ? QModelIndexList() : QModelIndexList{index(found)};
    }

private:
    struct Line {
        qint32 number;
        quint32 text;  // place in m_texts, or kFromSource
    };

    // The first line from `start` on, wrapping, that begins with `typed` case aside; -1 when
    // none.
    int lineBeginningWith(const QString& typed, int start) const
    {
        // A line that Qt's match takes lies among the lines whose sort key begins with one of
        // these prefixes, and those stand together in the sorted list: each run is found by a
        // binary search, and only its lines from the start on (or from its top, wrapping) are
        // read until one matches.
        const int rows = rowCount();
        int after = -1;
        int before = -1;
        for (const QString& prefix : matchingKeyPrefixes(typed)) {
            int low = 0;
            int high = prefix.isEmpty() ? 0 : rows;
            while (low < high) {
                const int mid = low + (high - low) / 2;
                // QString's < compares code unit by code unit, as the keys are made to compare.
                if (rt::listSortKey(text(mid)) < prefix)
                    low = mid + 1;
                else
                    high = mid;
            }
            const auto firstMatch = [&](int from, int to) {
                for (int row = from; row < to; ++row) {
                    const QString line = text(row);
                    if (!rt::listSortKey(line).startsWith(prefix))
                        return -1;
                    if (line.startsWith(typed, Qt::CaseInsensitive))
                        return row;
                }
                return -1;
            };
            const int here = firstMatch(std::max(low, start), rows);
            if (here >= 0 && (after < 0 || here < after))
                after = here;
            const int wrapped = here < 0 ? firstMatch(low, start) : -1;
            if (wrapped >= 0 && (before < 0 || wrapped < before))
                before = wrapped;
        }
        return after >= 0 ? after : before;
    }

    void clearAll()
    {
        std::vector<Line>().swap(m_lines);
        std::vector<QString>().swap(m_texts);
        m_source = nullptr;
    }

    std::vector<Line> m_lines;
    std::vector<QString> m_texts;
    LineSource m_source;
};

SortedListBox::SortedListBox(const QString& objectName, QWidget* parent) : SortedListBox(parent)
{
    setObjectName(objectName);
}

SortedListBox::SortedListBox(QWidget* parent) : QListView(parent), m_lines(new LineModel(this))
{
    setModel(m_lines);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line one row high: the view lays out a long list without asking each line.
    setUniformItemSizes(true);
    setItemDelegate(new TabStopDelegate(this));
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit lineDoubleClicked(index.row()); });
}

SortedListBox::~SortedListBox() = default;

int SortedListBox::count() const
{
    return m_lines->rowCount();
}

QString SortedListBox::text(int index) const
{
    if (index < 0 || index >= count())
        badIndex();
    return m_lines->text(index);
}

int SortedListBox::addSortedItem(const QString& text, qint32 itemData)
{
    const int place = sortedPlace(count(), text, [this](int i) { return m_lines->text(i); });
    m_lines->insert(place, text, itemData);
    return place;
}

void SortedListBox::addSortedItems(const std::vector<std::pair<QString, qint32>>& items)
{
    if (count() != 0) {
        for (const auto& [text, number] : items)
            addSortedItem(text, number);
        return;
    }
    m_lines->assign(items);
}

void SortedListBox::setNumberedLines(std::vector<qint32> numbers, LineSource source)
{
    m_lines->assignNumbers(numbers, std::move(source));
}

void SortedListBox::clear()
{
    m_lines->clear();
}

void SortedListBox::removeLines(const std::vector<int>& indexes)
{
    for (int index : indexes) {
        if (index < 0 || index >= count())
            badIndex();
    }
    // From the last run down, so that the lower indexes stay valid.
    std::size_t end = indexes.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && indexes[begin - 1] == indexes[begin] - 1)
            --begin;
        m_lines->removeRows(indexes[begin], int(end - begin), QModelIndex());
        end = begin;
    }
}

void SortedListBox::setLineSelected(int index, bool selected)
{
    if (index < 0 || index >= count())
        badIndex();
    selectionModel()->select(m_lines->index(index), selected ? QItemSelectionModel::Select
                                                              : QItemSelectionModel::Deselect);
}

qint32 SortedListBox::itemNumber(int index) const
{
    if (index < 0 || index >= count())
        badIndex();
    return m_lines->number(index);
}

void SortedListBox::setTabStops(const std::vector<int>& stops)
{
    m_tabStops = stops;
    viewport()->update();
}

std::vector<int> SortedListBox::selectedRows() const
{
    // By ranges: Select All on a long list is one range, not an index a line.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void enterMovesOn(QWidget* field)
{
    field->installEventFilter(new EnterMovesOnFilter(field));
}

}  // namespace widgets
