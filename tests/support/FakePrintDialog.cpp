#include "FakePrintDialog.h"

#include "RecordingDevice.h"

#include <QTest>

namespace testsupport {

void FakePrintDialog::showPrinter()
{
    ++m_script.m_shown;
    m_script.m_flagsAtShow.push_back(m_flags);
    PrintDialogAction action{PrintDialogAction::Cancel};
    if (m_script.m_actions.empty()) {
        const char* message = "FakePrintDialog: a print dialog was shown with no scripted action";
        if (QTest::currentTestFunction())
            QTest::qFail(message, __FILE__, __LINE__);
        else
            qWarning("%s", message);
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
