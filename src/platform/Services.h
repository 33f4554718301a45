#pragma once

#include <QDate>
#include <QString>

namespace platform {

class Messages;
class FileDialogs;
class PrintDialogFactory;
class Printer;

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// Opens a document in its viewer or a web page in the default browser.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openDocument(const QString& path) = 0;
    virtual bool openUrl(const QString& url) = 0;
};

class Settings {
public:
    virtual ~Settings() = default;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    virtual QString value(const QString& section, const QString& key,
                          const QString& defaultValue = QString()) const = 0;
};

class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void setBusy(bool busy) = 0;  // hourglass or default
};

struct Version {
    int major = 1;
    int minor = 0;
    int revision = 0;
};

class AppInfo {
public:
    virtual ~AppInfo() = default;
    virtual QString dataFolder() const = 0;       // ~/Quorvel: contacts, margins, exports
    virtual QString documentsFolder() const = 0;  // beside the executable: the two PDFs
    virtual QString title() const = 0;            // "Quorvel"
    virtual Version version() const = 0;
    virtual QDate today() const = 0;
};

// Everything a window may use of the platform, handed to it through its constructor. Composed
// once by the program and once by the test support; no service is ever missing.
struct Services {
    Messages& messages;
    FileDialogs& fileDialogs;
    PrintDialogFactory& printDialogs;
    Printer& printer;
    Clipboard& clipboard;
    Shell& shell;
    Settings& settings;
    Cursor& cursor;
    AppInfo& appInfo;
};

}  // namespace platform
