#pragma once

#include "printing/PagePrinter.h"

#include <QPageLayout>
#include <QString>
#include <memory>

class QPrinter;

namespace printing {

// Printed pages on paper or in a PDF file, drawn with QPainter as each is finished; the one
// QPrinter that the print dialog configures says where they go.
//
// The documents of one job are drawn with one painter, each from a new page: on a real
// printer one print job laid out from the printable area's corner, one copy (the program
// prints copies as documents); for PDF one file, written through a temporary file as it is
// drawn and renamed into place when the job ends, with the origin 1/4 inch from the left and
// 1/32 inch from the top edge of the paper. A failure, or a document given up after some of
// its pages were drawn, gives up the whole job: no file is written (an earlier one stays) and
// the printer's job is aborted. A job ends at endJob(), at a print dialog that chooses another
// output, and before a print dialog while a real printer's job is open (the dialog must not
// change a printer that is being drawn on).
class QtPrinterDevice : public PrinterDevice {
public:
    // With no printer installed, output goes to PDF at defaultPdfPath.
    explicit QtPrinterDevice(const QString& defaultPdfPath);
    ~QtPrinterDevice() override;

    QPrinter& printer() { return *m_printer; }

    // Output to this PDF file from now on.
    void setPdfOutput(const QString& path);
    bool isPdfOutput() const;
    // Around the print dialog on printer(): before it shows, and once it was accepted.
    void dialogOpening();
    void dialogAccepted();

    // "PDF" for PDF output, so that no printer family's corrections apply to it; else the
    // queue name, its description and its make and model, separated by blanks, so that
    // the family tests can find their names in any of them.
    QString deviceName() const override;
    double pageHeight(int paperSize, int orientation) const override;
    void documentOpened(const DocumentSetup& setup) override;
    void outputPage(const PrintedPage& page) override;
    void documentEnded() override;
    void documentCancelled() override;
    void endJob() override;

    // The page a document is drawn on: PDF on the paper it names (Letter unless set) from the
    // paper's corner; a real printer on the paper chosen in its dialog unless the job named one.
    static QPageLayout pageLayout(const QPageLayout& chosen, bool pdf, int paperSize, bool paperSizeSet,
                                  int orientation);

private:
    struct Job;
    void startJob();
    void abandonJob();
    [[noreturn]] void failJob();
    bool jobGoesElsewhere() const;

    std::unique_ptr<QPrinter> m_printer;
    QPageLayout m_chosenLayout;  // the paper chosen in the dialog
    std::unique_ptr<Job> m_job;
    DocumentSetup m_open;       // the document being printed
    bool m_openDrawn = false;   // a page of it is in the job's output
    bool m_openFailed = false;  // its output failed: the rest of it goes nowhere
};

}  // namespace printing
