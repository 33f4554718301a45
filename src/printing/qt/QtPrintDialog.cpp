#include "printing/qt/QtPrintDialog.h"

#include "printing/qt/QtPrinterDevice.h"
#include "runtime/RuntimeError.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace printing {

void QtPrintDialog::showPrinter()
{
    m_device.dialogOpening();
    QPrinter& printer = m_device.printer();
    printer.setCopyCount(std::max(m_copies, 1));

    QPrintDialog dialog(&printer, QApplication::activeWindow());
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
        | QAbstractPrintDialog::PrintCollateCopies;
    if (!(m_flags & NoSelection))
        options |= QAbstractPrintDialog::PrintSelection;
    if (!(m_flags & NoPageNums))
        options |= QAbstractPrintDialog::PrintPageRange;
    dialog.setOptions(options);

    if (m_min >= 1 && m_max >= m_min)
        dialog.setMinMax(m_min, m_max);
    if ((m_flags & PageNums) && !(m_flags & NoPageNums)) {
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
        if (m_fromPage >= 1 && m_toPage >= m_fromPage)
            printer.setFromTo(m_fromPage, m_toPage);
    } else if ((m_flags & Selection) && !(m_flags & NoSelection)) {
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    } else {
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    }

    if (dialog.exec() != QDialog::Accepted) {
        if (m_cancelError)
            rt::raise(rt::err::CancelSelected);
        return;
    }

    // The program prints each copy as a document of its own.
    m_copies = printer.copyCount();
    printer.setCopyCount(1);

    m_flags &= ~(Selection | PageNums);
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection:
        m_flags |= Selection;
        break;
    case QAbstractPrintDialog::PageRange:
        m_flags |= PageNums;
        m_fromPage = printer.fromPage();
        m_toPage = printer.toPage();
        break;
    default:
        break;
    }
    m_device.dialogAccepted();
}

}  // namespace printing
