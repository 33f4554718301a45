#include "runtime/RecordFile.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <unistd.h>

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

}  // namespace

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void openCreatesMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("new.dat");
        rt::RecordFile file(10);
        file.open(path);
        QVERIFY(file.isOpen());
        QCOMPARE(file.path(), path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(file.length(), 0);
        QCOMPARE(file.recordCount(), 0);
        file.close();
        QVERIFY(!file.isOpen());
        QCOMPARE(file.path(), QString());
        file.close();  // closing twice is no error
    }

    void failedOpens()
    {
        QTemporaryDir dir;
        rt::RecordFile file(10);
        QCOMPARE(errorOf([&] { file.open(dir.filePath("nofolder/x.dat")); }), 76);
        QCOMPARE(errorOf([&] { file.open(dir.path()); }), 75);
        QCOMPARE(errorOf([&] { file.open(QString()); }), 75);
        QVERIFY(!file.isOpen());

        // A failed open leaves no file open, also when one was open before.
        file.open(dir.filePath("a.dat"));
        QCOMPARE(errorOf([&] { file.open(dir.path()); }), 75);
        QVERIFY(!file.isOpen());
    }

    void noFileOpen()
    {
        rt::RecordFile file(10);
        QCOMPARE(errorOf([&] { file.read(1); }), 52);
        QCOMPARE(errorOf([&] { file.write(1, "x"); }), 52);
        QCOMPARE(errorOf([&] { file.append("x"); }), 52);
        QCOMPARE(errorOf([&] { file.length(); }), 52);
        QCOMPARE(errorOf([&] { file.recordCount(); }), 52);
    }

    void badRecordNumbers()
    {
        QTemporaryDir dir;
        rt::RecordFile file(4);
        file.open(dir.filePath("r.dat"));
        file.write(1, "abcd");
        QCOMPARE(errorOf([&] { file.read(0); }), 63);
        QCOMPARE(errorOf([&] { file.read(-5); }), 63);
        QCOMPARE(errorOf([&] { file.write(0, "zzzz"); }), 63);
        QCOMPARE(contents(dir.filePath("r.dat")), QByteArray("abcd"));
    }

    void countRoundsHalfToEven()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("c.dat");
        rt::RecordFile file(4);
        const QList<QPair<int, int>> cases = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {6, 2}, {10, 2}, {14, 4}, {16, 4}};
        for (const auto& [bytes, count] : cases) {
            setContents(path, QByteArray(bytes, 'x'));
            file.open(path);
            QCOMPARE(file.recordCount(), count);
            file.close();
        }
    }

    void shortLastRecordReadsPadded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("s.dat");
        setContents(path, "abcdefgh12");
        rt::RecordFile file(4);
        file.open(path);
        QCOMPARE(file.recordCount(), 2);  // 2.5
        QCOMPARE(file.read(2), QByteArray("efgh"));
        QCOMPARE(file.read(3), QByteArray("12  "));
        QCOMPARE(file.read(4), QByteArray("    "));
        QCOMPARE(file.read(1000000), QByteArray("    "));
        QCOMPARE(file.read(std::numeric_limits<qint64>::max()), QByteArray("    "));
        file.close();
        QCOMPARE(contents(path), QByteArray("abcdefgh12"));
    }

    void writesInPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("w.dat");
        setContents(path, "aaaabbbbcccc");
        rt::RecordFile file(4);
        file.open(path);
        file.write(2, "XY");           // padded with blanks
        file.write(3, "123456");       // cut
        QCOMPARE(contents(path), QByteArray("aaaaXY  1234"));
        file.write(4, "dddd");         // count + 1 appends
        file.append("eeee");
        QCOMPARE(contents(path), QByteArray("aaaaXY  1234ddddeeee"));
        QCOMPARE(file.recordCount(), 5);
        QCOMPARE(file.read(5), QByteArray("eeee"));
    }

    void writingPastTheEndLeavesNoHole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("g.dat");
        setContents(path, "aaaab");
        rt::RecordFile file(4);
        file.open(path);
        file.write(4, "dddd");
        QCOMPARE(contents(path), QByteArray("aaaab       dddd"));
        QCOMPARE(file.read(2), QByteArray("b   "));
    }

    void appendAfterShortRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.dat");
        setContents(path, "aaaabbbbcc");  // 2.5 records count as 2
        rt::RecordFile file(4);
        file.open(path);
        file.append("zzzz");
        QCOMPARE(contents(path), QByteArray("aaaabbbbzzzz"));
    }

    void readOnlyFile()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not apply to root");
        QTemporaryDir dir;
        const QString path = dir.filePath("ro.dat");
        setContents(path, "abcd");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        rt::RecordFile file(4);
        file.open(path);
        QCOMPARE(file.read(1), QByteArray("abcd"));
        QCOMPARE(errorOf([&] { file.write(1, "zzzz"); }), 75);
        QCOMPARE(contents(path), QByteArray("abcd"));
    }

    void nonTextBytesStayAsTheyAre()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("b.dat");
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        setContents(path, all);
        rt::RecordFile file(64);
        file.open(path);
        QByteArray back;
        for (qint64 n = 1; n <= file.recordCount(); ++n)
            back += file.read(n);
        QCOMPARE(back, all);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
