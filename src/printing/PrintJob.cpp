#include "printing/PrintJob.h"

#include "platform/ErrorTraps.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <exception>

namespace printing {

PrintJob::PrintJob(const LabelJob& job) : m_job(job), m_input(job.input)
{
    m_result.vars = job.vars;
}

platform::PrintDialog& preparePrintDialog(platform::PrintDialog& dialog)
{
    dialog.setFlags(0);
    dialog.setCancelError(true);
    dialog.setFlags(platform::PrintDialog::DisablePrintToFile);
    return dialog;
}

std::int16_t dialogCopies(const platform::PrintDialog& dialog)
{
    return rt::toInt16(static_cast<double>(dialog.copies()));
}

platform::PrintOutcome runPrintJob(platform::Messages& messages, platform::Printer& printer,
                                   const std::function<void()>& body)
{
    return platform::runPrintCommand(messages, printer, QStringLiteral("Printer error"), body);
}

LabelJobResult PrintJob::run()
{
    runPrintJob(messages(), printer(), [this] { body(); });
    return m_result;
}

void PrintJob::reread()
{
    if (m_job.reread)
        m_input = m_job.reread();
}

void PrintJob::setPads(const QString& left, const QString& top)
{
    m_input.leftPad = left;
    m_input.topPad = top;
    m_result.pads = LabelPads{left, top};
    showSoFar();
}

void PrintJob::clearEnvelopeBold()
{
    m_input.envelopeBold = false;
    m_result.envelopeBoldCleared = true;
    showSoFar();
}

void PrintJob::showSoFar() const
{
    if (m_job.show)
        m_job.show(m_result);
}

bool PrintJob::refuseLongLine(const QStringList& lines, std::span<const LineFit::Place> places, const QString& medium,
                              const std::function<QStringList(const QString& line)>& otherOptions)
{
    for (int i = 0; i < lines.size(); ++i) {
        const qsizetype fit = LineFit::charactersThatFit(lines[i], places);
        if (fit == lines[i].size())
            continue;
        QString text;
        if (fit > 0) {
            text = QStringLiteral("Line %1 is too long for this %2: only its first %3 characters fit.")
                       .arg(i + 1)
                       .arg(medium)
                       .arg(fit);
        } else {
            // No shorter line would do: where it would print, not even one character fits.
            text = QStringLiteral("Line %1 cannot be printed on this %2 as set: not even its first character fits "
                                  "where it would print.")
                       .arg(i + 1)
                       .arg(medium);
            const QStringList options = otherOptions ? otherOptions(lines[i]) : QStringList();
            if (!options.isEmpty())
                text +=
                    QStringLiteral("  Choose %1 to change where it prints.").arg(options.join(QStringLiteral(" or ")));
        }
        refuse(QStringLiteral("Line too long"), text, platform::Icon::Exclamation);
        focusLine(i + 1);
        return true;
    }
    return false;
}

QString PrintJob::dataFolder() const
{
    return m_job.services.appInfo.dataFolder();
}

void PrintJob::refuse(const QString& title, const QString& text, platform::Icon icon)
{
    messages().beep();
    messages().messageBox(title, text, platform::Buttons::Ok, icon);
}

void PrintJob::leaveDialogFlags()
{
    platform::PrintDialog& dialog = m_job.dialog;
    dialog.setFlags(platform::PrintDialog::NoSelection);
    dialog.setFlags(platform::PrintDialog::PageNums);
    dialog.setFlags(platform::PrintDialog::NoPageNums);
}

std::int16_t PrintJob::copies() const
{
    return dialogCopies(m_job.dialog);
}

void PrintJob::emptyLines(int count)
{
    for (int i = 1; i <= count; ++i)
        printer().printLine();
}

}  // namespace printing
