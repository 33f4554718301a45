// Writes and then reads a contact file of the size given (10000, 100000 or 1000000; 100000
// when none) in a temporary folder and prints records per second for each, then the time of
// one deletion (a whole-file rewrite). The read goes in blocks, as the program's passes over
// the whole book do.
#include "BenchBook.h"
#include "contacts/ContactFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

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
    bench::report(what, records, seconds, QStringLiteral("%1 records/s").arg(double(records) / seconds, 0, 'f', 0));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint32 records = bench::bookSize(argc, argv);
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
    for (qint32 n = 1; n <= records; ++n)
        file.append(sample(n));
    report("append (count + write)", records, timer.nsecsElapsed());

    timer.restart();
    qint64 checksum = 0;
    const qint32 count = file.recordCount();
    file.forEachRecord(count, [&checksum](const char* record, qint32) {
        checksum += contacts::ContactRecord::fromBytes(QByteArray::fromRawData(record, contacts::ContactRecord::Length)).LName.size();
    });
    report("read in blocks", count, timer.nsecsElapsed());

    timer.restart();
    for (qint32 n = 1; n <= count; ++n)
        file.write(n, sample(n));
    report("write in place", count, timer.nsecsElapsed());

    timer.restart();
    file.remove(records / 2);
    const qint64 removeNanos = timer.nsecsElapsed();
    bench::report("remove one (rewrite)", count - 1, double(removeNanos) / 1e9);

    std::printf("file %lld bytes, %d records, checksum %lld\n",
                static_cast<long long>(file.lengthBytes()), file.recordCount(),
                static_cast<long long>(checksum));
    return 0;
}
