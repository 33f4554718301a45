#pragma once

#include "printing/PagePrinter.h"
#include "runtime/RuntimeError.h"

namespace testsupport {

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
