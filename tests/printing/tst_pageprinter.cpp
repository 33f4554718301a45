#include "support/RecordingDevice.h"
#include "printing/FontMetrics.h"
#include "printing/PagePrinter.h"
#include "runtime/RuntimeError.h"

#include <QtTest>
#include <functional>

using platform::PrintItem;
using printing::FontMetrics;
using printing::PagePrinter;
using printing::PlacedText;
using printing::PrintFont;
using testsupport::RecordingDevice;

namespace {

// Verdana 9, the label font: 1.21533 em rows, 0.50830 em columns.
constexpr double kVerdana9Line = 9 * 1.21533;
constexpr double kVerdana9Column = 9 * 0.50830;

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-3;
}

}  // namespace

class TestPagePrinter : public QObject {
    Q_OBJECT

private:
    RecordingDevice* m_device = nullptr;
    PagePrinter* m_printer = nullptr;

    void useVerdana9()
    {
        m_printer->setFontName("Verdana");
        m_printer->setFontSize(9);
    }
    const printing::PrintedDocument& onlyDocument()
    {
        if (m_device->documents().size() != 1)
            qFatal("expected one document, got %d", int(m_device->documents().size()));
        return m_device->documents().front();
    }
    const std::vector<PlacedText>& itemsOfPage(int page)
    {
        return onlyDocument().pages.at(page).items;
    }

private slots:
    void init()
    {
        m_device = new RecordingDevice;
        m_printer = new PagePrinter(*m_device);
    }
    void cleanup()
    {
        delete m_printer;
        delete m_device;
    }

    void fontMetricsOfTheTunedFaces()
    {
        auto m = FontMetrics::measure({"Verdana", 9, false, false});
        QVERIFY(near(m.lineHeight, 10.93797));
        QVERIFY(near(m.columnWidth, 4.5747));
        QVERIFY(near(m.ascent, 9 * 2059.0 / 2048));
        QVERIFY(near(FontMetrics::measure({"Verdana", 9, true, false}).columnWidth, 9 * 0.56787));
        QVERIFY(near(FontMetrics::measure({"Verdana", 9, false, true}).columnWidth, 9 * 0.50830));

        // Trebuchet MS has a column of its own for each style.
        QVERIFY(near(FontMetrics::measure({"Trebuchet MS", 14, false, false}).columnWidth, 14 * 0.45361));
        QVERIFY(near(FontMetrics::measure({"Trebuchet MS", 14, true, false}).columnWidth, 14 * 0.47363));
        QVERIFY(near(FontMetrics::measure({"Trebuchet MS", 14, false, true}).columnWidth, 14 * 0.45850));
        QVERIFY(near(FontMetrics::measure({"Trebuchet MS", 14, true, true}).columnWidth, 14 * 0.48145));
        QVERIFY(near(FontMetrics::measure({"Trebuchet MS", 14, false, false}).lineHeight, 14 * 1.16113));

        // Arial and Times New Roman rows include their external leading.
        QVERIFY(near(FontMetrics::measure({"Arial", 10, false, false}).lineHeight, 11.499));
        QVERIFY(near(FontMetrics::measure({"Times New Roman", 10, false, false}).lineHeight, 11.499));
        QVERIFY(near(FontMetrics::measure({"Times New Roman", 10, false, false}).columnWidth, 4.0088));
        QVERIFY(near(FontMetrics::measure({"Courier New", 8, false, false}).columnWidth, 8 * 0.60010));
        QVERIFY(near(FontMetrics::measure({"Courier New", 8, false, false}).ascent, 8 * 1705.0 / 2048));

        // Names compare without regard to case; the old bitmap name is the same face.
        auto sans = FontMetrics::measure({"Microsoft Sans Serif", 8, false, false});
        auto old = FontMetrics::measure({"ms sans serif", 8, false, false});
        QVERIFY(near(sans.lineHeight, 8 * 1.13184));
        QVERIFY(near(old.lineHeight, sans.lineHeight));
        QVERIFY(near(old.columnWidth, 8 * 0.43994));
        QVERIFY(near(FontMetrics::measure({"VERDANA", 9, false, false}).lineHeight, 10.93797));
    }

    void drawFaces()
    {
        QCOMPARE(FontMetrics::drawFace("Verdana"), QString("DejaVu Sans"));
        QCOMPARE(FontMetrics::drawFace("trebuchet ms"), QString("DejaVu Sans Condensed"));
        QCOMPARE(FontMetrics::drawFace("Microsoft Sans Serif"), QString("Liberation Sans"));
        QCOMPARE(FontMetrics::drawFace("MS Sans Serif"), QString("Liberation Sans"));
        QCOMPARE(FontMetrics::drawFace("Courier New"), QString("Liberation Mono"));
        QCOMPARE(FontMetrics::drawFace("Arial"), QString("Liberation Sans"));
        QCOMPARE(FontMetrics::drawFace("Times New Roman"), QString("Liberation Serif"));
        QCOMPARE(FontMetrics::drawFace("Liberation Sans"), QString("Liberation Sans"));
    }

    // A face outside the table is measured from its own font tables: Liberation Sans has a
    // much wider average character than Arial's and a 67-unit line gap.
    void unknownFaceFromItsOwnTables()
    {
        auto m = FontMetrics::measure({"Liberation Sans", 10, false, false});
        QVERIFY2(near(m.columnWidth, 10 * 1208.0 / 2048), qPrintable(QString::number(m.columnWidth)));
        QVERIFY(near(m.lineHeight, 10 * (1854.0 + 434 + 67) / 2048));
        QVERIFY(near(m.ascent, 10 * 1854.0 / 2048));
        auto dejavu = FontMetrics::measure({"DejaVu Sans", 10, false, false});
        QVERIFY(near(dejavu.columnWidth, 10 * 1038.0 / 2048));
        QVERIFY(near(dejavu.lineHeight, 10 * (1901.0 + 483) / 2048));
    }

    void tabBelowOneThenSpaces()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::tab(0), PrintItem::spaces(16), PrintItem::str("Hello")});
        m_printer->printLine({PrintItem::tab(-7), PrintItem::spaces(2), PrintItem::str("B")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items.size(), size_t(2));
        QCOMPARE(items[0].column, 17);
        QCOMPARE(items[0].row, 1);
        QVERIFY(near(items[0].x, 16 * kVerdana9Column));
        QCOMPARE(items[1].column, 3);
        QCOMPARE(items[1].row, 2);
        QVERIFY(near(items[1].y, kVerdana9Line));
    }

    void tabToPassedColumnGoesToNextRow()
    {
        useVerdana9();
        // The text runs from column 5 to column 44; the line then stands on column 45.
        const QString forty(40, QLatin1Char('x'));
        m_printer->printLine({PrintItem::tab(5), PrintItem::str(forty), PrintItem::tab(40), PrintItem::str("B")});
        m_printer->printLine({PrintItem::str("C")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items.size(), size_t(3));
        QCOMPARE(items[0].column, 5);
        QCOMPARE(items[1].text, QString("B"));
        QCOMPARE(items[1].row, 2);
        QCOMPARE(items[1].column, 40);
        QVERIFY(near(items[1].y, kVerdana9Line));
        QCOMPARE(items[2].row, 3);
        QCOMPARE(items[2].column, 1);
        QVERIFY(near(items[2].y, 2 * kVerdana9Line));
    }

    void tabToTheColumnReachedStaysOnTheRow()
    {
        useVerdana9();
        // Four labels of a return-address row: each text ends exactly where the next tab is.
        const QString ten(10, QLatin1Char('a'));
        m_printer->printLine({PrintItem::tab(7), PrintItem::str(ten), PrintItem::tab(17), PrintItem::str(ten),
                              PrintItem::tab(27), PrintItem::str("end")});
        m_printer->printLine({PrintItem::tab(3), PrintItem::str("abc"), PrintItem::tab(4), PrintItem::str("d")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items.size(), size_t(5));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(items[i].row, 1);
        QCOMPARE(items[1].column, 17);
        QCOMPARE(items[2].column, 27);
        // "abc" from column 3 ends before column 6: column 4 is passed.
        QCOMPARE(items[4].row, 3);
        QCOMPARE(items[4].column, 4);
    }

    void negativeSpacesPrintNone()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::tab(10), PrintItem::spaces(-3), PrintItem::str("A")});
        m_printer->printLine({PrintItem::tab(10), PrintItem::spaces(0), PrintItem::str("B")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items[0].column, 10);
        QCOMPARE(items[1].column, 10);
    }

    void textIsNeverCut()
    {
        useVerdana9();
        const QString longText(300, QLatin1Char('w'));
        m_printer->printLine({PrintItem::tab(150), PrintItem::str(longText)});
        m_printer->endDoc();
        QCOMPARE(itemsOfPage(0).at(0).text, longText);
        QCOMPARE(itemsOfPage(0).at(0).column, 150);
    }

    void numbersGetABlankEachSide()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::num(5), PrintItem::str("X")});
        m_printer->printLine({PrintItem::tab(4), PrintItem::num(-12), PrintItem::str("Y")});
        m_printer->printLine({PrintItem::num(0.5), PrintItem::num(30000)});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items[0].text, QString(" 5 "));
        QCOMPARE(items[1].text, QString("X"));
        QCOMPARE(items[1].column, 4);
        QCOMPARE(items[2].text, QString("-12 "));
        QCOMPARE(items[3].column, 8);
        QCOMPARE(items[4].text, QString(" .5 "));
        QCOMPARE(items[5].text, QString(" 30000 "));
        QCOMPARE(items[5].column, 5);
    }

    void emptyLinesUseTheCurrentFont()
    {
        m_printer->setFontName("Verdana");
        m_printer->setFontSize(20);
        m_printer->printLine();
        m_printer->setFontSize(10);
        m_printer->printLine();
        m_printer->printLine();
        m_printer->setFontSize(20);
        m_printer->printLine({PrintItem::tab(6), PrintItem::str("Label")});
        m_printer->endDoc();
        const auto& item = itemsOfPage(0).at(0);
        QCOMPARE(item.row, 4);
        QVERIFY(near(item.y, 20 * 1.21533 + 2 * 10 * 1.21533));
        QCOMPARE(item.column, 6);
        QVERIFY(near(item.x, 5 * 20 * 0.50830));
        QCOMPARE(item.font, (PrintFont{"Verdana", 20, false, false}));
    }

    void fontChangesMidDocument()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::str("first")});
        m_printer->setFontName("Courier New");
        m_printer->setFontSize(12);
        m_printer->printLine({PrintItem::tab(10), PrintItem::str("mono")});
        m_printer->setFontName("Trebuchet MS");
        m_printer->setFontBold(true);
        m_printer->setFontItalic(true);
        m_printer->printLine({PrintItem::tab(3), PrintItem::str("slanted")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items[1].font, (PrintFont{"Courier New", 12, false, false}));
        QVERIFY(near(items[1].y, kVerdana9Line));
        QVERIFY(near(items[1].x, 9 * 12 * 0.60010));
        QCOMPARE(items[1].column, 10);
        QCOMPARE(items[2].font, (PrintFont{"Trebuchet MS", 12, true, true}));
        QVERIFY(near(items[2].y, kVerdana9Line + 12 * 1.13281));
        QVERIFY(near(items[2].x, 2 * 12 * 0.48145));
        QCOMPARE(items[2].row, 3);
    }

    void newPageThenEndGivesNoBlankPage()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::str("page one")});
        m_printer->newPage();
        m_printer->endDoc();
        QCOMPARE(onlyDocument().pages.size(), size_t(1));
    }

    void newPageStartsWhenSomethingFollows()
    {
        useVerdana9();
        m_printer->printLine({PrintItem::str("copy 1")});
        m_printer->printLine({PrintItem::str("more")});
        m_printer->newPage();
        m_printer->printLine({PrintItem::tab(2), PrintItem::str("copy 2")});
        m_printer->newPage();
        m_printer->printLine();  // empty lines alone still make a page
        m_printer->newPage();
        m_printer->endDoc();
        const auto& pages = onlyDocument().pages;
        QCOMPARE(pages.size(), size_t(3));
        QCOMPARE(pages[1].items.at(0).row, 1);
        QCOMPARE(pages[1].items.at(0).y, 0.0);
        QCOMPARE(pages[1].items.at(0).text, QString("copy 2"));
        QVERIFY(pages[2].items.empty());
    }

    void endWithNothingPrintedGivesNoDocument()
    {
        m_printer->endDoc();
        QVERIFY(m_device->documents().empty());
        m_printer->printLine();
        m_printer->endDoc();
        m_printer->endDoc();  // an envelope's second end
        QCOMPARE(m_device->documents().size(), size_t(1));
        QCOMPARE(m_device->documents().front().pages.size(), size_t(1));
        // A new page asked for with no document open starts nothing.
        m_printer->newPage();
        m_printer->endDoc();
        QCOMPARE(m_device->documents().size(), size_t(1));
    }

    void moveToTopLeftStartsNoPage()
    {
        useVerdana9();
        m_printer->moveToTopLeft();
        m_printer->endDoc();
        QVERIFY(m_device->documents().empty());

        for (int i = 0; i < 5; ++i)
            m_printer->printLine();
        m_printer->printLine({PrintItem::tab(3), PrintItem::str("first label")});
        m_printer->moveToTopLeft();
        m_printer->printLine();
        m_printer->printLine({PrintItem::tab(40), PrintItem::str("second label")});
        m_printer->endDoc();
        const auto& pages = onlyDocument().pages;
        QCOMPARE(pages.size(), size_t(1));
        QCOMPARE(pages[0].items.at(0).row, 6);
        QCOMPARE(pages[0].items.at(1).row, 2);
        QVERIFY(near(pages[0].items.at(1).y, kVerdana9Line));
    }

    void killDocDiscardsAndIsHarmlessWithoutDocument()
    {
        m_printer->killDoc();
        useVerdana9();
        for (int i = 0; i < 3; ++i)
            m_printer->printLine({PrintItem::str("lost")});
        m_printer->killDoc();
        m_printer->endDoc();
        QVERIFY(m_device->documents().empty());
        m_printer->killDoc();

        m_printer->printLine({PrintItem::str("kept")});
        m_printer->endDoc();
        const auto& items = itemsOfPage(0);
        QCOMPARE(items.size(), size_t(1));
        QCOMPARE(items[0].row, 1);
        QCOMPARE(items[0].y, 0.0);
    }

    void lineBeyondTheFootStartsANewPage()
    {
        // Letter portrait below the PDF origin: 789.75 pt, room for 72 Verdana 9 rows.
        useVerdana9();
        for (int i = 1; i <= 73; ++i)
            m_printer->printLine({PrintItem::str(QString::number(i))});
        m_printer->endDoc();
        const auto& pages = onlyDocument().pages;
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(pages[0].items.size(), size_t(72));
        QCOMPARE(pages[0].items.back().row, 72);
        QCOMPARE(pages[1].items.at(0).text, QString("73"));
        QCOMPARE(pages[1].items.at(0).row, 1);
        QCOMPARE(pages[1].items.at(0).y, 0.0);
    }

    void exactlyFullPageAddsNoBlankPage()
    {
        useVerdana9();
        for (int i = 1; i <= 72; ++i)
            m_printer->printLine();
        m_printer->endDoc();
        QCOMPARE(onlyDocument().pages.size(), size_t(1));
    }

    void landscapeAndEnvelopePagesAreShorter()
    {
        // Landscape Letter: 609.75 pt, 55 rows of Verdana 9; a #10 envelope in landscape
        // (4 1/8 in high): 294.75 pt, 26 rows.
        useVerdana9();
        m_printer->setOrientation(2);
        for (int i = 1; i <= 56; ++i)
            m_printer->printLine({PrintItem::str("r")});
        m_printer->endDoc();
        m_printer->setPaperSize(20);
        for (int i = 1; i <= 27; ++i)
            m_printer->printLine({PrintItem::str("e")});
        m_printer->endDoc();
        const auto& docs = m_device->documents();
        QCOMPARE(docs.size(), size_t(2));
        QCOMPARE(docs[0].pages.at(0).items.size(), size_t(55));
        QCOMPARE(docs[0].pages.size(), size_t(2));
        QCOMPARE(docs[1].paperSize, 20);
        QCOMPARE(docs[1].orientation, 2);
        QCOMPARE(docs[1].pages.at(0).items.size(), size_t(26));
        QCOMPARE(docs[1].pages.size(), size_t(2));
    }

    void tabWrapAtTheFootContinuesOnANewPage()
    {
        useVerdana9();
        for (int i = 1; i <= 71; ++i)
            m_printer->printLine();
        m_printer->printLine({PrintItem::tab(20), PrintItem::str("last row"), PrintItem::tab(2), PrintItem::str("wrapped")});
        m_printer->endDoc();
        const auto& pages = onlyDocument().pages;
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(pages[0].items.at(0).row, 72);
        QCOMPARE(pages[1].items.at(0).text, QString("wrapped"));
        QCOMPARE(pages[1].items.at(0).row, 1);
        QCOMPARE(pages[1].items.at(0).column, 2);
    }

    void settingsPersistAcrossDocuments()
    {
        m_printer->setFontName("Trebuchet MS");
        m_printer->setFontSize(14);
        m_printer->setFontBold(true);
        m_printer->setFontItalic(true);
        m_printer->setOrientation(2);
        m_printer->setPaperSize(20);
        m_printer->printLine({PrintItem::str("one")});
        // Orientation and paper are the document's from its first line on.
        m_printer->setOrientation(1);
        m_printer->endDoc();
        // A job names only the settings it changes.
        m_printer->setFontName("Verdana");
        m_printer->printLine({PrintItem::str("two")});
        m_printer->endDoc();

        const auto& docs = m_device->documents();
        QCOMPARE(docs.size(), size_t(2));
        QCOMPARE(docs[0].orientation, 2);
        QCOMPARE(docs[0].paperSize, 20);
        QCOMPARE(docs[1].orientation, 1);
        QCOMPARE(docs[1].paperSize, 20);
        QCOMPARE(docs[1].pages.at(0).items.at(0).font, (PrintFont{"Verdana", 14, true, true}));
        QCOMPARE(m_printer->fontName(), QString("Verdana"));
        QCOMPARE(m_printer->fontSize(), 14.0);
        QVERIFY(m_printer->fontBold());
        QVERIFY(m_printer->fontItalic());
        QCOMPARE(m_printer->paperSize(), 20);
    }

    void settingsOutsideTheirRangeAreRefused()
    {
        for (auto set : {std::function<void()>([&] { m_printer->setOrientation(3); }),
                         std::function<void()>([&] { m_printer->setPaperSize(9); }),
                         std::function<void()>([&] { m_printer->setFontSize(0); }),
                         std::function<void()>([&] { m_printer->setFontSize(-4); })}) {
            try {
                set();
                QFAIL("no error raised");
            } catch (const rt::RuntimeError& e) {
                QCOMPARE(e.number(), 5);
            }
        }
        QCOMPARE(m_printer->orientation(), 1);
        QCOMPARE(m_printer->paperSize(), 1);
        QCOMPARE(m_printer->fontSize(), 10.0);
    }

    void failingDeviceRaisesAndKeepsNothing()
    {
        m_device->setDeviceName("HP Officejet 4500");
        QCOMPARE(m_printer->deviceName(), QString("HP Officejet 4500"));

        m_device->failWith(482);
        try {
            m_printer->printLine({PrintItem::str("never")});
            QFAIL("no error raised at the first line");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 482);
        }
        QVERIFY(!m_printer->hasOpenDocument());
        m_printer->killDoc();

        m_device->failWith(0);
        m_printer->printLine({PrintItem::str("open")});
        m_device->failWith(57);
        try {
            m_printer->endDoc();
            QFAIL("no error raised at the end");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 57);
        }
        m_printer->killDoc();
        QVERIFY(m_device->documents().empty());
        QCOMPARE(m_device->openedCount(), 1);

        m_device->failWith(0);
        m_printer->printLine({PrintItem::str("after")});
        m_printer->endDoc();
        QCOMPARE(itemsOfPage(0).at(0).text, QString("after"));
        QCOMPARE(itemsOfPage(0).at(0).row, 1);
    }
};

QTEST_MAIN(TestPagePrinter)
#include "tst_pageprinter.moc"
