#include "printing/PagePrinter.h"
#include "printing/SearchLabelsJob.h"
#include "printing/qt/QtPrintDialog.h"
#include "printing/qt/QtPrinterDevice.h"
#include "LabelJobRig.h"
#include "support/Fixture.h"
#include "support/ModalDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using platform::PrintDialog;
using platform::PrintItem;
using testsupport::PdfPage;
using testsupport::pdfPages;

namespace {

// Acts on the print dialog once it is up, then accepts or rejects it.
void whenDialogShows(const std::function<void(QPrintDialog*)>& act, const char* close = "accept")
{
    testsupport::whenShown<QPrintDialog>([act, close](QPrintDialog* d) {
        act(d);
        QMetaObject::invokeMethod(d, close, Qt::QueuedConnection);
    });
}

// The dialog's own print-to-file entry, the last of its list: a queue of the machine may carry
// "PDF" in its name too, and a test prints to no queue.
void choosePdfFile(QPrintDialog* d, const QString& path)
{
    auto* printers = d->findChild<QComboBox*>("printers");
    printers->setCurrentIndex(printers->count() - 1);
    d->findChild<QLineEdit*>("filename")->setText(path);
}

// Each page's size and words at their top-left corner in points, then the fonts embedded.
QString wordsAndFonts(const QString& path)
{
    QString out;
    for (const PdfPage& page : pdfPages(path)) {
        out += QStringLiteral("page %1 x %2\n").arg(page.size.width()).arg(page.size.height());
        for (const auto& [word, box] : page.words)
            out += QStringLiteral("%1 %2 %3\n").arg(box.left(), 0, 'f', 1).arg(box.top(), 0, 'f', 1).arg(word);
    }
    QProcess pdffonts;
    pdffonts.start("pdffonts", {path});
    pdffonts.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(pdffonts.readAllStandardOutput()).split('\n').mid(2))
        out += line.section(' ', 0, 0).section('+', -1) + '\n';
    return out;
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

// The real Qt printer writing PDF: where text lands, the files of a job, the print dialog, and
// every position of every sheet with no margin adjustments.
class TestPdfPrinter : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
    }

    void textLandsOnItsRowAndColumn()
    {
        const QString path = m_dir.filePath("hello.pdf");
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        printing::PagePrinter printer(device);
        printer.beginJob();
        printer.setFontName("Verdana");
        printer.setFontSize(9);
        for (int i = 0; i < 4; ++i)
            printer.printLine();
        printer.printLine({PrintItem::tab(3), PrintItem::str("Hello")});
        // Text moves the position on by its drawn width: a column it passed is on the next row.
        printer.printLine({PrintItem::tab(3), PrintItem::str("MONTGOMERYWOODWARD"), PrintItem::tab(24), PrintItem::str("BOB")});
        printer.printLine({PrintItem::str("found ="), PrintItem::num(3)});
        printer.setFontName("Trebuchet MS");
        printer.setFontItalic(true);
        printer.printLine({PrintItem::str("Slanted")});
        printer.endDoc();
        // The next document of the job goes into the same file, on a page of its own.
        printer.setOrientation(2);
        printer.setPaperSize(20);
        printer.printLine({PrintItem::str("Envelope")});
        printer.endDoc();
        printer.endJob();

        QVERIFY(testsupport::matchesGolden(wordsAndFonts(path), "pdfprinter/text_lands"));

        // The next print command starts the file afresh; a document outside any command is
        // written at its end. The paper the last command set is gone.
        printer.printLine({PrintItem::str("Fresh")});
        printer.endDoc();
        QVERIFY(testsupport::matchesGolden(wordsAndFonts(path), "pdfprinter/fresh"));
    }

    void unwritableFileIsAPrinterError()
    {
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(m_dir.filePath("missing-folder/out.pdf"));
        printing::PagePrinter printer(device);
        printer.printLine({PrintItem::str("lost")});
        QCOMPARE(testsupport::errorOf([&] { printer.endDoc(); }), 482);
        // The failed document is not part of the job.
        device.printer().setOutputFileName(m_dir.filePath("after.pdf"));
        printer.printLine({PrintItem::str("kept")});
        printer.endDoc();
        QCOMPARE(pdfPages(m_dir.filePath("after.pdf")).size(), 1);
    }

    void printDialog()
    {
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        printing::PagePrinter printer(device);
        printing::QtPrintDialog dialog(device);
        printer.beginJob();
        dialog.setFlags(PrintDialog::DisablePrintToFile | PrintDialog::NoSelection | PrintDialog::PageNums);
        dialog.setMin(1);
        dialog.setMax(9);
        dialog.setFromPage(2);
        dialog.setToPage(4);
        QString seen;
        whenDialogShows([&](QPrintDialog* d) {
            choosePdfFile(d, m_dir.filePath("copies.pdf"));
            seen = d->findChild<QComboBox*>("printers")->currentText() + QStringLiteral(" selection %1 range %2")
                       .arg(!d->findChild<QAbstractButton*>("printSelection")->isHidden())
                       .arg(d->findChild<QAbstractButton*>("printRange")->isChecked());
            d->findChild<QSpinBox*>("copies")->setValue(3);
        });
        dialog.showPrinter();
        // Printing to PDF stays on offer; the flag only keeps its value.
        QVERIFY2(seen.contains("PDF") && seen.endsWith("selection 0 range 1"), qPrintable(seen));
        QCOMPARE(dialog.flags(), PrintDialog::DisablePrintToFile | PrintDialog::NoSelection | PrintDialog::PageNums);
        QCOMPARE(dialog.toPage(), 4);
        QCOMPARE(dialog.copies(), 3);
        QCOMPARE(device.printer().copyCount(), 1);  // the program prints the copies
        for (int copy = 1; copy <= dialog.copies(); ++copy) {
            printer.printLine({PrintItem::str(QString("copy %1").arg(copy))});
            printer.endDoc();
        }

        // A dialog choosing another file ends the first one with all the copies in it.
        dialog.setFlags(PrintDialog::PageNums);
        whenDialogShows([&](QPrintDialog* d) {
            choosePdfFile(d, m_dir.filePath("selection.pdf"));
            d->findChild<QAbstractButton*>("printSelection")->click();
        });
        dialog.showPrinter();
        QCOMPARE(pdfPages(m_dir.filePath("copies.pdf")).size(), 3);
        QCOMPARE(dialog.flags(), int(PrintDialog::Selection));
        printer.printLine({PrintItem::str("new job")});
        printer.endDoc();
        printer.endJob();
        QCOMPARE(pdfPages(m_dir.filePath("selection.pdf")).size(), 1);

        dialog.setCopies(4);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        dialog.showPrinter();  // Cancel without the error: quietly, copies unchanged
        QCOMPARE(dialog.copies(), 4);
        dialog.setCancelError(true);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        QCOMPARE(testsupport::errorOf([&] { dialog.showPrinter(); }), 32755);
    }

    // The return-address command waits on the user after each pass: by then the pass's file
    // is written. Another pass to the same name replaces it once the dialog has asked.
    void returnAddressPassIsWrittenBeforeTheQuestion()
    {
        const QString path = m_dir.filePath("return.pdf");
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        printing::QtPrintDialog dialog(device);
        testsupport::LabelJobRig rig(&device);
        rig.in.lines[0] = "Ann";
        QStringList seen;
        // The dialog's own Print button: its file checks come before the dialog closes.
        const auto pass = [&](int copies) {
            testsupport::whenShown<QPrintDialog>([&, copies](QPrintDialog* d) {
                choosePdfFile(d, path);
                d->findChild<QSpinBox*>("copies")->setValue(copies);
                testsupport::whenShown<QMessageBox>([&](QMessageBox* box) {
                    seen << box->text().replace('\n', ' ');
                    box->button(QMessageBox::Yes)->click();
                });
                QMetaObject::invokeMethod(d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), "click",
                                          Qt::QueuedConnection);
            });
        };
        rig.messages.onShow = [&](const testsupport::ShownBox& box) {
            if (box.title != "Completed")
                return;
            seen << QString("%1 pages").arg(QFile::exists(path) ? pdfPages(path).size() : 0);
            if (rig.messages.morePages > 0)
                pass(1);
        };
        rig.messages.morePages = 1;
        rig.messages.answerFreely({});
        pass(2);
        printing::printReturnAddressEighty({rig.services, dialog, rig.in, {}, [&] { return rig.in; }});
        QCOMPARE(seen.join(" | "), "2 pages | " + path + " already exists. Do you want to overwrite it? | 1 pages");
        QCOMPARE(pdfPages(path).size(), 1);
    }

    // A write that falls short (here past a file size limit) fails the command, and the file
    // printed before under that name stays whole.
    void shortWriteKeepsTheEarlierFile()
    {
        const QString path = m_dir.filePath("short.pdf");
        const QByteArray earlier = "%PDF-1.4 an earlier complete file";
        testsupport::writeBytes(path, earlier);
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{4096, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);  // the failing write returns instead
        printing::PagePrinter printer(device);
        printer.printLine({PrintItem::str("short")});
        setrlimit(RLIMIT_FSIZE, &small);
        QCOMPARE(testsupport::errorOf([&] { printer.endDoc(); }), 482);  // the fonts go last
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(testsupport::readBytes(path), earlier);
        // Pages are written as they are finished: a long document fails at a page, not at its end.
        int lines = 0;
        setrlimit(RLIMIT_FSIZE, &small);
        const int error = testsupport::errorOf([&] {
            for (; lines < 100000; ++lines)
                printer.printLine({PrintItem::str("x")});
        });
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(error == 482 && lines < 100000, qPrintable(QString::number(lines)));
        printer.killDoc();
        QCOMPARE(testsupport::readBytes(path), earlier);
        QCOMPARE(QDir(m_dir.path()).entryList({"short.pdf*"}, QDir::Files | QDir::Hidden), QStringList{"short.pdf"});
    }

    void pageLayout_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("set");
        QTest::addColumn<QSizeF>("expected");  // the page in points, portrait
        QTest::newRow("printer keeps its A4") << 1 << false << QSizeF(595, 842);
        QTest::newRow("printer, Letter named") << 1 << true << QSizeF(612, 792);
        QTest::newRow("printer, envelope named") << 20 << true << QSizeF(297, 684);
    }
    void pageLayout()
    {
        QFETCH(int, paper);
        QFETCH(bool, set);
        const QPageLayout chosen(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
        const QPageLayout layout = printing::QtPrinterDevice::pageLayout(chosen, false, paper, set, 1);
        QTEST(layout.fullRectPoints().size().toSizeF(), "expected");
        QVERIFY(!layout.margins().isNull());  // a PDF's Letter and zero margins: the text_lands file
    }

    void everyLabelFits_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        const std::tuple<const char*, const char*, Sheet> sheets[] = {
            {"wide", "wide", {4, 1, 2, 10, 0.15625, 0.5, 4.1875, 1}},
            {"large", "large", {4, 2, 2, 5, 0.1625, 0.5, 4.1875, 2}},
            {"file folder", "folder", {3.4375, 0.6667, 2, 15, 0.53125, 0.5, 4, 0.6667}},
            {"80-up", "80", {1.75, 0.5, 4, 20, 0.28125, 0.5, 2.0625, 0.5}},
            {"60-up", "60", {1.75, 0.666, 4, 15, 0.297, 0.531, 2.031, 0.666}},
            {"30-up found", "search", {2.625, 1, 3, 10, 0.15625, 0.5, 2.78125, 1}}};
        for (const auto& [name, command, sheet] : sheets) {
            for (int variant = 0; variant < (sheet.columns == 4 ? 2 : sheet.columns == 3 ? 1 : 4); ++variant)
                QTest::addRow("%s %s%s", name, variant & 1 ? "centred" : "left-justified", variant & 2 ? " bold" : "")
                    << QString(command) << sheet << bool(variant & 1) << bool(variant & 2);
        }
    }
    void everyLabelFits()
    {
        QFETCH(QString, command);
        QFETCH(Sheet, sheet);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(path);
        testsupport::LabelJobRig rig(&device);

        // Lines of about twenty characters. A file-folder label leaves some 19.6 columns of
        // 20-point text after its pad, and bold text runs wider than its average column.
        QStringList lines{"Margaret Q. Johnson", "1234 Elmwood Avenue", "Springfield IL 62704"};
        if (command == "folder")
            lines = QStringList{bold ? "Tax Returns 2023" : lines[0]};
        else if (command == "search")  // the found contacts' labels, as long as a contact holds them
            lines = QStringList{"Alexandria Q Montgomery-Worthington", "Northwind Worldwide Traders Co",
                                "12345 North Whispering Pines Boulevard Apt 10B", "Rancho Palos Verdes, CA  90275"};
        for (int i = 0; i < lines.size(); ++i)
            rig.in.lines[size_t(i)] = lines[i];
        const int count = sheet.columns * sheet.rows;
        rig.in.label = rig.in.positionChosen = sheet.columns == 2;
        rig.vars.strLabelRange = QStringLiteral("1-%1").arg(count);
        rig.in.centred = centred;
        rig.in.leftJustified = !centred;
        rig.in.labelBold = bold;
        rig.script.print(2);  // two sheets in the one file
        rig.messages.answerFreely({});
        if (command == "wide" || command == "large") {  // and a line of W as long as the command accepts
            rig.in.lines[3] = QString(60, 'W');
            rig.run(command);
            lines << QString(rig.messages.transcript().section("only its first ", 1).section(' ', 0, 0).toInt(), 'W');
            rig.in.lines[3] = lines.last();
            rig.messages.answerFreely({});
        }
        if (command == "search")
            printing::SearchLabelsJob(rig.printer, rig.dialog, rig.messages, rig.dir.path())
                .run(std::vector<QStringList>(count, lines), bold, bold);
        else
            rig.run(command);
        QVERIFY2(rig.messages.transcript().count("message box") == (sheet.columns == 4 ? 2 : 0),
                 qPrintable(rig.messages.transcript()));

        const qsizetype wordsPerLabel = lines.join(' ').split(' ', Qt::SkipEmptyParts).size();
        const QList<testsupport::PdfPage> pages = testsupport::pdfPages(path);
        const double inset = command == "search" ? 0 : 4.5;  // the 1/16 inch a typed line keeps free
        QCOMPARE(pages.size(), 2);
        for (qsizetype p = 0; p < pages.size(); ++p)
            QCOMPARE(pages[p].wordsPerLabel(count, [&](int k) { return sheet.label(k).adjusted(inset, 0, -inset, 0); }),
                     QList<int>(count, int(wordsPerLabel)) << 0);
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
