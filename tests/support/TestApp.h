#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "RecordingPrinter.h"
#include "app/WindowSet.h"
#include "contacts/BookSession.h"
#include "widgets/Controls.h"
#include "printing/PagePrinter.h"

#include <QTemporaryDir>
#include <memory>

namespace testsupport {

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
    widgets::Form& form(session::WindowId id) { return forms->get(id); }
    template <class T>
    T* find(session::WindowId id, const QString& name)
    {
        return widgets::control<T>(&forms->get(id), name);
    }
    // Clicks a button or triggers a menu command (QAction) of the window.
    void click(session::WindowId id, const QString& name);

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
