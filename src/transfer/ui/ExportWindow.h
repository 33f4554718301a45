#pragma once

#include "session/Session.h"
#include "transfer/ContactExport.h"
#include "widgets/Form.h"
#include "platform/Services.h"

#include <memory>
#include <optional>

namespace Ui {
class frmQzExport;
}

namespace rt {
class RuntimeError;
}

namespace transfer {

// The Export Contacts window (frmQzExport): one of five export kinds chosen, Create writes
// the open contact file into that kind's file in the data folder.
class ExportWindow : public widgets::Form {
    Q_OBJECT
public:
    ExportWindow(widgets::Forms& forms, const platform::Services& services, session::Session& state,
                 QWidget* parent = nullptr);
    ~ExportWindow() override;

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void optExpCG_Click();
    void cmdExpCreate_Click();
    void cmdExpCancel_Click();
    void mnuETFileExit_Click();
    void mnuETHelpUM_Click();
    void mnuETHelpAbout_Click();

    // The kind of the first option that is on, in the options' order.
    std::optional<ExportKind> chosenKind() const;
    void createFailed(const rt::RuntimeError& error);

    const platform::Services& m_services;
    session::Session& m_state;
    std::unique_ptr<Ui::frmQzExport> m_ui;
    // File > Exit: the program ends, so closing gives no window back.
    bool m_exiting = false;
};

}  // namespace transfer
