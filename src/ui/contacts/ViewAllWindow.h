#pragma once

#include "contacts/BookSession.h"
#include "contacts/ContactScreen.h"
#include "session/Windows.h"
#include "widgets/Form.h"
#include "platform/Services.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class ViewAllWindow;
}

namespace platform {
class PrintDialog;
}

namespace widgets {
class EditMenu;
}

namespace contacts {

// The View All Contacts window (frmViewAll): searches the open contact file by one field
// or all, lists the matches in a tab-columned sorted list, prints the list as a report or
// as one address label per listed contact, and hands a listed contact over to the Contact
// Information window.
class ViewAllWindow : public widgets::Form {
    Q_OBJECT
public:
    // `contactScreen` reaches the Contact Information window, loading it on first use.
    ViewAllWindow(session::Windows& windows, std::function<ContactScreen&()> contactScreen,
                  const platform::Services& services, contacts::BookSession& state, QWidget* parent = nullptr);
    ~ViewAllWindow() override;

    // What View > All Contacts and Contacts > Search Contacts do once the main window is
    // hidden: show the window with its search frame, view all, first-name order.
    void openForSearch();

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void connectControls();
    void buildEditMenu();

    void searchOption_Click(std::int16_t code, const QString& title);
    void optSearchAll_Click();
    void sortOption_Click(std::int16_t order);
    void cmdACGetReport_Click();
    void cmdPrintLabels_Click();
    void mnuPrint_Click();
    void cmdViewAllClose_Click();
    void lstAllContacts_DblClick(int row);
    void mnuVAManual_Click();
    void mnuVAAbout_Click();

    // The list's side of the Edit menu, while the focus is not in the heading strip.
    QString selectedLinesText() const;
    void copyLines();
    void cutLines();
    void pasteLines();
    void mnuVAEditSelAll_Click();

    // Runs a command under the common error box; Cancel clears the list, unloads the
    // window and shows the main window.
    void trapped(const std::function<void()>& command);

    session::Windows& m_windows;
    std::function<ContactScreen&()> m_contactScreen;
    const platform::Services& m_services;
    contacts::BookSession& m_state;
    std::unique_ptr<Ui::ViewAllWindow> m_ui;
    std::unique_ptr<platform::PrintDialog> m_dlgCommonDialog;
    widgets::EditMenu* m_editMenu = nullptr;

    QString m_strSearchText;
    std::int16_t m_intSearchType = 7;
    std::int16_t m_intSortOrder = 0;
    qint32 m_lngFound = 0;
};

}  // namespace contacts
