#pragma once

#include "support/TestApp.h"
#include "contacts/ContactRecord.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <initializer_list>

namespace testsupport {

// A contact with the fields the window tests care about; the rest stay blank.
inline contacts::ContactRecord person(const QString& first, const QString& middle, const QString& last)
{
    contacts::ContactRecord r;
    r.FName = first;
    r.MiddleInit = middle;
    r.LName = last;
    r.IncComp = QStringLiteral("0");
    r.BdayReminder = QStringLiteral("0");
    return r;
}

// A field as it lies in a record: left-aligned and padded with blanks to its width.
inline QByteArray padded(const char* text, int width)
{
    QByteArray field(text);
    return field + QByteArray(width - field.size(), ' ');
}

// The program on fakes with a contact file in its data folder, and the Contact
// Information window reached the way the user reaches it.
class ContactWindowFixture {
public:
    TestApp app;

    QString contactPath() const { return app.dataPath(QStringLiteral("QVL_Contacts.DAT")); }

    void writeContacts(std::initializer_list<contacts::ContactRecord> records)
    {
        QFile file(contactPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const contacts::ContactRecord& r : records)
            file.write(r.toBytes());
    }

    QByteArray fileBytes() const
    {
        QFile file(contactPath());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

    // Starts the program with these contacts and clicks "Find Contact".
    void openWith(std::initializer_list<contacts::ContactRecord> records)
    {
        writeContacts(records);
        app.start();
        app.click(platform::FormId::Main, QStringLiteral("cmdFindContact"));
    }

    bool windowLoaded() const { return app.forms->isLoaded(platform::FormId::ContactInfo); }
    platform::Form& window() { return app.form(platform::FormId::ContactInfo); }
    platform::Form& mainWindow() { return app.form(platform::FormId::Main); }

    template <class T = QLineEdit>
    T* c(const QString& name)
    {
        return app.find<T>(platform::FormId::ContactInfo, name);
    }
    template <class T = QLineEdit>
    T* m(const QString& name)
    {
        return app.find<T>(platform::FormId::Main, name);
    }
    QLineEdit* box(const char* name) { return c<QLineEdit>(QString::fromLatin1(name)); }
    platform::SortedComboBox* findList() { return c<platform::SortedComboBox>(QStringLiteral("cboFindContact")); }

    // The user picks the item at this index of the find list.
    void pick(int index)
    {
        platform::SortedComboBox* list = findList();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // The user picks the contact listed with this record number.
    void pickRecord(qint32 record)
    {
        platform::SortedComboBox* list = findList();
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemNumber(i) == record) {
                pick(i);
                return;
            }
        }
        QFAIL("record not in the find list");
    }

    void click(const char* name) { app.click(platform::FormId::ContactInfo, QString::fromLatin1(name)); }

    // Lets windows unloaded by the last command go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace testsupport
