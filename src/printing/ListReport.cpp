#include "printing/ListReport.h"

#include "printing/PrintJob.h"
#include "printing/TextFit.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <array>

namespace printing {

namespace {

using platform::PrintItem;

const QString kFace = QStringLiteral("Verdana");
constexpr std::array<int, 7> kEmailColumns{2, 40, 58, 62, 76, 92, 110};
constexpr std::array<int, 7> kStreetColumns{2, 30, 66, 88, 94, 109, 127};
const std::array<const char*, 7> kEmailHeadings{"Name", "City", "ST", "Zip", "Home", "Cell", "Email Address"};
const std::array<const char*, 7> kStreetHeadings{"Name", "Street", "City", "ST", "Zip", "Home", "Cell"};

}  // namespace

ListReportInput ListReportInput::ofLines(const QStringList& lines)
{
    ListReportInput input;
    input.lineCount = qint32(lines.size());
    input.line = [lines](qint32 i) { return lines.at(i); };
    return input;
}

ListReport::ListReport(platform::Printer& printer, platform::PrintDialog& dialog, platform::Messages& messages)
    : m_printer(printer), m_dialog(dialog), m_messages(messages)
{
}

platform::PrintOutcome ListReport::print(const ListReportInput& input)
{
    return runPrintJob(m_messages, m_printer, [&] { body(input); });
}

int ListReport::pageCount(qsizetype lines)
{
    return static_cast<int>(rt::roundHalfEven(static_cast<double>(lines) / 54 + 1));
}

void ListReport::body(const ListReportInput& input)
{
    const int pages = pageCount(input.lineCount);
    preparePrintDialog(m_dialog);
    m_dialog.setMin(1);
    m_dialog.setMax(pages);
    m_dialog.setFromPage(1);
    m_dialog.setToPage(pages);
    if (input.headingSelection.isEmpty() && input.selectedLines.empty())
        m_dialog.setFlags(platform::PrintDialog::NoSelection);
    m_printer.setFontName(kFace);
    m_printer.setFontSize(10);
    m_printer.setFontItalic(false);
    m_dialog.showPrinter();

    if (m_dialog.flags() & platform::PrintDialog::Selection) {
        printSelection(input);
        return;
    }
    m_printer.setOrientation(platform::Printer::Landscape);
    const int copies = m_dialog.copies();
    for (int copy = 1; copy <= copies; ++copy) {
        printReport(input);
        m_printer.endDoc();
    }
}

void ListReport::printReport(const ListReportInput& input)
{
    const std::array<int, 7>& columns = input.emailColumns ? kEmailColumns : kStreetColumns;
    const std::array<const char*, 7>& headings = input.emailColumns ? kEmailHeadings : kStreetHeadings;
    platform::Printer& p = m_printer;

    p.printLine();
    p.setFontSize(18);
    p.printLine({PrintItem::tab(32), PrintItem::str(QStringLiteral("Quorvel"))});
    p.setFontSize(10);
    p.printLine();
    p.printLine({PrintItem::tab(60), PrintItem::str(QStringLiteral("File: ") + input.fileTitle)});
    p.printLine({PrintItem::tab(60),
                 PrintItem::str(QStringLiteral("Search text: ") + input.searchText + QStringLiteral("    Contacts found = ")),
                 PrintItem::num(input.found)});
    p.printLine();
    std::vector<PrintItem> heading;
    for (size_t m = 0; m < columns.size(); ++m) {
        heading.push_back(PrintItem::tab(columns[m]));
        heading.push_back(PrintItem::str(QLatin1String(headings[m])));
    }
    p.printLine(heading);

    // A part that would pass the page's right edge (as the PDF places the page) prints smaller.
    const PrintFont font{p.fontName(), p.fontSize(), p.fontBold(), p.fontItalic()};
    const double pageRight = paperPoints(platform::Printer::Letter, platform::Printer::Landscape).width();
    for (qint32 i = 0; i < input.lineCount; ++i) {
        std::vector<PrintItem> items;
        const QStringList parts = rt::split(input.line(i), QStringLiteral("\t"));
        for (qsizetype m = 0; m < parts.size(); ++m) {
            // A pasted line may hold more columns than the report has.
            if (m >= static_cast<qsizetype>(columns.size()))
                throw rt::RuntimeError(rt::err::Subscript);
            const TextFit::Fitted part = TextFit::fit(font, rt::trim(parts[m]), columns[m], pageRight);
            items.push_back(PrintItem::tab(columns[m]));
            items.push_back(PrintItem::sized(part.text, part.size));
            if (parts[m].isEmpty())
                break;
        }
        p.printLine(items);
    }
    p.printLine();
    p.newPage();
}

void ListReport::printSelection(const ListReportInput& input)
{
    m_printer.setFontName(kFace);
    m_printer.setFontSize(10);
    m_printer.setFontItalic(false);
    m_printer.setOrientation(platform::Printer::Landscape);
    m_printer.printLine();
    if (input.focusInHeading) {
        m_printer.printLine({PrintItem::str(input.headingSelection)});
    } else {
        for (int index : input.selectedLines)
            m_printer.printLine({PrintItem::str(index < input.lineCount ? input.line(index) : QString())});
    }
    m_printer.newPage();
    m_printer.endDoc();
}

}  // namespace printing
