#pragma once

#include "printing/StockTables.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace app {

// The label position prompt's rules: what an entry holds, the highest position a mode's
// sheet has and how a range splits.

// The entry with its blanks and full stops removed ("4 - 9." gives "4-9").
QString cleanPositionEntry(const QString& entry);

// The sheet whose position table the prompt shares with the mode's print command: wide,
// large and file-folder labels. The standard sheet (mode 1, and the return-address modes,
// whose restored screen is the standard one) has none here.
std::optional<printing::StockTables::Sheet> positionSheet(int mode);

// The highest position the prompt accepts: that of the mode's sheet, 30 on the standard one.
int maxLabelPosition(int mode);

struct LabelRangeSplit {
    QString startPos;
    QString endPos;           // empty for a single position
    std::int16_t count = 1;
};

// Splits an entry by its length: 1 or 2 digits one position; 3, 4 or 5 characters a start,
// a dash and an end (d-d, d-dd, dd-dd). Any other shape gives nothing: "abc", "-4" or "12-5"
// would leave a start or end that is no number, "103" or "4,9" would print a range nobody
// wrote. A range whose end lies before its start keeps its count (end - start + 1); the
// print commands refuse it.
std::optional<LabelRangeSplit> splitLabelRange(const QString& cleaned);

}  // namespace app
