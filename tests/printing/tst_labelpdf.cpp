#include "support/FakeLabelWorkspace.h"
#include "printing/LabelCommands.h"
#include "printing/qt/QtPrinterDevice.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::LabelPrintRig;

namespace {

struct Word {
    QString text;
    QRectF box;
};

// The words of the first page of a PDF with their boxes, as `pdftotext -bbox` finds them.
std::vector<Word> readWords(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"),
                                                path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> words;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// A standard sheet: label k's top-left at (x0 + col * dx, y0 + row * dy), in inches.
struct Sheet {
    double width, height;
    int columns, rows;
    double x0, y0, dx, dy;

    QRectF label(int index) const  // index from 0, left to right and top to bottom
    {
        const int col = index % columns;
        const int row = index / columns;
        return QRectF((x0 + col * dx) * 72, (y0 + row * dy) * 72, width * 72, height * 72);
    }
    int count() const { return columns * rows; }
};

const Sheet kWide{4, 1, 2, 10, 0.15625, 0.5, 4.1875, 1};
const Sheet kLarge{4, 2, 2, 5, 0.1625, 0.5, 4.1875, 2};
const Sheet kEighty{1.75, 0.5, 4, 20, 0.28125, 0.5, 2.0625, 0.5};
const Sheet kSixty{1.75, 0.666, 4, 15, 0.297, 0.531, 2.031, 0.666};
const Sheet kFolder{3.4375, 0.6667, 2, 15, 0.53125, 0.5, 4, 0.6667};

// Lines of about twenty characters, wide letters among them.
const QStringList kAddress{"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"};

}  // namespace

class TestLabelPdf : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_file = 0;

    enum class Command { Wide, Large, Folder, Eighty, Sixty };

    // Prints the whole sheet through the command onto PDF and checks that every label of the
    // sheet holds exactly the words of the lines printed on it, each wholly inside it.
    void checkSheet(Command command, const Sheet& sheet, bool centred, bool bold)
    {
        LabelPrintRig rig;
        const QString path = m_dir.filePath(QStringLiteral("sheet%1.pdf").arg(++m_file));
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        printing::PagePrinter printer(device);
        rig.services.printer = &printer;

        const bool folder = command == Command::Folder;
        const bool returnAddress = command == Command::Eighty || command == Command::Sixty;
        // A file-folder label leaves about 19.6 columns of 20-point bold text after its left
        // pad, and the bold face draws typical text wider than its average column: a bold
        // folder line holds some 17 characters, not 20.
        const QStringList lines = !folder ? kAddress : bold ? QStringList{"Tax Returns 2023"} : kAddress.mid(0, 1);
        rig.ws.typeLines(lines);
        if (!returnAddress)
            rig.ws.chooseRange(QStringLiteral("1-%1").arg(sheet.count()));
        if (centred) {
            rig.ws.control("optQzCenter").value = 1;
            rig.ws.control("optQzLeftjust").value = 0;
        }
        rig.ws.control("chkLblBold").value = bold ? 1 : 0;
        rig.printScript.print(1);
        switch (command) {
        case Command::Wide: printing::cmdWideLabel_Click(rig.services, rig.ws); break;
        case Command::Large: printing::cmdLargeLabel_Click(rig.services, rig.ws); break;
        case Command::Folder: printing::cmdFileFolderStart_Click(rig.services, rig.ws); break;
        case Command::Eighty:
            rig.messages.expect("Load printer with Avery 5167, 8167, or 18167 label stock",
                                "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels",
                                Buttons::Ok, Icon::Information);
            rig.messages.expect("Completed", "Done!  Do you want to print another page of Return Address Labels?",
                                Buttons::YesNoCancel, Icon::None, Answer::No);
            printing::cmdRetAddress_Click(rig.services, rig.ws);
            break;
        case Command::Sixty:
            rig.messages.expect("Load printer with Avery 5195, 8195, or 18195 label stock",
                                "Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] labels",
                                Buttons::Ok, Icon::Information);
            rig.messages.expect("Completed", "Done!  Do you want to print another page of Return Address Labels?",
                                Buttons::YesNoCancel, Icon::None, Answer::No);
            printing::cmdLrgRetAddress_Click(rig.services, rig.ws);
            break;
        }
        QVERIFY(rig.messages.allShown());

        const int wordsPerLabel = lines.join(' ').split(' ', Qt::SkipEmptyParts).size();
        const std::vector<Word> words = readWords(path);
        QCOMPARE(int(words.size()), wordsPerLabel * sheet.count());
        std::vector<int> found(size_t(sheet.count()), 0);
        double leastMargin = 1e9;
        for (const Word& word : words) {
            int inside = -1;
            for (int k = 0; k < sheet.count(); ++k) {
                if (sheet.label(k).contains(word.box)) {
                    inside = k;
                    const QRectF l = sheet.label(k);
                    leastMargin = std::min({leastMargin, word.box.left() - l.left(), l.right() - word.box.right(),
                                            word.box.top() - l.top(), l.bottom() - word.box.bottom()});
                }
            }
            QVERIFY2(inside >= 0, qPrintable(QStringLiteral("\"%1\" at (%2, %3)-(%4, %5) lies on no label")
                                                 .arg(word.text)
                                                 .arg(word.box.left())
                                                 .arg(word.box.top())
                                                 .arg(word.box.right())
                                                 .arg(word.box.bottom())));
            ++found[size_t(inside)];
        }
        for (int k = 0; k < sheet.count(); ++k)
            QVERIFY2(found[size_t(k)] == wordsPerLabel, qPrintable(QStringLiteral("label %1").arg(k + 1)));
        qDebug("least distance of a word from its label's edge: %.1f pt", leastMargin);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
    }

    void everyLabelFits_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        const std::pair<const char*, Command> stocks[] = {
            {"wide", Command::Wide}, {"large", Command::Large}, {"file folder", Command::Folder}};
        for (const auto& [name, command] : stocks) {
            for (bool centred : {false, true}) {
                for (bool bold : {false, true}) {
                    QTest::addRow("%s %s%s", name, centred ? "centred" : "left-justified", bold ? " bold" : "")
                        << int(command) << centred << bold;
                }
            }
        }
        for (bool centred : {false, true}) {
            QTest::addRow("80-up %s", centred ? "centred" : "left-justified") << int(Command::Eighty) << centred
                                                                              << false;
            QTest::addRow("60-up %s", centred ? "centred" : "left-justified") << int(Command::Sixty) << centred
                                                                              << false;
        }
    }
    void everyLabelFits()
    {
        QFETCH(int, command);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        const Command c = Command(command);
        const Sheet& sheet = c == Command::Wide     ? kWide
                             : c == Command::Large  ? kLarge
                             : c == Command::Folder ? kFolder
                             : c == Command::Eighty ? kEighty
                                                    : kSixty;
        checkSheet(c, sheet, centred, bold);
    }
};

QTEST_MAIN(TestLabelPdf)
#include "tst_labelpdf.moc"
