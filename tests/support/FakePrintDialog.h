#pragma once

#include "FakeMessages.h"
#include "RecordingDevice.h"
#include "platform/PrintDialog.h"

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

// What the user does in the next print dialog.
struct PrintDialogAction {
    enum Kind { Print, Cancel, Fail } kind = Print;
    int copies = 1;
    int flagsOut = -1;  // -1: the flags stay as the program set them
    QString deviceName;  // non-empty: the printer chosen (its device name)
};

// One script shared by every print dialog the factory makes. A dialog shown with no
// scripted action fails the running test and acts as Cancel.
class PrintDialogScript {
public:
    void push(const PrintDialogAction& action) { m_actions.push_back(action); }
    void print(int copies = 1) { push({PrintDialogAction::Print, copies}); }
    void cancel() { push({PrintDialogAction::Cancel}); }
    int shownCount() const { return m_shown; }
    // Flags the program had set when each dialog was shown.
    const std::vector<int>& flagsAtShow() const { return m_flagsAtShow; }
    bool allUsed() const { return m_actions.empty(); }

    // Runs as each dialog comes up, before its action: a look at the screen under it.
    std::function<void()> onShow;
    std::deque<PrintDialogAction> m_actions;
    std::vector<int> m_flagsAtShow;
    int m_shown = 0;
    RecordingDevice* device = nullptr;  // receives the chosen device name
};

class FakePrintDialog : public platform::PrintDialog {
public:
    explicit FakePrintDialog(PrintDialogScript& script) : m_script(script) {}
    void showPrinter() override;

private:
    PrintDialogScript& m_script;
};

class FakePrintDialogFactory : public platform::PrintDialogFactory {
public:
    explicit FakePrintDialogFactory(PrintDialogScript& script) : m_script(script) {}
    std::unique_ptr<platform::PrintDialog> create() override { return std::make_unique<FakePrintDialog>(m_script); }

private:
    PrintDialogScript& m_script;
};

inline void FakePrintDialog::showPrinter()
{
    if (m_script.onShow)
        m_script.onShow();
    ++m_script.m_shown;
    m_script.m_flagsAtShow.push_back(m_flags);
    PrintDialogAction action{PrintDialogAction::Cancel};
    if (m_script.m_actions.empty()) {
        failTest(QStringLiteral("FakePrintDialog: a print dialog was shown with no scripted action"));
    } else {
        action = m_script.m_actions.front();
        m_script.m_actions.pop_front();
    }
    switch (action.kind) {
    case PrintDialogAction::Print:
        m_copies = action.copies;
        if (action.flagsOut >= 0)
            m_flags = action.flagsOut;
        if (!action.deviceName.isEmpty() && m_script.device)
            m_script.device->setDeviceName(action.deviceName);
        return;
    case PrintDialogAction::Cancel:
        if (m_cancelError)
            throw rt::RuntimeError(rt::err::CancelSelected);
        return;
    case PrintDialogAction::Fail:
        throw rt::RuntimeError(rt::err::PrinterError);
    }
}

}  // namespace testsupport
