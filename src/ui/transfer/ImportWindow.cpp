#include "ui/transfer/ImportWindow.h"

#include "platform/ErrorTraps.h"

#include "ui_ImportWindow.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "runtime/RuntimeError.h"
#include "transfer/ContactImport.h"
#include "widgets/EditMenu.h"

#include <new>

namespace transfer {

using platform::Answer;
using session::WindowId;

ImportWindow::ImportWindow(session::Windows& windows, const platform::Services& services, contacts::BookSession& state,
                           QWidget* parent)
    : TransferForm(WindowId::Import, windows, services, state, parent),
      m_ui(std::make_unique<Ui::frmQzImport>())
{
    m_ui->setupUi(this);
    nameHelpSeparator(m_ui->mnuITHelp, QStringLiteral("mnuITHelpBar0"));
    m_editMenu = new widgets::EditMenu(this, m_services.clipboard,
                                       {QStringLiteral("mnuITEdit"), QStringLiteral("mnuITEditCut"),
                                        QStringLiteral("mnuITEditCopy"), QStringLiteral("mnuITEditPaste")});
    // Cut and Copy stay offered while a button has the focus; there they have no text to work on.
    m_editMenu->setOtherTarget({[] {}, [] {}, [] {}});
    // File, Edit, Help.
    QMenu* edit = m_editMenu->menu();
    edit->setTitle(QStringLiteral("&Edit"));
    menuBar()->removeAction(edit->menuAction());
    menuBar()->insertAction(m_ui->mnuITHelp->menuAction(), edit->menuAction());

    connect(m_ui->cmdCsvOpen, &QPushButton::clicked, this, &ImportWindow::cmdCsvOpen_Click);
    connect(m_ui->cmdStartImport, &QPushButton::clicked, this, &ImportWindow::cmdStartImport_Click);
    connect(m_ui->cmdImpCancel, &QPushButton::clicked, this, &ImportWindow::cmdImpCancel_Click);
    wireCommonCommands(m_ui->mnuITFileExit, m_ui->mnuITHelpUM, m_ui->mnuITHelpAbout);
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::formLoad()
{
    show();
    setWindowTitle(m_state.captionWithFile(QStringLiteral("Import Contacts")));
    m_ui->txtImpFilename->hide();
    m_ui->cmdStartImport->setEnabled(false);
    m_ui->lblImpHdr->setText(
        QStringLiteral("First, export contacts (as csv or vcf file) from your email program or device, and save to PC.\n"
                       "When ready, click 'Select file to import' to select csv or vcf file.  Click 'Import' to begin "
                       "importing."));
    m_ui->txtImportTip->setText(
        QStringLiteral("Consult User Manual (Help/User Manual) for helpful tips and information on importing files."));
}

bool ImportWindow::report(const ImportOutcome& outcome)
{
    const Answer answer = m_services.messages.messageBox(outcome.title(), outcome.text(), outcome.buttons(),
                                                         outcome.icon());
    if (outcome.kind == ImportOutcome::Kind::Failed && answer == Answer::Cancel) {
        // The window goes once this handler has returned; nothing of it is touched after.
        m_windows.unload(WindowId::Import);
        return false;
    }
    return true;
}

void ImportWindow::cmdCsvOpen_Click()
{
    platform::trapErrors([&] {
        const std::optional<platform::FileChoice> choice = m_services.fileDialogs.openFile(
            QStringLiteral("Open"),
            QStringLiteral("All Files (*.*)|*.*|CSV Files (*.CSV)|*.CSV|vCard Files (*.VCF)|*.VCF"), QString());
        // A cancelled dialog changes nothing, also after an earlier choice.
        if (!choice || choice->path.isEmpty())
            return;
        m_strImportFile = choice->path;
        m_strImportTitle = choice->fileTitle;
        m_ui->txtImpFilename->setText(m_strImportTitle);
        checkImportFile(m_strImportFile);
        m_ui->txtImpFilename->show();
        m_services.cursor.setBusy(false);
        m_ui->cmdStartImport->setEnabled(true);
    }, [this](const rt::RuntimeError& error) { openFailed(error); });
}

void ImportWindow::openFailed(const rt::RuntimeError& error)
{
    ImportOutcome outcome;
    outcome.fail(error);
    report(outcome);
}

void ImportWindow::cmdStartImport_Click()
{
    // The import reports its own failures, running out of memory included.
    const ImportOutcome outcome = importContacts(m_state.contactFile, m_strImportFile, m_state.remindersOn);
    m_services.cursor.setBusy(false);
    if (outcome.beeps())
        m_services.messages.beep();
    if (!report(outcome))
        return;
    if (outcome.disablesImport()) {
        m_ui->cmdStartImport->setEnabled(false);
        m_ui->cmdImpCancel->setFocus();
    }
}

void ImportWindow::cmdImpCancel_Click()
{
    m_windows.unload(WindowId::Import);
}

}  // namespace transfer
