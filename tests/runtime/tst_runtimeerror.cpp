#include "runtime/RuntimeError.h"

#include <QTest>
#include <cerrno>

class TestRuntimeError : public QObject {
    Q_OBJECT

private slots:
    void descriptions_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("5") << 5 << "Invalid procedure call or argument";
        QTest::newRow("6") << 6 << "Overflow";
        QTest::newRow("7") << 7 << "Out of memory";
        QTest::newRow("9") << 9 << "Subscript out of range";
        QTest::newRow("13") << 13 << "Type mismatch";
        QTest::newRow("52") << 52 << "Bad file name or number";
        QTest::newRow("53") << 53 << "File not found";
        QTest::newRow("57") << 57 << "Device I/O error";
        QTest::newRow("61") << 61 << "Disk full";
        QTest::newRow("62") << 62 << "Input past end of file";
        QTest::newRow("63") << 63 << "Bad record number";
        QTest::newRow("70") << 70 << "Permission denied";
        QTest::newRow("75") << 75 << "Path/File access error";
        QTest::newRow("76") << 76 << "Path not found";
        QTest::newRow("482") << 482 << "Printer error";
        QTest::newRow("32755") << 32755 << "Cancel was selected.";
        QTest::newRow("unknown") << 1234 << "Application-defined or object-defined error";
    }
    void descriptions()
    {
        QFETCH(int, number);
        QFETCH(QString, description);
        QCOMPARE(rt::errorDescription(number), description);
        try {
            rt::raise(number);
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), number);
            QCOMPARE(e.description(), description);
        }
    }

    void ownDescription()
    {
        const rt::RuntimeError e(482, QStringLiteral("Printer out of paper"));
        QCOMPARE(e.description(), QString("Printer out of paper"));
        QCOMPARE(QString::fromStdString(e.what()), QString("Error 482 -- Printer out of paper"));
    }

    void osErrors()
    {
        QCOMPARE(rt::errorFromErrno(ENOENT), 53);
        QCOMPARE(rt::errorFromErrno(EACCES), 75);
        QCOMPARE(rt::errorFromErrno(EROFS), 75);
        QCOMPARE(rt::errorFromErrno(EPERM), 75);
        QCOMPARE(rt::errorFromErrno(ENOSPC), 61);
        QCOMPARE(rt::errorFromErrno(EIO), 57);
        QCOMPARE(rt::errorFromErrno(ENOTDIR), 76);
        QCOMPARE(rt::errorFromErrno(EISDIR), 75);
    }
};

QTEST_GUILESS_MAIN(TestRuntimeError)
#include "tst_runtimeerror.moc"
