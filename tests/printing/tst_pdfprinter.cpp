#include "printing/PagePrinter.h"
#include "printing/qt/QtPrintDialog.h"
#include "printing/qt/QtPrinterDevice.h"
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::PrintDialog;
using platform::PrintItem;
using testsupport::PdfPage;
using testsupport::pdfPages;

namespace {

QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Acts on the print dialog once it is up, then accepts or rejects it.
void whenDialogShows(const std::function<void(QPrintDialog*)>& act, const char* close = "accept")
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, close] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            act(dialog);
            QMetaObject::invokeMethod(dialog, close, Qt::QueuedConnection);
        }
    });
    timer->start(10);
}

// Verdana 9: rows of 10.938 pt, columns of 4.575 pt.
constexpr double kRow = 9 * 1.21533;
constexpr double kColumn = 9 * 0.50830;

}  // namespace

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
        QCOMPARE(device.deviceName(), QString("PDF"));
        printing::PagePrinter printer(device);
        printer.setFontName("Verdana");
        printer.setFontSize(9);
        for (int i = 0; i < 4; ++i)
            printer.printLine();
        printer.printLine({PrintItem::tab(3), PrintItem::str("Hello")});
        printer.setFontName("Trebuchet MS");
        printer.setFontItalic(true);
        printer.printLine({PrintItem::str("Slanted")});
        printer.endDoc();
        // The next document of the job goes into the same file, on a page of its own.
        printer.setOrientation(2);
        printer.setPaperSize(20);
        printer.printLine({PrintItem::str("Envelope")});
        printer.endDoc();

        const QList<PdfPage> pages = pdfPages(path);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].size, QSizeF(612, 792));
        QCOMPARE(pages[1].size, QSizeF(684, 297));
        const QRectF hello = pages[0].box("Hello");
        QVERIFY2(std::abs(hello.left() - (18 + 2 * kColumn)) < 1, qPrintable(QString::number(hello.left())));
        QVERIFY2(hello.top() > 2.25 + 4 * kRow - 1 && hello.bottom() < 2.25 + 5 * kRow + 1,
                 qPrintable(QString::number(hello.top())));
        QVERIFY(!pages[1].box("Envelope").isNull());
        const QString fonts = run("pdffonts", {path});
        QVERIFY2(fonts.contains("DejaVuSans ") && fonts.contains("DejaVuSansCondensed-Oblique"), qPrintable(fonts));

        // The next print command starts the file afresh.
        device.beginJob();
        printer.printLine({PrintItem::str("Fresh")});
        printer.endDoc();
        QCOMPARE(pdfPages(path).size(), 1);
    }

    void unwritableFileIsAPrinterError()
    {
        printing::QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(m_dir.filePath("missing-folder/out.pdf"));
        printing::PagePrinter printer(device);
        printer.printLine({PrintItem::str("lost")});
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
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
        dialog.setFlags(PrintDialog::DisablePrintToFile | PrintDialog::NoSelection | PrintDialog::PageNums);
        dialog.setMin(1);
        dialog.setMax(9);
        dialog.setFromPage(2);
        dialog.setToPage(4);
        QString seen;
        whenDialogShows([&](QPrintDialog* d) {
            auto* printers = d->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
            seen = printers->currentText() + QStringLiteral(" selection %1 range %2")
                       .arg(!d->findChild<QAbstractButton*>("printSelection")->isHidden())
                       .arg(d->findChild<QAbstractButton*>("printRange")->isChecked());
            d->findChild<QSpinBox*>("copies")->setValue(3);
            d->findChild<QLineEdit*>("filename")->setText(m_dir.filePath("copies.pdf"));
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
        QCOMPARE(pdfPages(m_dir.filePath("copies.pdf")).size(), 3);

        dialog.setFlags(PrintDialog::PageNums);
        whenDialogShows([&](QPrintDialog* d) {
            d->findChild<QAbstractButton*>("printSelection")->click();
            d->findChild<QLineEdit*>("filename")->setText(m_dir.filePath("selection.pdf"));
        });
        dialog.showPrinter();
        QCOMPARE(dialog.flags(), int(PrintDialog::Selection));
        printer.printLine({PrintItem::str("new job")});
        printer.endDoc();
        QCOMPARE(pdfPages(m_dir.filePath("selection.pdf")).size(), 1);
        QCOMPARE(pdfPages(m_dir.filePath("copies.pdf")).size(), 3);

        dialog.setCopies(4);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        dialog.showPrinter();  // Cancel without the error: quietly, copies unchanged
        QCOMPARE(dialog.copies(), 4);
        dialog.setCancelError(true);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        QCOMPARE(testsupport::errorOf([&] { dialog.showPrinter(); }), 32755);
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
