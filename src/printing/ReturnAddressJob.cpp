#include "printing/ReturnAddressJob.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "runtime/Numeric.h"

namespace printing {

namespace {

const QString kLabelFace = QStringLiteral("Microsoft Sans Serif");
const QString kSpacerFace = QStringLiteral("Courier New");
constexpr std::int16_t kBaseColumn = 3;

}  // namespace

const ReturnSheet& ReturnSheet::eighty()
{
    static const ReturnSheet sheet{
        QStringLiteral("Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels"),
        QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock"),
        8,
        20,
        {4, 46, 88, 130},
        {4, 46, 88, 130},
        8,
        0,
        0,
        &LabelSheet::of(LabelSheet::Stock::ReturnEighty),
    };
    return sheet;
}

const ReturnSheet& ReturnSheet::sixty()
{
    static const ReturnSheet sheet{
        QStringLiteral("Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] labels"),
        QStringLiteral("Load printer with Avery 5195, 8195, or 18195 label stock"),
        9,
        15,
        {2, 39, 77, 114},
        {1, 38, 76, 112},
        15,
        8,
        6,
        &LabelSheet::of(LabelSheet::Stock::ReturnSixty),
    };
    return sheet;
}

std::array<LineFit::Place, 4> ReturnSheet::linePlaces(const LabelInput& in) const
{
    const PrintFont font{kLabelFace, fontSize, false, in.labelItalic};
    std::array<LineFit::Place, 4> places;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const int tab = kBaseColumn + (in.centred ? centreColumns[k] : leftColumns[k]);
        places[k] = LineFit::Place::onLabel(font, tab, labels->label(static_cast<int>(k)), in.centred);
    }
    return places;
}

ReturnAddressJob::ReturnAddressJob(const LabelJob& job, const ReturnSheet& sheet) : PrintJob(job), m_sheet(sheet) {}

LabelJobResult printReturnAddressEighty(const LabelJob& job)
{
    return ReturnAddressJob(job, ReturnSheet::eighty()).run();
}

LabelJobResult printReturnAddressSixty(const LabelJob& job)
{
    return ReturnAddressJob(job, ReturnSheet::sixty()).run();
}

void ReturnAddressJob::body()
{
    m_adjust = margins::readMargin(dataFolder(), QStringLiteral("RETURNAD"));

    reread();
    for (;;) {
        messages().messageBox(m_sheet.instructionTitle, m_sheet.instructionText, platform::Buttons::Ok,
                              platform::Icon::Information);
        reread();

        const LabelInput in = input();
        if (in.lines[0].isEmpty() && in.lines[1].isEmpty() && in.lines[2].isEmpty()) {
            refuse(QStringLiteral("Instructions"), QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."),
                   platform::Icon::Exclamation);
            result().waitForReturnAddressLines = true;
            return;
        }
        if (!in.lines[3].isEmpty() || !in.lines[4].isEmpty()) {
            refuse(QStringLiteral("Small label can fit only 3 lines"), QStringLiteral("Leave Lines 4 and 5 blank"),
                   platform::Icon::Exclamation);
            focusLine(4);
            return;
        }
        // A line wider than its label runs into the next label across and shifts the sheet.
        const std::array<LineFit::Place, 4> places = m_sheet.linePlaces(in);
        if (refuseLongLine({in.lines[0], in.lines[1], in.lines[2]}, places, QStringLiteral("label")))
            return;
        for (std::size_t i = 0; i < m_blanks.size(); ++i) {
            const double width = LineFit::width(in.lines[i], places.front().font);
            for (std::size_t k = 0; k < places.size(); ++k)
                m_blanks[i][k] = places[k].blanks(width);
        }

        preparePrintDialog(dialog());
        printer().setFontName(kLabelFace);
        printer().setFontSize(m_sheet.fontSize);
        printer().setFontItalic(input().labelItalic);
        dialog().showPrinter();
        leaveDialogFlags();
        printer().setOrientation(platform::Printer::Portrait);

        const std::int16_t copyCount = copies();
        for (int copy = 1; copy <= copyCount; ++copy) {
            printSheet();
            printer().endDoc();
        }
        // The user may check the sheets before answering: they are out when the question is.
        printer().sendJob();

        const platform::Answer another =
            messages().messageBox(QStringLiteral("Completed"),
                                  QStringLiteral("Done!  Do you want to print another page of Return Address Labels?"),
                                  platform::Buttons::YesNoCancel, platform::Icon::None);
        if (another != platform::Answer::Yes) {
            result().standardScreen = true;
            return;
        }
    }
}

// One sheet from top to bottom in one pass; the print position never goes back up.
void ReturnAddressJob::printSheet()
{
    platform::Printer& p = printer();
    // Only the sign of the top adjustment counts: the margin command moves it a row at a time.
    if (m_adjust.top > 0)
        emptyLines(2);
    if (m_adjust.top == 0)
        emptyLines(1);
    emptyLines(3);

    p.setFontName(kLabelFace);
    p.setFontSize(m_sheet.fontSize);
    p.setFontBold(false);
    clearEnvelopeBold();

    const int base = rt::add16(m_adjust.left, kBaseColumn);
    for (int row = 1; row <= m_sheet.rows; ++row) {
        p.setFontName(kLabelFace);
        p.setFontSize(m_sheet.fontSize);
        const LabelInput in = input();
        if (in.leftJustified) {
            for (std::size_t i = 0; i < m_blanks.size(); ++i)
                printRowLine(in.lines[i], m_blanks[i], false, base);
        }
        if (input().centred) {
            for (std::size_t i = 0; i < m_blanks.size(); ++i)
                printRowLine(in.lines[i], m_blanks[i], true, base);
        }
        p.setFontName(kSpacerFace);
        p.setFontSize(m_sheet.spacerSize);
        if (row == m_sheet.extraSpacerRow) {
            p.setFontSize(m_sheet.extraSpacerSize);
            p.printLine();
            p.setFontSize(m_sheet.spacerSize);
        }
        p.printLine();
        p.setFontName(kLabelFace);
        p.setFontSize(m_sheet.fontSize);
    }
}

// One printed line: the same text on the four labels of the row, a centred one centred on
// each label.
void ReturnAddressJob::printRowLine(const QString& line, const std::array<int, 4>& blanks, bool centred, int base)
{
    const std::array<int, 4>& columns = centred ? m_sheet.centreColumns : m_sheet.leftColumns;
    std::vector<platform::PrintItem> items;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        items.push_back(platform::PrintItem::tab(
            rt::add16(static_cast<std::int16_t>(base), static_cast<std::int16_t>(columns[k]))));
        if (centred)
            items.push_back(platform::PrintItem::spaces(blanks[k]));
        items.push_back(platform::PrintItem::str(line));
    }
    printer().printLine(items);
}

}  // namespace printing
