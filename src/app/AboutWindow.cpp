#include "app/AboutWindow.h"

#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

AboutWindow::AboutWindow(widgets::Forms& forms, const platform::Services& services, session::Session& state,
                         QWidget* parent)
    : widgets::Form(widgets::FormId::About, forms, parent)
{
    Q_UNUSED(state);
    setObjectName(QStringLiteral("frmQzAbout"));
    // A small window of its own over the calling window, not a second main window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const QString title = services.appInfo.title();
    const platform::Version version = services.appInfo.version();
    setWindowTitle(QStringLiteral("About ") + title);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);

    QLabel* name = widgets::plainLabel(QStringLiteral("lblTitle"), title, central);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    layout->addWidget(name, 0, Qt::AlignHCenter);

    layout->addWidget(widgets::plainLabel(QStringLiteral("lblVersion"),
                                           QStringLiteral("Version %1.%2.%3")
                                               .arg(version.major)
                                               .arg(version.minor)
                                               .arg(version.revision),
                                           central),
                      0, Qt::AlignHCenter);

    QLabel* purpose = widgets::plainLabel(
        QStringLiteral("lblDescription"),
        QStringLiteral("Prints mailing, return-address and file-folder labels and envelopes, "
                       "and keeps a contact book."),
        central);
    purpose->setWordWrap(true);
    purpose->setAlignment(Qt::AlignHCenter);
    purpose->setMinimumWidth(320);
    layout->addWidget(purpose);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), central);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    buttons->addWidget(ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    ok->setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::cmdOK_Click()
{
    forms().unload(widgets::FormId::About);
}

}  // namespace app
