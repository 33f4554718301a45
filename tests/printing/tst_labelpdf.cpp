#include "support/FakeLabelWorkspace.h"
#include "printing/qt/QtPrinterDevice.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using testsupport::LabelPrintRig;
using Command = LabelPrintRig::Command;

Q_DECLARE_METATYPE(Command)

namespace {

// The boxes of the words on the first page of a PDF, as `pdftotext -bbox` finds them.
QList<QRectF> wordBoxes(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"),
                                                path, QStringLiteral("-")});
    process.waitForFinished(60000);
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    QList<QRectF> boxes;
    for (auto it = word.globalMatch(QString::fromUtf8(process.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        boxes << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return boxes;
}

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
        QTest::addColumn<Command>("command");
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        const std::tuple<const char*, Command, Sheet> sheets[] = {
            {"wide", Command::Wide, {4, 1, 2, 10, 0.15625, 0.5, 4.1875, 1}},
            {"large", Command::Large, {4, 2, 2, 5, 0.1625, 0.5, 4.1875, 2}},
            {"file folder", Command::FileFolder, {3.4375, 0.6667, 2, 15, 0.53125, 0.5, 4, 0.6667}},
            {"80-up", Command::Eighty, {1.75, 0.5, 4, 20, 0.28125, 0.5, 2.0625, 0.5}},
            {"60-up", Command::Sixty, {1.75, 0.666, 4, 15, 0.297, 0.531, 2.031, 0.666}}};
        for (const auto& [name, command, sheet] : sheets) {
            for (int variant = 0; variant < (command >= Command::Eighty ? 2 : 4); ++variant)
                QTest::addRow("%s %s%s", name, variant & 1 ? "centred" : "left-justified", variant & 2 ? " bold" : "")
                    << command << sheet << bool(variant & 1) << bool(variant & 2);
        }
    }
    void everyLabelFits()
    {
        QFETCH(Command, command);
        QFETCH(Sheet, sheet);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        const bool returnAddress = command == Command::Eighty || command == Command::Sixty;
        LabelPrintRig rig;
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        printing::PagePrinter printer(device);
        rig.services.printer = &printer;

        // Lines of about twenty characters. A file-folder label leaves some 19.6 columns of
        // 20-point text after its pad, and bold text runs wider than its average column.
        QStringList lines{"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"};
        if (command == Command::FileFolder)
            lines = QStringList{bold ? "Tax Returns 2023" : lines[0]};
        rig.ws.typeLines(lines);
        const int count = sheet.columns * sheet.rows;
        if (!returnAddress)
            rig.ws.chooseRange(QStringLiteral("1-%1").arg(count));
        if (centred)
            rig.ws.choose("optQzCenter");
        rig.ws.control("chkLblBold").value = bold;
        rig.printScript.print(1);
        if (returnAddress) {
            rig.expectInstructions(command);
            rig.expectAnotherPage(platform::Answer::No);
        }
        rig.run(command);
        QVERIFY2(rig.leftOver().isEmpty(), qPrintable(rig.leftOver()));

        const qsizetype wordsPerLabel = lines.join(' ').split(' ').size();
        const QList<QRectF> words = wordBoxes(path);
        QCOMPARE(words.size(), wordsPerLabel * count);
        QList<int> found(count, 0);
        for (const QRectF& word : words) {
            int k = 0;
            while (k < count && !sheet.label(k).contains(word))
                ++k;
            QVERIFY2(k < count, qPrintable(QStringLiteral("a word at %1, %2").arg(word.x()).arg(word.y())));
            ++found[k];
        }
        QCOMPARE(found, QList<int>(count, int(wordsPerLabel)));
    }
};

QTEST_MAIN(TestLabelPdf)
#include "tst_labelpdf.moc"
