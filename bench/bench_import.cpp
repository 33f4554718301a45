// Imports 100,000 vCards, then 100,000 lines of the program's own CSV, into a book of the size
// given (10000, 100000 or 1000000; 100000 when none) of distinct contacts, then of blank records
// (every record the same empty name), each in a process of its own; last the CSV into a sparse
// book of 1 GB (about 1.9 million records of NULs), which must end at once (refused or done):
//   bench_import [contacts] [vcard|csv|sparse] [distinct|blank]
#include "BenchBook.h"
#include "contacts/ContactFile.h"
#include "transfer/ContactImport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

constexpr int kImported = 100000;
constexpr qint64 kSparseBytes = Q_INT64_C(1000000000);

contacts::ContactRecord old(int i)
{
    contacts::ContactRecord r;
    r.FName = QStringLiteral("Old%1").arg(i);
    r.LName = QStringLiteral("Lee");
    r.Email = QStringLiteral("o%1@x.com").arg(i);
    return r;
}

QByteArray vcard(int i)
{
    const QByteArray k = QByteArray::number(i);
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann" + k + ";;;\r\nFN:Ann Smith\r\nTEL;TYPE=HOME:(555) 123-4567\r\n"
           "ADR;TYPE=HOME:;;12 Oak St;Springfield;IL;62704;USA\r\nBDAY:1980-05-17\r\nEMAIL:a" + k + "@x.com\r\nEND:VCARD\r\n";
}

QByteArray csvLine(int i)
{
    if (i < 0)
        return "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in "
               "Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n";
    const QByteArray k = QByteArray::number(i);
    return "Ann" + k + ",m,Lee,12 Oak St,Apt 4,Springfield,ny,62704,usa,Acme,1,555-123-4567,,555-000-1111,a" + k
         + "@x.com,7-4-1985,Family,likes tea\r\n";
}

// The input file, written a block at a time; line(-1) is a header, empty when none.
bool writeInput(const QString& path, const std::function<QByteArray(int)>& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block = line(-1);
    for (int i = 0; i < kImported; ++i) {
        block += line(i);
        if (block.size() >= (1 << 20) || i + 1 == kImported) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = bench::bookSize(argc, argv);
    const QString job = bench::job(argc, argv);
    if (job.isEmpty()) {
        const QStringList jobs{QStringLiteral("vcard"), QStringLiteral("csv")};
        return bench::runEach(records, jobs, {QStringLiteral("distinct")})
                       && bench::runEach(records, jobs, {QStringLiteral("blank")})
                       && bench::runEach(records, {QStringLiteral("sparse")})
                   ? 0
                   : 1;
    }
    const bool sparse = job == QLatin1String("sparse");
    const bool blank = argc > 3 && QByteArray(argv[3]) == "blank";

    QTemporaryDir dir;
    const QString bookPath = dir.filePath(QStringLiteral("QVL_Contacts.DAT"));
    const QString inPath = dir.filePath(QStringLiteral("in.txt"));
    const bool cards = job == QLatin1String("vcard");
    const bool made = sparse  ? QFile(bookPath).open(QIODevice::WriteOnly) && QFile::resize(bookPath, kSparseBytes)
                      : blank ? bench::writeBook(bookPath, records, [](int) { return contacts::ContactRecord(); })
                              : bench::writeBook(bookPath, records, old);
    if (!dir.isValid() || !made
        || !writeInput(inPath,
                       cards ? std::function<QByteArray(int)>([](int i) { return i < 0 ? QByteArray() : vcard(i); })
                             : std::function<QByteArray(int)>(csvLine)))
        return 1;

    contacts::ContactFile book;
    book.open(bookPath);
    const qint32 before = book.recordCount();
    QElapsedTimer timer;
    timer.start();
    const auto outcome = transfer::importContacts(book, inPath, true);
    const char* what = sparse  ? "import 100,000 own-CSV lines, 1 GB sparse"
                       : cards ? (blank ? "import 100,000 vCards, blank book" : "import 100,000 vCards")
                               : (blank ? "import 100,000 own-CSV lines, blank book" : "import 100,000 own-CSV lines");
    bench::report(what, before, double(timer.nsecsElapsed()) / 1e9, outcome.text());
    // Only the sparse book may be refused; every other job must import every contact.
    return (sparse && outcome.kind == transfer::ImportOutcome::Kind::Failed) || book.recordCount() == before + kImported
               ? 0
               : 1;
}
