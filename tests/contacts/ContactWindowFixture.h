#pragma once

#include "support/Fixture.h"
#include "contacts/ContactRecord.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>
#include <initializer_list>
#include <utility>

namespace testsupport {

using Field = std::pair<QString contacts::ContactRecord::*, QString>;

// A contact with a name and the fields given; the rest stay blank.
inline contacts::ContactRecord person(const QString& first, const QString& last, std::initializer_list<Field> more = {})
{
    contacts::ContactRecord r;
    r.FName = first;
    r.LName = last;
    r.IncComp = r.BdayReminder = QStringLiteral("0");
    for (const auto& [field, value] : more)
        r.*field = value;
    return r;
}

// The program on fakes with a contact file in its data folder; the Contact Information
// window reached the way the user reaches it.
struct ContactWindowFixture {
    TestApp app;

    // Writes these contacts as the contact file and starts the program.
    void start(std::initializer_list<contacts::ContactRecord> records)
    {
        writeContacts(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), records);
        app.start();
    }
    void findContact() { main().click(QStringLiteral("cmdFindContact")); }
    QByteArray fileBytes() const { return readBytes(app.dataPath(QStringLiteral("QVL_Contacts.DAT"))); }
    Screen main() { return app.screen(FormId::Main); }
    Screen info() { return app.screen(FormId::ContactInfo); }
    bool loaded(FormId id) const { return app.forms->isLoaded(id); }
    widgets::SortedComboBox* findList() { return info().get<widgets::SortedComboBox>(QStringLiteral("cboFindContact")); }
    // The user picks the contact listed with this record number.
    void pickRecord(qint32 record)
    {
        widgets::SortedComboBox* list = findList();
        int i = 0;
        while (i < list->count() && list->itemNumber(i) != record)
            ++i;
        QVERIFY(i < list->count());
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    // The named controls of a window after `step` and the boxes shown since the last look: a
    // step of a scenario's log, which its golden file holds whole.
    QString look(const QString& step, FormId id, std::initializer_list<const char*> names)
    {
        const Screen w = app.screen(id);
        QStringList seen{QStringLiteral("%1; record %2, focus %3").arg(step).arg(app.state.lngCurrentRecord)
                             .arg(w.focus() ? w.focus()->objectName() : QStringLiteral("-"))};
        for (const char* name : names)
            seen << QStringLiteral("%1 \"%2\"%3%4").arg(name, w.text(name), w.isEnabled(name) ? "" : " off",
                                                       w.isVisible(name) ? "" : " hidden");
        const QStringList boxes = app.messages.transcript().split(u'\n', Qt::SkipEmptyParts);
        seen += boxes.mid(std::exchange(boxesSeen, boxes.size()));
        return seen.join(QStringLiteral("\n  ")) + u'\n';
    }
    QString look(const QString& step)
    {
        return look(QStringLiteral("%1; list %2 of %3, ticked %4").arg(step).arg(findList()->currentIndex())
                        .arg(findList()->count()).arg(info().value(QStringLiteral("chkCompanyInclude"))),
                    FormId::ContactInfo,
                    {"txtRN", "txtACFName", "txtACCompany", "cmdSave", "cmdDelete", "cmdPrintLabel",
                     "chkCompanyInclude"});
    }
    qsizetype boxesSeen = 0;
    void expectError(int number, const QString& description, platform::Answer answer)
    {
        Fixture::expectCommonError(app.messages, number, description, answer);
    }
    // Lets windows unloaded by the last command go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace testsupport
