#include "contacts/ContactFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "transfer/ContactExport.h"
#include "transfer/CsvFields.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <unistd.h>

using contacts::ContactRecord;
namespace ContactExport = transfer::ContactExport;
using transfer::ExportKind;
using testsupport::errorOf;
using testsupport::readBytes;

class TestExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    contacts::ContactFile m_book;

    void openBook(const QString& name, const QByteArray& bytes)
    {
        testsupport::writeBytes(m_dir.filePath(name), bytes);
        m_book.open(m_dir.filePath(name));
    }

    // Full, sparse, blank, and values holding every separator, quotes, accents, and what
    // another program's book may hold: a line break, a TAB, an ESC and NUL padding inside fields.
    void openSampleBook() { openBook("Book.DAT", readBytes(QStringLiteral(QUORVEL_TEST_DATA "/export/Book.DAT"))); }

private slots:
    void cleanup() { m_book.close(); }

    void golden_data()
    {
        QTest::addColumn<ExportKind>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("csv") << ExportKind::Csv << "QVLC_Book.csv" << QChar(u',');
        QTest::newRow("text") << ExportKind::Text << "QVLT_Book.txt" << QChar(u'|');
        QTest::newRow("android") << ExportKind::VCardAndroid << "QVLVAndroid_Book.vcf" << QChar();
        QTest::newRow("iphone") << ExportKind::VCardIPhone << "QVLViPhone_Book.vcf" << QChar();
        QTest::newRow("v30") << ExportKind::VCard30 << "QVLV30_Book.vcf" << QChar();
    }
    void golden()
    {
        QFETCH(ExportKind, kind);
        QFETCH(QString, file);
        QFETCH(QChar, separator);
        const QTemporaryDir out;
        openSampleBook();
        const transfer::ExportOutcome outcome = ContactExport::run(m_book, out.path(), kind);
        QVERIFY(outcome.written && outcome.text.endsWith("This file is named " + file));
        const QByteArray golden = readBytes(QStringLiteral(QUORVEL_TEST_DATA "/export/") + file);
        QCOMPARE(readBytes(outcome.path), golden);

        // Read back by a CSV reader set to the separator, every line has 18 columns and the
        // values are the CSV export's, a "|" or a double quote inside them included.
        if (!separator.isNull()) {
            const auto rows = [](const QByteArray& bytes, QChar separator) {
                QList<QStringList> rows;
                for (const QString& line : QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
                    rows << transfer::CsvFields::split(line, separator);
                return rows;
            };
            const QList<QStringList> got = rows(readBytes(outcome.path), separator);
            QCOMPARE(got, rows(readBytes(QStringLiteral(QUORVEL_TEST_DATA "/export/QVLC_Book.csv")), u','));
            QVERIFY(std::all_of(got.cbegin(), got.cend(), [](const QStringList& r) { return r.size() == 18; }));
            QCOMPARE(got.last().last(), QStringLiteral("Gate code 4|7 \"back door\"; ring twice"));
        }

        // On a nearly full disk (a file size limit of 8 KB) an export of about 12 KB, one write
        // that a buffered file would only make at its commit, fails with "Disk full"; a book too
        // large to list is refused at once, as View All refuses it. The earlier export stays.
        testsupport::writeBytes(m_book.path(), readBytes(m_book.path()).repeated(12 * 1024 / golden.size() + 1));
        QCOMPARE(testsupport::errorUnderFileLimit(8192, [&] { ContactExport::run(m_book, out.path(), kind); }), 61);
        QVERIFY(QFile::resize(m_book.path(), Q_INT64_C(1000000000000)));
        QCOMPARE(errorOf([&] { ContactExport::run(m_book, out.path(), kind); }), 7);
        QCOMPARE(readBytes(outcome.path), golden);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{file});
    }

    void writesBlockByBlock()
    {
        struct Device : QIODevice {
            qint64 writes = 0, largest = 0;
            qint64 readData(char*, qint64) override { return -1; }
            qint64 writeData(const char*, qint64 n) override { return ++writes > 2 ? -1 : (largest = qMax(largest, n), n); }
        } device;
        device.open(QIODevice::WriteOnly);
        openBook("Big.DAT", readBytes(QStringLiteral(QUORVEL_TEST_DATA "/export/Book.DAT")).left(ContactRecord::Length).repeated(5000));
        QCOMPARE(errorOf([&] { ContactExport::write(m_book, 5000, ExportKind::VCard30, device); }), 61);
        QVERIFY(device.largest > 0 && device.largest < (1 << 20));
    }

    void baseName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("base");
        QTest::newRow("upper") << "/home/u/Quorvel/Family.DAT" << "Family";
        QTest::newRow("lower") << "club.dat" << "club";
        QTest::newRow("mixed stays") << "/x/Club.Dat" << "Club.Dat";
    }
    void baseName()
    {
        QFETCH(QString, path);
        QFETCH(QString, base);
        QCOMPARE(ContactExport::baseName(path), base);
    }

    void failures()
    {
        QCOMPARE(errorOf([&] { ContactExport::run(m_book, m_dir.path(), ExportKind::Csv); }), 52);
        openSampleBook();
        if (::geteuid() == 0)
            QSKIP("permissions do not apply to root");
        const QTemporaryDir out;
        const QString earlier = QDir(out.path()).filePath("QVLC_Book.csv");
        testsupport::writeBytes(earlier, "earlier");
        QVERIFY(QFile::setPermissions(out.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QCOMPARE(errorOf([&] { ContactExport::run(m_book, out.path(), ExportKind::Csv); }), 75);
        QVERIFY(QFile::setPermissions(out.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(readBytes(earlier), QByteArray("earlier"));
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
