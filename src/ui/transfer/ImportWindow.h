#pragma once

#include "ui/transfer/TransferForm.h"


#include <QString>
#include <memory>

namespace Ui {
class frmQzImport;
}

namespace rt {
class RuntimeError;
}

namespace widgets {
class EditMenu;
}

namespace transfer {

struct ImportOutcome;

// The Import Contacts window (frmQzImport): a CSV or vCard file chosen, Import appends its
// contacts that are not on file yet to the open contact file.
class ImportWindow : public TransferForm {
    Q_OBJECT
public:
    ImportWindow(session::Windows& windows, const platform::Services& services, contacts::BookSession& state,
                 QWidget* parent = nullptr);
    ~ImportWindow() override;

protected:
    void formLoad() override;

private:
    void cmdCsvOpen_Click();
    void cmdStartImport_Click();
    void cmdImpCancel_Click();

    // Shows the outcome's box; an error box's Cancel closes the window. True when the window
    // is still there.
    bool report(const ImportOutcome& outcome);
    void openFailed(const rt::RuntimeError& error);

    std::unique_ptr<Ui::frmQzImport> m_ui;
    widgets::EditMenu* m_editMenu = nullptr;
    QString m_strImportFile;
    QString m_strImportTitle;
};

}  // namespace transfer
