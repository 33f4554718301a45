#pragma once

#include "platform/PrintDialog.h"

namespace printing {

class QtPrinterDevice;

// The print dialog on the device's QPrinter: the printer chosen is the one the documents go
// to; choosing the PDF file the command is already printing to adds to it. Printing to a PDF file stays
// on offer whatever the flags say (a machine without a printer must still print); the
// DisablePrintToFile flag only keeps its value for the program to read back.
class QtPrintDialog : public platform::PrintDialog {
public:
    explicit QtPrintDialog(QtPrinterDevice& device) : m_device(device) {}
    void showPrinter() override;

private:
    QtPrinterDevice& m_device;
};

class QtPrintDialogFactory : public platform::PrintDialogFactory {
public:
    explicit QtPrintDialogFactory(QtPrinterDevice& device) : m_device(device) {}
    std::unique_ptr<platform::PrintDialog> create() override
    {
        return std::make_unique<QtPrintDialog>(m_device);
    }

private:
    QtPrinterDevice& m_device;
};

}  // namespace printing
