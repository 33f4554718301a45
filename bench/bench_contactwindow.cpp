#include "contacts/ContactRecord.h"
#include "widgets/Controls.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>

// Opens the Contact Information window on a contact file of 100,000 records: the load
// step reads every record into the sorted find list.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    constexpr int kRecords = 100000;

    testsupport::TestApp app;
    {
        QFile file(app.dataPath(QStringLiteral("QVL_Contacts.DAT")));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QRandomGenerator random(518);
        auto word = [&random](int length) {
            QString text;
            text += QChar(u'A' + random.bounded(26));
            for (int i = 1; i < length; ++i)
                text += QChar(u'a' + random.bounded(26));
            return text;
        };
        QByteArray bytes;
        bytes.reserve(qsizetype(kRecords) * contacts::ContactRecord::Length);
        for (int i = 0; i < kRecords; ++i) {
            contacts::ContactRecord r;
            r.FName = word(3 + random.bounded(8));
            r.MiddleInit = random.bounded(2) ? word(1) : QString();
            r.LName = word(4 + random.bounded(10));
            r.City = word(6);
            r.IncComp = QStringLiteral("0");
            r.BdayReminder = QStringLiteral("0");
            bytes += r.toBytes();
        }
        file.write(bytes);
    }
    app.start();

    QElapsedTimer timer;
    timer.start();
    app.click(widgets::FormId::Main, QStringLiteral("cmdFindContact"));
    const qint64 elapsed = timer.elapsed();

    auto* list = app.find<widgets::SortedComboBox>(widgets::FormId::ContactInfo, QStringLiteral("cboFindContact"));
    std::printf("Contact Information window on %d records: find list of %d items filled in %lld ms (limit 2000 ms)\n",
                kRecords, int(list->count()), static_cast<long long>(elapsed));
    return list->count() == kRecords && elapsed < 2000 ? 0 : 2;
}
