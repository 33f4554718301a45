#include "contacts/ui/ContactInfoWindow.h"

#include "widgets/Controls.h"
#include "widgets/EditMenu.h"
#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/WebPages.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

const QString kDateError = QStringLiteral("Date error");
const QString kIncorrectEntry = QStringLiteral("Incorrect entry");

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

QString removeAll(const QString& text, const QString& what)
{
    return rt::replace(text, what, QString());
}

// Removes (or replaces) a character in a box, rewriting the box only when it holds one.
void rewriteIfHolding(QLineEdit* box, const QString& what, const QString& with = QString())
{
    if (box->text().contains(what))
        box->setText(rt::replace(box->text(), what, with));
}

// A phone number as stored: no brackets, blanks or plus signs, the closing bracket as a dash.
void cleanPhone(QLineEdit* box)
{
    QString text = box->text();
    text = removeAll(text, QStringLiteral("("));
    text = rt::replace(text, QStringLiteral(")"), QStringLiteral("-"));
    text = removeAll(text, QStringLiteral(" "));
    text = removeAll(text, QStringLiteral("+"));
    box->setText(text);
}

// One part of a typed MM/DD/YYYY date: digits, blanks around them allowed.
bool datePart(const QString& text, int& value)
{
    const QString digits = rt::trim(text);
    if (digits.isEmpty())
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    value = digits.toInt();
    return true;
}

// Whether a text with the slashes in place names a day of the calendar (month/day/year).
bool isCalendarDate(const QString& typed)
{
    int month = 0;
    int day = 0;
    int year = 0;
    if (!datePart(typed.mid(0, 2), month) || !datePart(typed.mid(3, 2), day) || !datePart(typed.mid(6, 4), year))
        return false;
    return year >= 1 && QDate(year, month, day).isValid();
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

    for (QLineEdit* box : m_contactBoxes)
        widgets::enterMovesOn(box);

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
    return rt::trim(record.FName) + QLatin1Char(' ') + rt::trim(record.MiddleInit) + QLatin1Char(' ')
           + rt::trim(record.LName);
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
    m_txtACFName->setText(rt::trim(record.FName));
    m_txtACMiddleInit->setText(rt::trim(record.MiddleInit));
    m_txtACLName->setText(rt::trim(record.LName));
    m_txtACFStreet->setText(rt::trim(record.FStreet));
    m_txtACSStreet->setText(rt::trim(record.SStreet));
    m_txtACCity->setText(rt::trim(record.City));
    m_txtACState->setText(rt::trim(record.State));
    m_txtACZip->setText(rt::trim(record.Zip));
    m_txtACCountry->setText(rt::trim(record.Country));
    m_txtACHPhone->setText(rt::trim(record.HPhone));
    m_txtACCPhone->setText(rt::trim(record.CPhone));
    m_txtACWPhone->setText(rt::trim(record.WPhone));
    m_txtACEmail->setText(rt::trim(record.Email));
    m_txtACCompany->setText(rt::trim(record.Company));
    // After the company, so that the stored flag wins over the company-change rule.
    m_chkCompanyInclude->setChecked(rt::roundHalfEven(rt::val(record.IncComp)) == 1);
    if (m_txtACCompany->text().isEmpty()) {
        m_lblACCompOnLabel->hide();
        m_chkCompanyInclude->hide();
    }
    if (rt::val(record.Birthdate) > 1) {
        const QString& b = record.Birthdate;
        m_txtACBirthdate->setText(rt::trim(b.mid(4, 2) + QLatin1Char('/') + b.mid(6, 2) + QLatin1Char('/') + b.mid(0, 4)));
    } else {
        m_txtACBirthdate->clear();
    }
    m_txtACCategory->setText(rt::trim(record.Category));
    m_txtACNotes->setText(rt::trim(record.Notes));
    m_txtRN->setText(QString::number(n));
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

void ContactInfoWindow::refuse(QLineEdit* box, const QString& title, const QString& message)
{
    m_services.messages.messageBox(title, message, Buttons::Ok, Icon::None);
    box->setFocus();
}

bool ContactInfoWindow::checkBirthdate(const QString& b)
{
    if (b.isEmpty())
        return true;
    QString message;
    if (b.size() != 10 || b.at(2) != u'/' || b.at(5) != u'/')
        message = QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
    else if (!rt::readsAsNumber(b.right(4)))
        message = QStringLiteral("Year must be an actual 4-digit year.  Example: 1988");
    else if (b.endsWith(u' '))
        message = QStringLiteral("Year must be a 4-digit year, no spaces.  Example: 1988");
    else if (rt::val(b.left(2)) > 12)
        message = QStringLiteral("Month must be a number no greater than 12.  Example: 07");
    else if (!rt::readsAsNumber(b.left(2)))
        message = QStringLiteral("Month must be a 2-digit month.  Example: 08");
    else if (!isCalendarDate(b))
        message = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988");
    else if (b.at(3) == u' ' || b.at(4) == u' ')
        message = QStringLiteral("Day must be a 2-digit day, no spaces.  Example: 26");
    else if (b.at(0) == u' ')
        message = QStringLiteral("Month must be a 2-digit month, no spaces.  Example: 03");
    else if (b.at(1) == u' ')
        message = QStringLiteral("Month must be a 2-digit month, no spaces.  Example: 07");
    else if (b.contains(u' '))
        message = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988");
    if (message.isEmpty())
        return true;
    refuse(m_txtACBirthdate, kDateError, message);
    return false;
}

bool ContactInfoWindow::checkAndCleanBoxes()
{
    const QString comma = QStringLiteral(",");
    auto tooLong = [this](QLineEdit* box, int width, const QString& message) {
        if (box->text().size() <= width)
            return false;
        refuse(box, kIncorrectEntry, message);
        return true;
    };

    if (tooLong(m_txtACFName, 14, QStringLiteral("First name must be 14 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACFName, comma);
    rewriteIfHolding(m_txtACMiddleInit, QStringLiteral("."));
    rewriteIfHolding(m_txtACMiddleInit, comma);
    if (tooLong(m_txtACMiddleInit, 1, QStringLiteral("Enter only 1 character for middle initial.")))
        return false;
    const QString lastNameMessage = QStringLiteral("Enter last name, 18 characters or less.");
    if (tooLong(m_txtACLName, 18, lastNameMessage))
        return false;
    if (m_txtACLName->text().isEmpty()) {
        refuse(m_txtACLName, kIncorrectEntry, lastNameMessage);
        return false;
    }
    rewriteIfHolding(m_txtACLName, comma);
    if (tooLong(m_txtACFStreet, 30, QStringLiteral("Street address must be 30 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACFStreet, comma);
    if (tooLong(m_txtACSStreet, 15, QStringLiteral("Street address2 must be 15 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACSStreet, comma);
    if (tooLong(m_txtACCity, 16, QStringLiteral("City must be 16 characters or less.")))
        return false;
    if (!m_txtACState->text().isEmpty() && m_txtACState->text().size() != 2) {
        refuse(m_txtACState, kIncorrectEntry, QStringLiteral("State must be 2 character abbreviation."));
        return false;
    }
    rewriteIfHolding(m_txtACState, comma);
    if (tooLong(m_txtACZip, 10, QStringLiteral("Zip Code must be 10 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACZip, comma);
    if (tooLong(m_txtACCountry, 19, QStringLiteral("Country must be 19 characters or less. For example, USA.")))
        return false;
    rewriteIfHolding(m_txtACCountry, comma);
    if (tooLong(m_txtACCompany, 30, QStringLiteral("Company Name must be 30 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACCompany, comma);
    cleanPhone(m_txtACHPhone);
    if (tooLong(m_txtACHPhone, 15, QStringLiteral("Home Phone must be 15 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACHPhone, comma);
    cleanPhone(m_txtACCPhone);
    if (tooLong(m_txtACCPhone, 15, QStringLiteral("Cell Phone must be 15 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACCPhone, comma);
    cleanPhone(m_txtACWPhone);
    if (tooLong(m_txtACWPhone, 13, QStringLiteral("Work Phone must be 13 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACWPhone, comma);

    const QString email = m_txtACEmail->text();
    QString emailMessage;
    if (email.size() > 50)
        emailMessage = QStringLiteral("Email address must be 50 characters or less.");
    else if (email.contains(u','))
        emailMessage = QStringLiteral("Email address cannot contain a comma.");
    else if (email.contains(u' '))
        emailMessage = QStringLiteral("Email address cannot contain a space.");
    else if (!email.isEmpty() && !email.contains(u'@'))
        emailMessage = QStringLiteral("Email address must contain the '@' character.");
    else if (!email.isEmpty() && !email.contains(u'.'))
        emailMessage = QStringLiteral("Email address must contain the '.' character.");
    if (!emailMessage.isEmpty()) {
        refuse(m_txtACEmail, kIncorrectEntry, emailMessage);
        return false;
    }

    if (tooLong(m_txtACCategory, 80, QStringLiteral("Category must be 80 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACCategory, comma, QStringLiteral(" "));
    if (tooLong(m_txtACNotes, 160, QStringLiteral("Notes must be 160 characters or less.")))
        return false;
    rewriteIfHolding(m_txtACNotes, comma, QStringLiteral(" "));
    rewriteIfHolding(m_txtACCity, comma);
    return true;
}

void ContactInfoWindow::cmdSave_Click()
{
    try {
        const QString b = m_txtACBirthdate->text();
        if (!checkBirthdate(b))
            return;
        const qint32 n = currentRecordInFile();
        if (!checkAndCleanBoxes())
            return;

        if (m_txtACCompany->text().isEmpty())
            m_chkCompanyInclude->setChecked(false);
        const QString incComp = m_chkCompanyInclude->isChecked() ? QStringLiteral("1") : QStringLiteral("0");

        QString reminder = QStringLiteral("0");
        if (m_state.remindersOn)
            reminder = QStringLiteral("1");

        ContactRecord record;
        record.FName = m_txtACFName->text();
        record.MiddleInit = rt::ucase(m_txtACMiddleInit->text());
        record.LName = m_txtACLName->text();
        record.FStreet = m_txtACFStreet->text();
        record.SStreet = m_txtACSStreet->text();
        record.City = m_txtACCity->text();
        record.State = rt::ucase(m_txtACState->text());
        record.Zip = m_txtACZip->text();
        record.Country = rt::ucase(m_txtACCountry->text());
        record.HPhone = m_txtACHPhone->text();
        record.CPhone = m_txtACCPhone->text();
        record.WPhone = m_txtACWPhone->text();
        record.Email = m_txtACEmail->text();
        record.Birthdate = b.isEmpty() ? QString() : b.mid(6, 4) + b.mid(0, 2) + b.mid(3, 2);
        record.Category = m_txtACCategory->text();
        record.Notes = m_txtACNotes->text();
        record.Company = m_txtACCompany->text();
        record.IncComp = incComp;
        record.BdayReminder = reminder;

        m_state.contactFile.write(n, record);
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

    const QString name = rt::trim(m_txtACFName->text()) + QLatin1Char(' ') + rt::trim(m_txtACMiddleInit->text())
                         + QLatin1Char(' ') + rt::trim(m_txtACLName->text());
    main.setLabelLine(1, name);
    main.setLabelLine(1, rt::replace(main.labelLine(1), QStringLiteral("  "), QStringLiteral(" ")));

    QStringList below;
    const QString company = rt::trim(m_txtACCompany->text());
    if (!company.isEmpty() && m_chkCompanyInclude->isChecked())
        below << company;
    below << rt::trim(m_txtACFStreet->text());
    const QString street2 = rt::trim(m_txtACSStreet->text());
    if (!street2.isEmpty())
        below << street2;
    const QString city = rt::trim(m_txtACCity->text());
    if (!city.isEmpty())
        below << city + QStringLiteral(", ") + rt::trim(m_txtACState->text()) + QStringLiteral("  ")
                     + rt::trim(m_txtACZip->text());

    for (int i = 0; i < 4; ++i)
        main.setLabelLine(i + 2, i < below.size() ? below.at(i) : QString());
}

void ContactInfoWindow::mnuEDVPrint_Click()
{
    platform::Printer& printer = m_services.printer;
    try {
        std::vector<QString> values;
        for (QLineEdit* box : {m_txtACFName, m_txtACMiddleInit, m_txtACLName, m_txtACFStreet, m_txtACSStreet,
                               m_txtACCity, m_txtACState, m_txtACZip, m_txtACCountry, m_txtACBirthdate,
                               m_txtACHPhone, m_txtACCPhone, m_txtACWPhone, m_txtACEmail, m_txtACCategory,
                               m_txtACNotes, m_txtACCompany})
            values.push_back(rt::trim(box->text()));

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
            printDetailsPage(values);
            printer.newPage();
        }
        printer.endDoc();
    } catch (const rt::RuntimeError& error) {
        platform::printerProblem(m_services.messages, printer, error, QStringLiteral("Printer error."));
    }
}

void ContactInfoWindow::printDetailsPage(const std::vector<QString>& v)
{
    enum { FName, MiddleInit, LName, FStreet, SStreet, City, State, Zip, Country, Birthdate,
           HPhone, CPhone, WPhone, Email, Category, Notes, Company };
    platform::Printer& printer = m_services.printer;
    using Items = std::vector<PrintItem>;
    auto tab = PrintItem::tab;
    auto str = PrintItem::str;
    auto empty = [&printer](int lines) {
        for (int i = 0; i < lines; ++i)
            printer.printLine();
    };
    const QString rule(70, u'_');

    printer.setFontSize(12);
    empty(3);
    printer.setFontSize(16);
    printer.printLine(Items{tab(22), str(QStringLiteral("Quorvel"))});
    empty(1);
    printer.setFontItalic(false);
    printer.setFontSize(14);
    printer.printLine(Items{tab(27), str(QStringLiteral("Contact Details"))});
    empty(3);
    printer.setFontSize(10);
    printer.printLine(Items{tab(35), str(QStringLiteral("Date of report:")), tab(51),
                            str(QLocale().toString(m_services.appInfo.today(), QLocale::ShortFormat))});
    printer.setFontSize(12);
    empty(1);
    printer.printLine(Items{tab(8), str(rule)});
    empty(2);
    printer.printLine(Items{tab(8), str(v[FName] + QLatin1Char(' ') + v[MiddleInit] + QLatin1Char(' ') + v[LName])});
    empty(1);
    printer.printLine(Items{tab(8), str(v[FStreet] + QStringLiteral("  ") + v[SStreet])});
    empty(1);
    printer.printLine(Items{tab(8), str(v[City] + QStringLiteral(", ") + v[State] + QStringLiteral("  ") + v[Zip])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Company Name:")), tab(24), str(v[Company])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Country:")), tab(18), str(v[Country]), tab(40),
                            str(QStringLiteral("Birthdate:")), tab(52), str(v[Birthdate])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Home Phone:")), tab(21), str(v[HPhone]), tab(37),
                            str(QStringLiteral("Cell:")), tab(44), str(v[CPhone]), tab(60),
                            str(QStringLiteral("Work:")), tab(67), str(v[WPhone])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Email Address:")), tab(24), str(v[Email])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Category:")), tab(19), str(v[Category].mid(0, 61))});
    printer.printLine(Items{tab(19), str(v[Category].mid(61, 19))});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Notes:")), tab(16), str(v[Notes].mid(0, 61))});
    printer.printLine(Items{tab(15), str(v[Notes].mid(61, 53))});
    printer.printLine(Items{tab(15), str(v[Notes].mid(114, 46))});
    empty(2);
    printer.printLine(Items{tab(8), str(rule)});
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
    m_services.shell.openUrl(QString::fromLatin1(platform::web::kPeopleFinder));
}

void ContactInfoWindow::cmdZipFinder_Click()
{
    m_services.shell.openUrl(QString::fromLatin1(platform::web::kZipCodeFinder));
}

void ContactInfoWindow::cmdStateAbb_Click()
{
    m_services.shell.openDocument(documentPath(QStringLiteral("qvl_state_abbreviations.pdf")));
    m_txtACState->setFocus();
}

void ContactInfoWindow::mnuEDVManual_Click()
{
    m_services.shell.openDocument(documentPath(QStringLiteral("qvlUman.pdf")));
}

void ContactInfoWindow::mnuEDVAbout_Click()
{
    forms().get(FormId::About).showForm();
}

}  // namespace contacts
