#pragma once

#include "printing/LabelPrintJob.h"

namespace printing {

// File-folder labels carry line 1 alone, in 20-point text below a 10-point spacer line.
class FileFolderPrintJob : public LabelPrintJob {
public:
    explicit FileFolderPrintJob(const LabelJob& job);

protected:
    bool refuseLines() override;
    void beforeTextLine(bool centred, bool envelope) override;
    void afterPrintDialog() override;
    void envelopePrinted() override;
};

LabelJobResult printFileFolderLabels(const LabelJob& job);

}  // namespace printing
