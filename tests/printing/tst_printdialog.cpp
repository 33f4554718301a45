#include "printing/PagePrinter.h"
#include "printing/qt/QtPrintDialog.h"
#include "printing/qt/QtPrinterDevice.h"
#include "runtime/RuntimeError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using platform::PrintDialog;
using platform::PrintItem;
using printing::PagePrinter;
using printing::QtPrintDialog;
using printing::QtPrinterDevice;

namespace {

// Runs `act` on the print dialog once it is up, then closes it with `close` ("accept" or
// "reject").
void whenDialogShows(const std::function<void(QPrintDialog*)>& act, const char* close)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, close, poll] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, *poll);
            return;
        }
        act(dialog);
        QMetaObject::invokeMethod(dialog, close, Qt::QueuedConnection);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

template <class T>
T* child(QPrintDialog* dialog, const char* name)
{
    return dialog->findChild<T*>(QLatin1String(name));
}

int pdfPageCount(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

}  // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void printToFileStaysOnOfferAndCopiesComeBack()
    {
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        PagePrinter printer(device);
        const QString chosen = m_dir.filePath("chosen.pdf");

        QtPrintDialog dialog(device);
        dialog.setFlags(PrintDialog::DisablePrintToFile);
        dialog.setCancelError(true);
        bool selectionOffered = true;
        QStringList printers;
        whenDialogShows(
            [&](QPrintDialog* d) {
                selectionOffered = !child<QAbstractButton>(d, "printSelection")->isHidden();
                auto* list = child<QComboBox>(d, "printers");
                for (int i = 0; i < list->count(); ++i)
                    printers << list->itemText(i);
                list->setCurrentIndex(list->count() - 1);
                child<QSpinBox>(d, "copies")->setValue(3);
                child<QLineEdit>(d, "filename")->setText(chosen);
            },
            "accept");
        dialog.showPrinter();

        QVERIFY(printers.join(';').contains("PDF"));
        QVERIFY(selectionOffered);
        QCOMPARE(dialog.copies(), 3);
        QCOMPARE(device.printer().copyCount(), 1);
        QCOMPARE(dialog.flags(), int(PrintDialog::DisablePrintToFile));

        // Each copy is a document of its own, all in the one chosen file.
        for (int copy = 1; copy <= dialog.copies(); ++copy) {
            printer.printLine({PrintItem::str(QString("copy %1").arg(copy))});
            printer.endDoc();
        }
        QCOMPARE(pdfPageCount(chosen), 3);
    }

    void flagsInAndOut()
    {
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        QtPrintDialog dialog(device);
        dialog.setFlags(PrintDialog::NoSelection | PrintDialog::PageNums | PrintDialog::DisablePrintToFile);
        dialog.setMin(1);
        dialog.setMax(9);
        dialog.setFromPage(2);
        dialog.setToPage(4);
        dialog.setCopies(2);
        bool selectionOffered = true;
        bool rangeChosen = false;
        int copiesShown = 0;
        whenDialogShows(
            [&](QPrintDialog* d) {
                selectionOffered = !child<QAbstractButton>(d, "printSelection")->isHidden();
                rangeChosen = child<QAbstractButton>(d, "printRange")->isChecked();
                copiesShown = child<QSpinBox>(d, "copies")->value();
                child<QLineEdit>(d, "filename")->setText(m_dir.filePath("range.pdf"));
            },
            "accept");
        dialog.showPrinter();
        QVERIFY(!selectionOffered);
        QVERIFY(rangeChosen);
        QCOMPARE(copiesShown, 2);
        QCOMPARE(dialog.flags(), PrintDialog::NoSelection | PrintDialog::PageNums | PrintDialog::DisablePrintToFile);
        QCOMPARE(dialog.fromPage(), 2);
        QCOMPARE(dialog.toPage(), 4);

        // Choosing Selection sets flag 1 and clears the page-range flag.
        dialog.setFlags(PrintDialog::PageNums);
        whenDialogShows(
            [&](QPrintDialog* d) {
                child<QAbstractButton>(d, "printSelection")->click();
                child<QLineEdit>(d, "filename")->setText(m_dir.filePath("selection.pdf"));
            },
            "accept");
        dialog.showPrinter();
        QCOMPARE(dialog.flags(), int(PrintDialog::Selection));
    }

    void cancel()
    {
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        QtPrintDialog dialog(device);
        dialog.setCopies(4);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        dialog.showPrinter();
        QCOMPARE(dialog.copies(), 4);

        dialog.setCancelError(true);
        whenDialogShows([](QPrintDialog*) {}, "reject");
        try {
            dialog.showPrinter();
            QFAIL("no error raised");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 32755);
        }
    }

    // The documents of one print command go into its file; the next command's into its own.
    void anAcceptedDialogStartsANewJob()
    {
        const QString first = m_dir.filePath("first.pdf");
        QtPrinterDevice device(m_dir.filePath("default.pdf"));
        device.setPdfOutput(first);
        PagePrinter printer(device);
        printer.printLine({PrintItem::str("one")});
        printer.endDoc();
        printer.printLine({PrintItem::str("two")});
        printer.endDoc();

        const QString second = m_dir.filePath("second.pdf");
        QtPrintDialog dialog(device);
        whenDialogShows([&](QPrintDialog* d) { child<QLineEdit>(d, "filename")->setText(second); }, "accept");
        dialog.showPrinter();
        printer.printLine({PrintItem::str("three")});
        printer.endDoc();
        QCOMPARE(pdfPageCount(first), 2);
        QCOMPARE(pdfPageCount(second), 1);
    }
};

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
