#include "app/AboutWindow.h"

#include "ui_AboutWindow.h"

#include <QPushButton>

namespace app {

AboutWindow::AboutWindow(session::Windows& windows, const platform::Services& services, session::Session& state,
                         QWidget* parent)
    : widgets::Form(parent), m_windows(windows), m_ui(std::make_unique<Ui::AboutWindowForm>())
{
    Q_UNUSED(state);
    m_ui->setupUi(this);
    // A small window of its own over the calling window, not a second main window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const QString title = services.appInfo.title();
    const platform::Version version = services.appInfo.version();
    setWindowTitle(QStringLiteral("About ") + title);

    m_ui->lblTitle->setText(title);
    m_ui->lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    connect(m_ui->cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    m_ui->cmdOK->setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::cmdOK_Click()
{
    m_windows.unload(session::WindowId::About);
}

}  // namespace app
