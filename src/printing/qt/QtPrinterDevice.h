#pragma once

#include "printing/PagePrinter.h"

#include <QString>
#include <memory>
#include <vector>

class QPrinter;

namespace printing {

// Ended documents on paper or in a PDF file, drawn with QPainter on the one QPrinter that
// the print dialog configures.
//
// A real printer gets each document as a print job of its own, one copy (the program
// prints copies as documents), laid out from the printable area's corner. PDF output puts
// the origin 1/4 inch from the left and 1/32 inch from the top edge of the paper, and every
// document ended since the last beginJob() goes into the one file, each from a new page:
// the file is rewritten with all of them at each end of document.
class QtPrinterDevice : public PrinterDevice {
public:
    // With no printer installed, output goes to PDF at defaultPdfPath.
    explicit QtPrinterDevice(const QString& defaultPdfPath);
    ~QtPrinterDevice() override;

    QPrinter& printer() { return *m_printer; }

    // Output to this PDF file from now on; starts a new job.
    void setPdfOutput(const QString& path);
    bool isPdfOutput() const;
    // Documents ended from now on go into the output chosen (a new file for PDF).
    void beginJob();

    // "PDF" for PDF output, so that no printer family's corrections apply to it; else the
    // queue name, its description and its make and model, separated by blanks, so that
    // the family tests can find their names in any of them.
    QString deviceName() const override;
    double pageHeight(int paperSize, int orientation) const override;
    void output(const PrintedDocument& document) override;

private:
    void render(const std::vector<PrintedDocument>& documents);

    std::unique_ptr<QPrinter> m_printer;
    std::vector<PrintedDocument> m_jobDocuments;  // PDF output: the file holds these
};

}  // namespace printing
