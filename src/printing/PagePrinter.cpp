#include "printing/PagePrinter.h"

#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace printing {

namespace {

// A number printed as a number: sign or blank, digits, blank; fractions without the
// leading zero (" .5 ", "-.25 ").
QString numberText(double value)
{
    QString digits = QString::number(std::fabs(value), 'g', 15).toUpper();
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (value < 0 ? QLatin1String("-") : QLatin1String(" ")) + digits + QLatin1Char(' ');
}

}  // namespace

PagePrinter::PagePrinter(PrinterDevice& device) : m_device(device) {}

QString PagePrinter::deviceName() const
{
    return m_device.deviceName();
}

QString PagePrinter::fontName() const
{
    return m_font.name;
}

void PagePrinter::setFontName(const QString& name)
{
    m_font.name = name;
}

double PagePrinter::fontSize() const
{
    return m_font.size;
}

void PagePrinter::setFontSize(double points)
{
    if (!(points > 0))
        rt::raise(rt::err::InvalidCall);
    m_font.size = points;
}

bool PagePrinter::fontBold() const
{
    return m_font.bold;
}

void PagePrinter::setFontBold(bool on)
{
    m_font.bold = on;
}

bool PagePrinter::fontItalic() const
{
    return m_font.italic;
}

void PagePrinter::setFontItalic(bool on)
{
    m_font.italic = on;
}

int PagePrinter::orientation() const
{
    return m_orientation;
}

void PagePrinter::setOrientation(int orientation)
{
    if (orientation != Portrait && orientation != Landscape)
        rt::raise(rt::err::InvalidCall);
    m_orientation = orientation;
}

int PagePrinter::paperSize() const
{
    return m_paperSize != 0 ? m_paperSize : int(Letter);
}

void PagePrinter::setPaperSize(int paperSize)
{
    if (paperSize != Letter && paperSize != Envelope10)
        rt::raise(rt::err::InvalidCall);
    m_paperSize = paperSize;
}

const FontMeasures& PagePrinter::measures()
{
    if (!(m_font == m_measuredFont)) {
        m_measures = FontMetrics::measure(m_font);
        m_widths = FontMetrics::widths(m_font);
        m_measuredFont = m_font;
    }
    return m_measures;
}

void PagePrinter::openDocument()
{
    const DocumentSetup setup{m_orientation, paperSize(), m_paperSize != 0};
    // The device may refuse to start; then nothing is open.
    m_device.documentOpened(setup);
    m_pageHeight = m_device.pageHeight(m_paperSize, m_orientation);
    m_doc = setup;
    m_page = {};
    m_newPagePending = false;
    resetPosition();
}

// The finished page goes out at once.
void PagePrinter::startPage()
{
    const PrintedPage finished = std::exchange(m_page, {});
    resetPosition();
    m_device.outputPage(finished);
}

// A row that would reach past the foot of the page goes to the top of a new one; a row
// taller than the whole page still goes on an empty one. Empty rows never make a page of
// their own: those that pass the foot of a page still empty go on at its top. So an envelope
// is one envelope on any printer, whatever paper its size came from (the rows down to the
// address pass the foot of a #10 envelope only 4 1/8 in high).
void PagePrinter::startRow(const FontMeasures& m)
{
    if (m_y > kPointEpsilon && m_y + m.lineHeight > m_pageHeight + kPointEpsilon) {
        if (m_page.items.empty())
            resetPosition();
        else
            startPage();
    }
}

// Text moves the position on by the width it is drawn with; a control character in it (a tab
// or line end stored in a contact) prints as a blank and never moves the position otherwise.
// A text of a size of its own is drawn in a copy of the font at that size, on the row's
// baseline; widths and ascents grow in proportion to the size.
void PagePrinter::place(const QString& text, double size, double& x, const FontMeasures& m)
{
    if (text.isEmpty())
        return;
    const double scale = size > 0 ? size / m_font.size : 1;
    PlacedText placed;
    placed.row = m_row;
    placed.y = m_y + m.ascent * (1 - scale);
    placed.x = x;
    placed.column = static_cast<int>(std::nearbyint(x / m.columnWidth)) + 1;
    placed.text = rt::blankControls(text);
    placed.font = m_font;
    if (size > 0)
        placed.font.size = size;
    x += m_widths.of(placed.text) * scale;
    m_page.items.push_back(std::move(placed));
}

void PagePrinter::printLine(const std::vector<platform::PrintItem>& items)
{
    const FontMeasures m = measures();
    if (!m_doc)
        openDocument();
    if (m_newPagePending) {
        m_newPagePending = false;
        startPage();
    }
    startRow(m);

    double x = 0;
    for (const platform::PrintItem& item : items) {
        switch (item.kind) {
        case platform::PrintItem::Kind::Tab: {
            // A tab to the column the line stands on must not count as passed because of the
            // last bits of the sums.
            const double target = columnLeft(item.count, m.columnWidth);
            if (x > target + kPointEpsilon) {
                ++m_row;
                m_y += m.lineHeight;
                startRow(m);
            }
            x = target;
            break;
        }
        case platform::PrintItem::Kind::Column:
            x = columnLeft(item.count, m.columnWidth);
            break;
        case platform::PrintItem::Kind::Spaces:
            if (item.count > 0)
                x += item.count * m.columnWidth;
            break;
        case platform::PrintItem::Kind::Text:
            place(item.text, item.size, x, m);
            break;
        case platform::PrintItem::Kind::Number:
            place(numberText(item.number), 0, x, m);
            break;
        }
    }
    ++m_row;
    m_y += m.lineHeight;
}

void PagePrinter::moveToTopLeft()
{
    resetPosition();
}

void PagePrinter::newPage()
{
    if (!m_doc)
        return;
    // A second new page before anything follows the first leaves a blank page between.
    if (m_newPagePending)
        startPage();
    m_newPagePending = true;
}

void PagePrinter::endDoc()
{
    if (!m_doc)
        return;
    // The document is closed before the device sees its end: a failing device leaves nothing
    // open to print twice.
    const PrintedPage last = std::exchange(m_page, {});
    dropDocument();
    try {
        m_device.outputPage(last);
        m_device.documentEnded();
    } catch (...) {
        m_device.documentCancelled();
        throw;
    }
    // A document printed outside any print command is a job of its own.
    if (m_jobDepth == 0)
        m_device.endJob();
}

void PagePrinter::killDoc()
{
    if (dropDocument())
        m_device.documentCancelled();
}

bool PagePrinter::dropDocument()
{
    const bool open = m_doc.has_value();
    m_doc.reset();
    m_page = {};
    m_newPagePending = false;
    resetPosition();
    return open;
}

void PagePrinter::beginJob()
{
    ++m_jobDepth;
}

void PagePrinter::endJob()
{
    if (m_jobDepth == 0)
        return;
    if (--m_jobDepth > 0)
        return;
    m_paperSize = 0;
    handOverJob();
}

// The command goes on: the paper it set still holds.
void PagePrinter::sendJob()
{
    if (m_jobDepth > 0)
        handOverJob();
}

// A document the command left open ended in a failure: it is cancelled, not printed.
void PagePrinter::handOverJob()
{
    if (dropDocument())
        m_device.documentCancelled();
    m_device.endJob();
}

void PagePrinter::resetPosition()
{
    m_row = 1;
    m_y = 0;
}

}  // namespace printing
