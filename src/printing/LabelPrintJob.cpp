#include "printing/LabelPrintJob.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "printing/LabelRange.h"
#include "printing/LineFit.h"
#include "printing/PrinterFamily.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace printing {

namespace {

const QString kVerdana = QStringLiteral("Verdana");
const QString kTrebuchet = QStringLiteral("Trebuchet MS");
constexpr double kLargeFontSize = 14;
// A centred envelope line: its tab column from the pad, and the centring half-width.
constexpr std::int16_t kEnvelopeCentreShift = -6;
constexpr int kEnvelopeHalfWidth = 18;
// The longest envelope of the size list (#10 and #A10, 9 1/2 inches), in points.
constexpr double kEnvelopeLength = 9.5 * 72;

}  // namespace

const LabelStock& LabelStock::wide()
{
    static const LabelStock stock{StockTables::Sheet::Wide, 9, 11, 5, 24, -3, 0, 4 * 72};
    return stock;
}

const LabelStock& LabelStock::large()
{
    static const LabelStock stock{StockTables::Sheet::Large, 14, 11, 5, 18, -3, -1, 4 * 72};
    return stock;
}

const LabelStock& LabelStock::fileFolder()
{
    static const LabelStock stock{StockTables::Sheet::FileFolder, 20, 11, 1, 10, -2, 1, 3.4375 * 72};
    return stock;
}

LabelPrintJob::LabelPrintJob(const platform::Services& services, LabelScreen& screen, const LabelStock& stock)
    : PrintJob(services, screen), m_stock(stock)
{
}

QStringList LabelPrintJob::typedLines() const
{
    const LabelInput in = input();
    return QStringList(in.lines.begin(), in.lines.end());
}

void LabelPrintJob::body()
{
    // Both margin records are read on every press, before any check.
    const QList<margins::MarginAdjust> adjust =
        margins::readMargins(dataFolder(), {QStringLiteral("ONTHEFLY"), QStringLiteral("ENVELOPE")});
    m_labelAdjust = adjust[0];
    m_envelopeAdjust = adjust[1];

    if (refuseLines() || refuseOptions() || refuseNoPosition() || refuseLongLine())
        return;

    if (input().label) {
        if (!splitRange())
            return;
        lookUpPosition();
    }

    platform::PrintDialog& dialog = preparePrintDialog(screen().printDialog());
    printer().setFontName(kVerdana);
    printer().setFontSize(m_stock.fontSize);
    dialog.showPrinter();
    afterPrintDialog();

    const std::int16_t copyCount = copies();
    const QString startPos = vars().strStartPos;
    const QString leftPad = input().leftPad;
    const QString topPad = input().topPad;
    for (int copy = 1; copy <= copyCount; ++copy) {
        vars().strStartPos = startPos;
        screen().setPads(leftPad, topPad);
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
    if (!input().label && !input().envelope) {
        refuse(QStringLiteral("Media Selection"), QStringLiteral("Select Label stock or Envelope"),
               platform::Icon::Exclamation);
        return true;
    }
    if (input().envelope && rt::val(vars().strEnvSize) == 0) {
        refuse(QStringLiteral("Envelope Size"), QStringLiteral("Select Envelope size"), platform::Icon::Exclamation);
        return true;
    }
    if (!input().leftJustified && !input().centred) {
        refuse(QStringLiteral("Text Alignment"), QStringLiteral("Select Left-Justified or Centered"),
               platform::Icon::Exclamation);
        return true;
    }
    return false;
}

// Without an accepted position the pads, start and count are whatever an earlier job or the
// pad boxes left: labels would land at positions nobody asked for.
bool LabelPrintJob::refuseNoPosition()
{
    if (!input().label || input().positionChosen)
        return false;
    refuse(QStringLiteral("Label position"),
           QStringLiteral("Choose the label position first: click Label stock and enter a position."),
           platform::Icon::Exclamation);
    return true;
}

// Checked before anything is printed: a line too long runs onto the next label or off the
// page.
bool LabelPrintJob::refuseLongLine()
{
    const LabelInput in = input();
    int most = 0;
    if (in.envelope) {
        // The envelope goes through the printer lengthwise, in the font its lines print with.
        const PrintFont font = in.largeFont
            ? PrintFont{kTrebuchet, kLargeFontSize, in.envelopeBold, true}
            : PrintFont{kVerdana, in.portrait ? m_stock.fontSize : m_stock.landscapeFontSize, in.envelopeBold, false};
        most = LineFit::envelopeLine(kEnvelopeLength, static_cast<int>(rt::val(in.leftPad)), font);
    } else {
        most = LineFit::labelLine(m_stock, in.labelBold, in.centred);
    }
    return PrintJob::refuseLongLine(typedLines().mid(0, m_stock.linesPerLabel), most);
}

// The range is split afresh from what the position prompt accepted, so a press of Print
// always prints that range, whatever an earlier job advanced strStartPos to.
bool LabelPrintJob::splitRange()
{
    LabelVars& v = vars();
    v.strStartPos = v.strLabelRange;
    // The prompt accepts nothing else; a range it would refuse is no number to print at.
    const std::optional<LabelRange> range = LabelRange::parse(v.strLabelRange);
    if (!range)
        throw rt::RuntimeError(rt::err::TypeMismatch);
    if (range->endPos.isEmpty()) {
        v.intLabelCount = 1;
        return true;
    }
    v.strStartPos = range->startPos;
    v.strEndPos = range->endPos;
    if (rt::val(v.strEndPos) < rt::val(v.strStartPos)) {
        refuse(QStringLiteral("Try again"), QStringLiteral("Label starting position cannot exceed ending position."),
               platform::Icon::Information);
        return false;
    }
    v.intLabelCount = range->count;
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
    const std::optional<LabelPads> pads = StockTables::pads(m_stock.sheet, position, input().labelBold, family);
    screen().setPads(pads->left, pads->top);
}

void LabelPrintJob::printOne()
{
    const bool envelope = input().envelope;
    const bool label = input().label;
    platform::Printer& p = printer();

    if (envelope)
        vars().intLabelCount = 1;
    if (input().portrait) {
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
        if (input().envelopeBold)
            m_printRows = rt::sub16(m_printRows, 1);
        if (input().largeFont) {
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
    if (envelope && input().envelopeBold)
        p.setFontBold(true);
    if (envelope && input().largeFont) {
        p.setFontName(kTrebuchet);
        p.setFontSize(kLargeFontSize);
        p.setFontItalic(true);
    }
    if (!envelope || !input().largeFont) {
        p.setFontName(kVerdana);
        p.setFontItalic(false);
    }
    if (envelope && !input().envelopeBold)
        p.setFontBold(false);
    if (label) {
        p.setFontBold(false);
        screen().clearEnvelopeBold();
    }
    if (label && input().labelBold)
        p.setFontBold(true);
    if (label && input().labelItalic)
        p.setFontItalic(true);
}

void LabelPrintJob::computePlace(const margins::MarginAdjust& adjust)
{
    const LabelInput in = input();
    m_printCol = rt::toInt16(rt::val(in.leftPad) + adjust.left);
    m_printRows = rt::toInt16(rt::val(in.topPad) + adjust.top);
}

void LabelPrintJob::printLabelLines(bool envelope, bool label)
{
    const bool centred = input().centred;
    const QStringList lines = typedLines().mid(0, m_stock.linesPerLabel);
    for (const QString& line : lines) {
        beforeTextLine(centred, envelope);
        std::vector<platform::PrintItem> items;
        if (centred && label) {
            const bool bold = input().labelBold;
            items.push_back(platform::PrintItem::tab(
                rt::add16(m_printCol, static_cast<std::int16_t>(bold ? m_stock.centreBoldShift : m_stock.centrePlainShift))));
            items.push_back(platform::PrintItem::spaces(centringSpaces(m_stock.centreHalfWidth, line.size())));
        } else if (centred) {
            items.push_back(platform::PrintItem::tab(rt::add16(m_printCol, kEnvelopeCentreShift)));
            items.push_back(platform::PrintItem::spaces(centringSpaces(kEnvelopeHalfWidth, line.size())));
        } else {
            items.push_back(platform::PrintItem::tab(m_printCol));
        }
        items.push_back(platform::PrintItem::str(line));
        printer().printLine(items);
    }
}

}  // namespace printing
