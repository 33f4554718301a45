#include "platform/qt/QtMessages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace platform {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The first button of the set is the default one, as in the classic boxes.
QMessageBox::StandardButton firstButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::RetryCancel: return QMessageBox::Retry;
    case Buttons::YesNoCancel:
    case Buttons::YesNo: return QMessageBox::Yes;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// A box closed without a button (Escape or the close box) gives the answer Windows gives.
Answer closedAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

// The title bar shows the title after the window icon and before the title-bar buttons, in
// the title font, which is often larger and bolder than the box's own.
int titleBarWidth(const QString& title, const QFont& font)
{
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int advance = std::max(QFontMetrics(titleFont).horizontalAdvance(title),
                                 QFontMetrics(font).horizontalAdvance(title));
    return advance + advance / 5 + 160;
}

}  // namespace

Answer QtMessages::messageBox(const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(messageIcon(icon), title, text, standardButtons(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(firstButton(buttons));
    // The box sizes itself by its text alone and would cut a longer title short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(title, box.font()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return closedAnswer(buttons);
    }
}

QString QtMessages::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // Prompts run to several sentences: wrap them, as the classic input box does, so the box
    // stays on a small screen.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    dialog.setFixedWidth(440);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtMessages::beep()
{
    QApplication::beep();
}

}  // namespace platform
