#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace app {

// The label position prompt's rules: what an entry holds, the highest position a mode's
// sheet has and how a range splits.

// The entry with its blanks and full stops removed ("4 - 9." gives "4-9").
QString cleanPositionEntry(const QString& entry);

// The highest position of the mode's sheet that the prompt accepts: 20 wide, 10 large,
// 30 for the standard and file-folder sheets (and for the return-address modes, whose
// restored screen is the standard one).
int maxLabelPosition(int mode);

// The number the entry's last two characters give (what the maximum is checked against).
double lastTwoValue(const QString& cleaned);

struct LabelRangeSplit {
    QString startPos;
    QString endPos;           // empty for a single position
    std::int16_t count = 1;
};

// Splits an accepted entry by its length: 1 or 2 digits one position; 3, 4 or 5
// characters a start, a dash and an end (d-d, d-dd, dd-dd). Any other shape ("abc",
// "-", "123", "12-5") gives nothing. A range whose end lies before its start keeps its
// count (end - start + 1); the print commands refuse it.
std::optional<LabelRangeSplit> splitLabelRange(const QString& cleaned);

}  // namespace app
