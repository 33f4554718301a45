#pragma once

#include "platform/Services.h"
#include "printing/StockTables.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class PrintDialog;
}

namespace printing {

// The main window's form-level label state.
struct LabelVars {
    QString strEnvSize;     // "1".."6"; numeric value 0 = none chosen
    QString strLabelRange;  // position or range as accepted, blanks and full stops removed
    QString strStartPos;
    QString strEndPos;
    std::int16_t intLabelCount = 0;
};

// What the print commands read of the main window: the typed lines and the chosen options.
struct LabelInput {
    std::array<QString, 5> lines;
    QString leftPad;  // txtQzLeftPad
    QString topPad;   // txtQzToppad
    bool label = false;
    bool envelope = false;
    bool leftJustified = false;
    bool centred = false;
    bool portrait = false;
    bool labelBold = false;
    bool labelItalic = false;
    bool envelopeBold = false;    // chkBold
    bool largeFont = false;       // chkLargeFont
    bool positionChosen = false;  // lblQzPosition shows a position
};

struct LabelJobResult;

// What a label print command starts from: the screen and the form's label state as they were
// at the click, and the print dialog it opens.
struct LabelJob {
    const platform::Services& services;
    platform::PrintDialog& dialog;
    LabelInput input;
    LabelVars vars;
    // The screen read again where a box of the command comes before or after, the command's own
    // screen shown first (a return-address sheet's caption and Print button).
    std::function<LabelInput()> reread;
    // Shows the form's label state, the pad boxes and the envelope's Bold box as the command
    // has left them so far, at once when it changes them: a box or the print dialog it shows
    // next stands over the screen as it is then.
    std::function<void(const LabelJobResult&)> show;
};

// What the main window shows once a label print command ended, also when it failed half-way.
struct LabelJobResult {
    LabelVars vars;
    std::optional<LabelPads> pads;     // for the pad boxes
    bool envelopeBoldCleared = false;  // chkBold unticked and hidden
    int focusLine = 0;                 // 1 to 5; 0: the focus stays
    // A return-address sheet's lines are missing: its label options wait for them.
    bool waitForReturnAddressLines = false;
    // The standard label screen the return-address commands end with.
    bool standardScreen = false;
};

using LabelCommand = LabelJobResult (*)(const LabelJob& job);

}  // namespace printing
