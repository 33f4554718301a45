#include "support/Fixture.h"
#include "printing/qt/QtPrinterDevice.h"

#include <QtTest>

namespace {

// A standard sheet, in inches: label k's top-left at (x0 + col * dx, y0 + row * dy).
struct Sheet {
    double width, height;
    int columns, rows;
    double x0, y0, dx, dy;

    QRectF label(int k) const
    {
        return QRectF((x0 + k % columns * dx) * 72, (y0 + k / columns * dy) * 72, width * 72, height * 72);
    }
};

}  // namespace

Q_DECLARE_METATYPE(Sheet)

// Every position of every sheet printed to PDF through the real Qt printer, with no margin
// adjustments: each label holds the words of its lines, each word wholly inside it.
class TestLabelPdf : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
    }

    void everyLabelFits_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        const std::tuple<const char*, const char*, Sheet> sheets[] = {
            {"wide", "cmdWideLabel", {4, 1, 2, 10, 0.15625, 0.5, 4.1875, 1}},
            {"large", "cmdLargeLabel", {4, 2, 2, 5, 0.1625, 0.5, 4.1875, 2}},
            {"file folder", "cmdFileFolderStart", {3.4375, 0.6667, 2, 15, 0.53125, 0.5, 4, 0.6667}},
            {"80-up", "cmdRetAddress", {1.75, 0.5, 4, 20, 0.28125, 0.5, 2.0625, 0.5}},
            {"60-up", "cmdLrgRetAddress", {1.75, 0.666, 4, 15, 0.297, 0.531, 2.031, 0.666}}};
        for (const auto& [name, button, sheet] : sheets) {
            const bool returnAddress = QByteArray(button).contains("RetAddress");
            for (int variant = 0; variant < (returnAddress ? 2 : 4); ++variant)
                QTest::addRow("%s %s%s", name, variant & 1 ? "centred" : "left-justified", variant & 2 ? " bold" : "")
                    << QString(button) << sheet << bool(variant & 1) << bool(variant & 2);
        }
    }
    void everyLabelFits()
    {
        QFETCH(QString, button);
        QFETCH(Sheet, sheet);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        const bool returnAddress = button.contains("RetAddress");
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        testsupport::Fixture rig(&device);

        // Lines of about twenty characters. A file-folder label leaves some 19.6 columns of
        // 20-point text after its pad, and bold text runs wider than its average column.
        QStringList lines{"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"};
        if (button == "cmdFileFolderStart")
            lines = QStringList{bold ? "Tax Returns 2023" : lines[0]};
        rig.typeLines(lines);
        const int count = sheet.columns * sheet.rows;
        if (!returnAddress)
            rig.choose("optQzLabel", QStringLiteral("1-%1").arg(count));
        rig.choose(QString(centred ? "optQzCenter " : "") + (bold ? "chkLblBold" : ""));
        rig.app.printScript.print(1);
        if (returnAddress) {
            rig.expectInstructions(sheet.rows == 20 ? 80 : 60);
            rig.expectAnotherPage(platform::Answer::No);
        }
        rig.click(button);
        QVERIFY2(rig.leftOver().isEmpty(), qPrintable(rig.leftOver()));

        const qsizetype wordsPerLabel = lines.join(' ').split(' ').size();
        const QList<testsupport::PdfPage> pages = testsupport::pdfPages(path);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].words.size(), wordsPerLabel * count);
        QList<int> found(count, 0);
        for (const auto& [text, box] : pages[0].words) {
            int k = 0;
            while (k < count && !sheet.label(k).contains(box))
                ++k;
            QVERIFY2(k < count, qPrintable(QStringLiteral("%1 at %2, %3").arg(text).arg(box.x()).arg(box.y())));
            ++found[k];
        }
        QCOMPARE(found, QList<int>(count, int(wordsPerLabel)));
    }
};

QTEST_MAIN(TestLabelPdf)
#include "tst_labelpdf.moc"
