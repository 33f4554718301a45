#include "margins/MarginFile.h"
#include "margins/MarginParamRecord.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using margins::MarginAdjust;

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

// Open descriptors of this process: a reader that leaves the margin file open shows here.
int openDescriptors()
{
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

}  // namespace

class TestMarginFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    void writeMarginFile(const QByteArray& bytes)
    {
        QFile f(margins::marginFilePath(m_dir.path()));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray marginFileBytes()
    {
        QFile f(margins::marginFilePath(m_dir.path()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        QFile::remove(margins::marginFilePath(m_dir.path()));
    }

    void recordLayout()
    {
        margins::MarginParamRecord r;
        r.ParamName = "ONTHEFLY";
        r.LeftAdj = "  1";
        r.TopAdj = " -1";
        QCOMPARE(r.toBytes(), QByteArray("ONTHEFLY|  1| -1\r\n"));
        QCOMPARE(margins::MarginParamRecord::fromBytes("ONTHEFLY|  1| -1\r\n"), r);

        const auto shortName = margins::MarginParamRecord::fromBytes("RET|12|345");
        QCOMPARE(shortName.ParamName, QString("RET|12|3"));
        QCOMPARE(shortName.LeftAdj, QString("5  "));
        QCOMPARE(shortName.key(), QString("RET|12|3"));
        QCOMPARE(margins::MarginParamRecord::fromBytes("BULK    |  0|  0").key(), QString("BULK"));
        QCOMPARE(margins::marginFilePath("/data"), QString("/data/QVLPARAM.TXT"));
    }

    void lastRecordWithTheExactKeyWins()
    {
        writeMarginFile("ONTHEFLY|  1| -1\r\n"
                        "onthefly|  9|  9\r\n"
                        "ONTHEFLY| -2|  3\r\n"
                        " NTHEFLY|  7|  7\r\n");
        QCOMPARE(margins::readMargin(m_dir.path(), "ONTHEFLY"), (MarginAdjust{-2, 3}));
        QCOMPARE(margins::readMargin(m_dir.path(), "ENVELOPE"), (MarginAdjust{0, 0}));
        QCOMPARE(margins::readMargin(m_dir.path(), "onthefly"), (MarginAdjust{9, 9}));
    }

    void severalKeysInOnePass()
    {
        writeMarginFile("ENVELOPE| 10| -4\r\n"
                        "ONTHEFLY|  2|1.5\r\n"
                        "RETURNAD|  0|  1\r\n");
        const auto both = margins::readMargins(m_dir.path(), {"ONTHEFLY", "ENVELOPE"});
        QCOMPARE(both.size(), 2);
        QCOMPARE(both[0], (MarginAdjust{2, 2}));  // 1.5 rounds to even
        QCOMPARE(both[1], (MarginAdjust{10, -4}));
    }

    void missingFileIsCreatedEmpty()
    {
        QVERIFY(!QFile::exists(margins::marginFilePath(m_dir.path())));
        QCOMPARE(margins::readMargin(m_dir.path(), "BULKLIST"), (MarginAdjust{0, 0}));
        QCOMPARE(marginFileBytes(), QByteArray());
    }

    void valueThatIsNotANumber()
    {
        writeMarginFile("ONTHEFLY|  1|  2\r\n"
                        "ENVELOPE|  x|  0\r\n");
        const int before = openDescriptors();
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.path(), "ENVELOPE"); }), 13);
        QCOMPARE(errorOf([&] { margins::readMargins(m_dir.path(), {"ONTHEFLY", "ENVELOPE"}); }), 13);
        QCOMPARE(openDescriptors(), before);
        // Only the records of the keys asked for are converted.
        QCOMPARE(margins::readMargin(m_dir.path(), "ONTHEFLY"), (MarginAdjust{1, 2}));

        writeMarginFile("RETURNAD|   |  0\r\n");
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.path(), "RETURNAD"); }), 13);
        writeMarginFile("RETURNAD|9e9|  0\r\n");
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.path(), "RETURNAD"); }), 6);
        QCOMPARE(openDescriptors(), before);
    }

    void shortLastRecord_data()
    {
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("without CR LF") << QByteArray("ENVELOPE|  4|  5");
        QTest::newRow("without LF") << QByteArray("ENVELOPE|  4|  5\r");
    }
    void shortLastRecord()
    {
        QFETCH(QByteArray, last);
        const QByteArray bytes = "ONTHEFLY|  1| -1\r\n" + last;
        writeMarginFile(bytes);
        QCOMPARE(margins::readMargin(m_dir.path(), "ENVELOPE"), (MarginAdjust{4, 5}));
        QCOMPARE(marginFileBytes(), bytes);
    }

    void halfRecordIsNotCounted()
    {
        // 27 bytes count as 2 records (1.5 to even), 9 bytes as none.
        writeMarginFile("ONTHEFLY|  1| -1\r\nENVELOPE|");
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.path(), "ENVELOPE"); }), 13);
        writeMarginFile("ENVELOPE|");
        QCOMPARE(margins::readMargin(m_dir.path(), "ENVELOPE"), (MarginAdjust{0, 0}));
    }

    void unusableFolder()
    {
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.filePath("missing"), "ONTHEFLY"); }), 76);
    }
};

QTEST_GUILESS_MAIN(TestMarginFile)
#include "tst_marginfile.moc"
