// Writes and then reads a 100,000-record contact file in a temporary folder and prints
// records per second for each, then the time of one deletion (a whole-file rewrite).
#include "contacts/ContactFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr qint32 kRecords = 100000;

contacts::ContactRecord sample(qint32 n)
{
    contacts::ContactRecord r;
    r.FName = QStringLiteral("First%1").arg(n);
    r.MiddleInit = QStringLiteral("Q");
    r.LName = QStringLiteral("Last%1").arg(n);
    r.FStreet = QStringLiteral("%1 Main Street").arg(n);
    r.City = QStringLiteral("Springfield");
    r.State = QStringLiteral("IL");
    r.Zip = QStringLiteral("62704");
    r.Email = QStringLiteral("person%1@example.com").arg(n);
    r.Birthdate = QStringLiteral("19700412");
    r.Category = QStringLiteral("Friends");
    r.IncComp = QStringLiteral("0");
    r.BdayReminder = QStringLiteral("1");
    return r;
}

void report(const char* what, qint64 records, qint64 nanos)
{
    const double seconds = double(nanos) / 1e9;
    std::printf("%-28s %8lld records in %7.3f s  %12.0f records/s\n", what,
                static_cast<long long>(records), seconds, double(records) / seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("QVL_Contacts.DAT"));
    contacts::ContactFile file;
    file.open(path);

    QElapsedTimer timer;
    timer.start();
    for (qint32 n = 1; n <= kRecords; ++n)
        file.append(sample(n));
    report("append (count + write)", kRecords, timer.nsecsElapsed());

    timer.restart();
    qint64 checksum = 0;
    const qint32 count = file.recordCount();
    for (qint32 n = 1; n <= count; ++n)
        checksum += file.read(n).LName.size();
    report("read", count, timer.nsecsElapsed());

    timer.restart();
    for (qint32 n = 1; n <= count; ++n)
        file.write(n, sample(n));
    report("write in place", count, timer.nsecsElapsed());

    timer.restart();
    file.remove(kRecords / 2);
    const qint64 removeNanos = timer.nsecsElapsed();
    std::printf("%-28s %8d records in %7.3f s\n", "remove one (rewrite)", count - 1,
                double(removeNanos) / 1e9);

    std::printf("file %lld bytes, %d records, checksum %lld\n",
                static_cast<long long>(file.lengthBytes()), file.recordCount(),
                static_cast<long long>(checksum));
    return 0;
}
