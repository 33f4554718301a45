#include "printing/FileFolderPrintJob.h"

#include "platform/Printer.h"

namespace printing {

namespace {

constexpr double kSpacerSize = 10;

}  // namespace

FileFolderPrintJob::FileFolderPrintJob(const LabelJob& job) : LabelPrintJob(job, LabelStock::fileFolder()) {}

LabelJobResult printFileFolderLabels(const LabelJob& job)
{
    return FileFolderPrintJob(job).run();
}

bool FileFolderPrintJob::refuseLines()
{
    const QStringList lines = typedLines();
    if (lines[0].isEmpty()) {
        refuse(QStringLiteral("Missing Data"), QStringLiteral("No information entered"), platform::Icon::Exclamation);
        return true;
    }
    for (int i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) {
            refuse(QStringLiteral("Leave Lines 2-5 blank"), QStringLiteral("Enter information on Line 1 only."),
                   platform::Icon::Exclamation);
            return true;
        }
    }
    return false;
}

// A centred envelope line keeps the size the page set-up left (20 or 11 by orientation, 14
// in the large font); every other text line is 20 points below a 10-point empty line.
void FileFolderPrintJob::beforeTextLine(bool centred, bool envelope)
{
    if (centred && envelope)
        return;
    printer().setFontSize(kSpacerSize);
    printer().printLine();
    printer().setFontSize(LabelStock::fileFolder().textSize);
}

void FileFolderPrintJob::afterPrintDialog()
{
    leaveDialogFlags();
}

// The envelope's document ends here; the end of the copy then ends it once more, which
// prints nothing.
void FileFolderPrintJob::envelopePrinted()
{
    printer().endDoc();
}

}  // namespace printing
