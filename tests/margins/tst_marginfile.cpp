#include "margins/MarginFile.h"
#include "margins/MarginParamRecord.h"
#include "support/TableRows.h"
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
        for (const QStringList& r : testsupport::tableRows("margins/readmargin.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1].toLatin1() << r[2] << r[3].toInt() << r[4].toInt() << r[5].toInt();
        QTest::newRow("read in blocks") << QByteArray("ONTHEFLY|  1| -1\r\n").repeated(9000) + "ONTHEFLY|  7|  8\r\n"
                                        << "ONTHEFLY" << 7 << 8 << 0;
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
