#include "printing/qt/QtPrinterDevice.h"

#include "printing/FontMetrics.h"
#include "runtime/RuntimeError.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QBuffer>
#include <QSaveFile>

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

}  // namespace

// Members in this order so that the painter is finished before its writer and file go.
struct QtPrinterDevice::Job {
    bool pdf = false;
    QString fileName;
    std::unique_ptr<QSaveFile> file;
    // The PDF writer does not look at what its writes return: the file is written in one
    // piece at the end, where a short write shows.
    QBuffer pdfBytes;
    std::unique_ptr<QPdfWriter> writer;
    QPagedPaintDevice* device = nullptr;
    QPainter painter;
    double scale = 1;
    bool hasPage = false;
};

QtPrinterDevice::QtPrinterDevice(const QString& defaultPdfPath)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setDocName(QStringLiteral("Quorvel"));
    m_printer->setCopyCount(1);
    m_chosenLayout = m_printer->pageLayout();
    if (QPrinterInfo::availablePrinters().isEmpty() || m_printer->outputFormat() == QPrinter::PdfFormat)
        setPdfOutput(defaultPdfPath);
}

QtPrinterDevice::~QtPrinterDevice()
{
    try {
        endJob();
    } catch (...) {
    }
}

void QtPrinterDevice::setPdfOutput(const QString& path)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(path);
    if (jobGoesElsewhere())
        endJob();
}

bool QtPrinterDevice::isPdfOutput() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat;
}

void QtPrinterDevice::dialogOpening()
{
    if (m_job && !m_job->pdf)
        endJob();
}

void QtPrinterDevice::dialogAccepted()
{
    m_chosenLayout = m_printer->pageLayout();
    if (jobGoesElsewhere())
        endJob();
}

bool QtPrinterDevice::jobGoesElsewhere() const
{
    return m_job && (m_job->pdf != isPdfOutput() || (m_job->pdf && m_job->fileName != m_printer->outputFileName()));
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

QPageLayout QtPrinterDevice::pageLayout(const QPageLayout& chosen, bool pdf, int paperSize, bool paperSizeSet,
                                        int orientation)
{
    QPageLayout layout = chosen;
    if (pdf)
        layout = QPageLayout(pageSizeOf(paperSize), orientationOf(orientation), QMarginsF());
    else if (paperSizeSet)
        layout.setPageSize(pageSizeOf(paperSize), layout.minimumMargins());
    layout.setOrientation(orientationOf(orientation));
    return layout;
}

double QtPrinterDevice::pageHeight(int paperSize, int orientation) const
{
    if (isPdfOutput())
        return pdfPageHeight(paperSize, orientation);
    return pageLayout(m_chosenLayout, false, paperSize, paperSize != 0, orientation)
        .paintRect(QPageLayout::Point)
        .height();
}

void QtPrinterDevice::startJob(const PrintedDocument& first)
{
    auto job = std::make_unique<Job>();
    job->pdf = isPdfOutput();
    const QPageLayout layout =
        pageLayout(m_chosenLayout, job->pdf, first.paperSize, first.paperSizeSet, first.orientation);
    if (job->pdf) {
        job->fileName = m_printer->outputFileName();
        job->file = std::make_unique<QSaveFile>(job->fileName);
        if (!job->file->open(QIODevice::WriteOnly))
            rt::raise(rt::err::PrinterError);
        job->pdfBytes.open(QIODevice::WriteOnly);
        job->writer = std::make_unique<QPdfWriter>(&job->pdfBytes);
        job->writer->setTitle(m_printer->docName());
        job->writer->setCreator(m_printer->creator());
        job->writer->setResolution(m_printer->resolution());
        job->device = job->writer.get();
    } else {
        m_printer->setCopyCount(1);
        m_printer->setFullPage(false);
        job->device = m_printer.get();
    }
    if (!job->device->setPageLayout(layout))
        rt::raise(rt::err::PrinterError);
    if (!job->painter.begin(job->device))
        rt::raise(rt::err::PrinterError);
    job->scale = (job->pdf ? job->writer->resolution() : m_printer->resolution()) / 72.0;
    m_job = std::move(job);
}

void QtPrinterDevice::output(const PrintedDocument& document)
{
    if (!m_job)
        startJob(document);
    Job& job = *m_job;
    if (job.hasPage && !job.device->setPageLayout(pageLayout(m_chosenLayout, job.pdf, document.paperSize,
                                                             document.paperSizeSet, document.orientation))) {
        abandonJob();
        rt::raise(rt::err::PrinterError);
    }

    const double originX = job.pdf ? kPdfOriginLeft : 0;
    const double originY = job.pdf ? kPdfOriginTop : 0;
    for (const PrintedPage& page : document.pages) {
        if (job.hasPage && !job.device->newPage()) {
            abandonJob();
            rt::raise(rt::err::PrinterError);
        }
        job.hasPage = true;
        PrintFont current;
        FontMeasures measures;
        for (const PlacedText& item : page.items) {
            if (!(item.font == current)) {
                current = item.font;
                measures = FontMetrics::measure(current);
                job.painter.setFont(FontMetrics::drawingFont(current));
            }
            const QPointF baseline((originX + item.x) * job.scale, (originY + item.y + measures.ascent) * job.scale);
            job.painter.drawText(baseline, item.text);
        }
    }
}

void QtPrinterDevice::endJob()
{
    if (!m_job)
        return;
    const std::unique_ptr<Job> job = std::move(m_job);
    bool done = job->painter.end();
    if (job->pdf) {
        // The save file's commit does not see a buffered write that falls short: flush first.
        const QByteArray& bytes = job->pdfBytes.data();
        done = done && job->file->write(bytes) == bytes.size() && job->file->flush() && job->file->commit();
    } else {
        m_printer->setPageLayout(m_chosenLayout);
    }
    if (!done)
        rt::raise(rt::err::PrinterError);
}

// A job that failed part-way is not written: an earlier file of the name stays as it was.
void QtPrinterDevice::abandonJob()
{
    const std::unique_ptr<Job> job = std::move(m_job);
    if (job->pdf)
        job->file->cancelWriting();
    else
        m_printer->abort();
    job->painter.end();
    if (!job->pdf)
        m_printer->setPageLayout(m_chosenLayout);
}

}  // namespace printing
