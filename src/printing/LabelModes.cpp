#include "printing/LabelModes.h"

#include <array>

namespace printing {

namespace {

using Sheet = StockTables::Sheet;

const std::array<LabelMode, 7> kModes{{
    {1, "Standard Label 1\" x 2 5/8\"", 30, 3, 30, 5, std::nullopt},
    {2, "Wide Label 1\" x 4\"", 20, 2, 20, 4, Sheet::Wide},
    {3, "Large Label 2\" x 4\"", 10, 2, 10, 4, Sheet::Large},
    // The return-address screens restore the standard one, whose prompt they keep.
    {4, "Return Address Label 2/3\" x 1 3/4\"", 60, 4, 30, 5, std::nullopt},
    {5, "Return Address Label 1/2\" x 1 3/4\"", 80, 4, 30, 5, std::nullopt},
    {6, "File Folder Label 2/3\" x 3 7/16\"", 30, 2, 30, 4, Sheet::FileFolder},
    {kSearchResultMode, "Standard Label 1\" x 2 5/8\"", 30, 3, 30, 5, std::nullopt},
}};

}  // namespace

QString LabelMode::positionPrompt() const
{
    // The range examples of the short sheets stay within them.
    const QString examples = maximumPosition == 10 ? QStringLiteral("2-3, 6-9") : QStringLiteral("4-9, 15-18");
    return QStringLiteral("Enter label position [a number between 1 and %1] on which to print.  Example: label "
                          "position %2 is the second label on 2nd row of label sheet.  To print multiple labels, "
                          "enter a range such as %3, etc.  To print an entire sheet, enter 1-%1.")
        .arg(maximumPosition)
        .arg(exampleSecondRow)
        .arg(examples);
}

std::span<const LabelMode> mainWindowModes()
{
    return std::span<const LabelMode>(kModes.data(), 6);
}

const LabelMode* labelMode(int mode)
{
    return mode >= 1 && mode <= static_cast<int>(kModes.size()) ? &kModes[static_cast<std::size_t>(mode - 1)]
                                                                 : nullptr;
}

QString labelSizeCaption(int mode)
{
    return mode >= 1 && mode <= 6 ? labelMode(mode)->caption() : QString();
}

}  // namespace printing
