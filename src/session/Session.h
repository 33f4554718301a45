#pragma once

#include "contacts/ContactFile.h"

#include <QString>
#include <cstdint>

namespace session {

// What the windows share: the open contact file and its names, the label mode, the contact
// the Contact Information window shows and whether birthday reminders are on.
class Session {
public:
    contacts::ContactFile contactFile;  // file number 1
    QString filePath;                   // shown in the main window's txtFileNam
    QString fileTitle;                  // its txtFileTitle: the file name without ".DAT"
    std::int32_t lngLabelMode = 1;      // 1 standard .. 6 file folder
    std::int32_t lngCurrentRecord = 0;
    bool remindersOn = false;

    // Opens the contact file and takes its names from the path.
    void openContactFile(const QString& path);
    void closeContactFile();

    // A window's caption with the open file: the title, two blanks and the file title in
    // brackets ("Contact Information  [QVL_Contacts]").
    QString captionWithFile(const QString& title) const
    {
        return title + QStringLiteral("  [") + fileTitle + QLatin1Char(']');
    }
};

}  // namespace session
