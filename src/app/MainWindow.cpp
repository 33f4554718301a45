#include "app/MainWindow.h"

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

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace app {

namespace {

using widgets::FormId;

const char* const kLineNames[5] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};

const QString kContactFileName = QStringLiteral("QVL_Contacts.DAT");
const QString kPositionTitle = QStringLiteral("Label position reading L to R");

struct EnvelopeSize {
    const char* caption;
    const char* leftPad;
    const char* topPad;
};

// In list order: strEnvSize is the place in this list, from 1.
const EnvelopeSize kEnvelopeSizes[6] = {
    {"#10 Business 4 1/8 x 9 1/2", "50", "31"}, {"#6 3/4 Personal 3 5/8 x 6 1/2", "33", "32"},
    {"A2 4 3/8 x 5 3/4", "28", "30"},           {"#9 3 7/8 x 8 7/8", "38", "30"},
    {"A7 5 1/4 x 7 1/4", "40", "28"},           {"#A10 Greeting card 6 x 9 1/2", "45", "27"},
};

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* makeLineEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

template <class Handler>
QAction* addCommand(QMenu* menu, const QString& name, const QString& caption, QObject* owner, Handler handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, handler);
    return action;
}

// A frame holding two option buttons of which at most one is chosen.
QGroupBox* optionPair(const QString& frameName, const QString& title, widgets::OptionButton*& first,
                      const QString& firstName, const QString& firstCaption, widgets::OptionButton*& second,
                      const QString& secondName, const QString& secondCaption, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(frameName);
    auto* layout = new QVBoxLayout(frame);
    first = new widgets::OptionButton(firstName, firstCaption, frame);
    second = new widgets::OptionButton(secondName, secondCaption, frame);
    widgets::OptionButton::group({first, second});
    layout->addWidget(first);
    layout->addWidget(second);
    return frame;
}

}  // namespace

MainWindow::MainWindow(widgets::Forms& forms, const platform::Services& services, session::Session& state,
                       QWidget* parent)
    : widgets::Form(FormId::Main, forms, parent), m_services(services), m_state(state)
{
    setObjectName(QStringLiteral("frmQuorvel"));
    setWindowTitle(m_services.appInfo.title());
    m_dlgCommonDialog = m_services.printDialogs.create();
    buildMenus();
    buildControls();
    setTabOrder();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const std::pair<int, void (MainWindow::*)()> stockCommands[] = {
        {1, &MainWindow::mnuStdLabel_Click},   {2, &MainWindow::mnuWideLabel_Click},
        {3, &MainWindow::mnuLargeLabel_Click}, {6, &MainWindow::mnuFileFolder_Click},
        {5, &MainWindow::mnuRetAddress_Click}, {4, &MainWindow::mnuLrgRetAddress_Click},
    };
    for (const auto& [mode, handler] : stockCommands) {
        const printing::LabelMode& row = *printing::labelMode(mode);
        addCommand(file, QString::fromLatin1(row.menuName), QString::fromUtf8(row.menuCaption), this,
                   [this, handler] { (this->*handler)(); });
    }
    file->addSeparator();
    m_mnuFileBdayOn = addCommand(file, QStringLiteral("mnuFileBdayOn"), QStringLiteral("Enable Birthday Reminders"),
                                 this, [this] { mnuFileBdayOn_Click(); });
    m_mnuFileBdayOff = addCommand(file, QStringLiteral("mnuFileBdayOff"), QStringLiteral("Disable Birthday Reminders"),
                                  this, [this] { mnuFileBdayOff_Click(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("mnuFileExit"), QStringLiteral("Exit"), this, [this] { mnuFileExit_Click(); });

    QMenu* contactsMenu = menuBar()->addMenu(QStringLiteral("&Contacts"));
    contactsMenu->setObjectName(QStringLiteral("mnuContacts"));
    m_contactCommands[0] = addCommand(contactsMenu, QStringLiteral("mnuEdit"), QStringLiteral("Edit Contact"), this,
                                      [this] { mnuEdit_Click(); });
    m_contactCommands[1] = addCommand(contactsMenu, QStringLiteral("mnuFind"), QStringLiteral("Find Contact"), this,
                                      [this] { mnuFind_Click(); });
    m_contactCommands[2] = addCommand(contactsMenu, QStringLiteral("mnuDelete"), QStringLiteral("Delete Contact"),
                                      this, [this] { mnuDelete_Click(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_contactCommands[3] = addCommand(view, QStringLiteral("mnuViewOne"), QStringLiteral("One Contact"), this,
                                      [this] { mnuViewOne_Click(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("About Quorvel"), this,
               [this] { mnuHelpAbout_Click(); });
}

void MainWindow::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);

    m_lblLabelSize = widgets::plainLabel(QStringLiteral("lblLabelSize"), QString(), central);
    QFont sizeFont = m_lblLabelSize->font();
    sizeFont.setPointSize(sizeFont.pointSize() + 4);
    sizeFont.setBold(true);
    m_lblLabelSize->setFont(sizeFont);
    outer->addWidget(m_lblLabelSize);

    auto* body = new QHBoxLayout;
    outer->addLayout(body);

    // Left: the label lines, the pads and the chosen position.
    auto* left = new QVBoxLayout;
    body->addLayout(left, 3);
    auto* linesBox = new QGroupBox(QStringLiteral("Label lines"), central);
    linesBox->setObjectName(QStringLiteral("frLines"));
    auto* linesGrid = new QGridLayout(linesBox);
    for (int i = 0; i < 5; ++i) {
        QLineEdit* line = makeLineEdit(QString::fromLatin1(kLineNames[i]), linesBox);
        line->setMinimumWidth(440);
        m_lines[i] = line;
        if (i < 4)
            widgets::enterMovesOn(line);
        QLabel* caption =
            widgets::plainLabel(QStringLiteral("lblLine%1").arg(i + 1), QStringLiteral("Line %1:").arg(i + 1), linesBox);
        caption->setBuddy(line);
        linesGrid->addWidget(caption, i, 0);
        linesGrid->addWidget(line, i, 1);
    }
    left->addWidget(linesBox);
    setLineFonts();

    auto* padRow = new QHBoxLayout;
    m_txtQzLeftPad = makeLineEdit(QStringLiteral("txtQzLeftPad"), central);
    m_txtQzToppad = makeLineEdit(QStringLiteral("txtQzToppad"), central);
    for (QLineEdit* pad : {m_txtQzLeftPad, m_txtQzToppad}) {
        pad->setMaximumWidth(60);
        pad->setAlignment(Qt::AlignRight);
    }
    QLabel* leftPadCaption = widgets::plainLabel(QStringLiteral("lblLeftPad"), QStringLiteral("Left pad:"), central);
    leftPadCaption->setBuddy(m_txtQzLeftPad);
    QLabel* topPadCaption = widgets::plainLabel(QStringLiteral("lblTopPad"), QStringLiteral("Top pad:"), central);
    topPadCaption->setBuddy(m_txtQzToppad);
    padRow->addWidget(leftPadCaption);
    padRow->addWidget(m_txtQzLeftPad);
    padRow->addSpacing(16);
    padRow->addWidget(topPadCaption);
    padRow->addWidget(m_txtQzToppad);
    padRow->addSpacing(24);
    m_lblQzPosition = widgets::plainLabel(QStringLiteral("lblQzPosition"), QString(), central);
    QFont positionFont = m_lblQzPosition->font();
    positionFont.setBold(true);
    m_lblQzPosition->setFont(positionFont);
    padRow->addWidget(m_lblQzPosition, 1);
    left->addLayout(padRow);

    // The six Print buttons share one place; only the current mode's one is shown.
    auto* printRow = new QHBoxLayout;
    auto* printPlace = new QGridLayout;
    using PrintCommand = void (*)(const platform::Services&, printing::LabelScreen&);
    // The standard-label and envelope print routine of the home screen is not part of
    // this program yet: its button stays disabled.
    const PrintCommand commands[6] = {nullptr,
                                      printing::cmdWideLabel_Click,
                                      printing::cmdLargeLabel_Click,
                                      printing::cmdLrgRetAddress_Click,
                                      printing::cmdRetAddress_Click,
                                      printing::cmdFileFolderStart_Click};
    for (int mode = 1; mode <= 6; ++mode) {
        QPushButton* button = makeButton(printing::labelMode(mode)->printButtonName(), QStringLiteral("Print"), central);
        button->setMinimumSize(120, 36);
        m_printButtons[mode - 1] = button;
        printPlace->addWidget(button, 0, 0);
        if (const PrintCommand command = commands[mode - 1])
            connect(button, &QPushButton::clicked, this, [this, command] { command(m_services, *this); });
        else
            button->setEnabled(false);
    }
    printRow->addLayout(printPlace);
    printRow->addStretch(1);
    m_cmdFindContact = makeButton(QStringLiteral("cmdFindContact"), QStringLiteral("Find Contact"), central);
    m_cmdFindContact->setMinimumHeight(36);
    connect(m_cmdFindContact, &QPushButton::clicked, this, [this] { cmdFindContact_Click(); });
    printRow->addWidget(m_cmdFindContact);
    left->addStretch(1);
    left->addLayout(printRow);

    // Right: the options.
    auto* right = new QVBoxLayout;
    body->addLayout(right, 2);

    m_frQzMediaType = optionPair(QStringLiteral("frQzMediaType"), QStringLiteral("Media"), m_optQzLabel,
                                 QStringLiteral("optQzLabel"), QStringLiteral("Label stock"), m_optQzEnvelope,
                                 QStringLiteral("optQzEnvelope"), QStringLiteral("Envelope"), central);
    connect(m_optQzLabel, &widgets::OptionButton::chosen, this, [this] { optQzLabel_Click(); });
    connect(m_optQzEnvelope, &widgets::OptionButton::chosen, this, [this] { optQzEnvelope_Click(); });

    QGroupBox* alignBox = optionPair(QStringLiteral("frAlignment"), QStringLiteral("Alignment"), m_optQzLeftjust,
                                     QStringLiteral("optQzLeftjust"), QStringLiteral("Left-Justified"), m_optQzCenter,
                                     QStringLiteral("optQzCenter"), QStringLiteral("Centered"), central);
    connect(m_optQzLeftjust, &widgets::OptionButton::chosen, this, [this] { optQzLeftjust_Click(); });
    connect(m_optQzCenter, &widgets::OptionButton::chosen, this, [this] { optQzCenter_Click(); });

    QGroupBox* orientBox = optionPair(QStringLiteral("frOrientation"), QStringLiteral("Orientation"), m_optPortrait,
                                      QStringLiteral("optPortrait"), QStringLiteral("Portrait"), m_optLandscape,
                                      QStringLiteral("optLandscape"), QStringLiteral("Landscape"), central);

    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(m_frQzMediaType);
    firstRow->addWidget(alignBox);
    right->addLayout(firstRow);

    auto* labelTextBox = new QGroupBox(QStringLiteral("Label text"), central);
    labelTextBox->setObjectName(QStringLiteral("frLabelText"));
    auto* labelTextLayout = new QVBoxLayout(labelTextBox);
    m_chkLblBold = makeCheckBox(QStringLiteral("chkLblBold"), QStringLiteral("Bold"), labelTextBox);
    m_chkLblItalic = makeCheckBox(QStringLiteral("chkLblItalic"), QStringLiteral("Italic"), labelTextBox);
    labelTextLayout->addWidget(m_chkLblBold);
    labelTextLayout->addWidget(m_chkLblItalic);
    connect(m_chkLblBold, &QCheckBox::toggled, this, [this] { chkLblBold_Click(); });
    connect(m_chkLblItalic, &QCheckBox::toggled, this, [this] { chkLblItalic_Click(); });

    auto* secondRow = new QHBoxLayout;
    secondRow->addWidget(orientBox);
    secondRow->addWidget(labelTextBox);
    right->addLayout(secondRow);

    auto* envelopeBox = new QGroupBox(QStringLiteral("Envelope"), central);
    envelopeBox->setObjectName(QStringLiteral("frEnvelope"));
    auto* envelopeLayout = new QVBoxLayout(envelopeBox);
    m_lstEnvSize = new QListWidget(envelopeBox);
    m_lstEnvSize->setObjectName(QStringLiteral("lstEnvSize"));
    for (const EnvelopeSize& size : kEnvelopeSizes)
        m_lstEnvSize->addItem(QString::fromLatin1(size.caption));
    m_lstEnvSize->setCurrentRow(-1);
    const int rowHeight = m_lstEnvSize->sizeHintForRow(0);
    m_lstEnvSize->setFixedHeight(rowHeight * 6 + 2 * m_lstEnvSize->frameWidth() + 4);
    // A pick is a change of selection: the current row alone also moves when the list
    // merely gets the focus.
    connect(m_lstEnvSize, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = m_lstEnvSize->selectedItems();
        if (!picked.isEmpty())
            lstEnvSize_Click(m_lstEnvSize->row(picked.first()));
    });
    envelopeLayout->addWidget(m_lstEnvSize);
    auto* envelopeChecks = new QHBoxLayout;
    m_chkBold = makeCheckBox(QStringLiteral("chkBold"), QStringLiteral("Bold"), envelopeBox);
    m_chkBold->setToolTip(QStringLiteral("If checked, will print envelope in bold"));
    m_chkLargeFont = makeCheckBox(QStringLiteral("chkLargeFont"), QStringLiteral("Large Font"), envelopeBox);
    envelopeChecks->addWidget(m_chkBold);
    envelopeChecks->addWidget(m_chkLargeFont);
    envelopeChecks->addStretch(1);
    envelopeLayout->addLayout(envelopeChecks);
    connect(m_chkBold, &QCheckBox::toggled, this, [this] { chkBold_Click(); });
    right->addWidget(envelopeBox);
    right->addStretch(1);

    // Bottom: the open contact file.
    auto* fileBox = new QGroupBox(QStringLiteral("Contact file"), central);
    fileBox->setObjectName(QStringLiteral("frContactFile"));
    auto* fileGrid = new QGridLayout(fileBox);
    m_txtFileNam = makeLineEdit(QStringLiteral("txtFileNam"), fileBox);
    m_txtFileTitle = makeLineEdit(QStringLiteral("txtFileTitle"), fileBox);
    m_txtFileNam->setReadOnly(true);
    m_txtFileTitle->setReadOnly(true);
    QLabel* pathCaption = widgets::plainLabel(QStringLiteral("lblFileNam"), QStringLiteral("Path:"), fileBox);
    pathCaption->setBuddy(m_txtFileNam);
    QLabel* titleCaption = widgets::plainLabel(QStringLiteral("lblFileTitle"), QStringLiteral("Name:"), fileBox);
    titleCaption->setBuddy(m_txtFileTitle);
    fileGrid->addWidget(pathCaption, 0, 0);
    fileGrid->addWidget(m_txtFileNam, 0, 1);
    fileGrid->addWidget(titleCaption, 0, 2);
    fileGrid->addWidget(m_txtFileTitle, 0, 3);
    fileGrid->setColumnStretch(1, 3);
    fileGrid->setColumnStretch(3, 1);
    outer->addWidget(fileBox);
}

void MainWindow::setTabOrder()
{
    std::vector<QWidget*> order;
    for (QLineEdit* line : m_lines)
        order.push_back(line);
    order.insert(order.end(), {m_optQzLabel, m_optQzEnvelope, m_optQzLeftjust, m_optQzCenter, m_optPortrait,
                               m_optLandscape, m_chkLblBold, m_chkLblItalic, m_lstEnvSize, m_chkBold, m_chkLargeFont,
                               m_txtQzLeftPad, m_txtQzToppad});
    for (QPushButton* button : m_printButtons)
        order.push_back(button);
    order.insert(order.end(), {m_cmdFindContact, m_txtFileNam, m_txtFileTitle});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
    for (QAction* command : m_contactCommands)
        command->setEnabled(false);
    m_cmdFindContact->setEnabled(false);

    try {
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
        for (QAction* command : m_contactCommands)
            command->setEnabled(true);
        m_cmdFindContact->setEnabled(true);

        bool on = false;
        if (m_state.contactFile.recordCount() >= 1)
            on = m_state.contactFile.read(1).BdayReminder == QStringLiteral("1");
        setReminders(on);
    } catch (const rt::RuntimeError& error) {
        m_state.closeContactFile();
        m_txtFileNam->clear();
        m_txtFileTitle->clear();
        for (QAction* command : m_contactCommands)
            command->setEnabled(false);
        m_cmdFindContact->setEnabled(false);
        if (platform::commonErrorBox(m_services.messages, error) == platform::Answer::Cancel)
            forms().unload(FormId::Main);
    }
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
    for (widgets::OptionButton* medium : {m_optQzLabel, m_optQzEnvelope}) {
        medium->setVisible(true);
        medium->setEnabled(false);
    }
    m_lblQzPosition->setVisible(false);
    for (QCheckBox* box : {m_chkLblBold, m_chkLblItalic}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
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
    if (forms().isLoaded(FormId::ContactInfo)) {
        if (auto* find = forms().get(FormId::ContactInfo).findChild<QWidget*>(QStringLiteral("cboFindContact")))
            find->setFocus();
    }
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
    m_chkLblItalic->setChecked(false);
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
