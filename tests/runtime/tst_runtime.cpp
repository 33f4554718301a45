#include "runtime/Codepage.h"
#include "runtime/Numeric.h"
#include "runtime/RecordFile.h"
#include "runtime/Text.h"
#include "support/FileSizeLimit.h"
#include "support/TableRows.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cmath>
#include <limits>
#include <unistd.h>

using testsupport::errorOf;
using testsupport::readBytes;
using testsupport::writeBytes;

class TestRuntime : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("val");
        QTest::addColumn<QString>("toInt16");  // the number, or the error it raises
        QTest::addColumn<bool>("readsAsNumber");
        for (const QStringList& r : testsupport::tableRows("runtime/numbers.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1] << (r[2] == "-max" ? -std::numeric_limits<double>::max() : r[2].toDouble())
                                            << r[3] << (r[4] == "1");
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, val);
        QFETCH(QString, toInt16);
        QFETCH(bool, readsAsNumber);
        QCOMPARE(rt::val(text), val);
        int got = 0;
        const int error = errorOf([&] { got = rt::toInt16(text); });
        QCOMPARE(error ? QStringLiteral("error %1").arg(error) : QString::number(got), toInt16);
        QCOMPARE(rt::readsAsNumber(text), readsAsNumber);
    }

    void wholeNumbers()
    {
        QCOMPARE(rt::toInt32(" -2147483648 "), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(errorOf([] { rt::toInt32("2147483648"); }), 6);
        QCOMPARE(rt::toInt16(-1.5), std::int16_t(-2));
        QCOMPARE(errorOf([] { rt::toInt16(std::nan("")); }), 6);
        QCOMPARE(rt::add16(30000, 2767), std::int16_t(32767));
        QCOMPARE(errorOf([] { rt::add16(32767, 1); }), 6);
        QCOMPARE(errorOf([] { rt::sub16(-32768, 1); }), 6);
        QCOMPARE(errorOf([] { rt::mul16(-32768, -1); }), 6);
    }

    void text()
    {
        QCOMPARE(rt::instr(4, "abcabc", "c"), 6);
        QCOMPARE(rt::instr("ABC", "b"), 0);
        QCOMPARE(rt::instr(3, "abc", ""), 3);
        QCOMPARE(rt::instr(1, "", ""), 0);
        QCOMPARE(rt::mid("Hello", 4, 10), QString("lo"));
        QCOMPARE(rt::mid("Hello", 9), QString());
        QCOMPARE(rt::right("Hi", 9), QString("Hi"));
        for (const auto& call : std::vector<std::function<void()>>{
                 [] { rt::instr(0, "a", "a"); }, [] { rt::mid("a", 0); }, [] { rt::mid("a", 1, -1); },
                 [] { rt::left("a", -1); }, [] { rt::right("a", -1); }})
            QCOMPARE(errorOf(call), 5);
        QCOMPARE(rt::replace("aaa", "aa", "b"), QString("ba"));
        QCOMPARE(rt::replace("  x  ", "  ", " "), QString(" x "));
        QCOMPARE(rt::replace("abc", "", "x"), QString("abc"));
        QCOMPARE(rt::trim(" \ta\t "), QString("\ta\t"));
        // Sharp s and micro have no upper case in the code page; l with stroke is not in it.
        QCOMPARE(rt::ucase(QString::fromUtf8("straße ÿ š œ é µ ł")), QString::fromUtf8("STRAßE Ÿ Š Œ É µ ł"));
        QCOMPARE(rt::split("", ",").size(), 0);
        QCOMPARE(rt::split("a,,b", ","), QStringList({"a", "", "b"}));
    }

    void errors()
    {
        const QString golden = QString::fromUtf8(readBytes(QStringLiteral(QUORVEL_TEST_DATA "/error_descriptions.txt")));
        for (const QString& line : golden.split('\n', Qt::SkipEmptyParts))
            QCOMPARE(rt::RuntimeError(line.section(' ', 0, 0).toInt()).description(), line.section(' ', 1));
        QCOMPARE(rt::errorFromErrno(ENOENT), 53);
        QCOMPARE(rt::errorFromErrno(EROFS), 75);
        QCOMPARE(rt::errorFromErrno(ENOSPC), 61);
        QCOMPARE(rt::errorFromErrno(EFBIG), 61);
    }

    void codePageAndTextFiles()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(rt::toCp1252(rt::fromCp1252(all)), all);  // the five undefined bytes too
        QCOMPARE(rt::fromCp1252("\x80\x93\x9F"), QString::fromUtf8("€“Ÿ"));
        QCOMPARE(rt::toCp1252(QString::fromUtf8("Łódź a😀b")), QByteArray("?\xF3" "d? a?b"));
    }

    // Records of 4 bytes keep the byte patterns readable.
    void recordFile()
    {
        const QString path = m_dir.filePath("r.dat");
        rt::RecordFile file(4);
        const auto openWith = [&](const QByteArray& bytes) {
            writeBytes(path, bytes);
            file.open(path);
        };
        QCOMPARE(errorOf([&] { file.read(1); }), 52);
        for (const auto& [bytes, count] : std::vector<std::pair<int, int>>{{2, 0}, {3, 1}, {6, 2}, {10, 2}, {14, 4}}) {
            openWith(QByteArray(bytes, 'x'));
            QCOMPARE(file.recordCount(), count);
        }
        openWith("abcdefgh12");
        QCOMPARE(file.read(3), QByteArray("12  "));  // a short last record reads padded
        QCOMPARE(file.readRecords(2, 2), QByteArray("efgh12  "));  // in a block too
        QCOMPARE(file.read(std::numeric_limits<qint64>::max()), QByteArray("    "));
        QCOMPARE(errorOf([&] { file.read(0); }), 63);
        QCOMPARE(readBytes(path), QByteArray("abcdefgh12"));

        openWith("aaaabbbbcccc");
        file.write(2, "XY");      // padded
        file.write(3, "123456");  // cut
        file.write(4, "dddd");    // count + 1 appends
        file.append("eeee");
        QCOMPARE(readBytes(path), QByteArray("aaaaXY  1234ddddeeee"));
        openWith("aaaab");  // 1.25 records: 1
        file.write(4, "dddd");
        QCOMPARE(readBytes(path), QByteArray("aaaab       dddd"));  // blanks, no hole
        openWith("aaaabbbbcc");  // 2.5 records: 2, so the half record is written over
        file.append("zzzz");
        QCOMPARE(readBytes(path), QByteArray("aaaabbbbzzzz"));
    }

    // A full disk in the middle of a record: the file keeps its old bytes and length.
    void failedWriteLeavesTheFileAsItWas()
    {
        const QString path = m_dir.filePath("full.dat");
        writeBytes(path, "aaaabbbb");
        rt::RecordFile file(4);
        file.open(path);
        const int appended = testsupport::errorUnderFileLimit(10, [&] { file.append("cccc"); });
        const int grown = testsupport::errorUnderFileLimit(10, [&] { file.write(4, "dddd"); });
        QVERIFY(appended != 0 && grown != 0);
        QCOMPARE(readBytes(path), QByteArray("aaaabbbb"));
    }

    void recordFileOpenFailures()
    {
        rt::RecordFile file(4);
        file.open(m_dir.filePath("new.dat"));
        QCOMPARE(readBytes(m_dir.filePath("new.dat")), QByteArray());  // created empty
        QCOMPARE(errorOf([&] { file.open(m_dir.filePath("nofolder/x.dat")); }), 76);
        QCOMPARE(errorOf([&] { file.open(m_dir.path()); }), 75);
        QVERIFY(!file.isOpen());  // a failed open leaves no file open
        if (::geteuid() == 0)
            QSKIP("permissions do not apply to root");
        writeBytes(m_dir.filePath("ro.dat"), "abcd");
        QVERIFY(QFile::setPermissions(m_dir.filePath("ro.dat"), QFileDevice::ReadOwner));
        file.open(m_dir.filePath("ro.dat"));
        QCOMPARE(file.read(1), QByteArray("abcd"));
        QCOMPARE(errorOf([&] { file.write(1, "zzzz"); }), 75);
    }
};

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
