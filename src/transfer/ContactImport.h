#pragma once

#include "platform/Messages.h"
#include "transfer/CsvLayouts.h"

#include <QString>

namespace contacts {
class ContactFile;
}

namespace rt {
class RuntimeError;
}

namespace transfer {

// What one run of the import command ends with; the Import window shows the box it names
// and acts on the answer (an error box's Cancel closes the window).
struct ImportOutcome {
    enum class Kind {
        NoFileChosen,   // beep, then the box; nothing else changes
        Completed,      // the completion report
        NotCompatible,  // no layout holds, the e-mail column layout found no e-mail column, or
                        // no row read held a contact
        Failed,         // the error box (Retry / Cancel)
    };

    Kind kind = Kind::NotCompatible;
    ImportLayout layout = ImportLayout::None;
    int imported = 0;
    int errorNumber = 0;
    QString errorDescription;

    // Becomes the Failed outcome for error; what was imported before stays.
    void fail(const rt::RuntimeError& error);

    bool beeps() const { return kind == Kind::NoFileChosen; }
    QString title() const;
    QString text() const;
    platform::Buttons buttons() const;
    platform::Icon icon() const;
    // The layout routine ran to its end (or refused the file): Import is disabled and the
    // focus goes to Close.
    bool disablesImport() const { return kind == Kind::Completed || kind == Kind::NotCompatible; }
};

// The import command: recognises the layout of the file at path by its first non-empty
// line and appends to the open contact file every contact not already on it (the
// reminder flag "1" exactly when reminders are on), reading the file once. Never throws: a
// failure becomes the Failed outcome, with the contacts stored before it kept and the
// contact file cut back to whole records. maxLine bounds a line (16 MB); a longer one fails
// with 7.
ImportOutcome importContacts(contacts::ContactFile& book, const QString& path, bool remindersOn,
                             qsizetype maxLine = 16 * 1024 * 1024);

// The check the file choice makes: the file opens for reading (only regular files); nothing
// of it is read.
// Raises rt::RuntimeError as the import would.
void checkImportFile(const QString& path);

}  // namespace transfer
