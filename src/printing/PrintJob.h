#pragma once

#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "printing/LabelJob.h"
#include "printing/LineFit.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <span>

namespace platform {
class Printer;
class PrintDialog;
}  // namespace platform

namespace printing {

// A print dialog as the print commands open it: flags cleared, Cancel raising 32755,
// printing to a file shown disabled.
platform::PrintDialog& preparePrintDialog(platform::PrintDialog& dialog);
// The dialog's copies as a 16-bit count (overflow raises 6).
std::int16_t dialogCopies(const platform::PrintDialog& dialog);
// A print command under the print-job trap, its printer problems shown under "Printer error".
platform::PrintOutcome runPrintJob(platform::Messages& messages, platform::Printer& printer,
                                   const std::function<void()>& body);

// What every Print command of the main window shares: its error trap (a cancelled print
// dialog ends the command silently; any other failure cancels the document and reports a
// printer problem), the refusal boxes, the print dialog's set-up and the way a typed line
// reaches the paper.
class PrintJob {
public:
    explicit PrintJob(const LabelJob& job);
    virtual ~PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // The whole command, to its end, under its error trap; what the screen shows afterwards.
    LabelJobResult run();

protected:
    virtual void body() = 0;

    platform::Printer& printer() const { return m_job.services.printer; }
    platform::Messages& messages() const { return m_job.services.messages; }
    platform::PrintDialog& dialog() const { return m_job.dialog; }
    const LabelInput& input() const { return m_input; }
    LabelVars& vars() { return m_result.vars; }
    const LabelVars& vars() const { return m_result.vars; }
    QString dataFolder() const;
    // The screen as it is after a box the command showed.
    void reread();

    // The pad boxes and the envelope's Bold box change on the screen at once.
    void setPads(const QString& left, const QString& top);
    // Label printing unticks and hides the envelope's Bold box.
    void clearEnvelopeBold();
    void focusLine(int line) { m_result.focusLine = line; }
    LabelJobResult& result() { return m_result; }

    // Beep, then the refusal's box with an OK button.
    void refuse(const QString& title, const QString& text, platform::Icon icon);
    // Refuses the first line that does not fit at every one of `places` on the `medium`
    // ("label" or "envelope"), naming it, and puts the cursor in it; true when it refused.
    // A line none of which fits is named with the captions of the options that would let it
    // print, as `otherOptions` gives them for that line.
    bool refuseLongLine(const QStringList& lines, std::span<const LineFit::Place> places, const QString& medium,
                        const std::function<QStringList(const QString& line)>& otherOptions = {});

    // The flags the file-folder and return-address commands leave in the dialog afterwards.
    void leaveDialogFlags();
    // The print dialog's copies (see dialogCopies).
    std::int16_t copies() const;

    void emptyLines(int count);

private:
    void showSoFar() const;

    const LabelJob& m_job;
    LabelInput m_input;
    LabelJobResult m_result;
};

}  // namespace printing
