#include "contacts/ContactRecord.h"
#include "widgets/Controls.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>

namespace {

bool writeBook(const QString& path, int records)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator random(518);
    auto word = [&random](int length) {
        QString text;
        text += QChar(u'A' + random.bounded(26));
        for (int i = 1; i < length; ++i)
            text += QChar(u'a' + random.bounded(26));
        return text;
    };
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        // Written in blocks, so that the peak memory of the process is the window's own.
        if (bytes.size() >= (1 << 22)) {
            if (file.write(bytes) != bytes.size())
                return false;
            bytes.clear();
        }
        contacts::ContactRecord r;
        r.FName = word(3 + random.bounded(8));
        r.MiddleInit = random.bounded(2) ? word(1) : QString();
        r.LName = word(4 + random.bounded(10));
        r.City = word(6);
        r.IncComp = QStringLiteral("0");
        r.BdayReminder = QStringLiteral("0");
        bytes += r.toBytes();
    }
    return file.write(bytes) == bytes.size();
}

// The window's open (every record into the sorted find list) and one Next on a book of
// this size; true when both keep to their limits.
bool measure(int records, qint64 openLimit, qint64 nextLimit)
{
    testsupport::TestApp app;
    if (!writeBook(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), records))
        return false;
    app.start();

    QElapsedTimer timer;
    timer.start();
    app.click(widgets::FormId::Main, QStringLiteral("cmdFindContact"));
    const qint64 open = timer.elapsed();
    auto* list = app.find<widgets::SortedComboBox>(widgets::FormId::ContactInfo, QStringLiteral("cboFindContact"));
    list->setCurrentIndex(0);
    emit list->activated(0);
    timer.restart();
    app.click(widgets::FormId::ContactInfo, QStringLiteral("cmdNext"));
    const qint64 next = timer.nsecsElapsed() / 1000;

    std::printf("%7d contacts: window opened in %4lld ms (limit %lld ms), Next in %6lld us (limit %lld ms), %d listed\n",
                records, static_cast<long long>(open), static_cast<long long>(openLimit),
                static_cast<long long>(next), static_cast<long long>(nextLimit), int(list->count()));
    return list->count() == records && open < openLimit && next < nextLimit * 1000;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 1)  // a book size as the argument measures that book alone
        return measure(QByteArray(argv[1]).toInt(), 400, 50) ? 0 : 2;
    bool ok = measure(10000, 100, 50);
    ok = measure(100000, 200, 50) && ok;
    ok = measure(300000, 600, 50) && ok;
    return ok ? 0 : 2;
}
