#include "printing/PrintJob.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"

#include <exception>

namespace printing {

PrintJob::PrintJob(const platform::Services& services, LabelWorkspace& ws)
    : m_services(services), m_ws(ws)
{
}

void PrintJob::run()
{
    bool problem = false;
    try {
        printer().beginJob();
        body();
    } catch (const rt::RuntimeError& error) {
        problem = error.number() != rt::err::CancelSelected;
    } catch (const std::exception&) {
        problem = true;
    }
    // What the command completed before a failure or a cancel still goes out.
    try {
        printer().endJob();
    } catch (const std::exception&) {
        problem = true;
    }
    if (problem)
        printerProblem();
}

// The document is cancelled first; a failure may come before any document was opened, and a
// cancel that fails itself must not keep the user from hearing about the problem.
void PrintJob::printerProblem()
{
    try {
        printer().killDoc();
    } catch (...) {
    }
    messages().messageBox(QString::fromLatin1(kPrinterErrorTitle), QString::fromLatin1(kPrinterProblem),
                          platform::Buttons::Ok, platform::Icon::Exclamation);
}

QString PrintJob::printable(const QString& line)
{
    QString out = line;
    for (QChar& c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    return out;
}

int PrintJob::centringSpaces(int halfWidth, qsizetype length)
{
    const double spaces = rt::roundHalfEven(halfWidth - static_cast<double>(length) / 2);
    return spaces > 0 ? static_cast<int>(spaces) : 0;
}

QString PrintJob::dataFolder() const
{
    return m_services.appInfo->dataFolder();
}

void PrintJob::refuse(const QString& title, const QString& text, platform::Icon icon)
{
    messages().beep();
    messages().messageBox(title, text, platform::Buttons::Ok, icon);
}

platform::PrintDialog& PrintJob::preparePrintDialog()
{
    platform::PrintDialog& dialog = m_ws.printDialog();
    dialog.setFlags(0);
    dialog.setCancelError(true);
    dialog.setFlags(platform::PrintDialog::DisablePrintToFile);
    return dialog;
}

void PrintJob::leaveDialogFlags()
{
    platform::PrintDialog& dialog = m_ws.printDialog();
    dialog.setFlags(platform::PrintDialog::NoSelection);
    dialog.setFlags(platform::PrintDialog::PageNums);
    dialog.setFlags(platform::PrintDialog::NoPageNums);
}

std::int16_t PrintJob::copies()
{
    return rt::toInt16(static_cast<double>(m_ws.printDialog().copies()));
}

void PrintJob::emptyLines(int count)
{
    for (int i = 1; i <= count; ++i)
        printer().printLine();
}

}  // namespace printing
