#include "widgets/Controls.h"
#include "widgets/EditMenu.h"
#include "widgets/Form.h"
#include "support/FakeServices.h"
#include "support/TableRows.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QVBoxLayout>
#include <numeric>

using widgets::OptionButton;
using widgets::SortedComboBox;
using widgets::SortedListBox;

namespace {

// "text=number" of every item, in order.
template <class List>
QStringList contents(const List& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << QStringLiteral("%1=%2").arg(list.model()->index(i, 0).data().toString()).arg(list.itemNumber(i));
    return out;
}

template <class List>
void checkSortedPlacement(List& list)
{
    // Case aside within the code page, a leading blank first, equal texts after existing ones.
    // A letter with a diacritic with its base letter, ß as ss, the ligatures as their letters.
    const std::vector<std::pair<QString, int>> adds = {{"Smith\tJohn", 0}, {"adams", 0}, {"SMITH\tJOHN", 2},
                                                       {" Blank", 0}, {QString::fromUtf8("élan"), 2}, {"Smith John", 5},
                                                       {QString::fromUtf8("ÉLAN"), 3}, {"", 0}, {"Elan", 5},
                                                       {QString::fromUtf8("Straße"), 9}, {"Strass", 9},
                                                       {QString::fromUtf8("Ångström"), 3}, {QString::fromUtf8("Æbel"), 3}};
    for (size_t i = 0; i < adds.size(); ++i)
        QCOMPARE(list.addSortedItem(adds[i].first, qint32(i + 1)), adds[i].second);
    QCOMPARE(contents(list), (QStringList{"=8", " Blank=4", "adams=2", QString::fromUtf8("Æbel=13"),
                                          QString::fromUtf8("Ångström=12"), QString::fromUtf8("élan=5"),
                                          QString::fromUtf8("ÉLAN=7"), "Elan=9", "Smith\tJohn=1", "SMITH\tJOHN=3",
                                          "Smith John=6", "Strass=11", QString::fromUtf8("Straße=10")}));
}

// The x of the first dark pixel at or right of `from` in rows [top, bottom).
int inkStart(const QImage& image, int top, int bottom, int from)
{
    for (int x = from; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

// A shown main window with the focus, for keys.
struct ActiveWindow : QMainWindow {
    QWidget* central = new QWidget(this);
    QVBoxLayout* layout = new QVBoxLayout(central);
    ActiveWindow() { setCentralWidget(central); }
    bool activate()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};

}  // namespace

// The widget kit: classic controls and the Edit menu.
class TestControls : public QObject {
    Q_OBJECT

private slots:
    void optionGroup()
    {
        QWidget window;
        auto* a = new OptionButton("optA", "A", &window);
        auto* b = new OptionButton("optB", "B", &window);
        OptionButton::group({a, b});
        QSignalSpy chosenA(a, &OptionButton::chosen);
        bool aClearedFirst = false;
        connect(b, &OptionButton::chosen, this, [&] { aClearedFirst = !a->value(); });

        a->setValue(true);
        a->setValue(true);  // the value it holds runs nothing
        b->setChecked(true);
        QVERIFY(aClearedFirst && !a->value() && b->value());
        b->setValue(false);  // code can leave none chosen
        QVERIFY(!a->value() && !b->value());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(a, Qt::LeftButton);
        QTest::mouseClick(a, Qt::LeftButton);  // a click on the chosen one keeps it and runs it again
        QVERIFY(a->value());
        QCOMPARE(chosenA.count(), 3);
    }

    void sortedListsPlaceItems()
    {
        SortedListBox list("lstAllContacts");
        checkSortedPlacement(list);
        SortedComboBox combo("cboFindContact");
        checkSortedPlacement(combo);
        for (int index : {-1, 13}) {
            QCOMPARE(testsupport::errorOf([&] { list.itemNumber(index); }), 381);
            QCOMPARE(testsupport::errorOf([&] { combo.itemNumber(index); }), 381);
        }
    }

    // Filling keeps the typed text and the choice; typed text never becomes an item.
    void sortedComboKeepsItsTextAndChoice()
    {
        SortedComboBox combo("cboFindContact");
        combo.setEditable(true);
        combo.setEditText("Select Contact");
        QSignalSpy indexChanged(&combo, &QComboBox::currentIndexChanged);
        combo.addSortedItem("John  Smith", 1);
        QVERIFY(combo.currentText() == "Select Contact" && indexChanged.count() == 0);
        combo.setCurrentIndex(0);
        combo.addSortedItem("Amy  Adams", 2);
        QCOMPARE(combo.itemNumber(combo.currentIndex()), 1);
        combo.setEditText("Typed");
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        QCOMPARE(combo.count(), 2);
    }

    // Lines given in order are taken as they come; further lines go in their places.
    void filledInOnePass()
    {
        SortedListBox list("lstAllContacts");
        SortedComboBox combo("cboFindContact");
        list.addSortedItems({{"a", 1}, {"b", 2}, {"c", 3}});
        combo.setSortedItems({{"a", 1}, {"b", 2}, {"c", 3}});
        list.addSortedItems({{"bb", 5}, {"a", 6}});
        combo.addSortedItem("a", 6);
        QCOMPARE(contents(list).join(u' ') + " / " + contents(combo).join(u' '),
                 "a=1 a=6 b=2 bb=5 c=3 / a=1 a=6 b=2 c=3");
        list.setLineSelected(4, true);
        list.setLineSelected(2, true);
        QCOMPARE(list.selectedRows(), (std::vector<int>{2, 4}));
        list.removeLines({0, 1, 3});
        QCOMPARE(contents(list).join(u' '), QStringLiteral("b=2 c=3"));
    }

    // Type-ahead finds the line Qt's own list views find (the table's last column), by its binary
    // search.
    void typeAhead_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        for (const QStringList& r : testsupport::tableRows("widgets/typeahead.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r[3];
    }
    void typeAhead()
    {
        SortedListBox list("lstAllContacts");
        for (const char* line :
             {" lead blank", "aaron", "Abe",        "Æsop",      "Ålborg", "émile",  "Emma", "Eve",   "eve", "llama",
              "Lloyd",       "Øre",   "Smith, Ann", "smith, bo", "Søren",  "Straße", "Zed",  "µ-law", "ſam", "ƒoo"})
            list.addSortedItem(QString::fromUtf8(line), 0);
        QFETCH(QString, current);
        for (int i = 0; i < list.count(); ++i)
            if (list.text(i) == current)
                list.setCurrentIndex(list.model()->index(i, 0));
        QFETCH(QString, keys);
        QStyleHints* hints = QGuiApplication::styleHints();
        const int interval = hints->keyboardInputInterval();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const bool pause = keys[i] == u'~';
            hints->setKeyboardInputInterval(pause ? 0 : 5000);
            if (pause)
                QTest::qSleep(5);
            list.keyboardSearch(keys.mid(i += pause, 1));
        }
        hints->setKeyboardInputInterval(interval);
        QTEST(list.currentIndex().data().toString(), "after");
    }

    // Typing reads a few dozen lines of a long list, not every one.
    void typeAheadReadsFewLines()
    {
        SortedListBox list("lstAllContacts");
        int reads = 0;
        std::vector<qint32> numbers(100000);
        std::iota(numbers.begin(), numbers.end(), 0);
        list.setNumberedLines(numbers, [&reads](qint32 n) {
            ++reads;
            return QStringLiteral("%1 Lee").arg(QChar(u'A' + n / 4000)) + QString::number(n).rightJustified(6, u'0');
        });
        list.keyboardSearch("M");
        QVERIFY2(list.currentIndex().row() == 12 * 4000 && reads < 60, qPrintable(QString::number(reads)));
    }

    void listTabStops()
    {
        SortedListBox list("lstAllContacts");
        list.setFont(QFont("DejaVu Sans Mono", 12));
        list.resize(900, 120);
        const int wRow = list.addSortedItem("W\tW", 0);
        // A stop is a quarter of the font's average character width.
        const QRect row = list.visualRect(list.model()->index(wRow, 0));
        const double unit = QFontMetricsF(list.font()).averageCharWidth() / 4;
        const auto secondW = [&](const std::vector<int>& stops) {
            list.setTabStops(stops);
            const QImage image = list.viewport()->grab().toImage();
            const int first = inkStart(image, row.top(), row.bottom(), 0);
            const int afterFirst = first + QFontMetrics(list.font()).horizontalAdvance('W');
            return inkStart(image, row.top(), row.bottom(), afterFirst) - first;
        };
        const int at40 = secondW({40});
        const int at140 = secondW({140, 300});
        QVERIFY2(qAbs(at40 - 40 * unit) <= 2 && qAbs((at140 - at40) - 100 * unit) <= 1.5,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(at40).arg(at140).arg(unit)));
    }

    void enterMovesOnInTabOrder()
    {
        ActiveWindow window;
        QList<QLineEdit*> f;
        for (int i = 0; i < 4; ++i)
            window.layout->addWidget(f.emplace_back(new QLineEdit(window.central)));
        for (int i : {0, 1, 2})
            widgets::enterMovesOn(f[i]);
        QWidget::setTabOrder(f[0], f[2]);
        QWidget::setTabOrder(f[2], f[1]);
        QWidget::setTabOrder(f[1], f[3]);
        QVERIFY(window.activate());

        f[0]->setFocus();
        QTest::keyClick(f[0], Qt::Key_Return);
        QCOMPARE(window.focusWidget(), f[0]);  // the Tab is posted, not sent
        QTRY_COMPARE(window.focusWidget(), f[2]);
        f[1]->setEnabled(false);
        QTest::keyClick(f[2], Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(window.focusWidget(), f[3]);
        QCOMPARE(f[2]->text(), QString());
    }

    void formCentredOnItsScreen()
    {
        widgets::Form form;
        form.resize(300, 200);
        form.centreOnScreen();
        const QPoint off = form.frameGeometry().center() - form.screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1 %2").arg(off.x()).arg(off.y())));
    }

    void editMenuKeysAndEnabling()
    {
        ActiveWindow window;
        auto* box = new QLineEdit(QStringLiteral("Springfield"), window.central);
        auto* button = new QPushButton(window.central);
        testsupport::FakeClipboard clipboard;
        widgets::EditMenu edit(&window, clipboard, {"mnuEdit", "mnuEditCut", "mnuEditCopy", "mnuEditPaste"});
        QVERIFY(window.activate());
        QAction* cut = window.findChild<QAction*>("mnuEditCut");

        box->setFocus();
        emit edit.menu()->aboutToShow();  // nothing selected yet: the key still takes the selection it finds
        QVERIFY(!cut->isEnabled() && window.findChild<QAction*>("mnuEditPaste")->isEnabled());
        box->setSelection(0, 6);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard.contents, QStringLiteral("Spring"));
        clipboard.contents = QStringLiteral("Mans");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(box->text() == "Mansfield" && box->cursorPosition() == 4);

        // Cut and Copy left enabled, then a button takes the focus: the shortcuts do nothing.
        box->selectAll();
        emit edit.menu()->aboutToShow();
        QVERIFY(cut->isEnabled());
        button->setFocus();
        const int writes = clipboard.writes;
        for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V})
            QTest::keyClick(button, key, Qt::ControlModifier);
        QVERIFY(clipboard.writes == writes && box->text() == "Mansfield");

        // The box's own right-click menu would bypass the clipboard service.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &rightClick);
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
