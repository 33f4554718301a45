#include "printing/FontMetrics.h"
#include "printing/PagePrinter.h"
#include "support/Golden.h"
#include "support/RecordingDevice.h"
#include "support/TestFiles.h"

#include <QTest>

using platform::PrintItem;
using printing::FontMetrics;
using printing::PrintFont;
using testsupport::errorOf;

class TestPagePrinter : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::RecordingDevice> m_device;
    std::unique_ptr<printing::PagePrinter> m_printer;

    void print(const std::vector<PrintItem>& items = {}) { m_printer->printLine(items); }

    bool matches(const char* golden) const
    {
        return testsupport::matchesGolden(testsupport::dumpDocuments(m_device->documents()),
                                          QStringLiteral("pageprinter/") + golden);
    }

private slots:
    void init()
    {
        m_device = std::make_unique<testsupport::RecordingDevice>();
        m_printer = std::make_unique<printing::PagePrinter>(*m_device);
        m_printer->setFontName("Verdana");
        m_printer->setFontSize(9);
    }

    void fontMetrics_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<double>("line");    // em
        QTest::addColumn<double>("column");  // em
        QTest::newRow("Verdana bold") << "verdana" << true << false << 1.21533 << 0.56787;
        QTest::newRow("Trebuchet italic") << "Trebuchet MS" << false << true << 1.16113 << 0.45850;
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << false << 1.13184 << 0.43994;
        QTest::newRow("Courier New bold") << "Courier New" << true << false << 1.13281 << 0.60010;
        QTest::newRow("Trebuchet bold italic") << "Trebuchet MS" << true << true << 1.16113 << 0.48145;
        QTest::newRow("Arial with leading") << "Arial" << false << false << 1.11719 + 0.03271 << 0.44141;
        // Not in the table: its own OS/2, hhea and head tables.
        QTest::newRow("Liberation Sans") << "Liberation Sans" << false << false << (1854.0 + 434 + 67) / 2048
                                         << 1208.0 / 2048;
    }
    void fontMetrics()
    {
        QFETCH(QString, face);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(double, line);
        QFETCH(double, column);
        const printing::FontMeasures m = FontMetrics::measure({face, 10, bold, italic});
        QVERIFY2(std::abs(m.lineHeight - 10 * line) < 1e-3 && std::abs(m.columnWidth - 10 * column) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2").arg(m.lineHeight).arg(m.columnWidth)));
        QVERIFY(std::abs(FontMetrics::measure({"Verdana", 9}).ascent - 9 * 2059.0 / 2048) < 1e-3);
        QCOMPARE(FontMetrics::drawFace("trebuchet ms"), QString("DejaVu Sans Condensed"));
        QCOMPARE(FontMetrics::drawFace("Liberation Sans"), QString("Liberation Sans"));
    }

    void columnsAndRows()
    {
        print({PrintItem::tab(0), PrintItem::spaces(16), PrintItem::str("Hello")});
        print({PrintItem::tab(5), PrintItem::str(QString(40, 'x')), PrintItem::tab(40), PrintItem::str("B")});
        print({PrintItem::tab(3), PrintItem::str("abc"), PrintItem::tab(6), PrintItem::str("d"),
               PrintItem::tab(7), PrintItem::str("e")});
        print({PrintItem::tab(10), PrintItem::spaces(-3), PrintItem::str("neg"), PrintItem::tab(300),
               PrintItem::str(QString(200, 'w'))});
        print({PrintItem::num(5), PrintItem::str("X"), PrintItem::num(-12), PrintItem::num(0.5)});
        m_printer->endDoc();
        // A row advances by its own font's line.
        m_printer->setFontSize(20);
        print();
        m_printer->setFontName("Courier New");
        m_printer->setFontSize(12);
        m_printer->setFontBold(true);
        print({PrintItem::tab(10), PrintItem::str("mono")});
        // A column item stays on the row; a text of its own size keeps the row's baseline and font.
        print({PrintItem::str(QString(20, 'x')), PrintItem::column(5), PrintItem::sized("small", 6), PrintItem::str("!")});
        print({PrintItem::str("next")});
        m_printer->endDoc();
        QVERIFY(matches("columns_and_rows"));
    }

    void pagesAndDocuments()
    {
        m_printer->endDoc();  // nothing printed: no document
        m_printer->newPage();
        m_printer->killDoc();  // none open: harmless
        m_printer->moveToTopLeft();
        m_printer->endDoc();
        QVERIFY(m_device->documents().empty());

        print({PrintItem::str("one")});
        print({PrintItem::str("two")});
        m_printer->moveToTopLeft();  // back to row 1 of the same page
        print({PrintItem::tab(20), PrintItem::str("top")});
        m_printer->newPage();
        print({PrintItem::str("next")});
        QCOMPARE(m_device->openPages(), 1);  // the finished page went out at once
        m_printer->newPage();
        m_printer->endDoc();  // the page asked for last never starts
        print({PrintItem::str("lost")});
        m_printer->killDoc();
        m_printer->endDoc();
        QVERIFY(matches("pages_and_documents"));
    }

    void theFootOfThePage()
    {
        // Letter below the PDF origin holds 72 rows of Verdana 9: a full page adds none.
        for (int i = 1; i <= 72; ++i)
            print();
        m_printer->endDoc();
        for (int i = 1; i <= 71; ++i)
            print();
        print({PrintItem::tab(20), PrintItem::str("row 72"), PrintItem::tab(2), PrintItem::str("wrapped")});
        print({PrintItem::str("after")});
        m_printer->endDoc();

        // A landscape #10 envelope holds 26 rows; the open document keeps its own paper.
        m_printer->setOrientation(2);
        m_printer->setPaperSize(20);
        for (int i = 1; i <= 27; ++i)
            print({PrintItem::str("e")});
        m_printer->setOrientation(1);
        m_printer->endDoc();
        QVERIFY(matches("foot_of_the_page"));
    }

    void refusedSettingsAndFailingDevice()
    {
        QCOMPARE(errorOf([&] { m_printer->setOrientation(3); }), 5);
        QCOMPARE(errorOf([&] { m_printer->setPaperSize(9); }), 5);
        QCOMPARE(errorOf([&] { m_printer->setFontSize(0); }), 5);

        m_device->failWith(482);
        QCOMPARE(errorOf([&] { print({PrintItem::str("never")}); }), 482);
        QVERIFY(!m_printer->hasOpenDocument());
        m_device->failWith(0);
        print({PrintItem::str("open")});
        m_device->failWith(57);
        QCOMPARE(errorOf([&] { m_printer->endDoc(); }), 57);
        QVERIFY(!m_printer->hasOpenDocument());  // nothing left to print twice
        m_device->failWith(0);
        print({PrintItem::str("after")});
        m_printer->endDoc();
        QCOMPARE(m_device->documents().size(), size_t(1));
        QCOMPARE(m_device->documents()[0].pages.at(0).items.at(0).text, QString("after"));
    }
};

QTEST_MAIN(TestPagePrinter)
#include "tst_pageprinter.moc"
