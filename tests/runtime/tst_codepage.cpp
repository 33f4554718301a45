#include "runtime/Codepage.h"

#include <QTest>

class TestCodepage : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = rt::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(rt::toCp1252(text), all);
    }

    void highHalf()
    {
        QCOMPARE(rt::fromCp1252("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(rt::fromCp1252("\x93\x94\x97"), QString::fromUtf8("“”—"));
        QCOMPARE(rt::fromCp1252("\x9F\xFF"), QString::fromUtf8("Ÿÿ"));
        // The five undefined bytes keep their value as C1 controls.
        QCOMPARE(rt::fromCp1252("\x81\x8D\x8F\x90\x9D"),
                 QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
        QCOMPARE(rt::toCp1252(QString::fromUtf8("€ é Ÿ")), QByteArray("\x80 \xE9 \x9F"));
    }

    void outsideBecomesQuestionMark()
    {
        QCOMPARE(rt::toCp1252(QString::fromUtf8("Łódź")), QByteArray("?\xF3" "d?"));
        // One "?" per character, also outside the BMP.
        QCOMPARE(rt::toCp1252(QString::fromUtf8("a😀b")), QByteArray("a?b"));
        // C1 controls that are defined characters elsewhere in the page do not pass.
        QCOMPARE(rt::toCp1252(QString(QChar(0x0080))), QByteArray("?"));
        QCOMPARE(rt::toCp1252(QString(QChar(0xD800))), QByteArray("?"));
        QVERIFY(!rt::inCp1252(0x0142));
        QVERIFY(rt::inCp1252(0x20AC));
    }

    void textFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << QByteArray("Bob,Smith") << QString("Bob,Smith");
        QTest::newRow("bom dropped") << QByteArray("\xEF\xBB\xBF" "Bob") << QString("Bob");
        QTest::newRow("utf-8") << QByteArray("Jos\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("José €");
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFJos\xC3\xA9") << QString::fromUtf8("José");
        QTest::newRow("utf-8 narrowed to the code page")
            << QByteArray("\xC5\x81\xC3\xB3" "d\xC5\xBA") << QString::fromUtf8("?ód?");
        QTest::newRow("latin bytes") << QByteArray("Jos\xE9") << QString::fromUtf8("José");
        QTest::newRow("undefined byte") << QByteArray("a\x81z") << QString::fromUtf16(u"a\u0081z");
        QTest::newRow("overlong is not utf-8") << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
        QTest::newRow("surrogate is not utf-8") << QByteArray("\xED\xA0\x80")
                                                << QString::fromUtf16(u"\u00ED\u00A0\u20AC");
        QTest::newRow("cut sequence") << QByteArray("ab\xC3") << QString::fromUtf8("abÃ");
    }
    void textFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(rt::decodeTextFile(bytes), expected);
    }
};

QTEST_GUILESS_MAIN(TestCodepage)
#include "tst_codepage.moc"
