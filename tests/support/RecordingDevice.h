#pragma once

#include "printing/PagePrinter.h"

#include <vector>

namespace testsupport {

// The recording printer's device: keeps every ended document. Its pages are those of PDF
// output (Letter or #10 envelope below the PDF origin), so rows overflow where they would
// on paper.
class RecordingDevice : public printing::PrinterDevice {
public:
    QString deviceName() const override { return m_deviceName; }
    void setDeviceName(const QString& name) { m_deviceName = name; }
    double pageHeight(int paperSize, int orientation) const override;
    void documentOpened(int paperSize, int orientation) override;
    void output(const printing::PrintedDocument& document) override;

    // While set (not 0), printing raises rt::RuntimeError with this number: at the first
    // line of a document (the document does not open) and at the end of a document
    // already open (the document is not kept).
    void failWith(int errorNumber) { m_failWith = errorNumber; }

    const std::vector<printing::PrintedDocument>& documents() const { return m_documents; }
    // Documents opened so far, those cancelled or failed included.
    int openedCount() const { return m_opened; }
    void clear()
    {
        m_documents.clear();
        m_opened = 0;
    }

private:
    QString m_deviceName = QStringLiteral("Recording Printer");
    std::vector<printing::PrintedDocument> m_documents;
    int m_failWith = 0;
    int m_opened = 0;
};

}  // namespace testsupport
