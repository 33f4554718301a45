#include "margins/MarginFile.h"
#include "margins/MarginParamRecord.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using margins::MarginAdjust;
using testsupport::errorOf;

class TestMarginFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void readMargin_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("error");
        const QByteArray three = "ONTHEFLY|  1| -1\r\nonthefly|  9|  9\r\nONTHEFLY| -2|  3\r\n";
        QTest::newRow("last record with the key wins") << three << "ONTHEFLY" << -2 << 3 << 0;
        QTest::newRow("case counts") << three << "onthefly" << 9 << 9 << 0;
        QTest::newRow("missing key") << three << "ENVELOPE" << 0 << 0 << 0;
        QTest::newRow("no file") << QByteArray() << "BULKLIST" << 0 << 0 << 0;
        QTest::newRow("not a number") << QByteArray("ONTHEFLY|  1|  2\r\nENVELOPE|  x|  0\r\n") << "ENVELOPE"
                                      << 0 << 0 << 13;
        QTest::newRow("only the key's records convert")
            << QByteArray("ONTHEFLY|  1|  2\r\nENVELOPE|  x|  0\r\n") << "ONTHEFLY" << 1 << 2 << 0;
        QTest::newRow("fraction to even") << QByteArray("BULKLIST|2.5|1.5\r\n") << "BULKLIST" << 2 << 2 << 0;
        QTest::newRow("out of range") << QByteArray("RETURNAD|9e9|  0\r\n") << "RETURNAD" << 0 << 0 << 6;
        QTest::newRow("last without CR LF") << QByteArray("ONTHEFLY|  1| -1\r\nENVELOPE|  4|  5") << "ENVELOPE"
                                            << 4 << 5 << 0;
        QTest::newRow("last without LF") << QByteArray("ENVELOPE|  4|  5\r") << "ENVELOPE" << 4 << 5 << 0;
        QTest::newRow("1.5 records count 2") << QByteArray("ONTHEFLY|  1| -1\r\nENVELOPE|") << "ENVELOPE"
                                             << 0 << 0 << 13;
        QTest::newRow("read in blocks") << QByteArray("ONTHEFLY|  1| -1\r\n").repeated(9000) + "ONTHEFLY|  7|  8\r\n"
                                        << "ONTHEFLY" << 7 << 8 << 0;
        QTest::newRow("0.5 records count 0") << QByteArray("ENVELOPE|") << "ENVELOPE" << 0 << 0 << 0;
    }
    void readMargin()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, error);
        const QString path = margins::marginFilePath(m_dir.path());
        QCOMPARE(path, m_dir.filePath("QVLPARAM.TXT"));
        QFile::remove(path);
        if (!bytes.isEmpty())
            testsupport::writeBytes(path, bytes);
        const qsizetype descriptors = testsupport::openDescriptors();
        MarginAdjust got;
        QCOMPARE(errorOf([&] { got = margins::readMargin(m_dir.path(), key); }), error);
        QCOMPARE(got, (error ? MarginAdjust{} : MarginAdjust{std::int16_t(left), std::int16_t(top)}));
        QCOMPARE(testsupport::openDescriptors(), descriptors);  // closed, also after an error
        QCOMPARE(testsupport::readBytes(path), bytes);          // a missing file is created empty
    }

    void severalKeysRecordLayoutAndUnusableFolder()
    {
        margins::MarginParamRecord r;
        r.ParamName = "ENVELOPE";
        r.LeftAdj = " 10";
        r.TopAdj = " -4 cut";
        QCOMPARE(r.toBytes(), QByteArray("ENVELOPE| 10| -4\r\n"));
        testsupport::writeBytes(margins::marginFilePath(m_dir.path()), r.toBytes() + "BULK    |  2|  1\r\n");
        QCOMPARE(margins::readMargins(m_dir.path(), {"BULK", "ENVELOPE"}), (QList<MarginAdjust>{{2, 1}, {10, -4}}));
        QCOMPARE(errorOf([&] { margins::readMargin(m_dir.filePath("missing"), "ONTHEFLY"); }), 76);
    }
};

QTEST_GUILESS_MAIN(TestMarginFile)
#include "tst_marginfile.moc"
