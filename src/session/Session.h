#pragma once

#include <QString>
#include <cstdint>

namespace session {

// The open contact book as the session sees it: a file opened and closed by its path. Its
// records are the book's own business (contacts::BookSession holds the contact file).
class Book {
public:
    virtual ~Book() = default;
    virtual void open(const QString& path) = 0;
    virtual void close() = 0;
};

// What the windows share: the open book's names, the label mode, the contact the Contact
// Information window shows and whether birthday reminders are on.
class Session {
public:
    explicit Session(Book& book) : m_book(book) {}

    QString filePath;               // shown in the main window's txtFileNam
    QString fileTitle;              // its txtFileTitle: the file name without ".DAT"
    std::int32_t lngLabelMode = 1;  // 1 standard .. 6 file folder
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

private:
    Book& m_book;
};

}  // namespace session
