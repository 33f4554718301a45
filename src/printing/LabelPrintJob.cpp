#include "printing/LabelPrintJob.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "printing/PrinterFamily.h"
#include "printing/WorkspaceControls.h"
#include "runtime/Numeric.h"
#include "runtime/Text.h"

namespace printing {

namespace {

const QString kVerdana = QStringLiteral("Verdana");
const QString kTrebuchet = QStringLiteral("Trebuchet MS");
constexpr double kLargeFontSize = 14;
// A centred envelope line: its tab column from the pad, and the centring half-width.
constexpr std::int16_t kEnvelopeCentreShift = -6;
constexpr int kEnvelopeHalfWidth = 18;

}  // namespace

const LabelStock& LabelStock::wide()
{
    static const LabelStock stock{StockTables::Sheet::Wide, 9, 11, 5, 24, -3, 0};
    return stock;
}

const LabelStock& LabelStock::large()
{
    static const LabelStock stock{StockTables::Sheet::Large, 14, 11, 5, 18, -3, -1};
    return stock;
}

const LabelStock& LabelStock::fileFolder()
{
    static const LabelStock stock{StockTables::Sheet::FileFolder, 20, 11, 1, 10, -2, 1};
    return stock;
}

LabelPrintJob::LabelPrintJob(const platform::Services& services, LabelWorkspace& ws, const LabelStock& stock)
    : PrintJob(services, ws), m_stock(stock)
{
}

QStringList LabelPrintJob::typedLines() const
{
    return {text(ctl::txtQzLine1), text(ctl::txtQzLine2), text(ctl::txtQzline3), text(ctl::txtQzLine4),
            text(ctl::txtQzLine5)};
}

void LabelPrintJob::body()
{
    // Both margin records are read on every press, before any check.
    const QList<margins::MarginAdjust> adjust =
        margins::readMargins(dataFolder(), {QStringLiteral("ONTHEFLY"), QStringLiteral("ENVELOPE")});
    m_labelAdjust = adjust[0];
    m_envelopeAdjust = adjust[1];

    if (refuseLines() || refuseOptions())
        return;

    if (ticked(ctl::optQzLabel) && !text(ctl::lblQzPosition).isEmpty()) {
        if (!splitRange())
            return;
        lookUpPosition();
    }

    platform::PrintDialog& dialog = preparePrintDialog();
    printer().setFontName(kVerdana);
    printer().setFontSize(m_stock.fontSize);
    dialog.showPrinter();
    afterPrintDialog();

    const std::int16_t copyCount = copies();
    const QString startPos = vars().strStartPos;
    const QString leftPad = text(ctl::txtQzLeftPad);
    const QString topPad = text(ctl::txtQzToppad);
    for (int copy = 1; copy <= copyCount; ++copy) {
        vars().strStartPos = startPos;
        ws().setText(ctl::txtQzLeftPad, leftPad);
        ws().setText(ctl::txtQzToppad, topPad);
        printOne();
    }
}

bool LabelPrintJob::refuseLines()
{
    for (const QString& line : typedLines()) {
        if (!line.isEmpty())
            return false;
    }
    refuse(QStringLiteral("Missing Data"), QStringLiteral("No information entered"), platform::Icon::Exclamation);
    return true;
}

bool LabelPrintJob::refuseOptions()
{
    if (!ticked(ctl::optQzLabel) && !ticked(ctl::optQzEnvelope)) {
        refuse(QStringLiteral("Media Selection"), QStringLiteral("Select Label stock or Envelope"),
               platform::Icon::Exclamation);
        return true;
    }
    if (ticked(ctl::optQzEnvelope) && rt::val(vars().strEnvSize) == 0) {
        refuse(QStringLiteral("Envelope Size"), QStringLiteral("Select Envelope size"), platform::Icon::Exclamation);
        return true;
    }
    if (!ticked(ctl::optQzLeftjust) && !ticked(ctl::optQzCenter)) {
        refuse(QStringLiteral("Text Alignment"), QStringLiteral("Select Left-Justified or Centered"),
               platform::Icon::Exclamation);
        return true;
    }
    return false;
}

// The range is split afresh from what the position prompt accepted, so a press of Print
// always prints that range, whatever an earlier job advanced strStartPos to.
bool LabelPrintJob::splitRange()
{
    LabelVars& v = vars();
    const QString range = v.strLabelRange;
    v.strStartPos = range;
    switch (range.size()) {
    case 1:
    case 2:
        v.intLabelCount = 1;
        return true;
    case 3:
        v.strStartPos = rt::left(range, 1);
        v.strEndPos = rt::right(range, 1);
        break;
    case 4:
        v.strStartPos = rt::left(range, 1);
        v.strEndPos = rt::right(range, 2);
        break;
    case 5:
        v.strStartPos = rt::left(range, 2);
        v.strEndPos = rt::right(range, 2);
        break;
    default:
        return true;
    }
    if (rt::val(v.strEndPos) < rt::val(v.strStartPos)) {
        refuse(QStringLiteral("Try again"), QStringLiteral("Label starting position cannot exceed ending position."),
               platform::Icon::Information);
        return false;
    }
    v.intLabelCount = rt::add16(rt::sub16(rt::toInt16(v.strEndPos), rt::toInt16(v.strStartPos)), 1);
    return true;
}

// Writes the pads of the position in strStartPos into the pad boxes; a value that is not one
// of the sheet's positions leaves them as they are. The family test looks at the printer
// current at this moment.
void LabelPrintJob::lookUpPosition()
{
    const double position = rt::val(vars().strStartPos);
    if (!StockTables::isPosition(m_stock.sheet, position))
        return;
    const bool family = PrinterFamily::shiftsColumns(printer().deviceName());
    const std::optional<LabelPads> pads = StockTables::pads(m_stock.sheet, position, ticked(ctl::chkLblBold), family);
    ws().setText(ctl::txtQzLeftPad, pads->left);
    ws().setText(ctl::txtQzToppad, pads->top);
}

void LabelPrintJob::printOne()
{
    const bool envelope = ticked(ctl::optQzEnvelope);
    const bool label = ticked(ctl::optQzLabel);
    platform::Printer& p = printer();

    if (envelope)
        vars().intLabelCount = 1;
    if (ticked(ctl::optPortrait)) {
        p.setOrientation(platform::Printer::Portrait);
        p.setFontSize(m_stock.fontSize);
    } else {
        p.setOrientation(platform::Printer::Landscape);
        p.setFontSize(m_stock.landscapeFontSize);
    }
    if (PrinterFamily::forcesPaperSize(p.deviceName())) {
        if (envelope)
            p.setPaperSize(platform::Printer::Envelope10);
        if (label)
            p.setPaperSize(platform::Printer::Letter);
    }
    p.printLine();

    setUpFont(envelope, label);

    if (envelope) {
        computePlace(m_envelopeAdjust);
        if (ticked(ctl::chkBold))
            m_printRows = rt::sub16(m_printRows, 1);
        if (ticked(ctl::chkLargeFont)) {
            m_printCol = rt::sub16(m_printCol, 6);
            m_printRows = rt::sub16(m_printRows, 7);
        }
        if (PrinterFamily::forcesPaperSize(p.deviceName()))
            m_printRows = rt::sub16(m_printRows, 2);
    } else {
        computePlace(m_labelAdjust);
    }
    emptyLines(m_printRows);

    const std::int16_t count = vars().intLabelCount;
    for (int n = 1; n <= count; ++n) {
        printLabelLines(envelope, label);
        if (!label) {
            envelopePrinted();
            break;
        }
        vars().strStartPos = QString::number(rt::add16(rt::toInt16(vars().strStartPos), 1));
        p.moveToTopLeft();
        p.printLine();
        lookUpPosition();
        computePlace(m_labelAdjust);
        emptyLines(m_printRows);
    }
    p.endDoc();
}

// Each setting in turn; the last that applies wins.
void LabelPrintJob::setUpFont(bool envelope, bool label)
{
    platform::Printer& p = printer();
    p.setFontName(kVerdana);
    if (envelope && ticked(ctl::chkBold))
        p.setFontBold(true);
    if (envelope && ticked(ctl::chkLargeFont)) {
        p.setFontName(kTrebuchet);
        p.setFontSize(kLargeFontSize);
        p.setFontItalic(true);
    }
    if (!envelope || !ticked(ctl::chkLargeFont)) {
        p.setFontName(kVerdana);
        p.setFontItalic(false);
    }
    if (envelope && !ticked(ctl::chkBold))
        p.setFontBold(false);
    if (label) {
        p.setFontBold(false);
        ws().setValue(ctl::chkBold, 0);
        ws().setVisible(ctl::chkBold, false);
    }
    if (label && ticked(ctl::chkLblBold))
        p.setFontBold(true);
    if (label && ticked(ctl::chkLblItalic))
        p.setFontItalic(true);
}

void LabelPrintJob::computePlace(const margins::MarginAdjust& adjust)
{
    m_printCol = rt::toInt16(rt::val(text(ctl::txtQzLeftPad)) + adjust.left);
    m_printRows = rt::toInt16(rt::val(text(ctl::txtQzToppad)) + adjust.top);
}

void LabelPrintJob::printLabelLines(bool envelope, bool label)
{
    const bool centred = ticked(ctl::optQzCenter);
    const QStringList lines = typedLines().mid(0, m_stock.linesPerLabel);
    for (const QString& line : lines) {
        beforeTextLine(centred, envelope);
        std::vector<platform::PrintItem> items;
        if (centred && label) {
            const bool bold = ticked(ctl::chkLblBold);
            items.push_back(platform::PrintItem::tab(
                rt::add16(m_printCol, static_cast<std::int16_t>(bold ? m_stock.centreBoldShift : m_stock.centrePlainShift))));
            items.push_back(platform::PrintItem::spaces(centringSpaces(m_stock.centreHalfWidth, line.size())));
        } else if (centred) {
            items.push_back(platform::PrintItem::tab(rt::add16(m_printCol, kEnvelopeCentreShift)));
            items.push_back(platform::PrintItem::spaces(centringSpaces(kEnvelopeHalfWidth, line.size())));
        } else {
            items.push_back(platform::PrintItem::tab(m_printCol));
        }
        items.push_back(platform::PrintItem::str(printable(line)));
        printer().printLine(items);
    }
}

}  // namespace printing
