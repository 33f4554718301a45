#include "printing/PagePrinter.h"
#include "printing/qt/QtPrinterDevice.h"
#include "runtime/RuntimeError.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using platform::PrintItem;
using printing::PagePrinter;
using printing::QtPrinterDevice;

namespace {

struct Word {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PdfPage {
    double width = 0, height = 0;
    std::vector<Word> words;
};

// The pages of a PDF with their words' boxes, as `pdftotext -bbox` finds them.
std::vector<PdfPage> readPdf(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<PdfPage> pages;
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
                       R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({m.captured(7), m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble(), m.captured(6).toDouble()});
        }
    }
    return pages;
}

const Word* findWord(const PdfPage& page, const QString& text)
{
    for (const Word& w : page.words) {
        if (w.text == text)
            return &w;
    }
    return nullptr;
}

QString fontsOf(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Verdana 9: rows of 10.938 pt, columns of 4.575 pt.
constexpr double kRow = 9 * 1.21533;
constexpr double kColumn = 9 * 0.50830;

}  // namespace

class TestPdfPrinter : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void printHelloOnRow5(PagePrinter& printer)
    {
        printer.setFontName("Verdana");
        printer.setFontSize(9);
        for (int i = 0; i < 4; ++i)
            printer.printLine();
        printer.printLine({PrintItem::tab(3), PrintItem::str("Hello")});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
    }

    void textLandsOnItsRowAndColumn()
    {
        const QString path = m_dir.filePath("hello.pdf");
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        QCOMPARE(device.deviceName(), QString("PDF"));
        PagePrinter printer(device);
        printHelloOnRow5(printer);
        printer.setFontName("Courier New");
        printer.setFontSize(12);
        printer.printLine({PrintItem::tab(40), PrintItem::str("World")});
        printer.endDoc();

        const auto pages = readPdf(path);
        QCOMPARE(pages.size(), size_t(1));
        QCOMPARE(pages[0].width, 612.0);
        QCOMPARE(pages[0].height, 792.0);
        const Word* hello = findWord(pages[0], "Hello");
        QVERIFY(hello);
        QVERIFY2(std::abs(hello->xMin - (18 + 2 * kColumn)) < 1, qPrintable(QString::number(hello->xMin)));
        QVERIFY2(hello->yMin > 2.25 + 4 * kRow - 1, qPrintable(QString::number(hello->yMin)));
        QVERIFY2(hello->yMax < 2.25 + 5 * kRow + 1, qPrintable(QString::number(hello->yMax)));

        // Courier New 12 columns of 7.201 pt, on the row below the 9-point row 5.
        const Word* world = findWord(pages[0], "World");
        QVERIFY(world);
        QVERIFY2(std::abs(world->xMin - (18 + 39 * 12 * 0.60010)) < 1, qPrintable(QString::number(world->xMin)));
        QVERIFY(world->yMin > 2.25 + 5 * kRow - 1);
        QVERIFY(world->yMax < 2.25 + 5 * kRow + 12 * 1.13281 + 1);

        QVERIFY(fontsOf(path).contains("DejaVuSans"));
        QVERIFY(fontsOf(path).contains("LiberationMono"));
    }

    // Copies are documents of their own; one print command's documents share the file.
    void documentsOfOneJobShareTheFile()
    {
        const QString path = m_dir.filePath("copies.pdf");
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        PagePrinter printer(device);
        printHelloOnRow5(printer);
        printer.endDoc();
        printer.setOrientation(2);
        printer.setPaperSize(20);
        printer.printLine({PrintItem::tab(5), PrintItem::str("Envelope")});
        printer.newPage();
        printer.printLine({PrintItem::str("Second")});
        printer.endDoc();

        auto pages = readPdf(path);
        QCOMPARE(pages.size(), size_t(3));
        QVERIFY(findWord(pages[0], "Hello"));
        QCOMPARE(pages[1].width, 684.0);
        QCOMPARE(pages[1].height, 297.0);
        const Word* envelope = findWord(pages[1], "Envelope");
        QVERIFY(envelope);
        QVERIFY(std::abs(envelope->xMin - (18 + 4 * kColumn)) < 1);
        QVERIFY(findWord(pages[2], "Second"));

        // The next print command starts the file afresh.
        device.beginJob();
        printer.setOrientation(1);
        printer.setPaperSize(1);
        printer.printLine({PrintItem::str("Fresh")});
        printer.endDoc();
        pages = readPdf(path);
        QCOMPARE(pages.size(), size_t(1));
        QVERIFY(findWord(pages[0], "Fresh"));
    }

    void trebuchetIsDrawnCondensed()
    {
        const QString path = m_dir.filePath("trebuchet.pdf");
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        PagePrinter printer(device);
        printer.setFontName("Trebuchet MS");
        printer.setFontSize(14);
        printer.setFontItalic(true);
        printer.printLine({PrintItem::str("Slanted")});
        printer.endDoc();
        QVERIFY2(fontsOf(path).contains("DejaVuSansCondensed-Oblique"), qPrintable(fontsOf(path)));
    }

    void unwritableFileIsAPrinterError()
    {
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(m_dir.filePath("missing-folder/out.pdf"));
        PagePrinter printer(device);
        printer.printLine({PrintItem::str("lost")});
        try {
            printer.endDoc();
            QFAIL("no error raised");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 482);
        }
        // A failed document is not part of the job: once the file can be written, it holds
        // only what follows.
        const QString path = m_dir.filePath("after.pdf");
        device.printer().setOutputFileName(path);
        printer.printLine({PrintItem::str("kept")});
        printer.endDoc();
        QCOMPARE(readPdf(path).size(), size_t(1));
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
