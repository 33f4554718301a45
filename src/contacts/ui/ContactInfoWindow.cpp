#include "contacts/ui/ContactInfoWindow.h"

#include "contacts/AddressLines.h"
#include "contacts/ContactReports.h"
#include "platform/ErrorTraps.h"
#include "platform/ShellOpen.h"
#include "widgets/Controls.h"
#include "widgets/EditMenu.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/WebPages.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace contacts {

using platform::Answer;
using platform::Buttons;
using widgets::FormId;
using platform::Icon;
using platform::PrintItem;

namespace {

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

// Control characters never get into a box: pasted or dropped text keeps its length, the
// cursor its place.
void blankControlsOnEdit(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString clean = ContactRules::blankControls(text);
        if (clean == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(clean);
        box->setCursorPosition(cursor);
    });
}

}  // namespace

ContactInfoWindow::ContactInfoWindow(widgets::Forms& forms, const platform::Services& services,
                                     session::Session& state, QWidget* parent)
    : widgets::Form(FormId::ContactInfo, forms, parent), m_services(services), m_state(state)
{
    setObjectName(QStringLiteral("frmEdDelViewContact"));
    setWindowTitle(QStringLiteral("Contact Information"));
    m_dlgCommonDialogEDV = m_services.printDialogs.create();
    buildControls();
    buildMenus();
    setTabOrder();
}

ContactInfoWindow::~ContactInfoWindow() = default;

void ContactInfoWindow::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    m_cboFindContact = new widgets::SortedComboBox(QStringLiteral("cboFindContact"), central);
    m_cboFindContact->setPlaceholderText(QStringLiteral("Select Contact"));
    m_cboFindContact->setMinimumContentsLength(30);
    m_cboFindContact->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    top->addWidget(m_cboFindContact, 1);
    top->addWidget(widgets::plainLabel(QStringLiteral("lblRN"), QStringLiteral("Record #"), central));
    m_txtRN = new QLineEdit(central);
    m_txtRN->setObjectName(QStringLiteral("txtRN"));
    m_txtRN->setMaximumWidth(80);
    top->addWidget(m_txtRN);
    outer->addLayout(top);

    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    struct BoxPlace {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* tip;
        int row;
        int column;  // 0 or 1: left or right half of the grid
    };
    const BoxPlace places[] = {
        {&m_txtACFName, "txtACFName", "First Name:", "", 0, 0},
        {&m_txtACMiddleInit, "txtACMiddleInit", "Middle Initial:", "", 1, 0},
        {&m_txtACLName, "txtACLName", "Last Name:", "", 2, 0},
        {&m_txtACFStreet, "txtACFStreet", "Street Address:", "For help in finding address, click 'People Finder'", 3, 0},
        {&m_txtACSStreet, "txtACSStreet", "Additional Street Info/Apt:", "", 4, 0},
        {&m_txtACCity, "txtACCity", "City:", "", 5, 0},
        {&m_txtACState, "txtACState", "State:", "", 6, 0},
        {&m_txtACZip, "txtACZip", "Zip Code:", "For help in finding Zip Code, click 'Zip Code Finder'", 7, 0},
        {&m_txtACCountry, "txtACCountry", "Country:", "", 8, 0},
        {&m_txtACHPhone, "txtACHPhone", "Home Phone:", "", 0, 1},
        {&m_txtACCPhone, "txtACCPhone", "Cell Phone:", "", 1, 1},
        {&m_txtACWPhone, "txtACWPhone", "Work Phone:", "", 2, 1},
        {&m_txtACEmail, "txtACEmail", "Email Address:", "", 3, 1},
        {&m_txtACBirthdate, "txtACBirthdate", "Birthdate (MM/DD/YYYY):", "", 4, 1},
        {&m_txtACCategory, "txtACCategory", "Category:",
         "Enter one or more categories, separated by a semicolon, to include this contact in subset(s).  "
         "Example: Christmas;Golf;Customers",
         5, 1},
        {&m_txtACNotes, "txtACNotes", "Notes:", "Notes may contain up to 160 characters", 6, 1},
        {&m_txtACCompany, "txtACCompany", "Company Name:", "", 7, 1},
    };
    for (const BoxPlace& place : places) {
        const QString name = QString::fromLatin1(place.name);
        auto* box = new QLineEdit(central);
        box->setObjectName(name);
        if (*place.tip)
            box->setToolTip(QString::fromLatin1(place.tip));
        *place.box = box;
        QLabel* caption = widgets::plainLabel(QStringLiteral("lbl") + name.mid(3), QString::fromLatin1(place.caption), central);
        caption->setBuddy(box);
        grid->addWidget(caption, place.row, place.column * 3);
        grid->addWidget(box, place.row, place.column * 3 + 1);
    }
    m_cmdStateAbb = makeButton(QStringLiteral("cmdStateAbb"), QStringLiteral("?"),
                               QStringLiteral("Look up State abbreviations"), central);
    m_cmdStateAbb->setMaximumWidth(30);
    grid->addWidget(m_cmdStateAbb, 6, 2);
    grid->setColumnMinimumWidth(2, 34);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 2);
    for (QLineEdit** box : {&m_txtACFStreet, &m_txtACEmail, &m_txtACCategory, &m_txtACNotes})
        (*box)->setMinimumWidth(260);

    m_contactBoxes = {m_txtACFName,   m_txtACMiddleInit, m_txtACLName,     m_txtACFStreet, m_txtACSStreet,
                      m_txtACCity,    m_txtACState,      m_txtACZip,       m_txtACCountry, m_txtACHPhone,
                      m_txtACCPhone,  m_txtACWPhone,     m_txtACEmail,     m_txtACBirthdate,
                      m_txtACCategory, m_txtACNotes,     m_txtACCompany};

    auto* include = new QHBoxLayout;
    m_chkCompanyInclude = new QCheckBox(central);
    m_chkCompanyInclude->setObjectName(QStringLiteral("chkCompanyInclude"));
    m_chkCompanyInclude->setToolTip(QStringLiteral("If checked, Company Name will be included when printing address"));
    m_lblACCompOnLabel = widgets::plainLabel(QStringLiteral("lblACCompOnLabel"),
                                              QStringLiteral("Include Company Name in Address"), central);
    include->addWidget(m_chkCompanyInclude);
    include->addWidget(m_lblACCompOnLabel);
    include->addStretch(1);
    grid->addLayout(include, 8, 3, 1, 2);

    auto* browse = new QHBoxLayout;
    m_cmdFirst = makeButton(QStringLiteral("cmdFirst"), QStringLiteral("|<"), QStringLiteral("Jump to first contact in file"), central);
    m_cmdPrevious = makeButton(QStringLiteral("cmdPrevious"), QStringLiteral("<"), QStringLiteral("Previous contact"), central);
    m_cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral(">"), QStringLiteral("Next contact"), central);
    m_cmdLast = makeButton(QStringLiteral("cmdLast"), QStringLiteral(">|"), QStringLiteral("Jump to last contact in file"), central);
    for (QPushButton* button : {m_cmdFirst, m_cmdPrevious, m_cmdNext, m_cmdLast})
        browse->addWidget(button);
    browse->addStretch(1);
    m_cmdPeopleFind = makeButton(QStringLiteral("cmdPeopleFind"), QStringLiteral("People Finder"), QString(), central);
    m_cmdZipFinder = makeButton(QStringLiteral("cmdZipFinder"), QStringLiteral("Zip Code Finder"), QStringLiteral("Look up Zip Code"), central);
    browse->addWidget(m_cmdPeopleFind);
    browse->addWidget(m_cmdZipFinder);
    outer->addLayout(browse);

    auto* commands = new QHBoxLayout;
    m_cmdSave = makeButton(QStringLiteral("cmdSave"), QStringLiteral("Save changes"), QString(), central);
    m_cmdDelete = makeButton(QStringLiteral("cmdDelete"), QStringLiteral("Delete contact"), QString(), central);
    m_cmdPrintLabel = makeButton(QStringLiteral("cmdPrintLabel"), QStringLiteral("Print Label"), QString(), central);
    m_cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Close"), QStringLiteral("Return to main screen"), central);
    for (QPushButton* button : {m_cmdSave, m_cmdDelete, m_cmdPrintLabel, m_cmdCancel})
        commands->addWidget(button);
    outer->addLayout(commands);

    // Nothing can be saved, deleted or printed before a contact is shown, also when the
    // loading step is cut short by a failure.
    setContactControlsEnabled(false);

    for (QLineEdit* box : m_contactBoxes) {
        widgets::enterMovesOn(box);
        blankControlsOnEdit(box);
    }

    connect(m_cboFindContact, &QComboBox::activated, this, &ContactInfoWindow::cboFindContact_Click);
    connect(m_txtACCompany, &QLineEdit::textChanged, this, &ContactInfoWindow::txtACCompany_Change);
    connect(m_cmdFirst, &QPushButton::clicked, this, &ContactInfoWindow::cmdFirst_Click);
    connect(m_cmdPrevious, &QPushButton::clicked, this, &ContactInfoWindow::cmdPrevious_Click);
    connect(m_cmdNext, &QPushButton::clicked, this, &ContactInfoWindow::cmdNext_Click);
    connect(m_cmdLast, &QPushButton::clicked, this, &ContactInfoWindow::cmdLast_Click);
    connect(m_cmdSave, &QPushButton::clicked, this, &ContactInfoWindow::cmdSave_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &ContactInfoWindow::cmdDelete_Click);
    connect(m_cmdPrintLabel, &QPushButton::clicked, this, &ContactInfoWindow::cmdPrintLabel_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &ContactInfoWindow::cmdCancel_Click);
    connect(m_cmdPeopleFind, &QPushButton::clicked, this, &ContactInfoWindow::cmdPeopleFind_Click);
    connect(m_cmdZipFinder, &QPushButton::clicked, this, &ContactInfoWindow::cmdZipFinder_Click);
    connect(m_cmdStateAbb, &QPushButton::clicked, this, &ContactInfoWindow::cmdStateAbb_Click);
}

void ContactInfoWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuEDVFile"));
    QAction* print = file->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("mnuEDVPrint"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &ContactInfoWindow::mnuEDVPrint_Click);

    m_editMenu = new widgets::EditMenu(this, m_services.clipboard,
                                        {QStringLiteral("mnuEDVEdit"), QStringLiteral("mnuEDVEditCut"),
                                         QStringLiteral("mnuEDVEditCopy"), QStringLiteral("mnuEDVEditPaste")});

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuEDVHelp"));
    QAction* manual = help->addAction(QStringLiteral("User Manual"));
    manual->setObjectName(QStringLiteral("mnuEDVManual"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    connect(manual, &QAction::triggered, this, &ContactInfoWindow::mnuEDVManual_Click);
    QAction* about = help->addAction(QStringLiteral("About Quorvel"));
    about->setObjectName(QStringLiteral("mnuEDVAbout"));
    connect(about, &QAction::triggered, this, &ContactInfoWindow::mnuEDVAbout_Click);
}

void ContactInfoWindow::setTabOrder()
{
    const std::vector<QWidget*> order = {
        m_cboFindContact, m_txtACFName,    m_txtACMiddleInit, m_txtACLName,    m_txtACFStreet, m_txtACSStreet,
        m_txtACCity,      m_txtACState,    m_txtACZip,        m_txtACCountry,  m_txtACCompany, m_txtACBirthdate,
        m_txtACHPhone,    m_txtACCPhone,   m_txtACWPhone,     m_txtACEmail,    m_txtACCategory, m_txtACNotes,
        m_cmdSave,        m_cmdCancel,     m_cmdDelete,       m_cmdPrintLabel, m_cmdZipFinder, m_cmdPeopleFind,
        m_cmdNext,        m_cmdLast,       m_cmdFirst,        m_cmdPrevious,   m_cmdStateAbb,  m_chkCompanyInclude,
        m_txtRN,
    };
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

widgets::Form& ContactInfoWindow::mainWindow()
{
    return forms().get(FormId::Main);
}

session::MainScreen& ContactInfoWindow::mainScreen()
{
    return dynamic_cast<session::MainScreen&>(mainWindow());
}

QString ContactInfoWindow::documentPath(const QString& fileName) const
{
    return QDir(m_services.appInfo.documentsFolder()).filePath(fileName);
}

QString ContactInfoWindow::findListText(const ContactRecord& record)
{
    return ContactRules::findListText(record);
}

void ContactInfoWindow::addFindItems(std::vector<std::pair<QString, qint32>>& items)
{
    // Added in their sorted order, every item lands at the end of what is there already
    // (equal texts keep file order), which keeps filling a large file linear. The outcome
    // is that of adding them one by one in file order.
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return widgets::compareListText(a.first, b.first) < 0;
    });
    m_cboFindContact->setUpdatesEnabled(false);
    for (const auto& [text, record] : items)
        m_cboFindContact->addSortedItem(text, record);
    m_cboFindContact->setUpdatesEnabled(true);
    items.clear();
}

void ContactInfoWindow::fillFindList(qint32 count)
{
    std::vector<std::pair<QString, qint32>> items;
    items.reserve(static_cast<std::size_t>(std::max<qint32>(count, 0)));
    try {
        for (qint32 r = 1; r <= count; ++r)
            items.emplace_back(findListText(m_state.contactFile.read(r)), r);
    } catch (const rt::RuntimeError&) {
        // The records read before the failure stay listed.
        addFindItems(items);
        throw;
    }
    addFindItems(items);
}

bool ContactInfoWindow::commonErrorCancelled(const rt::RuntimeError& error)
{
    return platform::commonErrorBox(m_services.messages, error) == Answer::Cancel;
}

void ContactInfoWindow::commandFailed(const rt::RuntimeError& error)
{
    // Cancel: the closing steps show the main window. The window is destroyed once the
    // running handler has returned, so nothing of it may be touched after this.
    if (commonErrorCancelled(error))
        forms().unload(FormId::ContactInfo);
}

void ContactInfoWindow::formLoad()
{
    try {
        mainWindow().hideForm();
        show();
        setWindowTitle(QStringLiteral("Contact Information  [")
                       + m_state.fileTitle
                       + QStringLiteral("]"));
        fillFindList(m_state.contactFile.recordCount());
        m_cboFindContact->setFocus();
        m_lblACCompOnLabel->hide();
        m_chkCompanyInclude->hide();
        if (m_txtACFName->text().isEmpty() && m_txtACLName->text().isEmpty() && m_txtACEmail->text().isEmpty())
            setContactControlsEnabled(false);
    } catch (const rt::RuntimeError& error) {
        if (commonErrorCancelled(error))
            mainWindow().showForm();
    }
}

void ContactInfoWindow::formUnload()
{
    m_state.lngCurrentRecord = 0;
    if (!forms().isLoaded(FormId::Main))
        return;
    session::MainScreen& main = mainScreen();
    main.showLabelMode(m_state.lngLabelMode);
    if (forms().ending())
        return;
    main.showAtLabelLines();
}

void ContactInfoWindow::setContactControlsEnabled(bool enabled)
{
    for (QLineEdit* box : m_contactBoxes)
        box->setEnabled(enabled);
    m_chkCompanyInclude->setEnabled(enabled);
    m_cmdSave->setEnabled(enabled);
    m_cmdDelete->setEnabled(enabled);
    m_cmdPrintLabel->setEnabled(enabled);
}

void ContactInfoWindow::showRecord(const ContactRecord& record, qint32 n)
{
    const ContactValues values = ContactRules::fromRecord(record);
    for (int i = 0; i < kContactFieldCount; ++i) {
        const auto field = static_cast<ContactField>(i);
        // The company before the flag, so that the stored flag wins over the company-change
        // rule; the rest after it, as they always came.
        if (i <= static_cast<int>(ContactField::WPhone) || field == ContactField::Email
            || field == ContactField::Company)
            m_contactBoxes[static_cast<std::size_t>(i)]->setText(values[field]);
    }
    m_chkCompanyInclude->setChecked(rt::roundHalfEven(rt::val(record.IncComp)) == 1);
    if (m_txtACCompany->text().isEmpty()) {
        m_lblACCompOnLabel->hide();
        m_chkCompanyInclude->hide();
    }
    m_txtACBirthdate->setText(values[ContactField::Birthdate]);
    m_txtACCategory->setText(values[ContactField::Category]);
    m_txtACNotes->setText(values[ContactField::Notes]);
    m_txtRN->setText(QString::number(n));
}

void ContactInfoWindow::showListedContact(const ContactRecord& record)
{
    showForm();
    const ContactValues values = ContactRules::fromRecord(record);
    // The company before the flag, so that the stored flag wins over the company-change rule.
    for (ContactField field : {ContactField::FName, ContactField::MiddleInit, ContactField::LName,
                               ContactField::FStreet, ContactField::SStreet, ContactField::City, ContactField::State,
                               ContactField::Zip, ContactField::Country, ContactField::Company})
        m_contactBoxes[static_cast<std::size_t>(field)]->setText(values[field]);
    m_chkCompanyInclude->setChecked(rt::roundHalfEven(rt::val(record.IncComp)) == 1);
    for (ContactField field : {ContactField::HPhone, ContactField::CPhone, ContactField::WPhone, ContactField::Email,
                               ContactField::Birthdate, ContactField::Category, ContactField::Notes})
        m_contactBoxes[static_cast<std::size_t>(field)]->setText(values[field]);
    setContactControlsEnabled(true);
    m_cboFindContact->clear();
    fillFindList(m_state.contactFile.recordCount());
    m_cboFindContact->setFocus();
}

void ContactInfoWindow::txtACCompany_Change()
{
    m_lblACCompOnLabel->show();
    m_chkCompanyInclude->show();
    m_chkCompanyInclude->setChecked(!m_txtACCompany->text().isEmpty());
}

void ContactInfoWindow::cboFindContact_Click(int index)
{
    try {
        const qint32 n = m_cboFindContact->itemNumber(index);
        m_state.lngCurrentRecord = n;
        showRecord(m_state.contactFile.read(n), n);
        setContactControlsEnabled(true);
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
}

void ContactInfoWindow::browseTo(qint32 n, qint32 count)
{
    showRecord(m_state.contactFile.read(n), n);
    m_cboFindContact->clear();
    fillFindList(count);
    m_state.lngCurrentRecord = n;
}

void ContactInfoWindow::cmdFirst_Click()
{
    try {
        browseTo(1, m_state.contactFile.recordCount());
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
}

void ContactInfoWindow::cmdPrevious_Click()
{
    try {
        const qint32 count = m_state.contactFile.recordCount();
        const qint32 p = m_state.lngCurrentRecord - 1;
        if (p < 1) {
            m_services.messages.messageBox(QStringLiteral("Start of file reached"), QStringLiteral("Beginning of file."),
                                            Buttons::Ok, Icon::None);
            return;
        }
        browseTo(p, count);
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
}

void ContactInfoWindow::cmdNext_Click()
{
    try {
        const qint32 count = m_state.contactFile.recordCount();
        if (m_state.lngCurrentRecord >= count) {
            m_services.messages.messageBox(QStringLiteral("No more contacts"), QStringLiteral("End of file."),
                                            Buttons::Ok, Icon::None);
            return;
        }
        browseTo(m_state.lngCurrentRecord + 1, count);
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
}

void ContactInfoWindow::cmdLast_Click()
{
    try {
        const qint32 count = m_state.contactFile.recordCount();
        browseTo(count, count);
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
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
    forms().unload(FormId::ContactInfo);
}

void ContactInfoWindow::cmdDelete_Click()
{
    // One misclick must not cost a contact.
    if (m_services.messages.messageBox(QStringLiteral("Delete contact"), QStringLiteral("Delete this contact?"),
                                        Buttons::YesNo, Icon::None)
        != Answer::Yes)
        return;
    try {
        m_state.contactFile.remove(currentRecordInFile());
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
        return;
    }
    forms().unload(FormId::ContactInfo);
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
    try {
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

        if (m_txtACCompany->text().isEmpty())
            m_chkCompanyInclude->setChecked(false);

        m_state.contactFile.write(n, ContactRules::toRecord(check.values, m_chkCompanyInclude->isChecked(),
                                                            m_state.remindersOn));
        m_services.messages.messageBox(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"), Buttons::Ok,
                                        Icon::None);
    } catch (const rt::RuntimeError& error) {
        commandFailed(error);
    }
}

void ContactInfoWindow::cmdPrintLabel_Click()
{
    hideForm();
    session::MainScreen& main = mainScreen();
    main.showForLabelLines();

    AddressLines::Parts parts{m_txtACFName->text(), m_txtACMiddleInit->text(), m_txtACLName->text(),
                              m_txtACCompany->text(), m_txtACFStreet->text(), m_txtACSStreet->text(),
                              m_txtACCity->text(),    m_txtACState->text(),   m_txtACZip->text(),
                              m_chkCompanyInclude->isChecked()};
    const AddressLines address(parts, AddressLines::Style::LabelLines);
    main.setLabelLine(1, address.name());
    QStringList below = address.below();
    if (address.withCompany())
        below.prepend(address.company());

    for (int i = 0; i < 4; ++i)
        main.setLabelLine(i + 2, i < below.size() ? below.at(i) : QString());
}

void ContactInfoWindow::mnuEDVPrint_Click()
{
    platform::Printer& printer = m_services.printer;
    platform::runPrintCommand(m_services.messages, printer, QStringLiteral("Printer error."), [&] {
        const ContactValues values = boxValues();

        platform::PrintDialog& dialog = *m_dlgCommonDialogEDV;
        dialog.setCancelError(true);
        printer.setFontName(QStringLiteral("Courier New"));
        printer.setFontSize(12);
        printer.setFontItalic(false);
        printer.setOrientation(platform::Printer::Portrait);
        dialog.showPrinter();
        if (dialog.flags() & platform::PrintDialog::Selection) {
            printSelection();
            return;
        }
        dialog.setFlags(platform::PrintDialog::PageNums);
        const std::int16_t copies = rt::toInt16(static_cast<double>(dialog.copies()));
        for (std::int16_t copy = 1; copy <= copies; ++copy) {
            ContactReports::printDetailsPage(printer, values, m_services.appInfo.today());
            printer.newPage();
        }
        printer.endDoc();
    });
}

void ContactInfoWindow::printSelection()
{
    QLineEdit* box = widgets::focusedTextBox(this);
    if (!box)
        return;
    platform::Printer& printer = m_services.printer;
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontSize(12);
    printer.setFontItalic(false);
    printer.printLine();
    printer.printLine({PrintItem::str(box->selectedText())});
    printer.newPage();
    printer.endDoc();
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
    platform::openDocumentOrSay(m_services.shell, m_services.messages,
                                documentPath(QStringLiteral("qvl_state_abbreviations.pdf")));
    m_txtACState->setFocus();
}

void ContactInfoWindow::mnuEDVManual_Click()
{
    platform::openDocumentOrSay(m_services.shell, m_services.messages, documentPath(QStringLiteral("qvlUman.pdf")));
}

void ContactInfoWindow::mnuEDVAbout_Click()
{
    forms().get(FormId::About).showForm();
}

}  // namespace contacts
