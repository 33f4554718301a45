#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "Screen.h"
#include "app/WindowSet.h"
#include "contacts/BookSession.h"
#include "printing/PagePrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace testsupport {

using FormId = session::WindowId;

// The whole program on scripted services: a temporary data folder, the recording printer,
// scripted boxes and dialogs. start() runs the program's start-up.
class TestApp : public FakeServiceSet<> {
public:
    // `output`: the device the program prints on instead of the recording device.
    explicit TestApp(printing::PrinterDevice* output = nullptr) : FakeServiceSet(output)
    {
        if (!m_dir.isValid())
            throw std::runtime_error("TestApp: no temporary folder");
        appInfo.data = m_dir.path();
        // The documents are opened through the fake shell only; their folder needs no files.
        appInfo.documents = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : m_dir.path();
        forms = std::make_unique<app::WindowSet>(services, state);
    }
    ~TestApp()
    {
        // The windows go before the services they use and the folder their files live in.
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.contactFile.close();
    }

    void start() { forms->start(); }
    QString dataPath(const QString& fileName) const { return QDir(m_dir.path()).filePath(fileName); }

    // The window (loaded on first reference) and its controls by objectName.
    widgets::Form& form(FormId id) { return forms->get(id); }
    Screen screen(FormId id) { return Screen(forms->get(id)); }
    template <class T>
    T* find(FormId id, const QString& name) { return screen(id).get<T>(name); }
    void click(FormId id, const QString& name) { screen(id).click(name); }

    contacts::BookSession state;
    std::unique_ptr<app::WindowSet> forms;

private:
    QTemporaryDir m_dir;
};

}  // namespace testsupport
