#include "app/WindowSet.h"
#include "session/BookLock.h"
#include "session/Session.h"
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

#include <QApplication>
#include <QDir>

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
    if (!bookLock.take()) {
        messages.messageBox(QStringLiteral("Contact book in use"),
                            QStringLiteral("The contact book %1 is in use by another copy of Quorvel.").arg(book),
                            platform::Buttons::Ok, platform::Icon::Exclamation);
        return 0;
    }

    session::Session state;
    app::WindowSet forms(services, state);
    forms.start();
    // Cancel in the start-up error box ends the program before the event loop runs.
    if (forms.ended())
        return 0;
    return QApplication::exec();
}
