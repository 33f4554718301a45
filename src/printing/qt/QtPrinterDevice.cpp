#include "printing/qt/QtPrinterDevice.h"

#include "printing/FontMetrics.h"
#include "runtime/RuntimeError.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace printing {

namespace {

QPageSize pageSizeOf(int paperSize)
{
    return QPageSize(paperSize == 20 ? QPageSize::Envelope10 : QPageSize::Letter);
}

QPageLayout::Orientation orientationOf(int orientation)
{
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The installed face with the same proportions as the named one, without the hinting and
// kerning that would move glyphs off the columns the layouts count in.
QFont drawingFont(const PrintFont& font)
{
    QFont f(FontMetrics::drawFace(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

}  // namespace

QtPrinterDevice::QtPrinterDevice(const QString& defaultPdfPath)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setDocName(QStringLiteral("Quorvel"));
    m_printer->setCopyCount(1);
    if (QPrinterInfo::availablePrinters().isEmpty() || m_printer->outputFormat() == QPrinter::PdfFormat)
        setPdfOutput(defaultPdfPath);
}

QtPrinterDevice::~QtPrinterDevice() = default;

void QtPrinterDevice::setPdfOutput(const QString& path)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(path);
    beginJob();
}

bool QtPrinterDevice::isPdfOutput() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat;
}

void QtPrinterDevice::beginJob()
{
    m_jobDocuments.clear();
}

QString QtPrinterDevice::deviceName() const
{
    if (isPdfOutput())
        return QStringLiteral("PDF");
    const QPrinterInfo info(*m_printer);
    QStringList parts{m_printer->printerName()};
    if (!info.isNull()) {
        parts << info.description() << info.makeAndModel();
    }
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

double QtPrinterDevice::pageHeight(int paperSize, int orientation) const
{
    if (isPdfOutput())
        return pdfPageHeight(paperSize, orientation);
    QPageLayout layout = m_printer->pageLayout();
    layout.setPageSize(pageSizeOf(paperSize), layout.minimumMargins());
    layout.setOrientation(orientationOf(orientation));
    return layout.paintRect(QPageLayout::Point).height();
}

void QtPrinterDevice::output(const PrintedDocument& document)
{
    if (!isPdfOutput()) {
        render({document});
        return;
    }
    m_jobDocuments.push_back(document);
    try {
        render(m_jobDocuments);
    } catch (...) {
        m_jobDocuments.pop_back();
        throw;
    }
}

void QtPrinterDevice::render(const std::vector<PrintedDocument>& documents)
{
    const bool pdf = isPdfOutput();
    QPrinter& printer = *m_printer;
    printer.setCopyCount(1);
    printer.setFullPage(pdf);

    auto applyLayout = [&](const PrintedDocument& document) {
        QPageLayout layout = printer.pageLayout();
        layout.setPageSize(pageSizeOf(document.paperSize), layout.minimumMargins());
        layout.setOrientation(orientationOf(document.orientation));
        if (!printer.setPageLayout(layout))
            rt::raise(rt::err::PrinterError);
    };

    if (documents.empty())
        return;
    applyLayout(documents.front());
    QPainter painter;
    if (!painter.begin(&printer))
        rt::raise(rt::err::PrinterError);

    const double scale = printer.resolution() / 72.0;
    const double originX = pdf ? kPdfOriginLeft : 0;
    const double originY = pdf ? kPdfOriginTop : 0;
    bool firstPage = true;
    PrintFont current;
    FontMeasures measures;
    for (const PrintedDocument& document : documents) {
        if (!firstPage)
            applyLayout(document);
        for (const PrintedPage& page : document.pages) {
            if (!firstPage && !printer.newPage()) {
                painter.end();
                rt::raise(rt::err::PrinterError);
            }
            firstPage = false;
            for (const PlacedText& item : page.items) {
                if (!(item.font == current)) {
                    current = item.font;
                    measures = FontMetrics::measure(current);
                    painter.setFont(drawingFont(current));
                }
                const QPointF baseline((originX + item.x) * scale,
                                       (originY + item.y + measures.ascent) * scale);
                painter.drawText(baseline, item.text);
            }
        }
    }
    if (!painter.end())
        rt::raise(rt::err::PrinterError);
}

}  // namespace printing
