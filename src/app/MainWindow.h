#pragma once

#include "contacts/BookSession.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Services.h"
#include "printing/LabelModes.h"
#include "session/MainScreen.h"
#include "widgets/Form.h"

#include <QString>
#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

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
// contact window, start-up and shutdown. Its print commands take a snapshot of the screen and
// give back what it shows afterwards; the other windows reach it through MainScreen.
class MainWindow : public widgets::Form, public session::MainScreen {
    Q_OBJECT
public:
    MainWindow(WindowSet& forms, const platform::Services& services, contacts::BookSession& state,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    printing::LabelVars& vars() { return m_vars; }

    bool labelBold() const override;
    bool labelItalic() const override;
    void untickLabelFont() override;
    void showForLabelLines() override;
    void showAtLabelLines() override;
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

    void showPositionStock(printing::Mode mode);
    // The standard, wide and large commands: the stock's screen with the label boxes unticked.
    void chooseLabelStock(printing::Mode mode);
    void showReturnAddressScreen(printing::Mode mode);
    void showOnlyPrintButton(int mode);
    QPushButton* printButton(int mode) const;
    QPushButton* printButton(printing::Mode mode) const { return printButton(printing::number(mode)); }
    static int otherReturnAddressMode(int mode);

    // A mode's Print command on what the screen shows now, then its outcome shown.
    void print(const printing::LabelMode& mode);
    printing::LabelInput labelInput() const;
    // What a print command has changed so far: the form's label state, the pads, the envelope's Bold.
    void showJobState(const printing::LabelJobResult& result);
    void apply(const printing::LabelJobResult& result, int mode);
    void setPads(const QString& left, const QString& top);
    void clearEnvelopeBold();
    void showReturnAddressSheet(int mode);
    void waitForReturnAddressLines();
    void restoreStandardScreen(int returnAddressMode);
    void focusPrintButtonOfMode();
    std::array<QLineEdit*, 5> lines() const;
    QLineEdit* line(int number) const;  // 1 to 5
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
    // The six Print buttons in mode order, Standard to FileFolder.
    std::array<QPushButton*, 6> m_printButtons{};

    int m_envSizeBeforePress = -1;  // the size picked when the mouse went down on the list
};

}  // namespace app
