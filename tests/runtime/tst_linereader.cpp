#include "runtime/LineReader.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rt::LineReader;

class TestLineReader : public QObject {
    Q_OBJECT

private slots:
    void lineEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("vcardLines");
        QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c\nd"}
                               << QStringList{"a", "b", "c", "d"};
        QTest::newRow("final crlf") << "a\r\n" << QStringList{"a"} << QStringList{"a"};
        QTest::newRow("empty line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"}
                                         << QStringList{"a", "", "b"};
        QTest::newRow("cr then crlf") << "a\r\r\nb" << QStringList{"a", "", "b"}
                                      << QStringList{"a", "", "b"};
        QTest::newRow("lone cr") << "\r" << QStringList{""} << QStringList{""};
        QTest::newRow("lf cr") << "a\n\rb" << QStringList{"a\n", "b"}
                               << QStringList{"a", "", "b"};
        QTest::newRow("empty") << "" << QStringList{} << QStringList{};
        QTest::newRow("no line end") << "last" << QStringList{"last"} << QStringList{"last"};
    }
    void lineEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, vcardLines);
        QCOMPARE(LineReader::splitLines(text), lines);
        QCOMPARE(LineReader::splitLines(text, LineReader::LineEnds::AlsoLf), vcardLines);
    }

    void readingPastTheEnd()
    {
        LineReader reader(QStringLiteral("one\r\n"));
        QVERIFY(!reader.atEnd());
        QCOMPARE(reader.readLine(), QString("one"));
        QVERIFY(reader.atEnd());
        try {
            reader.readLine();
            QFAIL("no error");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 62);
            QCOMPARE(e.description(), QString("Input past end of file"));
        }
    }

    void files()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("import.csv");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF" "First,Last\r\nJos\xC3\xA9,M\xC3\xBCller\r\n");
        f.close();
        LineReader reader = LineReader::fromFile(path);
        QCOMPARE(reader.readLine(), QString("First,Last"));
        QCOMPARE(reader.readLine(), QString::fromUtf8("José,Müller"));
        QVERIFY(reader.atEnd());

        // Not UTF-8: byte for byte.
        QCOMPARE(LineReader::fromBytes("M\xFCller\r\x81").readLine(), QString::fromUtf8("Müller"));

        try {
            LineReader::fromFile(dir.filePath("missing.csv"));
            QFAIL("no error");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), 53);
        }
    }
};

QTEST_GUILESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
