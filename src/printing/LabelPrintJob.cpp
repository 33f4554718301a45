#include "printing/LabelPrintJob.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "printing/LabelRange.h"
#include "printing/PrinterFamily.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <algorithm>

namespace printing {

namespace {

const QString kVerdana = QStringLiteral("Verdana");
const QString kTrebuchet = QStringLiteral("Trebuchet MS");
constexpr double kLargeFontSize = 14;
constexpr std::int16_t kLargeFontShift = -6;  // columns, on an envelope
// A centred envelope line: its tab column from the pad, and its middle from that column.
constexpr std::int16_t kEnvelopeCentreShift = -6;
constexpr int kEnvelopeHalfWidth = 18;

// A pad as a whole column; the printer's own count refuses one out of range later.
int padColumn(const QString& pad)
{
    return static_cast<int>(std::clamp(rt::roundHalfEven(rt::val(pad)), -32768.0, 32767.0));
}

}  // namespace

const LabelStock& LabelStock::wide()
{
    static const LabelStock stock{StockTables::Sheet::Wide, 9, 11, 5, -3, 0, 0};
    return stock;
}

const LabelStock& LabelStock::large()
{
    static const LabelStock stock{StockTables::Sheet::Large, 14, 11, 5, -3, -1, 0};
    return stock;
}

const LabelStock& LabelStock::fileFolder()
{
    static const LabelStock stock{StockTables::Sheet::FileFolder, 20, 11, 1, -2, 1, 20};
    return stock;
}

int LabelStock::tabShift(const LabelInput& in) const
{
    if (!in.centred)
        return 0;
    if (in.envelope)
        return kEnvelopeCentreShift;
    return in.labelBold ? centreBoldShift : centrePlainShift;
}

PrintFont LabelStock::lineFont(const LabelInput& in) const
{
    const double pageSize = in.portrait ? fontSize : landscapeFontSize;
    if (!in.envelope)
        return {kVerdana, textSize > 0 ? textSize : pageSize, in.labelBold, in.labelItalic};
    const double size = textSize > 0 && !in.centred ? textSize : in.largeFont ? kLargeFontSize : pageSize;
    return {in.largeFont ? kTrebuchet : kVerdana, size, in.envelopeBold, in.largeFont};
}

LineFit::Place LabelStock::labelPlace(const LabelInput& in, double position, const QString& leftPad) const
{
    const QRectF label = LabelSheet::of(sheet).label(static_cast<int>(std::clamp(position, 1.0, 1000.0)) - 1);
    return LineFit::Place::onLabel(lineFont(in), padColumn(leftPad) + tabShift(in), label, in.centred);
}

LineFit::Place LabelStock::envelopePlace(const LabelInput& in, int size, bool envelopePaper) const
{
    // The envelope lies at the paper's left edge; the large font moves its lines left.
    const int orientation = in.portrait ? platform::Printer::Portrait : platform::Printer::Landscape;
    const double page =
        paperPoints(envelopePaper ? platform::Printer::Envelope10 : platform::Printer::Letter, orientation).width();
    const double length = envelopeLength(size);
    const int tab = padColumn(in.leftPad) + tabShift(in) + (in.largeFont ? kLargeFontShift : 0);
    const LineFit::Place place = LineFit::Place::at(lineFont(in), tab, 0, length > 0 ? std::min(length, page) : page);
    return in.centred ? place.centredOn(place.tab + kEnvelopeHalfWidth * place.column) : place;
}

LabelPrintJob::LabelPrintJob(const LabelJob& job, const LabelStock& stock) : PrintJob(job), m_stock(stock) {}

LabelJobResult printWideLabels(const LabelJob& job)
{
    return LabelPrintJob(job, LabelStock::wide()).run();
}

LabelJobResult printLargeLabels(const LabelJob& job)
{
    return LabelPrintJob(job, LabelStock::large()).run();
}

QStringList LabelPrintJob::typedLines() const
{
    return QStringList(input().lines.begin(), input().lines.end());
}

void LabelPrintJob::body()
{
    // Both margin records are read on every press, before any check.
    const QList<margins::MarginAdjust> adjust =
        margins::readMargins(dataFolder(), {QStringLiteral("ONTHEFLY"), QStringLiteral("ENVELOPE")});
    m_labelAdjust = adjust[0];
    m_envelopeAdjust = adjust[1];

    m_firstFamily = familyPrinter();
    if (refuseLines() || refuseOptions() || refuseNoPosition() || refuseLongLine(m_firstFamily))
        return;

    if (input().label) {
        if (!splitRange())
            return;
        lookUpPosition();
    }

    preparePrintDialog(dialog());
    printer().setFontName(kVerdana);
    printer().setFontSize(m_stock.fontSize);
    dialog().showPrinter();
    afterPrintDialog();
    // The printer chosen in the dialog may take other pads or paper.
    if (refuseLongLine(familyPrinter()))
        return;

    const std::int16_t copyCount = copies();
    const QString startPos = vars().strStartPos;
    const QString leftPad = input().leftPad;
    const QString topPad = input().topPad;
    for (int copy = 1; copy <= copyCount; ++copy) {
        vars().strStartPos = startPos;
        setPads(leftPad, topPad);
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
// envelope. The labels are those of the range the prompt accepted, each with the pads the
// walk through the range will give it.
bool LabelPrintJob::refuseLongLine(bool laterFamily)
{
    const LabelInput in = input();
    // For a line none of which fits: the other orientation and the other alignment, each named
    // where the line's first character would fit with it.
    const auto otherOptions = [&](const QString& line) {
        LabelInput turned = in;
        turned.portrait = !in.portrait;
        LabelInput aligned = in;
        aligned.centred = !in.centred;
        aligned.leftJustified = !in.leftJustified;
        QStringList named;
        if (LineFit::charactersThatFit(line, linePlaces(turned, laterFamily)) > 0)
            named << (in.portrait ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
        if (LineFit::charactersThatFit(line, linePlaces(aligned, laterFamily)) > 0)
            named << (in.centred ? QStringLiteral("Left-Justified") : QStringLiteral("Centered"));
        return named;
    };
    return PrintJob::refuseLongLine(typedLines().mid(0, m_stock.linesPerLabel), linePlaces(in, laterFamily),
                                    in.envelope ? QStringLiteral("envelope") : QStringLiteral("label"), otherOptions);
}

std::vector<LineFit::Place> LabelPrintJob::linePlaces(const LabelInput& in, bool laterFamily)
{
    std::vector<LineFit::Place> places;
    if (in.envelope) {
        places.push_back(envelopePlace(in));
    } else if (const std::optional<LabelRange> range = LabelRange::parse(vars().strLabelRange)) {
        const double start = rt::val(range->startPos);
        const double end = range->endPos.isEmpty() ? start : std::max(start, rt::val(range->endPos));
        for (double position = start; position <= end; ++position) {
            const bool family = position == start ? m_firstFamily : laterFamily;
            // A position off the sheet has no label to keep to.
            if (const std::optional<LabelPads> pads = StockTables::pads(m_stock.sheet, position, in.labelBold, family))
                places.push_back(m_stock.labelPlace(in, position, pads->left));
        }
    }
    return places;
}

LineFit::Place LabelPrintJob::envelopePlace(const LabelInput& in) const
{
    return m_stock.envelopePlace(in, static_cast<int>(rt::val(vars().strEnvSize)),
                                 PrinterFamily::forcesPaperSize(printer().deviceName()));
}

bool LabelPrintJob::familyPrinter() const
{
    return PrinterFamily::shiftsColumns(printer().deviceName());
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
    const std::optional<LabelPads> pads =
        StockTables::pads(m_stock.sheet, position, input().labelBold, familyPrinter());
    setPads(pads->left, pads->top);
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
            m_printCol = rt::add16(m_printCol, kLargeFontShift);
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
        printLabelLines(envelope);
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

// The envelope's large font also takes its own size; a label unticks the envelope's Bold.
void LabelPrintJob::setUpFont(bool envelope, bool label)
{
    const PrintFont font = m_stock.lineFont(input());
    platform::Printer& p = printer();
    p.setFontName(font.name);
    if (envelope && input().largeFont)
        p.setFontSize(kLargeFontSize);
    p.setFontBold(font.bold);
    p.setFontItalic(font.italic);
    if (label)
        clearEnvelopeBold();
}

void LabelPrintJob::computePlace(const margins::MarginAdjust& adjust)
{
    const LabelInput in = input();
    m_printCol = rt::toInt16(rt::val(in.leftPad) + adjust.left);
    m_printRows = rt::toInt16(rt::val(in.topPad) + adjust.top);
}

void LabelPrintJob::printLabelLines(bool envelope)
{
    const LabelInput in = input();
    const QStringList lines = typedLines().mid(0, m_stock.linesPerLabel);
    const LineFit::Place place =
        envelope ? envelopePlace(in) : m_stock.labelPlace(in, rt::val(vars().strStartPos), in.leftPad);
    const auto tab = static_cast<std::int16_t>(m_stock.tabShift(in));
    for (const QString& line : lines) {
        beforeTextLine(in.centred, envelope);
        std::vector<platform::PrintItem> items{platform::PrintItem::tab(rt::add16(m_printCol, tab))};
        if (in.centred)
            items.push_back(platform::PrintItem::spaces(LineFit::blanks(line, place)));
        items.push_back(platform::PrintItem::str(line));
        printer().printLine(items);
    }
}

}  // namespace printing
