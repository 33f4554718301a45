#include "printing/LabelCommands.h"

#include "printing/FileFolderPrintJob.h"
#include "printing/LabelPrintJob.h"
#include "printing/ReturnAddressJob.h"

namespace printing {

void cmdWideLabel_Click(const platform::Services& services, LabelScreen& screen)
{
    LabelPrintJob(services, screen, LabelStock::wide()).run();
}

void cmdLargeLabel_Click(const platform::Services& services, LabelScreen& screen)
{
    LabelPrintJob(services, screen, LabelStock::large()).run();
}

void cmdFileFolderStart_Click(const platform::Services& services, LabelScreen& screen)
{
    FileFolderPrintJob(services, screen).run();
}

void cmdRetAddress_Click(const platform::Services& services, LabelScreen& screen)
{
    ReturnAddressJob(services, screen, ReturnSheet::eighty()).run();
}

void cmdLrgRetAddress_Click(const platform::Services& services, LabelScreen& screen)
{
    ReturnAddressJob(services, screen, ReturnSheet::sixty()).run();
}

}  // namespace printing
