#pragma once

#include "platform/Printer.h"
#include "printing/FontMetrics.h"
#include "printing/PrintedDocument.h"

#include <QSizeF>
#include <optional>

namespace printing {

// Where printed pages go: a real printer or PDF (QtPrinterDevice) or a recording (tests). Each
// page is handed over as soon as it is finished, so a document of any length holds one page.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual QString deviceName() const = 0;
    // Usable page height in points for the paper and orientation (rows past it overflow);
    // paper size 0 is the paper the device was set up with.
    virtual double pageHeight(int paperSize, int orientation) const = 0;
    // A document opens: its first line is about to be printed. A device that cannot print
    // raises rt::RuntimeError here, and the document does not open.
    virtual void documentOpened(const DocumentSetup& setup) { Q_UNUSED(setup); }
    // A finished page of the open document, output at once; raises rt::RuntimeError on failure.
    virtual void outputPage(const PrintedPage& page) = 0;
    // The open document's last page has been output; raises rt::RuntimeError on failure.
    virtual void documentEnded() {}
    // The open document is given up. Pages of it already output cannot stay on their own:
    // a device that cannot take them back gives up the whole job. Never raises.
    virtual void documentCancelled() {}
    // The documents output since the last end of job are complete: a file holding them is
    // written now. Raises rt::RuntimeError when the output fails.
    virtual void endJob() {}
};

// The printing model on top of a device: rows and columns of the current font, using the
// metrics of the named face (FontMetrics); printed text takes the width it is drawn with.
class PagePrinter : public platform::Printer {
public:
    explicit PagePrinter(PrinterDevice& device);

    QString deviceName() const override;
    QString fontName() const override;
    void setFontName(const QString& name) override;
    double fontSize() const override;
    void setFontSize(double points) override;
    bool fontBold() const override;
    void setFontBold(bool on) override;
    bool fontItalic() const override;
    void setFontItalic(bool on) override;
    int orientation() const override;
    void setOrientation(int orientation) override;
    int paperSize() const override;
    void setPaperSize(int paperSize) override;

    void printLine(const std::vector<platform::PrintItem>& items = {}) override;
    void moveToTopLeft() override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;
    void beginJob() override;
    void endJob() override;
    void sendJob() override;

    // Whether a document is open (something printed since the last end or cancel).
    bool hasOpenDocument() const { return m_doc.has_value(); }

private:
    const FontMeasures& measures();
    void openDocument();
    void startPage();
    void startRow(const FontMeasures& m);
    void place(const QString& text, double size, double& x, const FontMeasures& m);
    void resetPosition();
    // Closes the open document without ending it; true when one was open.
    bool dropDocument();
    // Ends the device's job with what the command has printed so far.
    void handOverJob();

    PrinterDevice& m_device;
    PrintFont m_font{"Arial", 10, false, false};
    PrintFont m_measuredFont;
    FontMeasures m_measures;
    TextWidths m_widths;
    int m_orientation = 1;
    int m_paperSize = 0;  // set by the running job; 0: the device's own paper (Letter for PDF)
    int m_jobDepth = 0;
    std::optional<DocumentSetup> m_doc;  // open document
    PrintedPage m_page;                  // its page being printed
    double m_pageHeight = 0;             // of the open document
    int m_row = 1;                       // row of the current page the next line goes to
    double m_y = 0;                      // top of that row
    bool m_newPagePending = false;
};

}  // namespace printing
