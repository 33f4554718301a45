#include "RecordingDevice.h"

#include "runtime/RuntimeError.h"

namespace testsupport {

double RecordingDevice::pageHeight(int paperSize, int orientation) const
{
    return printing::pdfPageHeight(paperSize, orientation);
}

void RecordingDevice::documentOpened(int paperSize, int orientation)
{
    Q_UNUSED(paperSize);
    Q_UNUSED(orientation);
    if (m_failWith != 0)
        throw rt::RuntimeError(m_failWith);
    ++m_opened;
}

void RecordingDevice::output(const printing::PrintedDocument& document)
{
    if (m_failWith != 0)
        throw rt::RuntimeError(m_failWith);
    m_documents.push_back(document);
}

}  // namespace testsupport
