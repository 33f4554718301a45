#pragma once

#include "contacts/BookSession.h"
#include "widgets/Form.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Services.h"
#include "printing/LabelScreen.h"
#include "session/MainScreen.h"

#include <QString>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace widgets {
class OptionButton;
}

namespace rt {
class RuntimeError;
}

namespace Ui {
class MainWindowForm;
}

namespace app {

class WindowSet;

// The main window frmQuorvel: the five label lines, the label modes and their options,
// the label position prompt, the envelope sizes, birthday reminders, the way to the
// contact window, start-up and shutdown. The print commands reach its label state through
// LabelScreen, the other windows through MainScreen.
class MainWindow : public widgets::Form, public printing::LabelScreen, public session::MainScreen {
    Q_OBJECT
public:
    MainWindow(WindowSet& forms, const platform::Services& services, contacts::BookSession& state,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    printing::LabelInput labelInput() const override;
    bool labelBold() const override;
    bool labelItalic() const override;
    void untickLabelFont() override;
    printing::LabelVars& vars() override { return m_vars; }
    platform::PrintDialog& printDialog() override { return *m_dlgCommonDialog; }
    void setPads(const QString& left, const QString& top) override;
    void clearEnvelopeBold() override;
    void showReturnAddressSheet(int mode) override;
    void waitForReturnAddressLines() override;
    void focusLine(int line) override;
    void restoreStandardScreen(int returnAddressMode) override;

    void showForLabelLines() override;
    void showAtLabelLines() override;
    QString labelLine(int line) const override;
    void setLabelLine(int line, const QString& text) override;
    void showLabelMode(int mode) override;

protected:
    void formLoad() override;
    void formUnload() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowSet& forms() { return m_forms; }
    void wireControls();

    // Commands and control handlers.
    void mnuStdLabel_Click();
    void mnuWideLabel_Click();
    void mnuLargeLabel_Click();
    void mnuFileFolder_Click();
    void mnuRetAddress_Click();
    void mnuLrgRetAddress_Click();
    void mnuFileBdayOn_Click();
    void mnuFileBdayOff_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void cmdFindContact_Click();
    void mnuEdit_Click();
    void mnuFind_Click();
    void mnuDelete_Click();
    void mnuViewOne_Click();
    void mnuViewAll_Click();
    void mnuSrchContacts_Click();
    void mnuExport_Click();
    void mnuImport_Click();
    void optQzLabel_Click();
    void optQzEnvelope_Click();
    void optQzLeftjust_Click();
    void optQzCenter_Click();
    void chkBold_Click();
    void chkLblBold_Click();
    void chkLblItalic_Click();
    void lstEnvSize_Click(int row);

    void showPositionStock(int mode);
    // The standard, wide and large commands: the stock's screen with the label boxes unticked.
    void chooseLabelStock(int mode);
    void showReturnAddressScreen(int mode);
    void showOnlyPrintButton(int mode);
    QPushButton* printButton(int mode) const;
    static int otherReturnAddressMode(int mode);
    void focusPrintButtonOfMode();
    void setLineFonts();
    void setLineAlignment(Qt::Alignment alignment);
    void setReminders(bool on);
    // Edit, Find, Delete, One Contact and the Find Contact button, which need an open book.
    void enableContactCommands(bool on);
    void showContactInfo();
    // The contact list opened for a search over every contact in first-name order.
    void openSearchWindow();

    const platform::Services& m_services;
    contacts::BookSession& m_state;
    WindowSet& m_forms;
    printing::LabelVars m_vars;
    std::unique_ptr<Ui::MainWindowForm> m_ui;
    std::unique_ptr<platform::PrintDialog> m_dlgCommonDialog;

    QLineEdit* m_lines[5] = {};
    QLineEdit* m_txtQzLeftPad = nullptr;
    QLineEdit* m_txtQzToppad = nullptr;
    QLineEdit* m_txtFileNam = nullptr;
    QLineEdit* m_txtFileTitle = nullptr;
    QLabel* m_lblLabelSize = nullptr;
    QLabel* m_lblQzPosition = nullptr;
    QPushButton* m_printButtons[6] = {};  // by label mode 1 to 6
    QPushButton* m_cmdFindContact = nullptr;
    QGroupBox* m_frQzMediaType = nullptr;
    widgets::OptionButton* m_optQzLabel = nullptr;
    widgets::OptionButton* m_optQzEnvelope = nullptr;
    widgets::OptionButton* m_optQzLeftjust = nullptr;
    widgets::OptionButton* m_optQzCenter = nullptr;
    widgets::OptionButton* m_optPortrait = nullptr;
    widgets::OptionButton* m_optLandscape = nullptr;
    QCheckBox* m_chkLblBold = nullptr;
    QCheckBox* m_chkLblItalic = nullptr;
    QCheckBox* m_chkBold = nullptr;
    QCheckBox* m_chkLargeFont = nullptr;
    QListWidget* m_lstEnvSize = nullptr;
    int m_envSizeBeforePress = -1;  // the size picked when the mouse went down on the list

    QAction* m_mnuFileBdayOn = nullptr;
    QAction* m_mnuFileBdayOff = nullptr;
    QAction* m_contactCommands[4] = {};  // Edit, Find, Delete, One Contact
};

}  // namespace app
