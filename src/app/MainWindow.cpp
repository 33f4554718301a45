#include "app/MainWindow.h"
#include "app/WindowSet.h"

#include "ui/contacts/ViewAllWindow.h"

#include "contacts/ContactRecord.h"
#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/LabelModes.h"
#include "printing/LabelRange.h"
#include "printing/PrinterFamily.h"
#include "printing/StockTables.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"
#include "widgets/Controls.h"

#include "ui_MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace app {

namespace {

using FormId = session::WindowId;

const QString kContactFileName = QStringLiteral("QVL_Contacts.DAT");
const QString kPositionTitle = QStringLiteral("Label position reading L to R");

template <class Handler>
void onTrigger(QAction* action, QObject* owner, Handler handler)
{
    QObject::connect(action, &QAction::triggered, owner, handler);
}

}  // namespace

MainWindow::MainWindow(WindowSet& forms, const platform::Services& services, contacts::BookSession& state,
                       QWidget* parent)
    : widgets::Form(parent), m_services(services), m_state(state), m_forms(forms),
      m_ui(std::make_unique<Ui::MainWindowForm>())
{
    m_ui->setupUi(this);
    m_printButtons = {m_ui->cmdQzStart,       m_ui->cmdWideLabel,  m_ui->cmdLargeLabel,
                      m_ui->cmdLrgRetAddress, m_ui->cmdRetAddress, m_ui->cmdFileFolderStart};
    setWindowTitle(m_services.appInfo.title());
    m_dlgCommonDialog = m_services.printDialogs.create();
    wireControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::wireControls()
{
    Ui::MainWindowForm& ui = *m_ui;
    const std::pair<QAction*, void (MainWindow::*)()> commands[] = {
        {ui.mnuStdLabel, &MainWindow::mnuStdLabel_Click},
        {ui.mnuWideLabel, &MainWindow::mnuWideLabel_Click},
        {ui.mnuLargeLabel, &MainWindow::mnuLargeLabel_Click},
        {ui.mnuFileFolder, &MainWindow::mnuFileFolder_Click},
        {ui.mnuRetAddress, &MainWindow::mnuRetAddress_Click},
        {ui.mnuLrgRetAddress, &MainWindow::mnuLrgRetAddress_Click},
        {ui.mnuFileBdayOn, &MainWindow::mnuFileBdayOn_Click},
        {ui.mnuFileBdayOff, &MainWindow::mnuFileBdayOff_Click},
        {ui.mnuFileExit, &MainWindow::mnuFileExit_Click},
        {ui.mnuEdit, &MainWindow::mnuEdit_Click},
        {ui.mnuFind, &MainWindow::mnuFind_Click},
        {ui.mnuDelete, &MainWindow::mnuDelete_Click},
        {ui.mnuSrchContacts, &MainWindow::mnuSrchContacts_Click},
        {ui.mnuExport, &MainWindow::mnuExport_Click},
        {ui.mnuImport, &MainWindow::mnuImport_Click},
        {ui.mnuViewOne, &MainWindow::mnuViewOne_Click},
        {ui.mnuViewAll, &MainWindow::mnuViewAll_Click},
        {ui.mnuHelpAbout, &MainWindow::mnuHelpAbout_Click},
    };
    for (const auto& [action, handler] : commands)
        onTrigger(action, this, [this, handler = handler] { (this->*handler)(); });

    for (int i = 1; i <= 4; ++i)
        widgets::enterMovesOn(line(i));
    setLineFonts();

    // The six Print buttons share one place; only the current mode's one is shown.
    for (const printing::LabelMode& mode : printing::mainWindowModes()) {
        QPushButton* button = printButton(mode.mode);
        if (mode.print)
            connect(button, &QPushButton::clicked, this, [this, &mode] { print(mode); });
        else
            button->setEnabled(false);
    }
    connect(m_ui->cmdFindContact, &QPushButton::clicked, this, [this] { cmdFindContact_Click(); });

    widgets::OptionButton::group({m_ui->optQzLabel, m_ui->optQzEnvelope});
    widgets::OptionButton::group({m_ui->optQzLeftjust, m_ui->optQzCenter});
    widgets::OptionButton::group({m_ui->optPortrait, m_ui->optLandscape});
    connect(m_ui->optQzLabel, &widgets::OptionButton::chosen, this, [this] { optQzLabel_Click(); });
    connect(m_ui->optQzEnvelope, &widgets::OptionButton::chosen, this, [this] { optQzEnvelope_Click(); });
    connect(m_ui->optQzLeftjust, &widgets::OptionButton::chosen, this, [this] { optQzLeftjust_Click(); });
    connect(m_ui->optQzCenter, &widgets::OptionButton::chosen, this, [this] { optQzCenter_Click(); });

    connect(m_ui->chkLblBold, &QCheckBox::toggled, this, [this] { chkLblBold_Click(); });
    connect(m_ui->chkLblItalic, &QCheckBox::toggled, this, [this] { chkLblItalic_Click(); });
    connect(m_ui->chkBold, &QCheckBox::toggled, this, [this] { chkBold_Click(); });

    m_ui->lstEnvSize->setCurrentRow(-1);
    const int rowHeight = m_ui->lstEnvSize->sizeHintForRow(0);
    m_ui->lstEnvSize->setFixedHeight(rowHeight * 6 + 2 * m_ui->lstEnvSize->frameWidth() + 4);
    // A pick is a change of selection (the current row alone also moves when the list
    // merely gets the focus) or a click on the size already picked, which changes nothing
    // but must write its pads again.
    connect(m_ui->lstEnvSize, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = m_ui->lstEnvSize->selectedItems();
        if (!picked.isEmpty())
            lstEnvSize_Click(m_ui->lstEnvSize->row(picked.first()));
    });
    m_ui->lstEnvSize->viewport()->installEventFilter(this);
    connect(m_ui->lstEnvSize, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_ui->lstEnvSize->row(item);
        if (row == m_envSizeBeforePress)
            lstEnvSize_Click(row);
    });
}

std::array<QLineEdit*, 5> MainWindow::lines() const
{
    return {m_ui->txtQzLine1, m_ui->txtQzLine2, m_ui->txtQzline3, m_ui->txtQzLine4, m_ui->txtQzLine5};
}

QLineEdit* MainWindow::line(int number) const
{
    return lines()[static_cast<std::size_t>(number - 1)];
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->lstEnvSize->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QList<QListWidgetItem*> picked = m_ui->lstEnvSize->selectedItems();
        m_envSizeBeforePress = picked.isEmpty() ? -1 : m_ui->lstEnvSize->row(picked.first());
    }
    return widgets::Form::eventFilter(watched, event);
}

void MainWindow::formLoad()
{
    // The home screen.
    m_state.lngLabelMode = printing::number(printing::Mode::Standard);
    showOnlyPrintButton(m_state.lngLabelMode);
    m_ui->lblLabelSize->setText(printing::labelMode(printing::Mode::Standard).caption());
    m_ui->optPortrait->setValue(true);
    m_ui->optQzLeftjust->setValue(true);
    m_ui->txtQzLeftPad->setText(QStringLiteral("2"));
    m_ui->txtQzToppad->setText(QStringLiteral("3"));
    setReminders(false);
    enableContactCommands(false);

    const std::optional<platform::Answer> answer = platform::underCommonTrap(m_services.messages, [&] {
        const QString folder = m_services.appInfo.dataFolder();
        // A file standing where the folder belongs is the classic "Path/File access error"
        // of making a folder, not a path that cannot be found.
        const QFileInfo folderInfo(folder);
        if (folderInfo.exists() && !folderInfo.isDir())
            throw rt::RuntimeError(rt::err::PathFileAccess);
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), ec);
        if (ec)
            throw rt::RuntimeError(rt::errorFromErrno(ec.value()));

        const QString path = QDir(folder).filePath(kContactFileName);
        m_state.openContactFile(path);
        m_ui->txtFileNam->setText(m_state.filePath);
        m_ui->txtFileTitle->setText(m_state.fileTitle);
        enableContactCommands(true);

        bool on = false;
        if (m_state.contactFile.recordCount() >= 1)
            on = m_state.contactFile.read(1).BdayReminder == QStringLiteral("1");
        setReminders(on);
    });
    if (!answer)
        return;
    m_state.closeContactFile();
    m_ui->txtFileNam->clear();
    m_ui->txtFileTitle->clear();
    enableContactCommands(false);
    if (*answer == platform::Answer::Cancel)
        forms().unload(FormId::Main);
}

void MainWindow::enableContactCommands(bool on)
{
    for (QAction* command : {m_ui->mnuEdit, m_ui->mnuFind, m_ui->mnuDelete, m_ui->mnuViewOne})
        command->setEnabled(on);
    m_ui->cmdFindContact->setEnabled(on);
}

void MainWindow::formUnload()
{
    m_state.contactFile.close();
    if (!isMinimized()) {
        const QRect place = geometry();
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                                     QString::number(place.x()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainTop"), QString::number(place.y()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainWidth"),
                                     QString::number(place.width()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainHeight"),
                                     QString::number(place.height()));
    }
}

void MainWindow::showOnlyPrintButton(int mode)
{
    for (const printing::LabelMode& m : printing::mainWindowModes())
        printButton(m.mode)->setVisible(printing::number(m.mode) == mode);
}

// The screen of a stock printed by label position (standard, wide, large, file folder). The
// return-address screen disabled the media options and the label Bold and Italic boxes and
// hid the position; such a stock needs them all back.
void MainWindow::showPositionStock(printing::Mode mode)
{
    m_state.lngLabelMode = printing::number(mode);
    showOnlyPrintButton(m_state.lngLabelMode);
    m_ui->lblLabelSize->setText(printing::labelMode(mode).caption());
    for (widgets::OptionButton* medium : {m_ui->optQzLabel, m_ui->optQzEnvelope}) {
        medium->setVisible(true);
        medium->setEnabled(true);
        medium->setValue(false);
    }
    m_ui->lblQzPosition->setVisible(true);
    m_ui->lblQzPosition->clear();
    m_ui->chkLblBold->setEnabled(true);
    m_ui->chkLblItalic->setEnabled(true);
}

void MainWindow::chooseLabelStock(printing::Mode mode)
{
    showPositionStock(mode);
    m_ui->chkLblBold->setChecked(false);
    m_ui->chkLblItalic->setChecked(false);
}

void MainWindow::mnuStdLabel_Click()
{
    chooseLabelStock(printing::Mode::Standard);
}

void MainWindow::mnuWideLabel_Click()
{
    chooseLabelStock(printing::Mode::Wide);
}

void MainWindow::mnuLargeLabel_Click()
{
    chooseLabelStock(printing::Mode::Large);
}

void MainWindow::mnuFileFolder_Click()
{
    showPositionStock(printing::Mode::FileFolder);
    m_services.messages.messageBox(
        QStringLiteral("Use only Line 1"),
        QStringLiteral("For File Folder labels, enter information on Line 1 only. Leave Lines 2-5 blank."));
}

// The sheet's print command, which runs next, shows its own Print button.
void MainWindow::showReturnAddressScreen(printing::Mode mode)
{
    m_state.lngLabelMode = printing::number(mode);
    m_ui->frQzMediaType->setVisible(true);
    m_ui->optQzLabel->setVisible(true);
    m_ui->optQzEnvelope->setVisible(true);
    m_ui->lblQzPosition->setVisible(false);
    waitForReturnAddressLines();
    for (const printing::LabelMode& other : printing::mainWindowModes()) {
        if (other.mode != mode)
            printButton(other.mode)->setVisible(false);
    }
}

void MainWindow::mnuRetAddress_Click()
{
    showReturnAddressScreen(printing::Mode::ReturnEighty);
    print(printing::labelMode(printing::Mode::ReturnEighty));
}

void MainWindow::mnuLrgRetAddress_Click()
{
    showReturnAddressScreen(printing::Mode::ReturnSixty);
    print(printing::labelMode(printing::Mode::ReturnSixty));
}

void MainWindow::mnuFileExit_Click()
{
    forms().unload(FormId::Main);
}

void MainWindow::optQzLabel_Click()
{
    m_ui->optPortrait->setValue(true);
    m_ui->lblQzPosition->clear();

    const printing::LabelMode* found = printing::labelMode(m_state.lngLabelMode);
    const printing::LabelMode& mode = found ? *found : printing::labelMode(printing::Mode::Standard);
    const int maximum = mode.maximumPosition;
    for (;;) {
        const QString entry = m_services.messages.inputBox(mode.positionPrompt(), kPositionTitle, QStringLiteral("1"));
        const QString cleaned = printing::LabelRange::clean(entry);
        m_vars.strLabelRange = cleaned;
        if (cleaned.isEmpty())
            return;  // Cancel or nothing entered: no position chosen
        if (printing::LabelRange::beyond(cleaned, maximum)) {
            m_services.messages.beep();
            m_services.messages.messageBox(QStringLiteral("Maximum is %1").arg(maximum),
                                           QStringLiteral("Label position cannot exceed %1").arg(maximum));
            continue;
        }
        const std::optional<printing::LabelRange> split = printing::LabelRange::parse(cleaned);
        if (!split) {
            // Split by its length alone, such an entry would end in a failed count or in
            // labels printed at positions nobody wrote; ask again instead.
            m_services.messages.beep();
            m_services.messages.messageBox(QStringLiteral("Incorrect entry"),
                                           QStringLiteral("Enter a label position such as 7, or a range such as 4-9."),
                                           platform::Buttons::Ok, platform::Icon::Exclamation);
            continue;
        }
        m_vars.strStartPos = split->startPos;
        if (!split->endPos.isEmpty())
            m_vars.strEndPos = split->endPos;
        m_vars.intLabelCount = split->count;

        // The standard sheet's pads are its print command's business; the prompt writes
        // those of the stocks whose position tables it shares with their print commands.
        if (const std::optional<printing::StockTables::Sheet> sheet = mode.positionSheet) {
            const bool family = printing::PrinterFamily::shiftsColumns(m_services.printer.deviceName());
            const std::optional<printing::LabelPads> pads =
                printing::StockTables::pads(*sheet, rt::val(split->startPos), m_ui->chkLblBold->isChecked(), family);
            if (pads) {
                m_ui->txtQzLeftPad->setText(pads->left);
                m_ui->txtQzToppad->setText(pads->top);
            }
        }
        m_ui->lblQzPosition->setText(QStringLiteral("Label Position ") + m_vars.strLabelRange);
        m_ui->lblQzPosition->setVisible(true);
        return;
    }
}

void MainWindow::optQzEnvelope_Click()
{
    m_ui->optLandscape->setValue(true);
    m_ui->lblQzPosition->clear();
    m_ui->chkBold->setVisible(true);
}

void MainWindow::setLineAlignment(Qt::Alignment alignment)
{
    for (QLineEdit* line : lines())
        line->setAlignment(alignment);
}

void MainWindow::optQzLeftjust_Click()
{
    setLineAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    line(1)->setFocus();
}

void MainWindow::optQzCenter_Click()
{
    setLineAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    line(1)->setFocus();
}

void MainWindow::focusPrintButtonOfMode()
{
    const printing::LabelMode* mode = printing::labelMode(m_state.lngLabelMode);
    if (mode && mode->byPosition)
        printButton(mode->mode)->setFocus();
}

void MainWindow::chkBold_Click()
{
    focusPrintButtonOfMode();
}

void MainWindow::setLineFonts()
{
    for (QLineEdit* line : lines()) {
        QFont font = line->font();
        font.setPointSize(m_ui->chkLblBold->isChecked() ? 14 : 12);
        font.setItalic(m_ui->chkLblItalic->isChecked());
        line->setFont(font);
    }
}

void MainWindow::chkLblBold_Click()
{
    if (m_ui->optQzLabel->value())
        focusPrintButtonOfMode();
    line(1)->setFocus();
    setLineFonts();
}

void MainWindow::chkLblItalic_Click()
{
    if (m_ui->optQzLabel->value())
        focusPrintButtonOfMode();
    line(1)->setFocus();
    setLineFonts();
}

void MainWindow::lstEnvSize_Click(int row)
{
    const std::optional<printing::EnvelopeSize> size = printing::envelopeSize(row + 1);
    if (!size)
        return;
    m_vars.strEnvSize = QString::number(row + 1);
    m_ui->txtQzLeftPad->setText(QString::fromLatin1(size->leftPad));
    m_ui->txtQzToppad->setText(QString::fromLatin1(size->topPad));
}

void MainWindow::setReminders(bool on)
{
    m_state.remindersOn = on;
    m_ui->mnuFileBdayOn->setEnabled(!on);
    m_ui->mnuFileBdayOff->setEnabled(on);
}

void MainWindow::mnuFileBdayOn_Click()
{
    setReminders(true);
}

void MainWindow::mnuFileBdayOff_Click()
{
    setReminders(false);
}

void MainWindow::showContactInfo()
{
    hideForm();
    forms().get(FormId::ContactInfo).showForm();
}

void MainWindow::cmdFindContact_Click()
{
    showContactInfo();
    if (forms().isLoaded(FormId::ContactInfo))
        forms().contactScreen().focusFindList();
}

void MainWindow::mnuEdit_Click()
{
    showContactInfo();
}

void MainWindow::mnuFind_Click()
{
    showContactInfo();
}

void MainWindow::mnuDelete_Click()
{
    showContactInfo();
}

void MainWindow::mnuViewOne_Click()
{
    showContactInfo();
}

void MainWindow::mnuViewAll_Click()
{
    openSearchWindow();
}

void MainWindow::mnuSrchContacts_Click()
{
    openSearchWindow();
}

void MainWindow::openSearchWindow()
{
    hideForm();
    forms().as<contacts::ViewAllWindow>(FormId::ViewAll).openForSearch();
}

void MainWindow::mnuExport_Click()
{
    hideForm();
    forms().get(FormId::Export).showForm();
}

void MainWindow::mnuImport_Click()
{
    hideForm();
    forms().get(FormId::Import).showForm();
}

void MainWindow::mnuHelpAbout_Click()
{
    widgets::Form& about = forms().get(FormId::About);
    // Over the calling window, which stays as it is.
    const QRect over = frameGeometry();
    about.adjustSize();
    about.move(over.center() - QPoint(about.width() / 2, about.height() / 2));
    about.showForm();
}

printing::LabelInput MainWindow::labelInput() const
{
    printing::LabelInput in;
    for (int i = 1; i <= 5; ++i)
        in.lines[static_cast<std::size_t>(i - 1)] = line(i)->text();
    in.leftPad = m_ui->txtQzLeftPad->text();
    in.topPad = m_ui->txtQzToppad->text();
    in.label = m_ui->optQzLabel->value();
    in.envelope = m_ui->optQzEnvelope->value();
    in.leftJustified = m_ui->optQzLeftjust->value();
    in.centred = m_ui->optQzCenter->value();
    in.portrait = m_ui->optPortrait->value();
    in.labelBold = m_ui->chkLblBold->isChecked();
    in.labelItalic = m_ui->chkLblItalic->isChecked();
    in.envelopeBold = m_ui->chkBold->isChecked();
    in.largeFont = m_ui->chkLargeFont->isChecked();
    in.positionChosen = !m_ui->lblQzPosition->text().isEmpty();
    return in;
}

void MainWindow::setPads(const QString& left, const QString& top)
{
    m_ui->txtQzLeftPad->setText(left);
    m_ui->txtQzToppad->setText(top);
}

bool MainWindow::labelBold() const
{
    return m_ui->chkLblBold->isChecked();
}

bool MainWindow::labelItalic() const
{
    return m_ui->chkLblItalic->isChecked();
}

void MainWindow::untickLabelFont()
{
    // Through the boxes themselves, so that their click steps run as a user's change does.
    m_ui->chkLblBold->setChecked(false);
    m_ui->chkLblItalic->setChecked(false);
}

void MainWindow::clearEnvelopeBold()
{
    m_ui->chkBold->setChecked(false);
    m_ui->chkBold->setVisible(false);
}

QPushButton* MainWindow::printButton(int mode) const
{
    return m_printButtons.at(static_cast<std::size_t>(mode - printing::number(printing::Mode::Standard)));
}

void MainWindow::print(const printing::LabelMode& mode)
{
    const int number = printing::number(mode.mode);
    const auto reread = [this, &mode, number] {
        if (mode.returnAddress)
            showReturnAddressSheet(number);
        return labelInput();
    };
    const auto show = [this](const printing::LabelJobResult& sofar) { showJobState(sofar); };
    apply(mode.print({m_services, *m_dlgCommonDialog, labelInput(), m_vars, reread, show}), number);
}

void MainWindow::showJobState(const printing::LabelJobResult& result)
{
    m_vars = result.vars;
    if (result.pads)
        setPads(result.pads->left, result.pads->top);
    if (result.envelopeBoldCleared)
        clearEnvelopeBold();
}

// In the order the command made its changes: each runs the handlers a user's change runs.
void MainWindow::apply(const printing::LabelJobResult& result, int mode)
{
    showJobState(result);
    if (result.focusLine > 0)
        line(result.focusLine)->setFocus();
    if (result.waitForReturnAddressLines)
        waitForReturnAddressLines();
    if (result.standardScreen)
        restoreStandardScreen(mode);
}

int MainWindow::otherReturnAddressMode(int mode)
{
    using printing::Mode;
    return printing::number(mode == printing::number(Mode::ReturnSixty) ? Mode::ReturnEighty : Mode::ReturnSixty);
}

void MainWindow::showReturnAddressSheet(int mode)
{
    m_ui->lblLabelSize->setText(printing::labelSizeCaption(mode));
    printButton(mode)->setVisible(true);
    printButton(printing::Mode::Standard)->setVisible(false);
    printButton(otherReturnAddressMode(mode))->setVisible(false);
    printButton(printing::Mode::FileFolder)->setVisible(false);
    printButton(printing::Mode::Wide)->setVisible(false);
}

void MainWindow::waitForReturnAddressLines()
{
    m_ui->optQzLabel->setEnabled(false);
    m_ui->optQzEnvelope->setEnabled(false);
    m_ui->chkLblBold->setChecked(false);
    m_ui->chkLblBold->setEnabled(false);
    m_ui->chkLblItalic->setChecked(false);
    m_ui->chkLblItalic->setEnabled(false);
}

// Each step runs the handler it runs on the form: the order is the one the user sees.
void MainWindow::restoreStandardScreen(int returnAddressMode)
{
    m_ui->lblLabelSize->setText(printing::labelMode(printing::Mode::Standard).caption());
    printButton(returnAddressMode)->setVisible(false);
    printButton(otherReturnAddressMode(returnAddressMode))->setVisible(false);
    printButton(printing::Mode::Standard)->setVisible(true);
    printButton(printing::Mode::Wide)->setVisible(false);
    printButton(printing::Mode::FileFolder)->setVisible(false);
    m_ui->optQzLabel->setEnabled(true);
    m_ui->optQzEnvelope->setEnabled(true);
    m_ui->chkLblBold->setEnabled(true);
    m_ui->chkLblBold->setChecked(false);
    m_ui->chkLblItalic->setEnabled(true);
    m_ui->chkLblItalic->setChecked(false);
    m_ui->optQzCenter->setValue(false);
    m_ui->optQzLeftjust->setValue(true);
}

void MainWindow::showForLabelLines()
{
    showForm();
    line(1)->setFocus();
    clearEnvelopeBold();
}

void MainWindow::showAtLabelLines()
{
    showForm();
    line(1)->setFocus();
}

void MainWindow::setLabelLine(int line, const QString& text)
{
    this->line(line)->setText(text);
}

void MainWindow::showLabelMode(int mode)
{
    if (mode < 1 || mode > 6)
        return;
    showOnlyPrintButton(mode);
    m_ui->lblLabelSize->setText(printing::labelSizeCaption(mode));
    // A return-address sheet's screen comes back as its File menu command shows it, whatever
    // screen its command last left: the label options wait for its lines.
    if (printing::labelMode(mode)->returnAddress)
        showReturnAddressScreen(printing::Mode(mode));
}

}  // namespace app
