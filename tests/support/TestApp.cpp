#include "TestApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <stdexcept>

namespace testsupport {

TestApp::TestApp(printing::PrinterDevice* output)
    : printer(output ? *output : device)
{
    if (!m_dir.isValid())
        throw std::runtime_error("TestApp: no temporary folder");
    appInfo.data = m_dir.path();
    // The documents are opened through the fake shell only; their folder needs no files.
    appInfo.documents = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : m_dir.path();
    printScript.device = &device;
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

}  // namespace testsupport
