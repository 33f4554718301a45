#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "app/WindowSet.h"
#include "contacts/AppState.h"
#include "platform/Controls.h"
#include "printing/PagePrinter.h"

#include <QTemporaryDir>
#include <memory>

namespace testsupport {

// The whole program on scripted services: a temporary data folder, the recording printer,
// scripted boxes and dialogs. start() runs the program's start-up.
class TestApp {
public:
    TestApp();
    ~TestApp();

    void start();

    QString dataPath(const QString& fileName) const;

    // The window (loaded on first reference) and its controls by objectName.
    platform::Form& form(platform::FormId id) { return forms->get(id); }
    template <class T>
    T* find(platform::FormId id, const QString& name)
    {
        return platform::control<T>(&forms->get(id), name);
    }
    // Clicks a button or triggers a menu command (QAction) of the window.
    void click(platform::FormId id, const QString& name);

    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    PrintDialogScript printScript;
    FakePrintDialogFactory printDialogs{printScript};
    RecordingDevice device;
    printing::PagePrinter printer{device};
    FakeClipboard clipboard;
    FakeShell shell;
    FakeSettings settings;
    FakeCursor cursor;
    FakeAppInfo appInfo;
    platform::Services services;
    contacts::AppState state;
    std::unique_ptr<app::WindowSet> forms;

private:
    QTemporaryDir m_dir;
};

}  // namespace testsupport
