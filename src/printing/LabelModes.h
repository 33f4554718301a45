#pragma once

#include "printing/LabelJob.h"
#include "printing/StockTables.h"

#include <QString>
#include <optional>
#include <span>

namespace printing {

// The label modes (lngLabelMode) by their numbers.
enum class Mode {
    Standard = 1,
    Wide = 2,
    Large = 3,
    ReturnSixty = 4,   // 2/3" x 1 3/4"
    ReturnEighty = 5,  // 1/2" x 1 3/4"
    FileFolder = 6,
    SearchResult = 7,  // the sheet search results are printed on; no command of the main window chooses it
};

constexpr int number(Mode mode)
{
    return static_cast<int>(mode);
}

// One label mode and what the screens show for it.
struct LabelMode {
    Mode mode;
    const char* sizeCaption;  // of the main window's lblLabelSize
    int perSheet;
    int columns;
    int maximumPosition;                              // the highest position the position prompt accepts
    int exampleSecondRow;                             // the prompt's example: the second label on the 2nd row
    std::optional<StockTables::Sheet> positionSheet;  // whose pads the prompt writes
    // The command of the mode's Print button; none: the button stays disabled.
    LabelCommand print;
    // Printed by label position: a change of the label font boxes moves on to Print.
    bool byPosition;
    bool returnAddress;  // a whole sheet of lines 1 to 3 (the mode of its menu command and button)

    QString caption() const { return QString::fromUtf8(sizeCaption); }
    // The label position prompt of the mode.
    QString positionPrompt() const;
};

// The modes of the main window, Standard to FileFolder in mode order.
std::span<const LabelMode> mainWindowModes();
// A mode's row; nothing for a number that is no mode.
const LabelMode* labelMode(int mode);
const LabelMode& labelMode(Mode mode);
// The caption of lblLabelSize for a main-window mode; empty for any other number.
QString labelSizeCaption(int mode);

}  // namespace printing
