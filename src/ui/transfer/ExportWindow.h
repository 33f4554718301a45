#pragma once

#include "transfer/ContactExport.h"
#include "ui/transfer/TransferForm.h"

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
class ExportWindow : public TransferForm {
    Q_OBJECT
public:
    ExportWindow(session::Windows& windows, const platform::Services& services, contacts::BookSession& state,
                 QWidget* parent = nullptr);
    ~ExportWindow() override;

protected:
    void formLoad() override;

private:
    void optExpCG_Click();
    void cmdExpCreate_Click();
    void cmdExpCancel_Click();

    // The kind of the first option that is on, in the options' order.
    std::optional<ExportKind> chosenKind() const;
    void createFailed(const rt::RuntimeError& error);

    std::unique_ptr<Ui::frmQzExport> m_ui;
};

}  // namespace transfer
