#include "printing/qt/QtPrinterDevice.h"

#include "platform/Printer.h"
#include "printing/FontMetrics.h"
#include "runtime/RuntimeError.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace printing {

namespace {

QPageSize pageSizeOf(int paperSize)
{
    return QPageSize(paperSize == platform::Printer::Envelope10 ? QPageSize::Envelope10 : QPageSize::Letter);
}

QPageLayout::Orientation orientationOf(int orientation)
{
    return orientation == platform::Printer::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// What the PDF writer writes goes on to the file; a write that fails or falls short is
// remembered, since the writer does not look at what its writes return.
class CheckedWrites : public QIODevice {
public:
    explicit CheckedWrites(QFileDevice& file) : m_file(file) { open(QIODevice::WriteOnly); }
    bool failed() const { return m_failed || m_file.error() != QFileDevice::NoError; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (m_failed)
            return -1;
        const qint64 written = m_file.write(data, length);
        m_failed = written != length;
        return written;
    }

private:
    QFileDevice& m_file;
    bool m_failed = false;
};

}  // namespace

// Members in this order so that the painter is finished before its writer and file go.
struct QtPrinterDevice::Job {
    bool pdf = false;
    QString fileName;
    std::unique_ptr<QSaveFile> file;
    std::unique_ptr<CheckedWrites> sink;
    std::unique_ptr<QPdfWriter> writer;
    QPagedPaintDevice* device = nullptr;
    QPainter painter;
    double scale = 1;
    bool hasPage = false;

    bool failed() const { return sink && sink->failed(); }
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

void QtPrinterDevice::startJob()
{
    auto job = std::make_unique<Job>();
    job->pdf = isPdfOutput();
    const QPageLayout layout = pageLayout(m_chosenLayout, job->pdf, m_open.paperSize, m_open.paperSizeSet,
                                          m_open.orientation);
    if (job->pdf) {
        job->fileName = m_printer->outputFileName();
        job->file = std::make_unique<QSaveFile>(job->fileName);
        if (!job->file->open(QIODevice::WriteOnly))
            rt::raise(rt::err::PrinterError);
        job->sink = std::make_unique<CheckedWrites>(*job->file);
        job->writer = std::make_unique<QPdfWriter>(job->sink.get());
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
    job->scale = (job->pdf ? job->writer->resolution() : m_printer->resolution()) / kPointsPerInch;
    m_job = std::move(job);
}

void QtPrinterDevice::documentOpened(const DocumentSetup& setup)
{
    m_open = setup;
    m_openDrawn = false;
    m_openFailed = false;
}

// The job starts with the first page it draws, so a device that cannot write fails there.
void QtPrinterDevice::outputPage(const PrintedPage& page)
{
    if (m_openFailed)
        rt::raise(rt::err::PrinterError);
    if (!m_job)
        startJob();
    Job& job = *m_job;
    if (job.hasPage) {
        // A document's own paper applies from its first page on.
        if (!m_openDrawn && !job.device->setPageLayout(pageLayout(m_chosenLayout, job.pdf, m_open.paperSize,
                                                                  m_open.paperSizeSet, m_open.orientation)))
            failJob();
        if (!job.device->newPage())
            failJob();
    }
    job.hasPage = true;
    m_openDrawn = true;

    const double originX = job.pdf ? kPdfOriginLeft : 0;
    const double originY = job.pdf ? kPdfOriginTop : 0;
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
    if (job.failed())
        failJob();
}

void QtPrinterDevice::documentEnded()
{
    if (m_job && m_job->failed())
        failJob();
}

void QtPrinterDevice::documentCancelled()
{
    if (m_job && m_openDrawn)
        abandonJob();
    m_openDrawn = false;
}

void QtPrinterDevice::endJob()
{
    if (!m_job)
        return;
    const std::unique_ptr<Job> job = std::move(m_job);
    bool done = job->painter.end();
    if (job->pdf) {
        // The save file's commit does not see a buffered write that falls short: flush first.
        done = done && !job->failed() && job->file->flush() && job->file->commit();
    } else {
        m_printer->setPageLayout(m_chosenLayout);
    }
    if (!done)
        rt::raise(rt::err::PrinterError);
}

void QtPrinterDevice::failJob()
{
    abandonJob();
    m_openFailed = true;
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
