// Exports a 100,000-record contact book to each of the five kinds and prints the time of
// each and the size of the file written.
#include "contacts/ContactFile.h"
#include "transfer/ContactExport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr qint32 kRecords = 100000;

contacts::ContactRecord sample(qint32 n)
{
    contacts::ContactRecord r;
    r.FName = QStringLiteral("First%1").arg(n);
    r.MiddleInit = QStringLiteral("Q");
    r.LName = QStringLiteral("Last, %1").arg(n);
    r.FStreet = QStringLiteral("%1 Main Street; Rear").arg(n);
    r.SStreet = QStringLiteral("Apt %1").arg(n % 100);
    r.City = QString::fromUtf8("Zürich");
    r.State = QStringLiteral("IL");
    r.Zip = QStringLiteral("62704");
    r.Country = QStringLiteral("USA");
    r.HPhone = QStringLiteral("(217) 555-0101");
    r.Email = QStringLiteral("person%1@example.com").arg(n);
    r.Birthdate = QStringLiteral("19700412");
    r.Category = QStringLiteral("Friends;Work");
    r.Notes = QStringLiteral("Said \"hello\", and then left. ").repeated(4);
    r.Company = QStringLiteral("Acme, Inc.");
    r.IncComp = QStringLiteral("1");
    r.BdayReminder = QStringLiteral("1");
    return r;
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
    QByteArray bytes;
    for (qint32 n = 1; n <= kRecords; ++n)
        bytes += sample(n).toBytes();
    const QString path = dir.filePath(QStringLiteral("Bench.DAT"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return 1;
    f.close();
    contacts::ContactFile book;
    book.open(path);

    const struct {
        const char* name;
        transfer::ExportKind kind;
    } kinds[] = {{"csv", transfer::ExportKind::Csv},
                 {"text", transfer::ExportKind::Text},
                 {"vcard 2.1", transfer::ExportKind::VCardAndroid},
                 {"vcard 4.0", transfer::ExportKind::VCardIPhone},
                 {"vcard 3.0", transfer::ExportKind::VCard30}};
    for (const auto& k : kinds) {
        QElapsedTimer timer;
        timer.start();
        const transfer::ExportOutcome outcome = transfer::ContactExport::run(book, dir.path(), k.kind);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("%-10s %8d records in %7.3f s  %10lld bytes\n", k.name, book.recordCount(), seconds,
                    static_cast<long long>(QFileInfo(outcome.path).size()));
    }
    return 0;
}
