#include "TestApp.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QTest>
#include <stdexcept>

namespace testsupport {

TestApp::TestApp()
{
    if (!m_dir.isValid())
        throw std::runtime_error("TestApp: no temporary folder");
    appInfo.data = m_dir.path();
    // The documents are opened through the fake shell only; their folder needs no files.
    appInfo.documents = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : m_dir.path();
    printScript.device = &device;

    services.messages = &messages;
    services.fileDialogs = &fileDialogs;
    services.printDialogs = &printDialogs;
    services.printer = &printer;
    services.clipboard = &clipboard;
    services.shell = &shell;
    services.settings = &settings;
    services.cursor = &cursor;
    services.appInfo = &appInfo;

    forms = std::make_unique<app::WindowSet>(services, state);
}

TestApp::~TestApp()
{
    // The windows go before the services they use and the folder their files live in.
    forms.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.contactFile.close();
}

void TestApp::start()
{
    forms->start();
}

QString TestApp::dataPath(const QString& fileName) const
{
    return QDir(m_dir.path()).filePath(fileName);
}

void TestApp::click(platform::FormId id, const QString& name)
{
    platform::Form& window = forms->get(id);
    if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->click();
        return;
    }
    if (auto* action = window.findChild<QAction*>(name)) {
        action->trigger();
        return;
    }
    const QString message = QStringLiteral("TestApp::click: no button or command %1").arg(name);
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    else
        qWarning("%s", qPrintable(message));
}

}  // namespace testsupport
