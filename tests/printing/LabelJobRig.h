#pragma once

#include "support/FakeServices.h"
#include "support/Golden.h"
#include "support/RecordingDevice.h"
#include "printing/FileFolderPrintJob.h"
#include "printing/ReturnAddressJob.h"

#include <QTemporaryDir>

namespace testsupport {

// Boxes answered as they come, the offer of another page with Yes `morePages` times.
struct LabelJobMessages : FakeMessages {
    int morePages = 0;
    platform::Answer messageBox(const QString& title, const QString& text, platform::Buttons buttons,
                                platform::Icon icon) override
    {
        const platform::Answer answer = FakeMessages::messageBox(title, text, buttons, icon);
        return title == QLatin1String("Completed") && morePages-- > 0 ? platform::Answer::Yes : answer;
    }
};

// A label print command run alone: its typed input, the fakes it prints and asks on, and
// all it did as one text for a golden file.
struct LabelJobRig : FakeServiceSet<LabelJobMessages> {
    QTemporaryDir dir;
    PrintDialogScript& script = printScript;
    FakePrintDialog dialog{script};
    printing::LabelInput in;  // the home screen as the program starts
    printing::LabelVars vars;

    // `output`: the device printed on instead of the recording one.
    explicit LabelJobRig(printing::PrinterDevice* output = nullptr) : FakeServiceSet(output)
    {
        appInfo.data = dir.path();
        in.label = in.leftJustified = in.portrait = true;
        in.leftPad = QStringLiteral("2");
        in.topPad = QStringLiteral("3");
    }
    QString marginPath() const { return dir.filePath(QStringLiteral("QVLPARAM.TXT")); }
    void writeMargins(const QStringList& records)
    {
        writeBytes(marginPath(), (records.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    printing::LabelJobResult run(const QString& name)
    {
        const printing::LabelCommand command =
            name == "wide" ? printing::printWideLabels : name == "large" ? printing::printLargeLabels
          : name == "folder" ? printing::printFileFolderLabels : name == "80" ? printing::printReturnAddressEighty
                                                                 : printing::printReturnAddressSixty;
        const printing::LabelJobResult r = command({services, dialog, in, vars, [this] { return in; }});
        vars = r.vars;
        return r;
    }
    // The boxes, the dialog, the screen the command leaves and the documents.
    QString transcript(const printing::LabelJobResult& r) const
    {
        const printing::LabelVars& v = r.vars;
        QString out = messages.transcript() + QStringLiteral("dialogs %1 flags %2 cancel error %3 ends %4 kills %5\n")
                                                  .arg(script.shownCount()).arg(dialog.flags())
                                                  .arg(dialog.cancelError()).arg(printer.ends).arg(printer.kills);
        out += QStringLiteral("range %1 start %2 end %3 count %4").arg(v.strLabelRange, v.strStartPos, v.strEndPos)
                   .arg(v.intLabelCount);
        if (r.pads)
            out += " pads " + r.pads->left + ' ' + r.pads->top;
        if (r.envelopeBoldCleared)
            out += " envelope Bold cleared";
        if (r.focusLine > 0)
            out += QStringLiteral(" focus line %1").arg(r.focusLine);
        if (r.waitForReturnAddressLines)
            out += " waits for lines";
        if (r.standardScreen)
            out += " standard screen";
        return out + '\n' + dumpDocuments(device.documents());
    }
};

}  // namespace testsupport
