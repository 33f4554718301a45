#pragma once

#include "printing/PagePrinter.h"

#include <vector>

namespace testsupport {

// The recording printer's device: keeps every ended document.
class RecordingDevice : public printing::PrinterDevice {
public:
    QString deviceName() const override { return m_deviceName; }
    void setDeviceName(const QString& name) { m_deviceName = name; }
    double pageHeight(int paperSize, int orientation) const override;
    void output(const printing::PrintedDocument& document) override;

    // Make the next output (and every later one while set) raise this error; 0: none.
    void failWith(int errorNumber) { m_failWith = errorNumber; }

    const std::vector<printing::PrintedDocument>& documents() const { return m_documents; }
    void clear() { m_documents.clear(); }

private:
    QString m_deviceName = QStringLiteral("Recording Printer");
    std::vector<printing::PrintedDocument> m_documents;
    int m_failWith = 0;
};

}  // namespace testsupport
