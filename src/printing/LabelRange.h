#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace printing {

// A label position or range as the position prompt accepts it and the print commands split it.
struct LabelRange {
    QString startPos;
    QString endPos;  // empty for a single position
    std::int16_t count = 1;

    // The entry with its blanks and full stops removed ("4 - 9." gives "4-9").
    static QString clean(const QString& entry);
    // Whether the last two characters of a cleaned entry read as a number above `maximum`.
    static bool beyond(const QString& cleaned, int maximum);
    // 1 or 2 digits are one position; d-d, d-dd and dd-dd a start, a dash and an end. Any other
    // shape gives nothing: "abc", "-4" or "12-5" would leave a start or end that is no
    // number, "103" or "4,9" would print a range nobody wrote. A range whose end lies before
    // its start keeps its count (end - start + 1); the print commands refuse it.
    static std::optional<LabelRange> parse(const QString& cleaned);
};

}  // namespace printing
