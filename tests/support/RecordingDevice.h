#pragma once

#include "printing/PagePrinter.h"
#include "runtime/RuntimeError.h"

#include <utility>
#include <vector>

namespace testsupport {

// The recording printer's device: keeps every ended document. Its pages are those of PDF
// output, so rows overflow where they would on paper.
class RecordingDevice : public printing::PrinterDevice {
public:
    QString deviceName() const override { return m_deviceName; }
    void setDeviceName(const QString& name) { m_deviceName = name; }
    double pageHeight(int paperSize, int orientation) const override
    {
        return printing::pdfPageHeight(paperSize != 0 ? paperSize : m_ownPaper, orientation) - m_unprintable;
    }
    // The paper chosen in the print dialog, where the job names none (Letter unless set).
    void setOwnPaper(int paperSize) { m_ownPaper = paperSize; }
    // Pages as a real printer reports them: this much of each page cannot be printed on.
    void setUnprintable(double points) { m_unprintable = points; }
    void documentOpened(const printing::DocumentSetup& setup) override
    {
        failIfAsked();
        ++m_opened;
        m_open = {setup, {}};
    }
    void outputPage(const printing::PrintedPage& page) override { m_open.pages.push_back(page); }
    void documentEnded() override
    {
        failIfAsked();
        m_documents.push_back(std::exchange(m_open, {}));
    }
    void documentCancelled() override { m_open = {}; }

    // While set (not 0), the first line of a document (which then does not open) and the
    // end of a document (which is then not kept) raise rt::RuntimeError with this number.
    void failWith(int errorNumber) { m_failWith = errorNumber; }

    const std::vector<printing::PrintedDocument>& documents() const { return m_documents; }
    int openPages() const { return static_cast<int>(m_open.pages.size()); }  // of the open document
    // Documents opened so far, those cancelled or failed included.
    int openedCount() const { return m_opened; }

private:
    void failIfAsked() const
    {
        if (m_failWith != 0)
            throw rt::RuntimeError(m_failWith);
    }

    QString m_deviceName = QStringLiteral("Recording Printer");
    std::vector<printing::PrintedDocument> m_documents;
    printing::PrintedDocument m_open;
    int m_failWith = 0;
    int m_opened = 0;
    double m_unprintable = 0;
    int m_ownPaper = 1;
};

// Every page as text: "page N", then per piece "row column x,y font size[ bold][ italic] |text|",
// x and y in points from the page origin.
inline QString dumpPages(const std::vector<printing::PrintedPage>& pages)
{
    QString out;
    for (size_t p = 0; p < pages.size(); ++p) {
        out += QStringLiteral("page %1\n").arg(p + 1);
        for (const printing::PlacedText& t : pages[p].items)
            out += QStringLiteral("%1 %2 %3,%4 %5 %6%7%8 |%9|\n").arg(t.row).arg(t.column).arg(t.x, 0, 'f', 2)
                       .arg(t.y, 0, 'f', 2).arg(t.font.name).arg(t.font.size)
                       .arg(t.font.bold ? " bold" : "", t.font.italic ? " italic" : "", t.text);
    }
    return out;
}

// Every ended document: its heading line, then its pages.
inline QString dumpDocuments(const std::vector<printing::PrintedDocument>& docs)
{
    QString out;
    for (size_t d = 0; d < docs.size(); ++d)
        out += QStringLiteral("document %1 orientation %2 paper %3\n").arg(d + 1).arg(docs[d].orientation)
                   .arg(docs[d].paperSize) + dumpPages(docs[d].pages);
    return out;
}

// The recording printer: the program's printer, counting the ends and cancels of documents.
// What it printed is on its device's pages.
class RecordingPrinter : public printing::PagePrinter {
public:
    using PagePrinter::PagePrinter;

    void endDoc() override
    {
        ++ends;
        PagePrinter::endDoc();
    }
    void killDoc() override
    {
        ++kills;
        if (failCancel)  // no printer installed, say
            throw rt::RuntimeError(rt::err::PrinterError);
        PagePrinter::killDoc();
    }

    int ends = 0;
    int kills = 0;
    bool failCancel = false;
};

}  // namespace testsupport
