#include "contacts/ContactFile.h"
#include "transfer/ContactImport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// Imports 100,000 vCards into a book of 100,000 contacts (or as many as the first argument
// says), and 100,000 own-CSV lines.
int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const int n = 100000;
    const int bookSize = argc > 1 ? std::atoi(argv[1]) : n;
    // The book is written in blocks, so that the figures are the import's.
    const auto writeBook = [](QFile& b, int count) {
        QByteArray block;
        for (int i = 0; i < count; ++i) {
            contacts::ContactRecord r;
            r.FName = QStringLiteral("Old%1").arg(i);
            r.LName = QStringLiteral("Lee");
            r.Email = QStringLiteral("o%1@x.com").arg(i);
            block += r.toBytes();
            if (block.size() >= (1 << 20) || i == count - 1) {
                if (b.write(block) != block.size())
                    return false;
                block.clear();
            }
        }
        return true;
    };
    QByteArray vcf, csv = "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in "
                          "Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray k = QByteArray::number(i);
        vcf += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann" + k + ";;;\r\nFN:Ann Smith\r\nTEL;TYPE=HOME:(555) 123-4567\r\n"
               "ADR;TYPE=HOME:;;12 Oak St;Springfield;IL;62704;USA\r\nBDAY:1980-05-17\r\nEMAIL:a" + k + "@x.com\r\nEND:VCARD\r\n";
        csv += "Ann" + k + ",m,Lee,12 Oak St,Apt 4,Springfield,ny,62704,usa,Acme,1,555-123-4567,,555-000-1111,a" + k
             + "@x.com,7-4-1985,Family,likes tea\r\n";
    }
    const auto timeImport = [&](const char* label, const QByteArray& input, int start) {
        const QString bookPath = dir.filePath("book.dat"), inPath = dir.filePath("in.txt");
        QFile b(bookPath), in(inPath);
        if (!b.open(QIODevice::WriteOnly | QIODevice::Truncate) || !writeBook(b, start)
            || !in.open(QIODevice::WriteOnly | QIODevice::Truncate) || in.write(input) != input.size())
            return;
        b.close();
        in.close();
        contacts::ContactFile file;
        file.open(bookPath);
        QElapsedTimer t;
        t.start();
        const auto out = transfer::importContacts(file, inPath, true);
        std::printf("%s: %lld ms, %s\n", label, t.elapsed(), qPrintable(out.text()));
    };
    timeImport(qPrintable(QStringLiteral("100,000 vCards into %L1 contacts").arg(bookSize)), vcf, bookSize);
    timeImport("100,000 own-CSV lines", csv, 0);
    return 0;
}
