#include "platform/Controls.h"
#include "runtime/RuntimeError.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using platform::OptionButton;
using platform::SortedComboBox;
using platform::SortedListBox;

namespace {

struct Added {
    QString text;
    qint32 number;
    int index;  // expected index returned
};

// The texts of a list or combo, in order, with their numbers.
template <class List>
QStringList contents(const List& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << QStringLiteral("%1=%2").arg(list.itemText(i)).arg(list.itemNumber(i));
    return out;
}

// QListWidget names its text accessor differently from QComboBox.
class ListBox : public SortedListBox {
public:
    using SortedListBox::SortedListBox;
    QString itemText(int i) const { return item(i)->text(); }
};

// Leftmost x of the ink in columns [from, width) of an item row.
int inkStart(const QImage& image, int y0, int y1, int from)
{
    for (int x = from; x < image.width(); ++x) {
        for (int y = y0; y < y1; ++y) {
            if (qGray(image.pixel(x, y)) < 128)
                return x;
        }
    }
    return -1;
}

// A window's own key handler of a field: notes where the focus is when Enter arrives and
// may move it.
class KeyWatcher : public QObject {
public:
    QWidget* enterFocus = nullptr;
    QWidget* moveFocusTo = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return) {
            enterFocus = static_cast<QWidget*>(watched)->window()->focusWidget();
            if (moveFocusTo)
                moveFocusTo->setFocus();
        }
        return false;
    }
};

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class tst_Controls : public QObject {
    Q_OBJECT

private slots:
    void optionGroupChoosingClearsPartners();
    void optionGroupLeavesNoneChosen();
    void optionUserClicks();
    void checkBoxAndTextBoxSignalOnChangeOnly();

    void compareIgnoresCaseWithinCodePage();
    void sortedListPlacesItems();
    void sortedComboPlacesItems();
    void sortedComboKeepsItsText();
    void sortedComboWorksWithComboCalls();
    void itemNumberOutOfRange();
    void sortedListInsertsManyItemsQuickly();
    void listSelectionIsMultiple();
    void tabStopsInQuarterCharacters();

    void enterMovesToNextField();
    void enterFollowsTabOrderAndSkipsDisabled();
    void plainLabelShowsMarkupAsText();
};

void tst_Controls::optionGroupChoosingClearsPartners()
{
    QWidget window;
    auto* a = new OptionButton("optA", "A", &window);
    auto* b = new OptionButton("optB", "B", &window);
    auto* c = new OptionButton("optC", "C", &window);
    OptionButton::group({a, b, c});
    QSignalSpy chosenA(a, &OptionButton::chosen);
    QSignalSpy chosenB(b, &OptionButton::chosen);
    QSignalSpy chosenC(c, &OptionButton::chosen);

    QCOMPARE(a->objectName(), QStringLiteral("optA"));
    QVERIFY(!a->autoExclusive());
    QVERIFY(!a->value() && !b->value() && !c->value());

    a->setValue(true);
    QVERIFY(a->value());
    QCOMPARE(chosenA.count(), 1);

    // The partners are already cleared when the handler of the new choice runs.
    bool aClearedInHandler = false;
    connect(b, &OptionButton::chosen, this, [&] { aClearedInHandler = !a->value(); });
    b->setValue(true);
    QVERIFY(aClearedInHandler);
    QVERIFY(!a->value() && b->value() && !c->value());
    QCOMPARE(chosenA.count(), 1);
    QCOMPARE(chosenB.count(), 1);

    // Setting the value it already holds runs nothing.
    b->setValue(true);
    QCOMPARE(chosenB.count(), 1);

    // setChecked from code behaves as setValue.
    c->setChecked(true);
    QVERIFY(!a->value() && !b->value() && c->value());
    QCOMPARE(chosenC.count(), 1);
    QCOMPARE(chosenB.count(), 1);
}

void tst_Controls::optionGroupLeavesNoneChosen()
{
    QWidget window;
    auto* a = new OptionButton("optA", "A", &window);
    auto* b = new OptionButton("optB", "B", &window);
    OptionButton::group({a, b});
    QSignalSpy chosenA(a, &OptionButton::chosen);
    QSignalSpy chosenB(b, &OptionButton::chosen);

    a->setValue(true);
    a->setValue(false);
    QVERIFY(!a->value() && !b->value());
    QCOMPARE(chosenA.count(), 1);
    QCOMPARE(chosenB.count(), 0);

    // Clearing one that is not chosen leaves the chosen partner alone.
    b->setValue(true);
    a->setValue(false);
    QVERIFY(!a->value() && b->value());
}

void tst_Controls::optionUserClicks()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* a = new OptionButton("optA", "Option A", &window);
    auto* b = new OptionButton("optB", "Option B", &window);
    layout->addWidget(a);
    layout->addWidget(b);
    OptionButton::group({a, b});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy chosenA(a, &OptionButton::chosen);
    QSignalSpy chosenB(b, &OptionButton::chosen);

    QTest::mouseClick(a, Qt::LeftButton);
    QVERIFY(a->value());
    QCOMPARE(chosenA.count(), 1);

    // A click on the chosen option keeps it chosen and runs nothing.
    QTest::mouseClick(a, Qt::LeftButton);
    QVERIFY(a->value());
    QCOMPARE(chosenA.count(), 1);
    a->click();
    QVERIFY(a->value());
    QCOMPARE(chosenA.count(), 1);

    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!a->value() && b->value());
    QCOMPARE(chosenB.count(), 1);
    QCOMPARE(chosenA.count(), 1);
}

void tst_Controls::checkBoxAndTextBoxSignalOnChangeOnly()
{
    // The program relies on these Qt behaviours: a value set from code runs the change
    // handler at once, and the value already held runs nothing.
    QCheckBox check;
    QSignalSpy toggled(&check, &QCheckBox::toggled);
    QSignalSpy clicked(&check, &QCheckBox::clicked);
    check.setChecked(true);
    QCOMPARE(toggled.count(), 1);
    check.setChecked(true);
    QCOMPARE(toggled.count(), 1);
    check.setChecked(false);
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(clicked.count(), 0);

    QLineEdit box;
    QString seen;
    connect(&box, &QLineEdit::textChanged, this, [&](const QString& text) { seen += "[" + text + "]"; });
    box.setText("Smith, Inc.");
    QCOMPARE(seen, QStringLiteral("[Smith, Inc.]"));
    box.setText("Smith, Inc.");
    QCOMPARE(seen, QStringLiteral("[Smith, Inc.]"));
    box.setText(QString());
    QCOMPARE(seen, QStringLiteral("[Smith, Inc.][]"));
}

void tst_Controls::compareIgnoresCaseWithinCodePage()
{
    using platform::compareListText;
    QCOMPARE(compareListText("smith", "SMITH"), 0);
    QVERIFY(compareListText("Adams", "baker") < 0);
    QVERIFY(compareListText("baker", "Adams") > 0);
    // A leading blank sorts before digits and letters; a shorter prefix first.
    QVERIFY(compareListText(" Smith", "0 Smith") < 0);
    QVERIFY(compareListText(" zed", "Alice") < 0);
    QVERIFY(compareListText("", " ") < 0);
    QVERIFY(compareListText("Ann", "Anna") < 0);
    // A TAB after a name sorts before a blank, so "John" comes before "John Smith".
    QVERIFY(compareListText("John\tBoston", "John Smith\tBoston") < 0);
    // The accented letters of Windows-1252 have upper cases too.
    QCOMPARE(compareListText(QString::fromUtf8("élan"), QString::fromUtf8("ÉLAN")), 0);
    QCOMPARE(compareListText(QString::fromUtf8("šťž"), QString::fromUtf8("ŠťŽ")), 0);
    QCOMPARE(compareListText(QString::fromUtf8("ÿ"), QString::fromUtf8("Ÿ")), 0);
    QCOMPARE(compareListText(QString::fromUtf8("œuvre"), QString::fromUtf8("ŒUVRE")), 0);
    // Division sign and sharp s have no upper case.
    QVERIFY(compareListText(QString::fromUtf8("÷"), QString::fromUtf8("×")) != 0);
    QVERIFY(compareListText(QString::fromUtf8("ß"), QString::fromUtf8("ẞ")) != 0);
}

template <class List>
static void checkSortedPlacement(List& list)
{
    const std::vector<Added> adds = {
        {"Smith  John", 1, 0},
        {"adams  Amy", 2, 0},
        {"smith  john", 3, 2},  // equal to an existing text, case aside: after it
        {" Blank first", 4, 0},
        {"Zed", 5, 4},
        {"SMITH  JOHN", 6, 4},
        {"", 7, 0},
        {"Baker", 8, 3},
    };
    for (const Added& add : adds)
        QCOMPARE(list.addSortedItem(add.text, add.number), add.index);
    QCOMPARE(contents(list), (QStringList{"=7", " Blank first=4", "adams  Amy=2", "Baker=8", "Smith  John=1",
                                          "smith  john=3", "SMITH  JOHN=6", "Zed=5"}));
    // The number travels with its item, also through the model's own data role.
    QCOMPARE(list.model()->data(list.model()->index(4, 0), Qt::UserRole).toInt(), 1);
}

void tst_Controls::sortedListPlacesItems()
{
    ListBox list("lstAllContacts");
    QCOMPARE(list.objectName(), QStringLiteral("lstAllContacts"));
    QVERIFY(!list.isSortingEnabled());
    checkSortedPlacement(list);
}

void tst_Controls::sortedComboPlacesItems()
{
    SortedComboBox combo("cboFindContact");
    QCOMPARE(combo.objectName(), QStringLiteral("cboFindContact"));
    checkSortedPlacement(combo);
}

void tst_Controls::sortedComboKeepsItsText()
{
    SortedComboBox combo("cboFindContact");
    combo.setEditable(true);
    combo.setEditText("Select Contact");
    QSignalSpy indexChanged(&combo, &QComboBox::currentIndexChanged);
    QSignalSpy textChanged(&combo, &QComboBox::editTextChanged);
    combo.addSortedItem("John  Smith", 1);
    combo.addSortedItem("Amy  Adams", 2);
    QCOMPARE(combo.currentText(), QStringLiteral("Select Contact"));
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(indexChanged.count(), 0);
    QCOMPARE(textChanged.count(), 0);

    SortedComboBox list("cboList");
    list.addSortedItem("One", 1);
    QCOMPARE(list.currentIndex(), -1);

    // A chosen item stays chosen when others go before it.
    combo.setCurrentIndex(1);
    QCOMPARE(combo.currentText(), QStringLiteral("John  Smith"));
    combo.addSortedItem("Ann  Baker", 3);
    QCOMPARE(combo.currentText(), QStringLiteral("John  Smith"));
    QCOMPARE(combo.itemNumber(combo.currentIndex()), 1);
}

void tst_Controls::sortedComboWorksWithComboCalls()
{
    SortedComboBox combo("cboFindContact");
    combo.setEditable(true);
    combo.addSortedItem("Carl", 3);
    combo.addSortedItem("Amy", 1);
    combo.addSortedItem("Bob", 2);
    QCOMPARE(combo.itemText(1), QStringLiteral("Bob"));
    QCOMPARE(combo.itemData(1).toInt(), 2);
    QCOMPARE(combo.findText("Carl"), 2);

    combo.setItemData(1, 20);
    QCOMPARE(combo.itemNumber(1), 20);
    combo.removeItem(0);
    QCOMPARE(contents(combo), (QStringList{"Bob=20", "Carl=3"}));
    QCOMPARE(combo.addSortedItem("Abe", 4), 0);
    QCOMPARE(contents(combo), (QStringList{"Abe=4", "Bob=20", "Carl=3"}));
    combo.addItem("Zoe", 9);
    QCOMPARE(combo.itemNumber(3), 9);

    // Choosing an item shows its text.
    combo.setCurrentIndex(2);
    QCOMPARE(combo.currentText(), QStringLiteral("Carl"));

    // Text typed and entered in the box never becomes an item.
    combo.setEditText("Typed Name");
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    QCOMPARE(combo.count(), 4);

    combo.clear();
    QCOMPARE(combo.count(), 0);
    QCOMPARE(combo.addSortedItem("Bob", 5), 0);
    QCOMPARE(contents(combo), QStringList{"Bob=5"});
}

void tst_Controls::itemNumberOutOfRange()
{
    SortedListBox list("lstAllContacts");
    SortedComboBox combo("cboFindContact");
    list.addSortedItem("One", 1);
    combo.addSortedItem("One", 1);
    for (int index : {-1, 1}) {
        try {
            list.itemNumber(index);
            QFAIL("no error for a list index out of range");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 381);
        }
        try {
            combo.itemNumber(index);
            QFAIL("no error for a combo index out of range");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 381);
        }
    }
}

void tst_Controls::sortedListInsertsManyItemsQuickly()
{
    ListBox list("lstAllContacts");
    SortedComboBox combo("cboFindContact");
    const int n = 100000;
    QStringList texts;
    texts.reserve(n);
    quint32 seed = 12345;
    for (int i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        const quint32 r = seed >> 8;
        texts << QStringLiteral("%1%2 Name%3\tCity").arg(QChar(u'A' + r % 26)).arg(QChar(u'a' + (r / 26) % 26)).arg(r % 5000);
    }
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i)
        list.addSortedItem(texts[i], i + 1);
    const qint64 listMs = timer.restart();
    for (int i = 0; i < n; ++i)
        combo.addSortedItem(texts[i], i + 1);
    const qint64 comboMs = timer.elapsed();
    qInfo("100000 sorted inserts: list %lld ms, combo %lld ms", listMs, comboMs);
    QVERIFY2(listMs < 2000, qPrintable(QString::number(listMs)));
    QVERIFY2(comboMs < 2000, qPrintable(QString::number(comboMs)));
    // Closing a window with a long find list must not hang either.
    timer.restart();
    combo.clear();
    QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
    for (int i = 0; i < n; ++i)
        combo.addSortedItem(texts[i], i + 1);

    QCOMPARE(list.count(), n);
    for (int i = 1; i < n; ++i) {
        const int order = platform::compareListText(list.itemText(i - 1), list.itemText(i));
        QVERIFY(order <= 0);
        // Equal texts keep the order they were added in.
        if (order == 0)
            QVERIFY(list.itemNumber(i - 1) < list.itemNumber(i));
        QCOMPARE(list.itemNumber(i), combo.itemNumber(i));
        QCOMPARE(list.itemText(i), texts[list.itemNumber(i) - 1]);
    }
}

void tst_Controls::listSelectionIsMultiple()
{
    SortedListBox list("lstAllContacts");
    for (const char* text : {"d", "a", "c", "b"})
        list.addSortedItem(text, 0);
    QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    list.item(3)->setSelected(true);
    list.item(1)->setSelected(true);
    QCOMPARE(list.selectedRows(), (std::vector<int>{1, 3}));
    list.selectAll();
    QCOMPARE(list.selectedRows(), (std::vector<int>{0, 1, 2, 3}));
}

void tst_Controls::tabStopsInQuarterCharacters()
{
    SortedListBox list("lstAllContacts");
    list.setFont(QFont("DejaVu Sans Mono", 12));
    list.resize(900, 120);
    list.addSortedItem("W\tW", 1);
    const QRect row = list.visualItemRect(list.item(0));
    const double unit = QFontMetricsF(list.font()).averageCharWidth() / 4;

    const auto secondColumn = [&](const std::vector<int>& stops) {
        list.setTabStops(stops);
        const QImage image = list.viewport()->grab().toImage();
        const int first = inkStart(image, row.top(), row.bottom(), 0);
        // The second W starts after the first one's ink, past the first glyph's width.
        const int afterFirst = first + QFontMetrics(list.font()).horizontalAdvance('W');
        return inkStart(image, row.top(), row.bottom(), afterFirst) - first;
    };
    QCOMPARE(list.tabStops(), std::vector<int>{});
    const int at40 = secondColumn({40});
    const int at140 = secondColumn({140, 300});
    QVERIFY2(at40 > 0 && at140 > 0, "no text drawn");
    QVERIFY2(qAbs((at140 - at40) - 100 * unit) <= 1.5,
             qPrintable(QStringLiteral("%1 %2 %3").arg(at40).arg(at140).arg(unit)));
    QVERIFY2(qAbs(at40 - 40 * unit) <= 2, qPrintable(QStringLiteral("%1 %2").arg(at40).arg(unit)));
}

void tst_Controls::enterMovesToNextField()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    auto* third = new QLineEdit(&window);
    for (QLineEdit* field : {first, second, third})
        layout->addWidget(field);
    platform::enterMovesOn(first);
    platform::enterMovesOn(second);
    showActive(window);
    first->setFocus();
    QTRY_COMPARE(window.focusWidget(), first);

    // A key handler of the field's own sees Enter while the focus is still on the field.
    KeyWatcher watcher;
    first->installEventFilter(&watcher);
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(watcher.enterFocus, static_cast<QWidget*>(first));
    // The Tab is posted, not sent: the focus moves once events are processed.
    QCOMPARE(window.focusWidget(), first);
    QTRY_COMPARE(window.focusWidget(), second);
    QCOMPARE(first->text(), QString());

    // Other keys pass unchanged; the keypad Enter moves on as well.
    QTest::keyClicks(second, "ab");
    QCOMPARE(second->text(), QStringLiteral("ab"));
    QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(window.focusWidget(), third);

    // A field without it keeps the focus and sees Enter as usual.
    QSignalSpy returnPressed(third, &QLineEdit::returnPressed);
    QTest::keyClick(third, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(window.focusWidget(), third);
    QCOMPARE(returnPressed.count(), 1);
}

void tst_Controls::enterFollowsTabOrderAndSkipsDisabled()
{
    // The program's windows are main windows with their fields on a central widget.
    QMainWindow window;
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    QLineEdit* a = new QLineEdit(central);
    QLineEdit* b = new QLineEdit(central);
    QLineEdit* c = new QLineEdit(central);
    QLineEdit* d = new QLineEdit(central);
    for (QLineEdit* field : {a, b, c, d}) {
        layout->addWidget(field);
        platform::enterMovesOn(field);
    }
    QWidget::setTabOrder(a, c);
    QWidget::setTabOrder(c, b);
    QWidget::setTabOrder(b, d);
    showActive(window);

    a->setFocus();
    QTRY_COMPARE(window.focusWidget(), a);
    QTest::keyClick(a, Qt::Key_Return);
    QTRY_COMPARE(window.focusWidget(), c);

    b->setEnabled(false);
    QTest::keyClick(c, Qt::Key_Return);
    QTRY_COMPARE(window.focusWidget(), d);

    // The Tab goes to the window: it moves on from wherever the focus is when it arrives.
    KeyWatcher watcher;
    watcher.moveFocusTo = c;
    a->installEventFilter(&watcher);
    a->setFocus();
    QTRY_COMPARE(window.focusWidget(), a);
    QTest::keyClick(a, Qt::Key_Return);
    QTRY_COMPARE(window.focusWidget(), d);
}

void tst_Controls::plainLabelShowsMarkupAsText()
{
    QWidget window;
    QLabel* label = platform::plainLabel("lblQzPosition", "<b>Label</b> & more", &window);
    QCOMPARE(label->objectName(), QStringLiteral("lblQzPosition"));
    QCOMPARE(label->parent(), &window);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QLabel rich("<b>Label</b> & more");
    // Shown as plain text, the tags take room of their own.
    QVERIFY(label->sizeHint().width() > rich.sizeHint().width());
}

QTEST_MAIN(tst_Controls)
#include "tst_controls.moc"
