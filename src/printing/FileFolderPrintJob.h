#pragma once

#include "printing/LabelPrintJob.h"

namespace printing {

// File-folder labels carry line 1 alone, in 20-point text below a 10-point spacer line.
class FileFolderPrintJob : public LabelPrintJob {
public:
    FileFolderPrintJob(const platform::Services& services, LabelScreen& screen);

protected:
    bool refuseLines() override;
    void beforeTextLine(bool centred, bool envelope) override;
    void afterPrintDialog() override;
    void envelopePrinted() override;
};

}  // namespace printing
