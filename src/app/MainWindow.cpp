#include "app/MainWindow.h"
#include "app/WindowSet.h"

#include "contacts/ui/ViewAllWindow.h"

#include "contacts/ContactRecord.h"
#include "widgets/Controls.h"
#include "platform/ErrorTraps.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/LabelCommands.h"
#include "printing/LabelModes.h"
#include "printing/LabelRange.h"
#include "printing/PrinterFamily.h"
#include "printing/StockTables.h"
#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"

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

struct EnvelopeSize {
    const char* leftPad;
    const char* topPad;
};

// The pads of the sizes in the order of the form's list: strEnvSize is the place in it, from 1.
const EnvelopeSize kEnvelopeSizes[6] = {
    {"50", "31"}, {"33", "32"}, {"28", "30"}, {"38", "30"}, {"40", "28"}, {"45", "27"},
};

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
    m_mnuFileBdayOn = ui.mnuFileBdayOn;
    m_mnuFileBdayOff = ui.mnuFileBdayOff;
    m_contactCommands[0] = ui.mnuEdit;
    m_contactCommands[1] = ui.mnuFind;
    m_contactCommands[2] = ui.mnuDelete;
    m_contactCommands[3] = ui.mnuViewOne;

    m_lblLabelSize = ui.lblLabelSize;
    m_lines[0] = ui.txtQzLine1;
    m_lines[1] = ui.txtQzLine2;
    m_lines[2] = ui.txtQzline3;
    m_lines[3] = ui.txtQzLine4;
    m_lines[4] = ui.txtQzLine5;
    for (int i = 0; i < 4; ++i)
        widgets::enterMovesOn(m_lines[i]);
    setLineFonts();
    m_txtQzLeftPad = ui.txtQzLeftPad;
    m_txtQzToppad = ui.txtQzToppad;
    m_lblQzPosition = ui.lblQzPosition;
    m_txtFileNam = ui.txtFileNam;
    m_txtFileTitle = ui.txtFileTitle;

    // The six Print buttons share one place; only the current mode's one is shown.
    using PrintCommand = void (*)(const platform::Services&, printing::LabelScreen&);
    // The standard-label and envelope print routine of the home screen is not part of
    // this program yet: its button stays disabled.
    const std::pair<QPushButton*, PrintCommand> prints[6] = {
        {ui.cmdQzStart, nullptr},
        {ui.cmdWideLabel, printing::cmdWideLabel_Click},
        {ui.cmdLargeLabel, printing::cmdLargeLabel_Click},
        {ui.cmdLrgRetAddress, printing::cmdLrgRetAddress_Click},
        {ui.cmdRetAddress, printing::cmdRetAddress_Click},
        {ui.cmdFileFolderStart, printing::cmdFileFolderStart_Click},
    };
    for (int mode = 1; mode <= 6; ++mode) {
        const auto& [button, command] = prints[mode - 1];
        m_printButtons[mode - 1] = button;
        if (command)
            connect(button, &QPushButton::clicked, this, [this, command = command] { command(m_services, *this); });
        else
            button->setEnabled(false);
    }
    m_cmdFindContact = ui.cmdFindContact;
    connect(m_cmdFindContact, &QPushButton::clicked, this, [this] { cmdFindContact_Click(); });

    m_frQzMediaType = ui.frQzMediaType;
    m_optQzLabel = ui.optQzLabel;
    m_optQzEnvelope = ui.optQzEnvelope;
    m_optQzLeftjust = ui.optQzLeftjust;
    m_optQzCenter = ui.optQzCenter;
    m_optPortrait = ui.optPortrait;
    m_optLandscape = ui.optLandscape;
    widgets::OptionButton::group({m_optQzLabel, m_optQzEnvelope});
    widgets::OptionButton::group({m_optQzLeftjust, m_optQzCenter});
    widgets::OptionButton::group({m_optPortrait, m_optLandscape});
    connect(m_optQzLabel, &widgets::OptionButton::chosen, this, [this] { optQzLabel_Click(); });
    connect(m_optQzEnvelope, &widgets::OptionButton::chosen, this, [this] { optQzEnvelope_Click(); });
    connect(m_optQzLeftjust, &widgets::OptionButton::chosen, this, [this] { optQzLeftjust_Click(); });
    connect(m_optQzCenter, &widgets::OptionButton::chosen, this, [this] { optQzCenter_Click(); });

    m_chkLblBold = ui.chkLblBold;
    m_chkLblItalic = ui.chkLblItalic;
    m_chkBold = ui.chkBold;
    m_chkLargeFont = ui.chkLargeFont;
    connect(m_chkLblBold, &QCheckBox::toggled, this, [this] { chkLblBold_Click(); });
    connect(m_chkLblItalic, &QCheckBox::toggled, this, [this] { chkLblItalic_Click(); });
    connect(m_chkBold, &QCheckBox::toggled, this, [this] { chkBold_Click(); });

    m_lstEnvSize = ui.lstEnvSize;
    m_lstEnvSize->setCurrentRow(-1);
    const int rowHeight = m_lstEnvSize->sizeHintForRow(0);
    m_lstEnvSize->setFixedHeight(rowHeight * 6 + 2 * m_lstEnvSize->frameWidth() + 4);
    // A pick is a change of selection (the current row alone also moves when the list
    // merely gets the focus) or a click on the size already picked, which changes nothing
    // but must write its pads again.
    connect(m_lstEnvSize, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = m_lstEnvSize->selectedItems();
        if (!picked.isEmpty())
            lstEnvSize_Click(m_lstEnvSize->row(picked.first()));
    });
    m_lstEnvSize->viewport()->installEventFilter(this);
    connect(m_lstEnvSize, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_lstEnvSize->row(item);
        if (row == m_envSizeBeforePress)
            lstEnvSize_Click(row);
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_lstEnvSize && watched == m_lstEnvSize->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QList<QListWidgetItem*> picked = m_lstEnvSize->selectedItems();
        m_envSizeBeforePress = picked.isEmpty() ? -1 : m_lstEnvSize->row(picked.first());
    }
    return widgets::Form::eventFilter(watched, event);
}


void MainWindow::formLoad()
{
    // The home screen.
    m_state.lngLabelMode = 1;
    showOnlyPrintButton(1);
    m_lblLabelSize->setText(printing::labelSizeCaption(1));
    m_optPortrait->setValue(true);
    m_optQzLeftjust->setValue(true);
    m_txtQzLeftPad->setText(QStringLiteral("2"));
    m_txtQzToppad->setText(QStringLiteral("3"));
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
        m_txtFileNam->setText(m_state.filePath);
        m_txtFileTitle->setText(m_state.fileTitle);
        enableContactCommands(true);

        bool on = false;
        if (m_state.contactFile.recordCount() >= 1)
            on = m_state.contactFile.read(1).BdayReminder == QStringLiteral("1");
        setReminders(on);
    });
    if (!answer)
        return;
    m_state.closeContactFile();
    m_txtFileNam->clear();
    m_txtFileTitle->clear();
    enableContactCommands(false);
    if (*answer == platform::Answer::Cancel)
        forms().unload(FormId::Main);
}

void MainWindow::enableContactCommands(bool on)
{
    for (QAction* command : m_contactCommands)
        command->setEnabled(on);
    m_cmdFindContact->setEnabled(on);
}

void MainWindow::formUnload()
{
    m_state.contactFile.close();
    if (!isMinimized()) {
        const QRect place = geometry();
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QString::number(place.x()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainTop"), QString::number(place.y()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainWidth"),
                                      QString::number(place.width()));
        m_services.settings.setValue(QStringLiteral("Settings"), QStringLiteral("MainHeight"),
                                      QString::number(place.height()));
    }
}

void MainWindow::showOnlyPrintButton(int mode)
{
    for (int m = 1; m <= 6; ++m)
        m_printButtons[m - 1]->setVisible(m == mode);
}

// The screen of a stock printed by label position (standard, wide, large, file folder). The
// return-address screen disabled the media options and the label Bold and Italic boxes and
// hid the position; such a stock needs them all back.
void MainWindow::showPositionStock(int mode)
{
    m_state.lngLabelMode = mode;
    showOnlyPrintButton(mode);
    m_lblLabelSize->setText(printing::labelSizeCaption(mode));
    for (widgets::OptionButton* medium : {m_optQzLabel, m_optQzEnvelope}) {
        medium->setVisible(true);
        medium->setEnabled(true);
        medium->setValue(false);
    }
    m_lblQzPosition->setVisible(true);
    m_lblQzPosition->clear();
    m_chkLblBold->setEnabled(true);
    m_chkLblItalic->setEnabled(true);
}

void MainWindow::chooseLabelStock(int mode)
{
    showPositionStock(mode);
    m_chkLblBold->setChecked(false);
    m_chkLblItalic->setChecked(false);
}

void MainWindow::mnuStdLabel_Click()
{
    chooseLabelStock(1);
}

void MainWindow::mnuWideLabel_Click()
{
    chooseLabelStock(2);
}

void MainWindow::mnuLargeLabel_Click()
{
    chooseLabelStock(3);
}

void MainWindow::mnuFileFolder_Click()
{
    showPositionStock(6);
    m_services.messages.messageBox(
        QStringLiteral("Use only Line 1"),
        QStringLiteral("For File Folder labels, enter information on Line 1 only. Leave Lines 2-5 blank."));
}

// Mode 4 or 5; the sheet's print command, which runs next, shows its own Print button.
void MainWindow::showReturnAddressScreen(int mode)
{
    m_state.lngLabelMode = mode;
    m_frQzMediaType->setVisible(true);
    m_optQzLabel->setVisible(true);
    m_optQzEnvelope->setVisible(true);
    m_lblQzPosition->setVisible(false);
    waitForReturnAddressLines();
    for (int other = 1; other <= 6; ++other) {
        if (other != mode)
            m_printButtons[other - 1]->setVisible(false);
    }
}

void MainWindow::mnuRetAddress_Click()
{
    showReturnAddressScreen(5);
    printing::cmdRetAddress_Click(m_services, *this);
}

void MainWindow::mnuLrgRetAddress_Click()
{
    showReturnAddressScreen(4);
    printing::cmdLrgRetAddress_Click(m_services, *this);
}

void MainWindow::mnuFileExit_Click()
{
    forms().unload(FormId::Main);
}

void MainWindow::optQzLabel_Click()
{
    m_optPortrait->setValue(true);
    m_lblQzPosition->clear();

    const printing::LabelMode* found = printing::labelMode(m_state.lngLabelMode);
    const printing::LabelMode& mode = found ? *found : *printing::labelMode(printing::kStandardMode);
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
            const bool family =
                printing::PrinterFamily::shiftsColumns(m_services.printer.deviceName());
            const std::optional<printing::LabelPads> pads =
                printing::StockTables::pads(*sheet, rt::val(split->startPos), m_chkLblBold->isChecked(), family);
            if (pads) {
                m_txtQzLeftPad->setText(pads->left);
                m_txtQzToppad->setText(pads->top);
            }
        }
        m_lblQzPosition->setText(QStringLiteral("Label Position ") + m_vars.strLabelRange);
        m_lblQzPosition->setVisible(true);
        return;
    }
}

void MainWindow::optQzEnvelope_Click()
{
    m_optLandscape->setValue(true);
    m_lblQzPosition->clear();
    m_chkBold->setVisible(true);
}

void MainWindow::setLineAlignment(Qt::Alignment alignment)
{
    for (QLineEdit* line : m_lines)
        line->setAlignment(alignment);
}

void MainWindow::optQzLeftjust_Click()
{
    setLineAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lines[0]->setFocus();
}

void MainWindow::optQzCenter_Click()
{
    setLineAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_lines[0]->setFocus();
}

void MainWindow::focusPrintButtonOfMode()
{
    const int mode = m_state.lngLabelMode;
    if (mode == 1 || mode == 2 || mode == 3 || mode == 6)
        m_printButtons[mode - 1]->setFocus();
}

void MainWindow::chkBold_Click()
{
    focusPrintButtonOfMode();
}

void MainWindow::setLineFonts()
{
    for (QLineEdit* line : m_lines) {
        QFont font = line->font();
        font.setPointSize(m_chkLblBold && m_chkLblBold->isChecked() ? 14 : 12);
        font.setItalic(m_chkLblItalic && m_chkLblItalic->isChecked());
        line->setFont(font);
    }
}

void MainWindow::chkLblBold_Click()
{
    if (m_optQzLabel->value())
        focusPrintButtonOfMode();
    m_lines[0]->setFocus();
    setLineFonts();
}

void MainWindow::chkLblItalic_Click()
{
    if (m_optQzLabel->value())
        focusPrintButtonOfMode();
    m_lines[0]->setFocus();
    setLineFonts();
}

void MainWindow::lstEnvSize_Click(int row)
{
    if (row < 0 || row >= 6)
        return;
    const EnvelopeSize& size = kEnvelopeSizes[row];
    m_vars.strEnvSize = QString::number(row + 1);
    m_txtQzLeftPad->setText(QString::fromLatin1(size.leftPad));
    m_txtQzToppad->setText(QString::fromLatin1(size.topPad));
}

void MainWindow::setReminders(bool on)
{
    m_state.remindersOn = on;
    m_mnuFileBdayOn->setEnabled(!on);
    m_mnuFileBdayOff->setEnabled(on);
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
    for (int i = 0; i < 5; ++i)
        in.lines[static_cast<std::size_t>(i)] = m_lines[i]->text();
    in.leftPad = m_txtQzLeftPad->text();
    in.topPad = m_txtQzToppad->text();
    in.label = m_optQzLabel->value();
    in.envelope = m_optQzEnvelope->value();
    in.leftJustified = m_optQzLeftjust->value();
    in.centred = m_optQzCenter->value();
    in.portrait = m_optPortrait->value();
    in.labelBold = m_chkLblBold->isChecked();
    in.labelItalic = m_chkLblItalic->isChecked();
    in.envelopeBold = m_chkBold->isChecked();
    in.largeFont = m_chkLargeFont->isChecked();
    in.positionChosen = !m_lblQzPosition->text().isEmpty();
    return in;
}

void MainWindow::setPads(const QString& left, const QString& top)
{
    m_txtQzLeftPad->setText(left);
    m_txtQzToppad->setText(top);
}

bool MainWindow::labelBold() const
{
    return m_chkLblBold->isChecked();
}

bool MainWindow::labelItalic() const
{
    return m_chkLblItalic->isChecked();
}

void MainWindow::untickLabelFont()
{
    // Through the boxes themselves, so that their click steps run as a user's change does.
    m_chkLblBold->setChecked(false);
    m_chkLblItalic->setChecked(false);
}

void MainWindow::clearEnvelopeBold()
{
    m_chkBold->setChecked(false);
    m_chkBold->setVisible(false);
}

QPushButton* MainWindow::printButton(int mode) const
{
    return m_printButtons[mode - 1];
}

int MainWindow::otherReturnAddressMode(int mode)
{
    return mode == 4 ? 5 : 4;
}

void MainWindow::showReturnAddressSheet(int mode)
{
    m_lblLabelSize->setText(printing::labelSizeCaption(mode));
    printButton(mode)->setVisible(true);
    printButton(printing::kStandardMode)->setVisible(false);
    printButton(otherReturnAddressMode(mode))->setVisible(false);
    printButton(printing::kFileFolderMode)->setVisible(false);
    printButton(2)->setVisible(false);
}

void MainWindow::waitForReturnAddressLines()
{
    m_optQzLabel->setEnabled(false);
    m_optQzEnvelope->setEnabled(false);
    m_chkLblBold->setChecked(false);
    m_chkLblBold->setEnabled(false);
    m_chkLblItalic->setChecked(false);
    m_chkLblItalic->setEnabled(false);
}

void MainWindow::focusLine(int line)
{
    m_lines[line - 1]->setFocus();
}

// Each step runs the handler it runs on the form: the order is the one the user sees.
void MainWindow::restoreStandardScreen(int returnAddressMode)
{
    m_lblLabelSize->setText(printing::labelSizeCaption(printing::kStandardMode));
    printButton(returnAddressMode)->setVisible(false);
    printButton(otherReturnAddressMode(returnAddressMode))->setVisible(false);
    printButton(printing::kStandardMode)->setVisible(true);
    printButton(2)->setVisible(false);
    printButton(printing::kFileFolderMode)->setVisible(false);
    m_optQzLabel->setEnabled(true);
    m_optQzEnvelope->setEnabled(true);
    m_chkLblBold->setEnabled(true);
    m_chkLblBold->setChecked(false);
    m_chkLblItalic->setEnabled(true);
    m_chkLblItalic->setChecked(false);
    m_optQzCenter->setValue(false);
    m_optQzLeftjust->setValue(true);
}

void MainWindow::showForLabelLines()
{
    showForm();
    m_lines[0]->setFocus();
    clearEnvelopeBold();
}

void MainWindow::showAtLabelLines()
{
    showForm();
    m_lines[0]->setFocus();
}

QString MainWindow::labelLine(int line) const
{
    return m_lines[line - 1]->text();
}

void MainWindow::setLabelLine(int line, const QString& text)
{
    m_lines[line - 1]->setText(text);
}

void MainWindow::showLabelMode(int mode)
{
    if (mode < 1 || mode > 6)
        return;
    showOnlyPrintButton(mode);
    m_lblLabelSize->setText(printing::labelSizeCaption(mode));
}

}  // namespace app
