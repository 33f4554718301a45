#pragma once

#include "printing/StockTables.h"

#include <QString>
#include <optional>
#include <span>

namespace printing {

// One label mode (lngLabelMode) and what the screens show for it.
struct LabelMode {
    int mode;
    const char* sizeCaption;  // of the main window's lblLabelSize
    int perSheet;
    int columns;
    int maximumPosition;      // the highest position the position prompt accepts
    int exampleSecondRow;     // the prompt's example: the second label on the 2nd row
    std::optional<StockTables::Sheet> positionSheet;  // whose pads the prompt writes

    QString caption() const { return QString::fromUtf8(sizeCaption); }
    // The label position prompt of the mode.
    QString positionPrompt() const;
};

inline constexpr int kStandardMode = 1;
inline constexpr int kFileFolderMode = 6;
// The sheet search results are printed on; no command of the main window chooses it.
inline constexpr int kSearchResultMode = 7;

// The modes of the main window, 1 to 6 in mode order.
std::span<const LabelMode> mainWindowModes();
// A mode's row; nothing for a number that is no mode.
const LabelMode* labelMode(int mode);
// The caption of lblLabelSize for a main-window mode; empty for any other number.
QString labelSizeCaption(int mode);

}  // namespace printing
