#pragma once

#include "FakePrintDialog.h"
#include "platform/FileDialogs.h"
#include "platform/Services.h"

#include <QDate>
#include <QStringList>
#include <deque>
#include <map>

namespace testsupport {

class FakeFileDialogs : public platform::FileDialogs {
public:
    std::deque<std::optional<platform::FileChoice>> answers;  // nullopt, or none left: Cancel
    // Queues the choice of `path` (its file title is the name after the last "/").
    void choose(const QString& path) { answers.push_back(platform::FileChoice{path, path.section('/', -1)}); }
    std::optional<platform::FileChoice> openFile(const QString& t, const QString& f, const QString& d) override
    {
        return saveFile(t, f, d);
    }
    std::optional<platform::FileChoice> saveFile(const QString&, const QString&, const QString&) override
    {
        if (answers.empty())
            return std::nullopt;
        const std::optional<platform::FileChoice> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeClipboard : public platform::Clipboard {
public:
    QString contents;
    int writes = 0;
    void clear() override { setText(QString()); }
    void setText(const QString& text) override { contents = text; ++writes; }
    QString text() const override { return contents; }
};

class FakeShell : public platform::Shell {
public:
    QStringList documents;
    bool opens = true;  // false: no viewer or browser, nothing opens
    bool openDocument(const QString& path) override { documents << path; return opens; }
    bool openUrl(const QString&) override { return opens; }
};

class FakeSettings : public platform::Settings {
public:
    std::map<QString, QString> values;  // "section/key" -> value
    void setValue(const QString& section, const QString& key, const QString& value) override
    {
        values[section + "/" + key] = value;
    }
    QString value(const QString& section, const QString& key, const QString& defaultValue) const override
    {
        const auto it = values.find(section + "/" + key);
        return it == values.end() ? defaultValue : it->second;
    }
};

class FakeCursor : public platform::Cursor {
public:
    bool busy = false;
    int changes = 0;
    void setBusy(bool b) override { busy = b; ++changes; }
};

class FakeAppInfo : public platform::AppInfo {
public:
    QString data;
    QString documents;
    QString dataFolder() const override { return data; }
    QString documentsFolder() const override { return documents; }
    QString title() const override { return QStringLiteral("Quorvel"); }
    platform::Version version() const override { return {1, 0, 0}; }
    QDate today() const override { return {2026, 12, 6}; }
};

// Every service scripted or recorded, composed as the program composes the real ones.
// `output`: the device printed on instead of the recording one.
template <class Messages = FakeMessages>
struct FakeServiceSet {
    explicit FakeServiceSet(printing::PrinterDevice* output = nullptr) : printer(output ? *output : device)
    {
        printScript.device = &device;
    }

    Messages messages;
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
};

}  // namespace testsupport
