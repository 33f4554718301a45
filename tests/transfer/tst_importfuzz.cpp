#include "contacts/ContactFile.h"
#include "support/TestFiles.h"
#include "transfer/ContactImport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Damaged inputs of every layout: no crash, no hang, and the book always whole records.
class TestImportFuzz : public QObject {
    Q_OBJECT

private slots:
    void damagedInputs_data()
    {
        QTest::addColumn<QByteArray>("base");
        QTest::newRow("own") << QByteArray("First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include "
                                           "Company in Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n"
                                           "Ann,m,Lee,1 Oak,,Town,ny,62704,usa,Acme,1,555-1234,,5,a@x.com,7-4-1985,F,\"n,\"\"q\"\r\n");
        QTest::newRow("email column") << QByteArray("First Name,Last Name,MI,T,C,P,F,E-mail Address,Notes\n"
                                                    "Ann,Lee,M,t,c,1,2,ann@x.com,\"a\nb\"\n");
        QTest::newRow("name email") << QByteArray("First Name,Last Name,Middle Name,Name,E-mail Address\rAnn,Lee,M,A L,a@x.org\r");
        QTest::newRow("primary") << QByteArray("First Name,Middle Name,Last Name,a,b,c,d,e,Birthday,f,g,h,i,j,E-mail Address,"
                                               "k,l,m,Home Phone,n,Mobile Phone,Primary Phone,Web Page\r\n"
                                               "Ann,M,Lee,,,,,,1/5/1990,,,,,,a@x.com,,,,(555) 1-2345,,+1 555-2345,,\r\n");
        QByteArray yahoo = "First,Middle,Last";
        for (int i = 3; i < 33; ++i)
            yahoo += ",c" + QByteArray::number(i);
        QTest::newRow("yahoo") << yahoo + ",Yahoo Phone\r\nAnn,M,Lee,,a@x.com,Cat,,,555-1234,,,,555-9999\r\n";
        QTest::newRow("vcard") << QByteArray("BEGIN:VCARD\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:L=C3=A9e;A=\r\nnn\r\n"
                                             "TEL;TYPE=HOME:(555) 123-4567\r\nADR;TYPE=HOME:;;1 Oak\r\n  St;Town;IL;62704;USA\r\n"
                                             "BDAY:1980-05-17\r\nEMAIL:a@x.com\r\nORG:A\\;B\r\nEND:VCARD\r\n");
    }
    void damagedInputs()
    {
        QFETCH(QByteArray, base);
        // Memory-backed when there is such a folder: the test writes thousands of small files.
        QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/qvfuzz-XXXXXX")
                                                                    : QDir::tempPath() + QStringLiteral("/qvfuzz-XXXXXX"));
        const QString bookPath = dir.filePath("book.dat");
        const QString inPath = dir.filePath("in.txt");
        contacts::ContactFile book;
        book.open(bookPath);
        QRandomGenerator rng(20240607);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10000; ++i) {
            QByteArray input = base;
            switch (rng.bounded(5)) {
            case 0:  // flipped bytes
                for (int k = rng.bounded(1, 6); k > 0; --k)
                    input[rng.bounded(int(input.size()))] = char(rng.bounded(256));
                break;
            case 1:  // cut file
                input.truncate(rng.bounded(int(input.size())));
                break;
            case 2:  // a line over the limit
                input.insert(rng.bounded(int(input.size())), QByteArray(300 + rng.bounded(200), 'x'));
                break;
            case 3:  // binary
                input = QByteArray(rng.bounded(1, 400), Qt::Uninitialized);
                for (char& c : input)
                    c = char(rng.bounded(256));
                if (rng.bounded(2))
                    input.prepend(base.left(base.indexOf('\n') + 1));
                break;
            default:  // repeated, shuffled lines
                input += input.mid(rng.bounded(int(input.size())));
                break;
            }
            testsupport::writeBytes(inPath, input);
            transfer::importContacts(book, inPath, i % 2 == 0, 256);
            QVERIFY2(book.lengthBytes() % 518 == 0, qPrintable(QString::number(i)));
            if (book.recordCount() > 50)
                QFile::resize(bookPath, 0);
        }
        qInfo("10000 inputs in %lld ms", timer.elapsed());
    }
};

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "tst_importfuzz.moc"
