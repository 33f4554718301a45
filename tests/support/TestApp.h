#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "Screen.h"
#include "app/WindowSet.h"
#include "contacts/BookSession.h"
#include "printing/PagePrinter.h"

#include <QTemporaryDir>
#include <memory>

namespace testsupport {

using FormId = session::WindowId;

// The whole program on scripted services: a temporary data folder, the recording printer,
// scripted boxes and dialogs. start() runs the program's start-up.
class TestApp {
public:
    // `output`: the device the program prints on instead of the recording device.
    explicit TestApp(printing::PrinterDevice* output = nullptr);
    ~TestApp();

    void start();

    QString dataPath(const QString& fileName) const;

    // The window (loaded on first reference) and its controls by objectName.
    widgets::Form& form(FormId id) { return forms->get(id); }
    Screen screen(FormId id) { return Screen(forms->get(id)); }
    template <class T>
    T* find(FormId id, const QString& name) { return screen(id).get<T>(name); }
    void click(FormId id, const QString& name) { screen(id).click(name); }

    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    PrintDialogScript printScript;
    FakePrintDialogFactory printDialogs{printScript};
    RecordingDevice device;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeSettings settings;
    FakeCursor cursor;
    FakeAppInfo appInfo;
    const platform::Services services{messages, fileDialogs, printDialogs, printer, clipboard,
                                      shell,    settings,    cursor,       appInfo};
    contacts::BookSession state;
    std::unique_ptr<app::WindowSet> forms;

private:
    QTemporaryDir m_dir;
};

}  // namespace testsupport
