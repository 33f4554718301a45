#include "contacts/ContactFile.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <unistd.h>

using contacts::ContactFile;
using contacts::ContactRecord;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void setContents(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

ContactRecord person(const QString& first, const QString& last)
{
    ContactRecord r;
    r.FName = first;
    r.LName = last;
    r.City = "Dayton";
    r.State = "OH";
    r.Category = "Friends;Work;Golf;Chess";
    r.IncComp = "0";
    r.BdayReminder = "1";
    return r;
}

QByteArray records(const QStringList& firstNames)
{
    QByteArray bytes;
    for (const QString& name : firstNames)
        bytes += person(name, "Doe").toBytes();
    return bytes;
}

}  // namespace

class TestContactFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_path = m_dir.filePath("QVL_Contacts.DAT");
        QFile::remove(m_path);
    }

    void countsWithShortLastRecord()
    {
        // 1295 bytes = 2.5 records: 2; 1813 bytes = 3.5 records: 4.
        const QByteArray four = records({"Ann", "Bob", "Cy", "Dee"});
        setContents(m_path, four.left(1295));
        ContactFile file;
        file.open(m_path);
        QCOMPARE(file.lengthBytes(), 1295);
        QCOMPARE(file.recordCount(), 2);
        file.close();

        setContents(m_path, four.left(1813));
        file.open(m_path);
        QCOMPARE(file.recordCount(), 4);
        const ContactRecord last = file.read(4);
        QCOMPARE(last.FName, QString("Dee"));
        QCOMPARE(last.City, QString("Dayton"));
        QCOMPARE(last.Category, QString("Friends;Work;Golf;C"));  // the record stops here
        QCOMPARE(last.Notes, QString());
        QCOMPARE(last.BdayReminder, QString());
        QCOMPARE(file.lengthBytes(), 1813);
        file.close();
        QCOMPARE(contents(m_path), four.left(1813));
    }

    void writeReadBack()
    {
        ContactFile file;
        file.open(m_path);
        QVERIFY(file.isOpen());
        QCOMPARE(file.path(), m_path);
        QCOMPARE(file.recordCount(), 0);
        file.append(person("Ann", "Able"));
        file.write(2, person("Bob", "Baker"));  // count + 1 appends
        file.append(person("Cy", "Cole"));
        QCOMPARE(file.recordCount(), 3);
        QCOMPARE(file.read(2), person("Bob", "Baker"));

        const QByteArray before = contents(m_path);
        file.write(2, person("Bea", "Brown"));
        const QByteArray after = contents(m_path);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(518), before.left(518));
        QCOMPARE(after.mid(1036), before.mid(1036));
        QCOMPARE(file.read(2), person("Bea", "Brown"));
        QCOMPARE(after.mid(518, 518), person("Bea", "Brown").toBytes());
    }

    void noFileOpen()
    {
        ContactFile file;
        QVERIFY(!file.isOpen());
        QCOMPARE(errorOf([&] { file.read(1); }), 52);
        QCOMPARE(errorOf([&] { file.write(1, person("A", "B")); }), 52);
        QCOMPARE(errorOf([&] { file.append(person("A", "B")); }), 52);
        QCOMPARE(errorOf([&] { file.recordCount(); }), 52);
        QCOMPARE(errorOf([&] { file.lengthBytes(); }), 52);
        QCOMPARE(errorOf([&] { file.remove(1); }), 52);
        file.close();
    }

    void badRecordNumbers()
    {
        setContents(m_path, records({"Ann", "Bob"}));
        ContactFile file;
        file.open(m_path);
        QCOMPARE(errorOf([&] { file.read(0); }), 63);
        QCOMPARE(errorOf([&] { file.write(0, person("A", "B")); }), 63);
        QCOMPARE(errorOf([&] { file.remove(0); }), 63);
        QCOMPARE(errorOf([&] { file.remove(3); }), 63);
        QCOMPARE(contents(m_path), records({"Ann", "Bob"}));
        QVERIFY(file.isOpen());
    }

    void failedOpenLeavesNoFileOpen()
    {
        ContactFile file;
        file.open(m_path);
        QCOMPARE(errorOf([&] { file.open(QString()); }), 75);
        QVERIFY(!file.isOpen());
        QCOMPARE(errorOf([&] { file.open(m_dir.path()); }), 75);
        QVERIFY(!file.isOpen());
        QCOMPARE(file.path(), QString());
    }

    void removeRewritesWithoutTheRecord_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << 1 << QStringList{"Bob", "Cy", "Dee"};
        QTest::newRow("middle") << 3 << QStringList{"Ann", "Bob", "Dee"};
        QTest::newRow("last") << 4 << QStringList{"Ann", "Bob", "Cy"};
    }
    void removeRewritesWithoutTheRecord()
    {
        QFETCH(int, n);
        QFETCH(QStringList, left);
        setContents(m_path, records({"Ann", "Bob", "Cy", "Dee"}));
        ContactFile file;
        file.open(m_path);
        file.remove(n);
        QVERIFY(file.isOpen());
        QCOMPARE(file.path(), m_path);
        QCOMPARE(file.recordCount(), 3);
        QCOMPARE(contents(m_path), records(left));
        // The reopened file takes further writes.
        file.append(person("Eve", "Doe"));
        QCOMPARE(file.read(4).FName, QString("Eve"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"QVL_Contacts.DAT"});
    }

    void removeOnlyRecord()
    {
        setContents(m_path, records({"Ann"}));
        ContactFile file;
        file.open(m_path);
        file.remove(1);
        QCOMPARE(file.recordCount(), 0);
        QCOMPARE(contents(m_path), QByteArray());
    }

    void removeKeepsWholeRecords()
    {
        // As if every other record were read and written afresh: the short last record
        // comes back padded, bytes past the last counted record are dropped.
        const QByteArray four = records({"Ann", "Bob", "Cy", "Dee"});
        setContents(m_path, four.left(1813));
        ContactFile file;
        file.open(m_path);
        file.remove(2);
        QByteArray expected = four.left(518) + four.mid(1036, 518) + four.mid(1554, 259);
        expected.append(259, ' ');
        QCOMPARE(contents(m_path), expected);
        QCOMPARE(file.recordCount(), 3);

        setContents(m_path, four.left(1295));  // 2 records and a half that does not count
        file.open(m_path);
        file.remove(1);
        QCOMPARE(contents(m_path), four.mid(518, 518));
    }

    void failedRemoveChangesNothing()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not apply to root");
        QTemporaryDir dir;
        const QString path = dir.filePath("ro.DAT");
        setContents(path, records({"Ann", "Bob"}));
        ContactFile file;
        file.open(path);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const int error = errorOf([&] { file.remove(1); });
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(error, 75);
        QCOMPARE(contents(path), records({"Ann", "Bob"}));
        QVERIFY(file.isOpen());
        QCOMPARE(file.read(1).FName, QString("Ann"));

        // A read-only file in a writable folder is not replaced either.
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        file.open(path);
        QCOMPARE(errorOf([&] { file.remove(2); }), 75);
        QCOMPARE(contents(path), records({"Ann", "Bob"}));
        QCOMPARE(file.recordCount(), 2);
    }

    void bytesOutsideTheCodePageReadByteForByte()
    {
        QByteArray bytes = records({"Ann", "Bob"});
        bytes.replace(518 + 17, 5, QByteArray("\x81\x8D\x8F\x90\x9D"));
        setContents(m_path, bytes);
        ContactFile file;
        file.open(m_path);
        const ContactRecord r = file.read(2);
        QCOMPARE(r.LName, QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
        file.write(2, r);
        QCOMPARE(contents(m_path), bytes);
    }
};

QTEST_GUILESS_MAIN(TestContactFile)
#include "tst_contactfile.moc"
