#include "ui/transfer/ExportWindow.h"

#include "ui_ExportWindow.h"

#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "runtime/RuntimeError.h"

#include <new>

namespace transfer {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using session::WindowId;

ExportWindow::ExportWindow(session::Windows& windows, const platform::Services& services, contacts::BookSession& state,
                           QWidget* parent)
    : TransferForm(WindowId::Export, windows, services, state, parent),
      m_ui(std::make_unique<Ui::frmQzExport>())
{
    m_ui->setupUi(this);
    QFont instructions = m_ui->lblExport->font();
    instructions.setFamily(QStringLiteral("MS Sans Serif"));
    instructions.setPointSizeF(9.75);
    m_ui->lblExport->setFont(instructions);
    nameHelpSeparator(m_ui->mnuETHelp, QStringLiteral("mnuETHelpBar0"));

    for (QRadioButton* option : {m_ui->optExpCGCSV, m_ui->optExpCGTXT, m_ui->optExpCGVCF, m_ui->optExpCGVCFIphone,
                                 m_ui->optExpCGVCFOther})
        connect(option, &QRadioButton::clicked, this, &ExportWindow::optExpCG_Click);
    connect(m_ui->cmdExpCreate, &QPushButton::clicked, this, &ExportWindow::cmdExpCreate_Click);
    connect(m_ui->cmdExpCancel, &QPushButton::clicked, this, &ExportWindow::cmdExpCancel_Click);
    wireCommonCommands(m_ui->mnuETFileExit, m_ui->mnuETHelpUM, m_ui->mnuETHelpAbout);
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::formLoad()
{
    show();
    setWindowTitle(m_state.captionWithFile(QStringLiteral("Export Contacts")));
    m_ui->lblExport->setText(QStringList{
        QStringLiteral("Select export file to create, Comma Separated Values (csv), Text (txt), or vCard (vcf)."),
        QStringLiteral("Export file will contain First Name, Middle Initial, Last Name, Street Address1,"),
        QStringLiteral("Street Address 2, City, State, Zip Code, Country, Company, Incl Company, Home Phone,"),
        QStringLiteral("Cell Phone, Work Phone, Email Address, Birthdate, Category, and Notes."),
        QStringLiteral("The export file will be stored in your Quorvel folder."),
    }.join(QLatin1Char('\n')));
    // Create starts disabled, so the first control that takes the focus is Close.
    m_ui->cmdExpCancel->setFocus();
}

void ExportWindow::optExpCG_Click()
{
    m_ui->cmdExpCreate->setEnabled(true);
}

std::optional<ExportKind> ExportWindow::chosenKind() const
{
    if (m_ui->optExpCGCSV->isChecked())
        return ExportKind::Csv;
    if (m_ui->optExpCGTXT->isChecked())
        return ExportKind::Text;
    if (m_ui->optExpCGVCF->isChecked())
        return ExportKind::VCardAndroid;
    if (m_ui->optExpCGVCFIphone->isChecked())
        return ExportKind::VCardIPhone;
    if (m_ui->optExpCGVCFOther->isChecked())
        return ExportKind::VCard30;
    return std::nullopt;
}

void ExportWindow::cmdExpCreate_Click()
{
    const std::optional<ExportKind> kind = chosenKind();
    if (!kind)
        return;
    platform::trapErrors(
        [&] {
            m_services.cursor.setBusy(true);
            const ExportOutcome outcome =
                ContactExport::run(m_state.contactFile, m_services.appInfo.dataFolder(), *kind);
            m_services.cursor.setBusy(false);
            m_services.messages.messageBox(outcome.title, outcome.text, Buttons::Ok,
                                           outcome.written ? Icon::None : Icon::Information);
            m_ui->cmdExpCancel->setFocus();
        },
        [this](const rt::RuntimeError& error) { createFailed(error); });
}

void ExportWindow::createFailed(const rt::RuntimeError& error)
{
    m_services.cursor.setBusy(false);
    // Cancel closes the window, whose closing steps give the screen back to the main window;
    // the window goes once this handler has returned, so nothing of it is touched after.
    if (platform::commonErrorBox(m_services.messages, error) == Answer::Cancel)
        m_windows.unload(WindowId::Export);
}

void ExportWindow::cmdExpCancel_Click()
{
    m_windows.unload(WindowId::Export);
}

}  // namespace transfer
