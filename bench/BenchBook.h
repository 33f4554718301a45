#pragma once

// What the benchmarks share: the book size from the command line, a book written to its file
// a block at a time (so that making it adds nothing to the figures), and one line of figures
// per job: its time and the peak memory of the process so far (ru_maxrss).
#include "contacts/ContactRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace bench {

// The first argument (10000, 100000, 1000000 contacts), else `fallback`.
inline int bookSize(int argc, char** argv, int fallback = 100000)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : fallback;
    return n > 0 ? n : fallback;
}

inline double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// One contact of a book of `records`: first names shuffled, a tenth of the last names Smith.
inline contacts::ContactRecord sample(int i, int records)
{
    contacts::ContactRecord r;
    r.FName = QStringLiteral("First%1").arg(qint64(i) * 7919 % records);
    r.MiddleInit = QStringLiteral("Q");
    r.LName = i % 10 ? QStringLiteral("Johnson%1").arg(i) : QStringLiteral("Smith%1").arg(i);
    r.FStreet = QStringLiteral("%1 Elmwood Avenue").arg(i);
    r.City = QStringLiteral("Springfield");
    r.State = QStringLiteral("IL");
    r.Zip = QStringLiteral("62704");
    r.HPhone = QStringLiteral("555-1234");
    r.Email = QStringLiteral("someone%1@example.com").arg(i);
    return r;
}

// Writes `count` records, record n (from 0) made by make(n), about 1 MB at a time.
inline bool writeBook(const QString& path, int count, const std::function<contacts::ContactRecord(int)>& make)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block;
    for (int n = 0; n < count; ++n) {
        block += make(n).toBytes();
        if (block.size() >= (1 << 20) || n + 1 == count) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}

// The job the second argument names; empty when none.
inline QString job(int argc, char** argv)
{
    return argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
}

// Runs this program once per job, as "program <contacts> <job> <more...>", so that the peak
// memory each prints is its own; true when every run ended in 0.
inline bool runEach(int contacts, const QStringList& jobs, const QStringList& more = {})
{
    bool ok = true;
    for (const QString& name : jobs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), QStringList{QString::number(contacts), name} + more);
        ok = child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && ok;
    }
    return ok;
}

inline void report(const char* what, qint64 contacts, double seconds, const QString& more = {})
{
    std::printf("%-44s %8lld contacts %8.3f s  peak %7.1f MB%s%s\n", what, static_cast<long long>(contacts),
                seconds, peakMb(), more.isEmpty() ? "" : "  ", qPrintable(more));
    std::fflush(stdout);
}

}  // namespace bench
