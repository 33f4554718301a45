#include "contacts/ContactFile.h"
#include "session/BookLock.h"
#include "support/FileSizeLimit.h"
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
        m_file.close();

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

    // The lock beside the book; %pid, %app and %host stand for this test's own, %none for no
    // file, %folder and %unreadable for what no copy of the program leaves there.
    void bookLock_data()
    {
        QTest::addColumn<QByteArray>("lockFile");
        QTest::addColumn<int>("fileLimit");  // -1: none; else taken where a file may hold no more
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Outcome>("next");  // of a second copy, once the first has finished
        QTest::newRow("empty") << QByteArray("") << -1 << Outcome::Taken << Outcome::Held;
        QTest::newRow("zeros") << QByteArray(40, '\0') << -1 << Outcome::Taken << Outcome::Held;
        QTest::newRow("cut short") << QByteArray("%pid\n%app") << -1 << Outcome::Taken << Outcome::Held;
        QTest::newRow("process gone") << QByteArray("2000000000\nquorvel\n%host\n") << -1 << Outcome::Taken
                                      << Outcome::Held;
        QTest::newRow("running") << QByteArray("%pid\n%app\n%host\n") << -1 << Outcome::Held << Outcome::Held;
        QTest::newRow("other host") << QByteArray("%pid\nquorvel\nfaraway\n") << -1 << Outcome::Held << Outcome::Held;
        QTest::newRow("folder is a file") << QByteArray("/") << -1 << Outcome::NotMade << Outcome::NotMade;
        // A full disk leaves no lock file that the next start would take for another copy's.
        QTest::newRow("disk full") << QByteArray("%none") << 0 << Outcome::NotMade << Outcome::Taken;
        QTest::newRow("empty, disk full") << QByteArray("") << 0 << Outcome::NotMade << Outcome::Taken;
        QTest::newRow("folder") << QByteArray("%folder") << -1 << Outcome::Blocked << Outcome::Blocked;
        QTest::newRow("unreadable") << QByteArray("%unreadable") << -1 << Outcome::Blocked << Outcome::Blocked;
    }
    void bookLock()
    {
        QFETCH(QByteArray, lockFile);
        QFETCH(int, fileLimit);
        QFETCH(Outcome, outcome);
        QFETCH(Outcome, next);
        const QList<QByteArray> named =
            lockFile.replace("%pid", QByteArray::number(QCoreApplication::applicationPid()))
                .replace("%app", QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8())
                .replace("%host", QSysInfo::machineHostName().toUtf8())
                .split('\n');
        // A folder whose parent is a plain file cannot be made, even by root.
        const bool parentIsFile = lockFile == "/";
        const QString book = parentIsFile ? m_dir.filePath("file/book.DAT") : m_path;
        QDir(book + ".lock").removeRecursively();
        QFile::remove(book + ".lock");
        if (lockFile == "%folder")
            QVERIFY(QDir().mkdir(book + ".lock"));
        else if (lockFile != "%none")
            testsupport::writeBytes(parentIsFile ? m_dir.filePath("file") : book + ".lock", lockFile);
        if (lockFile == "%unreadable") {
            if (::geteuid() == 0)
                QSKIP("permissions do not apply to root");
            QVERIFY(QFile::setPermissions(book + ".lock", {}));
        }
        session::BookLock lock(book);
        if (fileLimit >= 0) {
            QCOMPARE(testsupport::underFileLimit(fileLimit, [&] { return int(lock.take()); }), int(outcome));
            QVERIFY(!QFileInfo::exists(book + ".lock"));
        } else {
            QCOMPARE(lock.take(), outcome);
            QCOMPARE(lock.holder(),
                     outcome == Outcome::Held ? QString("process %1 on host %2").arg(named[0], named[2]) : "");
            QCOMPARE(lock.reason(), parentIsFile                ? "Not a directory"
                                    : lockFile == "%folder"     ? "a folder"
                                    : lockFile == "%unreadable" ? "a file that cannot be read (Permission denied)"
                                                                : "");
        }
        QCOMPARE(session::BookLock(book).take(), next);
    }
};

QTEST_GUILESS_MAIN(TestContactFile)
#include "tst_contactfile.moc"
