#include "ui/contacts/ViewAllWindow.h"

#include "ui_ViewAllWindow.h"

#include "contacts/AddressLines.h"
#include "contacts/ContactSearch.h"
#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/ShellOpen.h"
#include "runtime/RuntimeError.h"
#include "printing/ListReport.h"
#include "printing/SearchLabelsJob.h"
#include "session/MainScreen.h"
#include "widgets/Controls.h"
#include "widgets/EditMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace contacts {

using platform::Answer;
using session::WindowId;

ViewAllWindow::ViewAllWindow(session::Windows& windows, std::function<ContactScreen&()> contactScreen,
                             const platform::Services& services, contacts::BookSession& state, QWidget* parent)
    : widgets::Form(parent),
      m_windows(windows),
      m_contactScreen(std::move(contactScreen)),
      m_services(services),
      m_state(state),
      m_ui(std::make_unique<Ui::ViewAllWindow>())
{
    m_ui->setupUi(this);
    m_dlgCommonDialog = m_services.printDialogs.create();
    widgets::OptionButton::group({m_ui->optSearchFName, m_ui->optSearchLName, m_ui->optSearchCity,
                                  m_ui->optSearchState, m_ui->optSearchZip, m_ui->optSearchEmail, m_ui->optSearchCat,
                                  m_ui->optSearchAll, m_ui->optSearchCompany});
    widgets::OptionButton::group({m_ui->optFnameSort, m_ui->optLnameSort});
    widgets::OptionButton::group({m_ui->optEmailAdd, m_ui->optStreetAdd});
    buildEditMenu();
    connectControls();
}

ViewAllWindow::~ViewAllWindow() = default;

void ViewAllWindow::buildEditMenu()
{
    m_editMenu = new widgets::EditMenu(this, m_services.clipboard,
                                       {QStringLiteral("mnuVAEdit"), QStringLiteral("mnuVAEditCut"),
                                        QStringLiteral("mnuVAEditCopy"), QStringLiteral("mnuVAEditPaste")});
    m_editMenu->setOtherTarget({[this] { cutLines(); }, [this] { copyLines(); }, [this] { pasteLines(); }});
    m_editMenu->watch(m_ui->lstAllContacts);
    QAction* selectAll = m_editMenu->menu()->addAction(QStringLiteral("Select All"));
    selectAll->setObjectName(QStringLiteral("mnuVAEditSelAll"));
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(selectAll, &QAction::triggered, this, &ViewAllWindow::mnuVAEditSelAll_Click);
    // File, Edit, Help.
    menuBar()->insertMenu(m_ui->mnuVAHelp->menuAction(), m_editMenu->menu());
}

void ViewAllWindow::connectControls()
{
    const struct {
        widgets::OptionButton* option;
        std::int16_t code;
        const char* title;
    } searches[] = {
        {m_ui->optSearchFName, 0, "First name Search"}, {m_ui->optSearchLName, 1, "Last name Search"},
        {m_ui->optSearchCity, 2, "City Search"},         {m_ui->optSearchState, 3, "State Search"},
        {m_ui->optSearchZip, 4, "Zip code Search"},      {m_ui->optSearchEmail, 5, "Email address Search"},
        {m_ui->optSearchCat, 6, "Category Search"},      {m_ui->optSearchCompany, 8, "Company Search"},
    };
    for (const auto& search : searches) {
        const std::int16_t code = search.code;
        const QString title = QString::fromLatin1(search.title);
        connect(search.option, &widgets::OptionButton::chosen, this,
                [this, code, title] { searchOption_Click(code, title); });
    }
    connect(m_ui->optSearchAll, &widgets::OptionButton::chosen, this, &ViewAllWindow::optSearchAll_Click);
    connect(m_ui->optFnameSort, &widgets::OptionButton::chosen, this, [this] { sortOption_Click(0); });
    connect(m_ui->optLnameSort, &widgets::OptionButton::chosen, this, [this] { sortOption_Click(1); });
    connect(m_ui->cmdACGetReport, &QPushButton::clicked, this, &ViewAllWindow::cmdACGetReport_Click);
    connect(m_ui->cmdPrintLabels, &QPushButton::clicked, this, &ViewAllWindow::cmdPrintLabels_Click);
    connect(m_ui->cmdViewAllClose, &QPushButton::clicked, this, &ViewAllWindow::cmdViewAllClose_Click);
    connect(m_ui->mnuPrint, &QAction::triggered, this, &ViewAllWindow::mnuPrint_Click);
    connect(m_ui->mnuVAManual, &QAction::triggered, this, &ViewAllWindow::mnuVAManual_Click);
    connect(m_ui->mnuVAAbout, &QAction::triggered, this, &ViewAllWindow::mnuVAAbout_Click);
    connect(m_ui->lstAllContacts, &widgets::SortedListBox::lineDoubleClicked, this,
            &ViewAllWindow::lstAllContacts_DblClick);
}

void ViewAllWindow::openForSearch()
{
    showForm();
    m_ui->frSearch->setVisible(true);
    // Their click steps run also when the design has them chosen already.
    m_ui->optSearchAll->select();
    m_ui->optFnameSort->select();
}

void ViewAllWindow::formLoad()
{
    show();
    m_ui->lstAllContacts->clear();
    m_ui->mnuPrint->setEnabled(false);
    setWindowTitle(m_state.captionWithFile(QStringLiteral("All Contacts")));
    m_ui->txtViewAllHeader->setVisible(true);
    m_ui->lstAllContacts->setVisible(true);
    m_ui->cmdACGetReport->setEnabled(true);
    m_ui->lblTotContacts->clear();
    m_strSearchText.clear();
    m_intSearchType = 7;
    m_intSortOrder = 0;
    m_ui->cmdACGetReport->setFocus();
}

void ViewAllWindow::formUnload()
{
    m_ui->lstAllContacts->clear();
    // At shutdown no window comes back.
    if (m_windows.ending() || !m_windows.isLoaded(WindowId::Main))
        return;
    if (m_state.lngCurrentRecord != 0) {
        m_windows.show(WindowId::ContactInfo);
        m_contactScreen().focusFindList();
    } else {
        m_windows.mainScreen().showAtLabelLines();
    }
}

void ViewAllWindow::trapped(const std::function<void()>& command)
{
    if (platform::underCommonTrap(m_services.messages, command) != Answer::Cancel)
        return;
    m_ui->lstAllContacts->clear();
    session::Windows& windows = m_windows;
    windows.unload(WindowId::ViewAll);  // this window is gone once the handler returns
    if (!windows.ending())
        windows.show(WindowId::Main);
}

void ViewAllWindow::searchOption_Click(std::int16_t code, const QString& title)
{
    m_intSearchType = code;
    m_strSearchText = m_services.messages.inputBox(QStringLiteral("Search For: "), title);
    m_ui->lblSearchDisplay->setVisible(true);
    m_ui->lblSearchDisplay->setText(m_strSearchText);
    m_ui->cmdACGetReport->setFocus();
}

void ViewAllWindow::optSearchAll_Click()
{
    m_intSearchType = 7;
    m_ui->lblSearchDisplay->setVisible(false);
}

void ViewAllWindow::sortOption_Click(std::int16_t order)
{
    m_intSortOrder = order;
    m_ui->cmdACGetReport->setFocus();
}

void ViewAllWindow::cmdACGetReport_Click()
{
    trapped([this] {
        const ColumnSet columns = m_ui->optEmailAdd->value() ? ColumnSet::Email : ColumnSet::Street;
        const std::array<int, 7> stops = ContactSearch::tabStops(columns);
        widgets::SortedListBox* list = m_ui->lstAllContacts;
        list->setTabStops(std::vector<int>(stops.begin(), stops.end()));
        m_ui->frSearch->hide();
        m_ui->frSortOrder->hide();
        m_ui->frShowStreet->hide();
        // A second run (after an error and Retry, or after no match) must not list a
        // contact twice.
        list->clear();
        // The book's length is read before the heading strip changes: with no book open the
        // run stops with the strip as it was.
        m_state.contactFile.recordCount();
        m_ui->txtViewAllHeader->setVisible(true);
        QFont font = m_ui->txtViewAllHeader->font();
        font.setPointSize(12);
        m_ui->txtViewAllHeader->setFont(font);
        m_ui->txtViewAllHeader->setText(ContactSearch::heading(columns));
        m_ui->txtViewAllHeader->setCursorPosition(0);  // shows the headings from "Name" on
        m_lngFound = 0;

        SearchQuery query;
        query.field = static_cast<SearchField>(m_intSearchType);
        query.text = m_strSearchText;
        query.order = static_cast<NameOrder>(m_intSortOrder);
        query.columns = columns;
        SearchResult result = ContactSearch(query).runSorted(m_state.contactFile);
        // A line is written from its record when it is shown or read, as the search wrote it.
        const auto line = [this, search = ContactSearch(query)](qint32 n) {
            try {
                return search.listLine(m_state.contactFile.readRecords(n, 1).constData());
            } catch (const rt::RuntimeError&) {
                return QString();  // the book went away under the list
            }
        };
        list->setNumberedLines(std::move(result.listed), line);
        m_lngFound = result.found;

        m_ui->lblSearchDisplay->setVisible(result.showSearch);
        if (result.showSearch)
            m_ui->lblSearchDisplay->setText(result.searchCaption);
        m_ui->cmdPrintLabels->setEnabled(true);
        m_ui->lblTotContacts->setVisible(true);
        m_ui->lblTotContacts->setText(result.foundCaption);
        m_ui->mnuPrint->setEnabled(true);
        m_ui->cmdViewAllClose->setFocus();
        if (m_lngFound == 0) {
            m_services.messages.messageBox(QStringLiteral("Contact file empty."), QStringLiteral("No contacts found."));
            m_ui->cmdViewAllClose->setFocus();
        } else {
            m_ui->cmdACGetReport->setEnabled(false);
        }
    });
}

void ViewAllWindow::cmdPrintLabels_Click()
{
    widgets::SortedListBox* list = m_ui->lstAllContacts;
    printing::SearchLabelsJob job(m_services.printer, *m_dlgCommonDialog, m_services.messages,
                                  m_services.appInfo.dataFolder());
    // A pasted line carries record number 0, whose reading fails and ends the job as a
    // printer problem.
    const auto lines = [this, list](qint32 i) {
        const ContactRecord record = m_state.contactFile.read(list->itemNumber(i));
        return AddressLines(AddressLines::Parts::of(record), AddressLines::Style::SearchResult).lines();
    };
    const auto outcome = job.run(list->count(), lines, m_windows.mainScreen().labelBold(), m_windows.mainScreen().labelItalic());
    if (outcome == printing::SearchLabelsJob::Outcome::Printed
        || outcome == printing::SearchLabelsJob::Outcome::EmptyList)
        m_ui->cmdViewAllClose->setFocus();
}

void ViewAllWindow::mnuPrint_Click()
{
    widgets::SortedListBox* list = m_ui->lstAllContacts;
    printing::ListReportInput input;
    input.lineCount = list->count();
    input.line = [list](qint32 i) { return list->text(i); };
    input.emailColumns = m_ui->optEmailAdd->value();
    input.fileTitle = m_state.fileTitle;
    input.searchText = m_strSearchText;
    input.found = m_lngFound;
    input.focusInHeading = widgets::focusedTextBox(this) == m_ui->txtViewAllHeader;
    input.headingSelection = m_ui->txtViewAllHeader->selectedText();
    input.selectedLines = list->selectedRows();
    printing::ListReport(m_services.printer, *m_dlgCommonDialog, m_services.messages).print(input);
}

void ViewAllWindow::cmdViewAllClose_Click()
{
    m_ui->lstAllContacts->clear();
    session::MainScreen& main = m_windows.mainScreen();
    session::Windows& windows = m_windows;
    windows.unload(WindowId::ViewAll);
    windows.show(WindowId::Main);
    main.untickLabelFont();
}

void ViewAllWindow::lstAllContacts_DblClick(int row)
{
    trapped([this, row] {
        widgets::SortedListBox* list = m_ui->lstAllContacts;
        // The file is opened afresh before the one in use is let go, so a failed open
        // leaves the book open as it was.
        ContactFile fresh;
        fresh.open(m_state.filePath);
        m_state.contactFile.swap(fresh);
        fresh.close();

        const qint32 n = list->itemNumber(row);
        const ContactRecord record = m_state.contactFile.read(n);
        m_state.lngCurrentRecord = n;
        list->clear();
        m_contactScreen().showListedContact(record);
        m_windows.unload(WindowId::ViewAll);
    });
}

void ViewAllWindow::mnuVAManual_Click()
{
    platform::openProgramDocument(m_services, QStringLiteral("qvlUman.pdf"));
}

void ViewAllWindow::mnuVAAbout_Click()
{
    m_windows.show(WindowId::About);
}

QString ViewAllWindow::selectedLinesText() const
{
    QString text;
    for (int row : m_ui->lstAllContacts->selectedRows())
        text += QStringLiteral("\r\n") + m_ui->lstAllContacts->text(row);
    return text;
}

void ViewAllWindow::copyLines()
{
    m_services.clipboard.clear();
    m_services.clipboard.setText(selectedLinesText());
}

void ViewAllWindow::cutLines()
{
    m_services.clipboard.clear();
    const QString text = selectedLinesText();
    m_ui->lstAllContacts->removeLines(m_ui->lstAllContacts->selectedRows());
    m_services.clipboard.setText(text);
}

void ViewAllWindow::pasteLines()
{
    // Every piece is a line, empty ones included; a pasted line carries no record number.
    for (const QString& piece : m_services.clipboard.text().split(QStringLiteral("\r\n")))
        m_ui->lstAllContacts->addSortedItem(piece, 0);
}

void ViewAllWindow::mnuVAEditSelAll_Click()
{
    if (QLineEdit* box = widgets::focusedTextBox(this)) {
        box->setFocus();
        box->selectAll();
        return;
    }
    m_ui->lstAllContacts->selectAll();
}

}  // namespace contacts
