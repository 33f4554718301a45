#include "contacts/ContactFile.h"
#include "session/BookLock.h"
#include "support/FileSizeLimit.h"
#include "support/TableRows.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using contacts::ContactRecord;
using testsupport::errorOf;
using testsupport::readBytes;
using Outcome = session::BookLock::Outcome;

namespace {

// The record of tests/data/contact_record.dat.
const ContactRecord goldenRecord{QString::fromUtf8("José"), "Q", "O'Brien-Smith", "1200 North Main Street", "Apt 4B", "Springfield",
            "IL", "62704-1234", "USA", "(217) 555-0101", "217-555-0102", "217 555 0103", "jose.obrien@example.com",
            "19700412", "Friends;Work", QString::fromUtf8("Prefers “quotes” — costs 5€"),
            QString::fromUtf8("Acme Müller & Søn"), "1", "0"};

QByteArray records(const QStringList& firstNames)
{
    QByteArray bytes;
    for (const QString& name : firstNames)
        bytes += ContactRecord{.FName = name, .Category = "Friends;Work;Golf;Chess"}.toBytes();
    return bytes;
}

}  // namespace

class TestContactFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("QVL_Contacts.DAT");
    contacts::ContactFile m_file;

    void openWith(const QByteArray& bytes)
    {
        testsupport::writeBytes(m_path, bytes);
        m_file.open(m_path);
    }

private slots:
    void cleanup() { m_file.close(); }

    void record()
    {
        const QByteArray golden = readBytes(QStringLiteral(QUORVEL_TEST_DATA "/contact_record.dat"));
        QCOMPARE(goldenRecord.toBytes(), golden);
        QCOMPARE(ContactRecord::fromBytes(golden), goldenRecord);

        // The writer drops leading blanks, cuts to the width and writes "?" outside the code
        // page; the reader trims blanks (only) at both ends and pads short input.
        const QByteArray bytes =
            ContactRecord{.FName = "   Bob  ", .LName = "Bartholomew-Featherstonehaugh", .City = QString::fromUtf8("Łódź")}
                .toBytes();
        QCOMPARE(bytes.left(36), QByteArray("Bob           | |Bartholomew-Feathe|"));
        QCOMPARE(bytes.mid(83, 16), QByteArray("?\xF3" "d?            "));
        // Control characters from any source are written as blanks: a record stays one line.
        QCOMPARE(ContactRecord{.Notes = "tea\r\nand\tcake\x7f"}.toBytes().count('\n'), 1);
        QCOMPARE(ContactRecord::fromBytes(" \tAnn  |J|Smi").FName, QString("\tAnn  |J|Smi"));
    }

    void removeRewritesWithoutTheRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray four = records({"Ann", "Bob", "Cy", "Dee"});
        QTest::newRow("last") << four << 4 << records({"Ann", "Bob", "Cy"});
        QTest::newRow("only") << records({"Ann"}) << 1 << QByteArray();
        QTest::newRow("short last record padded") << four.left(1813) << 2
                                                  << four.left(518) + four.mid(1036, 777) + QByteArray(259, ' ');
        QTest::newRow("uncounted half dropped") << four.left(1295) << 1 << four.mid(518, 518);
    }
    void removeRewritesWithoutTheRecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, n);
        QFETCH(QByteArray, expected);
        openWith(bytes);
        m_file.remove(n);
        QCOMPARE(readBytes(m_path), expected);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"QVL_Contacts.DAT"});
    }

    void failedRemoveChangesNothing()
    {
        // A nearly full disk: the rewrite of 9,842 bytes fails past 8 KB, in one write that
        // a buffered file would only have made at its commit.
        openWith(records(QStringList(20, "Ann")));
        QCOMPARE(testsupport::errorUnderFileLimit(8192, [&] { m_file.remove(1); }), 61);
        QCOMPARE(readBytes(m_path), records(QStringList(20, "Ann")));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"QVL_Contacts.DAT"});

        if (::geteuid() == 0)
            QSKIP("permissions do not apply to root");
        openWith(records({"Ann", "Bob"}));
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner));
        QCOMPARE(errorOf([&] { m_file.remove(1); }), 75);
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(readBytes(m_path), records({"Ann", "Bob"}));
        QCOMPARE(m_file.read(1).FName, QString("Ann"));
    }

    // A book replaced on disk is never written through the old file.
    void replacedBookRefused()
    {
        openWith(records({"Ann", "Bob"}));
        QCOMPARE(errorOf([&] { m_file.remove(3); }), 63);
        QVERIFY(QFile::rename(m_path, m_path + ".old"));
        testsupport::writeBytes(m_path, records({"Cy"}));
        QCOMPARE(errorOf([&] { m_file.write(1, ContactRecord{.FName = "Zed"}); }), 75);
        QCOMPARE(errorOf([&] { m_file.remove(1); }), 75);
        QCOMPARE(readBytes(m_path), records({"Cy"}));
    }

    void bytesOutsideTheCodePageReadByteForByte()
    {
        QByteArray bytes = records({"Ann"});
        bytes.replace(17, 7, QByteArray("\x81\x8D\x8F\x90\x9D\xA0\xFF", 7));
        openWith(bytes);
        m_file.write(1, m_file.read(1));
        QCOMPARE(readBytes(m_path), bytes);
    }

    // The lock beside the book as one copy of the program finds it: the rows of
    // contacts/booklock.tsv.
    void bookLock_data()
    {
        QTest::addColumn<QString>("lockFile");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Outcome>("next");  // of a second copy, once the first has finished
        QTest::addColumn<QString>("told");  // the holder after Held, the reason after NotMade or Blocked
        const QStringList outcomes{"Taken", "Held", "NotMade", "Blocked"};
        const auto named = [](QString text) {
            return text.replace("%pid", QString::number(QCoreApplication::applicationPid()))
                .replace("%app", QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                .replace("%host", QSysInfo::machineHostName())
                .replace("%zeros", QString(40, QChar()));
        };
        for (const QStringList& r : testsupport::tableRows("contacts/booklock.tsv"))
            QTest::newRow(qPrintable(r[0])) << named(r[1]) << (r[2] == "full") << Outcome(outcomes.indexOf(r[3]))
                                            << Outcome(outcomes.indexOf(r[4])) << named(r.value(5));
    }
    void bookLock()
    {
        QFETCH(QString, lockFile);
        QFETCH(bool, diskFull);
        QFETCH(Outcome, outcome);
        QFETCH(Outcome, next);
        // A book of its own for each row; a folder whose parent is a plain file cannot be made,
        // even by root.
        const bool parentIsFile = lockFile == "/";
        const QString book = m_dir.filePath(parentIsFile ? "file/book.DAT" : QTest::currentDataTag());
        if (lockFile == "%folder")
            QVERIFY(QDir().mkdir(book + ".lock"));
        else if (lockFile != "%none")
            testsupport::writeBytes(parentIsFile ? m_dir.filePath("file") : book + ".lock", lockFile.toUtf8());
        if (lockFile == "%unreadable") {
            if (::geteuid() == 0)
                QSKIP("permissions do not apply to root");
            QVERIFY(QFile::setPermissions(book + ".lock", {}));
        }
        session::BookLock lock(book);
        if (diskFull) {
            QCOMPARE(testsupport::underFileLimit(0, [&] { return int(lock.take()); }), int(outcome));
            QVERIFY(!QFileInfo::exists(book + ".lock"));
        } else {
            QCOMPARE(lock.take(), outcome);
            QTEST(lock.holder() + lock.reason(), "told");
        }
        QCOMPARE(session::BookLock(book).take(), next);
    }
};

QTEST_GUILESS_MAIN(TestContactFile)
#include "tst_contactfile.moc"
