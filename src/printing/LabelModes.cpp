#include "printing/LabelModes.h"

#include "printing/FileFolderPrintJob.h"
#include "printing/LabelPrintJob.h"
#include "printing/ReturnAddressJob.h"

#include <array>

namespace printing {

namespace {

using Sheet = StockTables::Sheet;

const std::array<LabelMode, 7> kModes{{
    // The standard-label and envelope print routine of the home screen is not part of this
    // program yet: its button stays disabled.
    {Mode::Standard, "Standard Label 1\" x 2 5/8\"", 30, 3, 30, 5, std::nullopt, nullptr, true, false},
    {Mode::Wide, "Wide Label 1\" x 4\"", 20, 2, 20, 4, Sheet::Wide, printWideLabels, true, false},
    {Mode::Large, "Large Label 2\" x 4\"", 10, 2, 10, 4, Sheet::Large, printLargeLabels, true, false},
    // The return-address screens restore the standard one, whose prompt they keep.
    {Mode::ReturnSixty, "Return Address Label 2/3\" x 1 3/4\"", 60, 4, 30, 5, std::nullopt, printReturnAddressSixty,
     false, true},
    {Mode::ReturnEighty, "Return Address Label 1/2\" x 1 3/4\"", 80, 4, 30, 5, std::nullopt, printReturnAddressEighty,
     false, true},
    {Mode::FileFolder, "File Folder Label 2/3\" x 3 7/16\"", 30, 2, 30, 4, Sheet::FileFolder, printFileFolderLabels,
     true, false},
    {Mode::SearchResult, "Standard Label 1\" x 2 5/8\"", 30, 3, 30, 5, std::nullopt, nullptr, false, false},
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
    return mode >= 1 && mode <= static_cast<int>(kModes.size()) ? &kModes[static_cast<std::size_t>(mode - 1)] : nullptr;
}

const LabelMode& labelMode(Mode mode)
{
    return *labelMode(number(mode));
}

QString labelSizeCaption(int mode)
{
    return mode >= number(Mode::Standard) && mode <= number(Mode::FileFolder) ? labelMode(mode)->caption() : QString();
}

}  // namespace printing
