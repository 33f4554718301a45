#include "printing/LabelCommands.h"

#include "printing/FileFolderPrintJob.h"
#include "printing/LabelPrintJob.h"
#include "printing/ReturnAddressJob.h"

namespace printing {

void cmdWideLabel_Click(const platform::Services& services, LabelWorkspace& ws)
{
    LabelPrintJob(services, ws, LabelStock::wide()).run();
}

void cmdLargeLabel_Click(const platform::Services& services, LabelWorkspace& ws)
{
    LabelPrintJob(services, ws, LabelStock::large()).run();
}

void cmdFileFolderStart_Click(const platform::Services& services, LabelWorkspace& ws)
{
    FileFolderPrintJob(services, ws).run();
}

void cmdRetAddress_Click(const platform::Services& services, LabelWorkspace& ws)
{
    ReturnAddressJob(services, ws, ReturnSheet::eighty()).run();
}

void cmdLrgRetAddress_Click(const platform::Services& services, LabelWorkspace& ws)
{
    ReturnAddressJob(services, ws, ReturnSheet::sixty()).run();
}

}  // namespace printing
