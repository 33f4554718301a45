#include "app/WindowSet.h"
#include "contacts/BookSession.h"
#include "platform/Services.h"
#include "platform/qt/QtAppInfo.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtCursor.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtShell.h"
#include "printing/PagePrinter.h"
#include "printing/qt/QtPrintDialog.h"
#include "printing/qt/QtPrinterDevice.h"
#include "session/BookLock.h"

#include <QApplication>
#include <QDir>

namespace {

// Takes the lock on the contact book and tells the user what came of it; whether the program
// goes on.
bool takeBookLock(session::BookLock& bookLock, const QString& book, const QString& dataFolder,
                  platform::Messages& messages)
{
    switch (bookLock.take()) {
    case session::BookLock::Outcome::Taken:
        break;
    case session::BookLock::Outcome::Held:
        messages.messageBox(
            QStringLiteral("Contact book in use"),
            QStringLiteral("The contact book %1 is in use by another copy of Quorvel.\n"
                           "Its lock file %2 names %3.\n"
                           "If that copy no longer runs, delete the lock file.")
                .arg(book, bookLock.lockPath(),
                     bookLock.holder().isEmpty() ? QStringLiteral("no process yet") : bookLock.holder()),
            platform::Buttons::Ok, platform::Icon::Exclamation);
        return false;
    case session::BookLock::Outcome::Blocked:
        // Not what a copy of the program leaves, so not its to remove: the user decides.
        messages.messageBox(
            QStringLiteral("Contact book cannot be locked"),
            QStringLiteral("The contact book %1 cannot be locked, so Quorvel ends.\n"
                           "In place of its lock file %2 there is %3.\n"
                           "If no other copy of Quorvel runs, move or delete it, then start Quorvel again.")
                .arg(book, bookLock.lockPath(), bookLock.reason()),
            platform::Buttons::Ok, platform::Icon::Exclamation);
        return false;
    case session::BookLock::Outcome::NotMade:
        // Said once: the book still opens, but nothing keeps a second copy off it.
        messages.messageBox(QStringLiteral("Contact book not locked"),
                            QStringLiteral("The contact book's lock file could not be made in the folder:\n%1\n%2\n"
                                           "Quorvel runs on; do not start a second copy while this one runs.")
                                .arg(dataFolder, bookLock.reason()),
                            platform::Buttons::Ok, platform::Icon::Exclamation);
        break;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Closing the main window ends the program through its unload step, which first
    // unloads the other windows; hiding the main window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::QtAppInfo appInfo;
    platform::QtMessages messages;
    platform::QtFileDialogs fileDialogs;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    platform::QtSettings settings;
    platform::QtCursor cursor;
    // Without a printer, labels go to a PDF file in the program's folder.
    printing::QtPrinterDevice device(QDir(appInfo.dataFolder()).filePath(QStringLiteral("Quorvel labels.pdf")));
    printing::QtPrintDialogFactory printDialogs(device);
    printing::PagePrinter printer(device);

    const platform::Services services{messages, fileDialogs, printDialogs, printer, clipboard,
                                      shell, settings, cursor, appInfo};

    // One copy of the program at a time works on the contact book.
    QDir().mkpath(appInfo.dataFolder());
    const QString book = QDir(appInfo.dataFolder()).filePath(QStringLiteral("QVL_Contacts.DAT"));
    session::BookLock bookLock(book);
    if (!takeBookLock(bookLock, book, appInfo.dataFolder(), messages))
        return 0;

    contacts::BookSession state;
    app::WindowSet forms(services, state);
    forms.start();
    // Cancel in the start-up error box ends the program before the event loop runs.
    if (forms.ended())
        return 0;
    return QApplication::exec();
}
