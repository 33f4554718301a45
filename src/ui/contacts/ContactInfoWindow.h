#pragma once

#include "session/MainScreen.h"
#include "session/Windows.h"
#include "contacts/ContactScreen.h"
#include "contacts/BookSession.h"
#include "contacts/ContactRecord.h"
#include "contacts/ContactRules.h"
#include "widgets/Form.h"
#include "platform/Services.h"

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QLineEdit;

namespace platform {
class PrintDialog;
}

namespace widgets {
class EditMenu;
}

namespace Ui {
class frmEdDelViewContact;
}

namespace contacts {

// The Contact Information window (frmEdDelViewContact): shows one contact of the open
// contact file at a time, finds it by name, browses the file, saves edits in place,
// deletes, prints a details page and hands the address to the main window's label lines.
class ContactInfoWindow : public widgets::Form, public ContactScreen {
    Q_OBJECT
public:
    ContactInfoWindow(session::Windows& windows, const platform::Services& services,
                      contacts::BookSession& state, QWidget* parent = nullptr);
    ~ContactInfoWindow() override;

    // Fills the find list with records 1 to count of the open contact file, each at its
    // sorted place with its record number attached. Does not clear the list first.
    void fillFindList(qint32 count);

    void focusFindList() override;
    // Also enables every box and button and puts the focus in the find list. The record
    // number box keeps what it held.
    void showListedContact(const ContactRecord& record) override;

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void buildControls();
    void buildMenus();

    void cboFindContact_Click(int index);
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdPrintLabel_Click();
    void cmdCancel_Click();
    void cmdPeopleFind_Click();
    void cmdZipFinder_Click();
    void cmdStateAbb_Click();
    void mnuEDVPrint_Click();
    void mnuEDVManual_Click();
    void mnuEDVAbout_Click();
    void txtACCompany_Change();

    // The browsing buttons: show record n, refill the find list, make n current.
    void browseTo(qint32 n, qint32 count);
    // Every box and the include-company flag from a record.
    void showContact(const ContactRecord& record);
    void showRecord(const ContactRecord& record, qint32 n);
    void setContactControlsEnabled(bool enabled);
    // lngCurrentRecord when it names a record of the open file, else error 63.
    qint32 currentRecordInFile() const;
    void addFindItems(std::vector<std::pair<QString, qint32>>& items);
    // The browsing buttons' refill: skipped while the list still shows this book as it is.
    void refillFindList(qint32 count);
    // On an empty book the browsing buttons say "End of file." and show nothing.
    bool endOfFile(qint32 count);
    // The window's error trap around a command (running out of memory is error 7): Retry
    // abandons the command, Cancel closes the window and the main window comes back.
    void trapped(const std::function<void()>& command);

    ContactValues boxValues() const;
    void refuse(const Refusal& refusal);


    session::Windows& m_windows;
    const platform::Services& m_services;
    contacts::BookSession& m_state;
    std::unique_ptr<Ui::frmEdDelViewContact> m_ui;
    std::unique_ptr<platform::PrintDialog> m_dlgCommonDialogEDV;

    std::vector<QLineEdit*> m_contactBoxes;  // the 17, txtACFName to txtACCompany
    widgets::EditMenu* m_editMenu = nullptr;

    // The find list holds every record of the book at this revision and count.
    bool m_listCurrent = false;
    quint64 m_listedRevision = 0;
    qint32 m_listedCount = 0;
};

}  // namespace contacts
