#pragma once

#include "platform/Services.h"
#include "printing/LabelScreen.h"

namespace printing {

// The Print buttons of the main window for the wide, large and file-folder stocks and the
// two return-address sheets. Each runs to its end inside the click, under its own print
// error handling.
void cmdWideLabel_Click(const platform::Services& services, LabelScreen& screen);
void cmdLargeLabel_Click(const platform::Services& services, LabelScreen& screen);
void cmdFileFolderStart_Click(const platform::Services& services, LabelScreen& screen);
void cmdRetAddress_Click(const platform::Services& services, LabelScreen& screen);     // 80 a sheet
void cmdLrgRetAddress_Click(const platform::Services& services, LabelScreen& screen);  // 60 a sheet

}  // namespace printing
