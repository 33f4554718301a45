#include "printing/SearchLabelsJob.h"

#include "margins/MarginFile.h"
#include "printing/LabelModes.h"
#include "printing/PrintJob.h"
#include "printing/StockTables.h"
#include "printing/TextFit.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "runtime/Numeric.h"

#include <algorithm>

namespace printing {

namespace {

const QString kFace = QStringLiteral("Verdana");
constexpr double kLabelSize = 9;
const int kLabelsOnSheet = labelMode(Mode::SearchResult).perSheet;

// The right edge of label k (0 to 2) of a row, in points from the paper's left edge, as the PDF
// places the page: a printer's own offset is the margin record's to correct.
double labelRight(size_t k)
{
    return LabelSheet::of(LabelSheet::Stock::List).label(static_cast<int>(k)).right();
}

}  // namespace

SearchLabelsJob::SearchLabelsJob(platform::Printer& printer, platform::PrintDialog& dialog,
                                 platform::Messages& messages, const QString& dataFolder)
    : m_printer(printer), m_dialog(dialog), m_messages(messages), m_dataFolder(dataFolder)
{
}

SearchLabelsJob::Outcome SearchLabelsJob::run(qint32 count, const SearchLabelLines& lines, bool bold, bool italic)
{
    m_emptyList = false;
    switch (runPrintJob(m_messages, m_printer, [&] { body(count, lines, bold, italic); })) {
    case platform::PrintOutcome::Cancelled: return Outcome::Cancelled;
    case platform::PrintOutcome::Failed: return Outcome::Failed;
    case platform::PrintOutcome::Done: break;
    }
    return m_emptyList ? Outcome::EmptyList : Outcome::Printed;
}

SearchLabelsJob::Outcome SearchLabelsJob::run(const std::vector<QStringList>& labels, bool bold, bool italic)
{
    return run(static_cast<qint32>(labels.size()), [&labels](qint32 i) { return labels.at(i); }, bold, italic);
}

// The margin record is read before the list is looked at, so a bad record is reported even
// for an empty list.
void SearchLabelsJob::body(qint32 count, const SearchLabelLines& lines, bool bold, bool italic)
{
    const margins::MarginAdjust adjust = margins::readMargin(m_dataFolder, QStringLiteral("BULKLIST"));
    if (count <= 0) {
        m_emptyList = true;
        m_messages.messageBox(QStringLiteral("No contacts found"), QStringLiteral("Empty list, no labels to print."),
                              platform::Buttons::Ok, platform::Icon::None);
        return;
    }
    m_printer.setFontName(kFace);
    m_printer.setFontSize(kLabelSize);
    m_printer.setFontItalic(false);
    preparePrintDialog(m_dialog).showPrinter();
    m_printer.setOrientation(platform::Printer::Portrait);

    const std::int16_t copies = dialogCopies(m_dialog);
    for (int copy = 1; copy <= copies; ++copy) {
        printCopy(count, lines, bold, italic, adjust.left, adjust.top);
        m_printer.endDoc();
    }
}

void SearchLabelsJob::printCopy(qint32 count, const SearchLabelLines& lines, bool bold, bool italic, int left,
                                int top)
{
    topMargin(top);
    m_printer.setFontName(kFace);
    m_printer.setFontSize(kLabelSize);
    m_printer.setFontBold(bold);
    m_printer.setFontItalic(italic);
    m_font = {kFace, kLabelSize, bold, italic};

    const QString device = m_printer.deviceName();
    const bool shifted = device.contains(QLatin1String("Officejet")) || device.contains(QLatin1String("ENVY")) ||
                         device.contains(QLatin1String("Photosmart"));
    const std::int16_t base = rt::add16(shifted ? 4 : 2, static_cast<std::int16_t>(left));
    m_columns = {base, rt::add16(base, bold ? 39 : 44), rt::add16(base, bold ? 76 : 87)};

    Row row;
    for (qint32 i = 0; i < count; ++i) {
        const QStringList got = lines(i);
        const bool withCompany = got.size() >= 4;
        const int at = withCompany ? 2 : 1;
        row.push_back({got.value(0), withCompany ? got.value(1) : QString(), got.value(at), got.value(at + 1)});
        const bool last = i == count - 1;
        if (row.size() == 3 || last) {
            printRow(row, !last);
            row.clear();
        }
        // A list that fills its last sheet ends with it.
        if ((i + 1) % kLabelsOnSheet == 0 && !last) {
            m_printer.newPage();
            topMargin(top);
        }
    }
}

void SearchLabelsJob::topMargin(int top)
{
    const int lines = top >= -2 && top <= 2 ? top + 4 : 4;
    for (int i = 0; i < lines; ++i)
        m_printer.printLine();
}

// The row's labels, then, where more rows follow, its gap.
void SearchLabelsJob::printRow(const Row& row, bool gap)
{
    m_printer.setFontSize(kLabelSize);
    std::vector<QStringList> stacks;
    bool anyCompany = false;
    for (const Label& label : row) {
        QStringList stack{label.name};
        if (!label.company.isEmpty())
            stack << label.company;
        anyCompany = anyCompany || !label.company.isEmpty();
        stacks.push_back(stack << label.street << label.city);
    }
    printStacked(stacks);
    if (!gap)
        return;
    // Both gaps come to nearly the same height, so rows stay on their labels.
    if (anyCompany) {
        m_printer.setFontSize(8);
        for (int i = 0; i < 3; ++i)
            m_printer.printLine();
    } else {
        m_printer.setFontSize(11);
        m_printer.printLine();
        m_printer.setFontSize(7);
        for (int i = 0; i < 3; ++i)
            m_printer.printLine();
    }
    m_printer.setFontSize(kLabelSize);
}

// The labels' lines top-aligned, each label at its column on the row, whatever its neighbours
// hold; a label out of lines leaves its place empty. A line too wide for its label is drawn
// smaller (TextFit).
void SearchLabelsJob::printStacked(const std::vector<QStringList>& stacks)
{
    qsizetype depth = 0;
    for (const QStringList& stack : stacks)
        depth = std::max(depth, stack.size());
    for (qsizetype line = 0; line < depth; ++line) {
        std::vector<platform::PrintItem> items;
        for (size_t k = 0; k < stacks.size(); ++k) {
            if (line < stacks[k].size()) {
                const TextFit::Fitted fitted = TextFit::fit(m_font, stacks[k][line], m_columns[k], labelRight(k));
                items.push_back(platform::PrintItem::column(m_columns[k]));
                items.push_back(platform::PrintItem::sized(fitted.text, fitted.size));
            }
        }
        m_printer.printLine(items);
    }
}

}  // namespace printing
