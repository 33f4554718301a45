#pragma once

#include <memory>

namespace platform {

// The common print dialog. It keeps the flags last set (the caller reads back what the
// dialog returned); the printer chosen becomes the current printer of the Printer service.
class PrintDialog {
public:
    enum Flag : int {
        Selection = 0x1,        // out: the user chose Selection
        PageNums = 0x2,         // in/out: page range
        NoSelection = 0x4,      // in: no selection possible
        NoPageNums = 0x8,
        DisablePrintToFile = 0x80000,
    };

    virtual ~PrintDialog() = default;

    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }
    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies; }
    int min() const { return m_min; }
    void setMin(int v) { m_min = v; }
    int max() const { return m_max; }
    void setMax(int v) { m_max = v; }
    int fromPage() const { return m_fromPage; }
    void setFromPage(int v) { m_fromPage = v; }
    int toPage() const { return m_toPage; }
    void setToPage(int v) { m_toPage = v; }

    // Blocks until closed. Cancel with cancelError() raises rt::RuntimeError(32755) (and
    // without it returns quietly, copies unchanged); a failure raises another RuntimeError.
    virtual void showPrinter() = 0;

protected:
    int m_flags = 0;
    bool m_cancelError = false;
    int m_copies = 1;
    int m_min = 0;
    int m_max = 0;
    int m_fromPage = 0;
    int m_toPage = 0;
};

// Each window with a print dialog control owns its own instance.
class PrintDialogFactory {
public:
    virtual ~PrintDialogFactory() = default;
    virtual std::unique_ptr<PrintDialog> create() = 0;
};

}  // namespace platform
