#pragma once

#include "contacts/ContactFile.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace transfer {

// The five export kinds, in the order of the export window's options.
enum class ExportKind { Csv, Text, VCardAndroid, VCardIPhone, VCard30 };

// What the export window shows once an export has run: one message box, OK button only;
// the icon is Information for the no-contacts message and none for the completion.
struct ExportOutcome {
    bool written = false;  // false: the book held no contacts and nothing was written
    QString path;          // the file written (empty when none)
    QString title;
    QString text;
};

// Writes the open contact file into one export file in the data folder: UTF-8 without a
// byte-order mark, CR LF after every line, replacing an earlier file of that name. Failures (no
// contact file open, a record that cannot be read, a file that cannot be written) raise
// rt::RuntimeError for the common error box; an earlier export file then stays as it was.
namespace ContactExport {

inline const QString NoContactsTitle = QStringLiteral("Export file not created");
inline const QString NoContactsText =
    QStringLiteral("Export file could not be created.  There were no contacts on file.");
inline const QString DoneTitle = QStringLiteral("Export file created");

// The contact file's name without its folder, every ".DAT" and ".dat" removed.
QString baseName(const QString& contactPath);
// "QVLC_" + base name + ".csv" and the like.
QString fileName(ExportKind kind, const QString& baseName);
// The completion sentence followed by the base name and the extension.
QString doneText(ExportKind kind, const QString& baseName);

// Writes records 1 to count of the book to out, a block of records at a time as each is
// made, so that a book of any size costs only a block of memory. A control character a
// damaged record holds is written as a blank: each contact stays one line of the text
// export, and no format carries a NUL, ESC or line break.
void write(const contacts::ContactFile& book, qint32 count, ExportKind kind, QIODevice& out);

ExportOutcome run(const contacts::ContactFile& book, const QString& dataFolder, ExportKind kind);

}  // namespace ContactExport

}  // namespace transfer
