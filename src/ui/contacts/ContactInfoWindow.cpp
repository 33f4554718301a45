#include "ui/contacts/ContactInfoWindow.h"
#include "ui_ContactInfoWindow.h"

#include "contacts/AddressLines.h"
#include "contacts/FindList.h"
#include "platform/ErrorTraps.h"
#include "platform/ShellOpen.h"
#include "widgets/Controls.h"
#include "widgets/EditMenu.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/WebPages.h"
#include "printing/DetailsPage.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace contacts {

using platform::Answer;
using platform::Buttons;
using session::WindowId;
using platform::Icon;

namespace {

// Control characters never get into a box: pasted or dropped text keeps its length, the
// cursor its place.
void blankControlsOnEdit(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString clean = rt::blankControls(text);
        if (clean == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(clean);
        box->setCursorPosition(cursor);
    });
}

}  // namespace

ContactInfoWindow::ContactInfoWindow(session::Windows& windows, const platform::Services& services,
                                     contacts::BookSession& state, QWidget* parent)
    : widgets::Form(parent), m_windows(windows), m_services(services), m_state(state),
      m_ui(std::make_unique<Ui::frmEdDelViewContact>())
{
    m_dlgCommonDialogEDV = m_services.printDialogs.create();
    buildControls();
    buildMenus();
}

ContactInfoWindow::~ContactInfoWindow() = default;

void ContactInfoWindow::buildControls()
{
    m_ui->setupUi(this);

    m_contactBoxes = {m_ui->txtACFName,    m_ui->txtACMiddleInit, m_ui->txtACLName,  m_ui->txtACFStreet,
                      m_ui->txtACSStreet,  m_ui->txtACCity,       m_ui->txtACState,  m_ui->txtACZip,
                      m_ui->txtACCountry,  m_ui->txtACHPhone,     m_ui->txtACCPhone, m_ui->txtACWPhone,
                      m_ui->txtACEmail,    m_ui->txtACBirthdate,  m_ui->txtACCategory, m_ui->txtACNotes,
                      m_ui->txtACCompany};

    // Nothing can be saved, deleted or printed before a contact is shown, also when the
    // loading step is cut short by a failure.
    setContactControlsEnabled(false);

    for (QLineEdit* box : m_contactBoxes) {
        widgets::enterMovesOn(box);
        blankControlsOnEdit(box);
    }

    connect(m_ui->cboFindContact, &QComboBox::activated, this, &ContactInfoWindow::cboFindContact_Click);
    connect(m_ui->txtACCompany, &QLineEdit::textChanged, this, &ContactInfoWindow::txtACCompany_Change);
    connect(m_ui->cmdFirst, &QPushButton::clicked, this, &ContactInfoWindow::cmdFirst_Click);
    connect(m_ui->cmdPrevious, &QPushButton::clicked, this, &ContactInfoWindow::cmdPrevious_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &ContactInfoWindow::cmdNext_Click);
    connect(m_ui->cmdLast, &QPushButton::clicked, this, &ContactInfoWindow::cmdLast_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &ContactInfoWindow::cmdSave_Click);
    connect(m_ui->cmdDelete, &QPushButton::clicked, this, &ContactInfoWindow::cmdDelete_Click);
    connect(m_ui->cmdPrintLabel, &QPushButton::clicked, this, &ContactInfoWindow::cmdPrintLabel_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &ContactInfoWindow::cmdCancel_Click);
    connect(m_ui->cmdPeopleFind, &QPushButton::clicked, this, &ContactInfoWindow::cmdPeopleFind_Click);
    connect(m_ui->cmdZipFinder, &QPushButton::clicked, this, &ContactInfoWindow::cmdZipFinder_Click);
    connect(m_ui->cmdStateAbb, &QPushButton::clicked, this, &ContactInfoWindow::cmdStateAbb_Click);
}

void ContactInfoWindow::buildMenus()
{
    connect(m_ui->mnuEDVPrint, &QAction::triggered, this, &ContactInfoWindow::mnuEDVPrint_Click);
    connect(m_ui->mnuEDVManual, &QAction::triggered, this, &ContactInfoWindow::mnuEDVManual_Click);
    connect(m_ui->mnuEDVAbout, &QAction::triggered, this, &ContactInfoWindow::mnuEDVAbout_Click);

    m_editMenu = new widgets::EditMenu(this, m_services.clipboard,
                                        {QStringLiteral("mnuEDVEdit"), QStringLiteral("mnuEDVEditCut"),
                                         QStringLiteral("mnuEDVEditCopy"), QStringLiteral("mnuEDVEditPaste")});
    // The shared Edit menu goes between File and Help.
    menuBar()->insertMenu(m_ui->mnuEDVHelp->menuAction(), m_editMenu->menu());
}

void ContactInfoWindow::focusFindList()
{
    m_ui->cboFindContact->setFocus();
}

void ContactInfoWindow::addFindItems(std::vector<std::pair<QString, qint32>>& items)
{
    if (m_ui->cboFindContact->count() == 0) {
        m_ui->cboFindContact->setSortedItems(std::move(items));
    } else {
        for (const auto& [text, record] : items)
            m_ui->cboFindContact->addSortedItem(text, record);
    }
    items.clear();
}

void ContactInfoWindow::fillFindList(qint32 count)
{
    const bool whole = m_ui->cboFindContact->count() == 0;
    m_listCurrent = false;
    std::vector<std::pair<QString, qint32>> items;
    try {
        FindList::read(m_state.contactFile, count, items);
    } catch (const rt::RuntimeError&) {
        // The records read before the failure stay listed.
        addFindItems(items);
        throw;
    }
    addFindItems(items);
    if (whole) {
        m_listCurrent = true;
        m_listedRevision = m_state.contactFile.revision();
        m_listedCount = count;
    }
}

void ContactInfoWindow::refillFindList(qint32 count)
{
    // Browsing an unchanged book shows the list it would rebuild, as it was after a rebuild.
    if (m_listCurrent && m_listedRevision == m_state.contactFile.revision() && m_listedCount == count) {
        m_ui->cboFindContact->setCurrentIndex(-1);
        return;
    }
    m_ui->cboFindContact->clear();
    fillFindList(count);
}

void ContactInfoWindow::trapped(const std::function<void()>& command)
{
    // Cancel: the closing steps show the main window. The window is destroyed once the
    // running handler has returned, so nothing of it may be touched after this.
    if (platform::underCommonTrap(m_services.messages, command) == Answer::Cancel)
        m_windows.unload(WindowId::ContactInfo);
}

bool ContactInfoWindow::endOfFile(qint32 count)
{
    if (count >= 1)
        return false;
    m_services.messages.messageBox(QStringLiteral("No more contacts"), QStringLiteral("End of file."), Buttons::Ok,
                                    Icon::None);
    return true;
}

void ContactInfoWindow::formLoad()
{
    const auto answer = platform::underCommonTrap(m_services.messages, [this] {
        m_windows.hide(WindowId::Main);
        // Opened from the contact list's double-click the window system put it in a corner.
        centreOnScreen();
        show();
        setWindowTitle(m_state.captionWithFile(QStringLiteral("Contact Information")));
        fillFindList(m_state.contactFile.recordCount());
        m_ui->cboFindContact->setFocus();
        m_ui->lblACCompOnLabel->hide();
        m_ui->chkCompanyInclude->hide();
        if (m_ui->txtACFName->text().isEmpty() && m_ui->txtACLName->text().isEmpty() && m_ui->txtACEmail->text().isEmpty())
            setContactControlsEnabled(false);
    });
    if (answer == Answer::Cancel)
        m_windows.show(WindowId::Main);
}

void ContactInfoWindow::formUnload()
{
    m_state.lngCurrentRecord = 0;
    if (!m_windows.isLoaded(WindowId::Main))
        return;
    session::MainScreen& main = m_windows.mainScreen();
    main.showLabelMode(m_state.lngLabelMode);
    if (m_windows.ending())
        return;
    main.showAtLabelLines();
}

void ContactInfoWindow::setContactControlsEnabled(bool enabled)
{
    for (QLineEdit* box : m_contactBoxes)
        box->setEnabled(enabled);
    m_ui->chkCompanyInclude->setEnabled(enabled);
    m_ui->cmdSave->setEnabled(enabled);
    m_ui->cmdDelete->setEnabled(enabled);
    m_ui->cmdPrintLabel->setEnabled(enabled);
}

void ContactInfoWindow::showContact(const ContactRecord& record)
{
    const ContactValues values = ContactRules::fromRecord(record);
    // The company before the flag, so that the stored flag wins over the company-change rule.
    m_ui->txtACCompany->setText(values[ContactField::Company]);
    m_ui->chkCompanyInclude->setChecked(rt::roundHalfEven(rt::val(record.IncComp)) == 1);
    for (int i = 0; i < kContactFieldCount; ++i) {
        if (static_cast<ContactField>(i) != ContactField::Company)
            m_contactBoxes[static_cast<std::size_t>(i)]->setText(values[static_cast<ContactField>(i)]);
    }
    // A text longer than its box shows from its start (setText leaves the cursor at the end).
    for (QLineEdit* box : m_contactBoxes)
        box->setCursorPosition(0);
}

void ContactInfoWindow::showRecord(const ContactRecord& record, qint32 n)
{
    showContact(record);
    if (m_ui->txtACCompany->text().isEmpty()) {
        m_ui->lblACCompOnLabel->hide();
        m_ui->chkCompanyInclude->hide();
    }
    m_ui->txtRN->setText(QString::number(n));
}

void ContactInfoWindow::showListedContact(const ContactRecord& record)
{
    showForm();
    showContact(record);
    setContactControlsEnabled(true);
    m_ui->cboFindContact->clear();
    fillFindList(m_state.contactFile.recordCount());
    m_ui->cboFindContact->setFocus();
}

void ContactInfoWindow::txtACCompany_Change()
{
    m_ui->lblACCompOnLabel->show();
    m_ui->chkCompanyInclude->show();
    m_ui->chkCompanyInclude->setChecked(!m_ui->txtACCompany->text().isEmpty());
}

void ContactInfoWindow::cboFindContact_Click(int index)
{
    trapped([&] {
        const qint32 n = m_ui->cboFindContact->itemNumber(index);
        m_state.lngCurrentRecord = n;
        showRecord(m_state.contactFile.read(n), n);
        setContactControlsEnabled(true);
    });
}

void ContactInfoWindow::browseTo(qint32 n, qint32 count)
{
    showRecord(m_state.contactFile.read(n), n);
    refillFindList(count);
    m_state.lngCurrentRecord = n;
}

void ContactInfoWindow::cmdFirst_Click()
{
    trapped([&] {
        const qint32 count = m_state.contactFile.recordCount();
        if (!endOfFile(count))
            browseTo(1, count);
    });
}

void ContactInfoWindow::cmdPrevious_Click()
{
    trapped([&] {
        const qint32 count = m_state.contactFile.recordCount();
        if (endOfFile(count))
            return;
        const qint32 p = m_state.lngCurrentRecord - 1;
        if (p < 1) {
            m_services.messages.messageBox(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."),
                                            Buttons::Ok, Icon::None);
            return;
        }
        browseTo(p, count);
    });
}

void ContactInfoWindow::cmdNext_Click()
{
    trapped([&] {
        const qint32 count = m_state.contactFile.recordCount();
        if (m_state.lngCurrentRecord >= count) {
            m_services.messages.messageBox(QStringLiteral("No more contacts"), QStringLiteral("End of file."),
                                            Buttons::Ok, Icon::None);
            return;
        }
        browseTo(m_state.lngCurrentRecord + 1, count);
    });
}

void ContactInfoWindow::cmdLast_Click()
{
    trapped([&] {
        const qint32 count = m_state.contactFile.recordCount();
        if (!endOfFile(count))
            browseTo(count, count);
    });
}

qint32 ContactInfoWindow::currentRecordInFile() const
{
    // A stale number (the file changed while the window was hidden) must never make Save
    // or Delete touch another contact or write past the end of the file.
    const qint32 n = m_state.lngCurrentRecord;
    if (n < 1 || n > m_state.contactFile.recordCount())
        throw rt::RuntimeError(rt::err::BadRecordNumber);
    return n;
}

void ContactInfoWindow::cmdCancel_Click()
{
    m_windows.unload(WindowId::ContactInfo);
}

void ContactInfoWindow::cmdDelete_Click()
{
    // One misclick must not cost a contact.
    if (m_services.messages.messageBox(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"),
                                        Buttons::YesNo, Icon::None)
        != Answer::Yes)
        return;
    bool deleted = false;
    trapped([&] {
        m_state.contactFile.remove(currentRecordInFile());
        deleted = true;
    });
    if (deleted)
        m_windows.unload(WindowId::ContactInfo);
}

ContactValues ContactInfoWindow::boxValues() const
{
    ContactValues values;
    for (int i = 0; i < kContactFieldCount; ++i)
        values[static_cast<ContactField>(i)] = m_contactBoxes[static_cast<std::size_t>(i)]->text();
    return values;
}

void ContactInfoWindow::refuse(const Refusal& refusal)
{
    m_services.messages.messageBox(refusal.title, refusal.message, Buttons::Ok, Icon::None);
    m_contactBoxes[static_cast<std::size_t>(refusal.field)]->setFocus();
}

void ContactInfoWindow::cmdSave_Click()
{
    trapped([&] {
        const ContactValues typed = boxValues();
        if (const auto refusal = ContactRules::checkBirthdate(typed[ContactField::Birthdate])) {
            refuse(*refusal);
            return;
        }
        const qint32 n = currentRecordInFile();
        const SaveCheck check = ContactRules::checkAndClean(typed);
        for (int i = 0; i < kContactFieldCount; ++i) {
            QLineEdit* box = m_contactBoxes[static_cast<std::size_t>(i)];
            const QString& cleaned = check.values[static_cast<ContactField>(i)];
            if (box->text() != cleaned)
                box->setText(cleaned);
        }
        if (check.refusal) {
            refuse(*check.refusal);
            return;
        }

        if (m_ui->txtACCompany->text().isEmpty())
            m_ui->chkCompanyInclude->setChecked(false);

        m_state.contactFile.write(n, ContactRules::toRecord(check.values, m_ui->chkCompanyInclude->isChecked(),
                                                            m_state.remindersOn));
        m_services.messages.messageBox(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"), Buttons::Ok,
                                        Icon::None);
    });
}

void ContactInfoWindow::cmdPrintLabel_Click()
{
    hideForm();
    session::MainScreen& main = m_windows.mainScreen();
    main.showForLabelLines();

    AddressLines::Parts parts{m_ui->txtACFName->text(), m_ui->txtACMiddleInit->text(), m_ui->txtACLName->text(),
                              m_ui->txtACCompany->text(), m_ui->txtACFStreet->text(), m_ui->txtACSStreet->text(),
                              m_ui->txtACCity->text(),    m_ui->txtACState->text(),   m_ui->txtACZip->text(),
                              m_ui->chkCompanyInclude->isChecked()};
    const QStringList lines = AddressLines(parts, AddressLines::Style::LabelLines).lines();
    for (int i = 0; i < 5; ++i)
        main.setLabelLine(i + 1, i < lines.size() ? lines.at(i) : QString());
}

void ContactInfoWindow::mnuEDVPrint_Click()
{
    const auto selectedText = [this]() -> std::optional<QString> {
        const QLineEdit* box = widgets::focusedTextBox(this);
        return box ? std::optional(box->selectedText()) : std::nullopt;
    };
    printing::DetailsPage::print(m_services.printer, *m_dlgCommonDialogEDV, m_services.messages,
                                 {boxValues(), m_services.appInfo.today(), selectedText});
}

void ContactInfoWindow::cmdPeopleFind_Click()
{
    platform::openUrlOrSay(m_services.shell, m_services.messages, QString::fromLatin1(platform::web::kPeopleFinder));
}

void ContactInfoWindow::cmdZipFinder_Click()
{
    platform::openUrlOrSay(m_services.shell, m_services.messages, QString::fromLatin1(platform::web::kZipCodeFinder));
}

void ContactInfoWindow::cmdStateAbb_Click()
{
    platform::openProgramDocument(m_services, QStringLiteral("qvl_state_abbreviations.pdf"));
    m_ui->txtACState->setFocus();
}

void ContactInfoWindow::mnuEDVManual_Click()
{
    platform::openProgramDocument(m_services, QStringLiteral("qvlUman.pdf"));
}

void ContactInfoWindow::mnuEDVAbout_Click()
{
    m_windows.show(WindowId::About);
}

}  // namespace contacts
