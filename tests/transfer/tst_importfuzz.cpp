#include "contacts/ContactFile.h"
#include "support/TestFiles.h"
#include "transfer/ContactImport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Damaged inputs of every layout, from its file in tests/data/import: no crash, no hang, and
// the book always whole records.
class TestImportFuzz : public QObject {
    Q_OBJECT

private slots:
    void damagedInputs_data()
    {
        QTest::addColumn<QByteArray>("base");
        const QDir data(QStringLiteral(QUORVEL_TEST_DATA "/import"));
        for (const QString& name : data.entryList({"layout-*.csv", "layout-*.vcf"}, QDir::Files))
            QTest::newRow(qPrintable(name)) << testsupport::readBytes(data.filePath(name));
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
                input.insert(rng.bounded(int(input.size())), QByteArray(1100 + rng.bounded(200), 'x'));
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
            transfer::importContacts(book, inPath, i % 2 == 0, 1024);
            QVERIFY2(book.lengthBytes() % 518 == 0, qPrintable(QString::number(i)));
            if (book.recordCount() > 50)
                QFile::resize(bookPath, 0);
        }
        qInfo("10000 inputs in %lld ms", timer.elapsed());
    }
};

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "tst_importfuzz.moc"
