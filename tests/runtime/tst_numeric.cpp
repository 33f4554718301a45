#include "runtime/Numeric.h"
#include "runtime/RuntimeError.h"

#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

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

}  // namespace

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("blanks inside digits") << " 1 2x" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("tabs and line feeds") << "\t1\n0" << 10.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("sign then blank") << "- 5" << -5.0;
        QTest::newRow("fraction and exponent") << "-3.5e2" << -350.0;
        QTest::newRow("D exponent") << "2D3" << 2000.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << "+.5" << 0.5;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("exponent sign without digits") << "7e+" << 7.0;
        QTest::newRow("double sign") << "--1" << 0.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("envelope size") << "3" << 3.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(rt::val(text), expected);
    }

    void valNeverFailsOnHugeNumbers()
    {
        QCOMPARE(rt::val("1e999"), std::numeric_limits<double>::max());
        QCOMPARE(rt::val("-1e999"), -std::numeric_limits<double>::max());
        QCOMPARE(rt::val("1e-999"), 0.0);
        QCOMPARE(errorOf([] { rt::toInt16(rt::val("1e999")); }), 6);
    }

    void toInt16Text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("blanks and sign") << " -2 " << -2 << 0;
        QTest::newRow("half to even down") << "2.5" << 2 << 0;
        QTest::newRow("half to even up") << "3.5" << 4 << 0;
        QTest::newRow("negative half") << "-2.5" << -2 << 0;
        QTest::newRow("plus sign") << "+7" << 7 << 0;
        QTest::newRow("margin field") << "  1" << 1 << 0;
        QTest::newRow("exponent") << "1e2" << 100 << 0;
        QTest::newRow("largest") << "32767" << 32767 << 0;
        QTest::newRow("smallest") << "-32768" << -32768 << 0;
        QTest::newRow("smallest minus a half rounds to even") << "-32768.5" << -32768 << 0;
        QTest::newRow("largest plus a half") << "32767.5" << 0 << 6;
        QTest::newRow("too large") << "40000" << 0 << 6;
        QTest::newRow("three-character overflow") << "9e9" << 0 << 6;
        QTest::newRow("letter") << "x" << 0 << 13;
        QTest::newRow("empty") << "" << 0 << 13;
        QTest::newRow("blanks only") << "   " << 0 << 13;
        QTest::newRow("blank inside") << "1 2" << 0 << 13;
        QTest::newRow("trailing letter") << "1x" << 0 << 13;
        QTest::newRow("tab is not a blank") << "\t5" << 0 << 13;
        QTest::newRow("sign alone") << "-" << 0 << 13;
        QTest::newRow("sign then blank") << "- 2" << 0 << 13;
    }
    void toInt16Text()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(int, error);
        std::int16_t got = 0;
        QCOMPARE(errorOf([&] { got = rt::toInt16(text); }), error);
        if (error == 0)
            QCOMPARE(int(got), expected);
    }

    void toInt32Text()
    {
        QCOMPARE(rt::toInt32("40000"), 40000);
        QCOMPARE(rt::toInt32(" -2147483648 "), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(rt::toInt32("0.5"), 0);
        QCOMPARE(rt::toInt32("1.5"), 2);
        QCOMPARE(errorOf([] { rt::toInt32("2147483648"); }), 6);
        QCOMPARE(errorOf([] { rt::toInt32("12a"); }), 13);
    }

    void fromDouble()
    {
        QCOMPARE(rt::toInt16(0.5), std::int16_t(0));
        QCOMPARE(rt::toInt16(1.5), std::int16_t(2));
        QCOMPARE(rt::toInt16(-1.5), std::int16_t(-2));
        QCOMPARE(rt::toInt16(32767.49), std::int16_t(32767));
        QCOMPARE(rt::toInt32(2147483647.4), std::int32_t(2147483647));
        QCOMPARE(errorOf([] { rt::toInt16(32768.0); }), 6);
        QCOMPARE(errorOf([] { rt::toInt16(std::nan("")); }), 6);
        QCOMPARE(errorOf([] { rt::toInt16(std::numeric_limits<double>::infinity()); }), 6);
        QCOMPARE(errorOf([] { rt::toInt32(-2147483649.0); }), 6);
    }

    void checkedArithmetic()
    {
        QCOMPARE(rt::add16(30000, 2767), std::int16_t(32767));
        QCOMPARE(rt::sub16(-30000, 2768), std::int16_t(-32768));
        QCOMPARE(rt::mul16(-181, 181), std::int16_t(-32761));
        QCOMPARE(errorOf([] { rt::add16(32767, 1); }), 6);
        QCOMPARE(errorOf([] { rt::sub16(-32768, 1); }), 6);
        QCOMPARE(errorOf([] { rt::mul16(-32768, -1); }), 6);
        QCOMPARE(errorOf([] { rt::mul16(200, 200); }), 6);
        QCOMPARE(errorOf([] { rt::add32(std::numeric_limits<std::int32_t>::max(), 1); }), 6);
        QCOMPARE(errorOf([] { rt::sub32(std::numeric_limits<std::int32_t>::min(), 1); }), 6);
        QCOMPARE(errorOf([] { rt::mul32(65536, 65536); }), 6);
    }

    void readsAsNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("digits") << "12" << true;
        QTest::newRow("blanks sign fraction") << "  -1.5  " << true;
        QTest::newRow("leading point") << "+.5" << true;
        QTest::newRow("trailing point") << "5." << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << " " << false;
        QTest::newRow("sign only") << "-" << false;
        QTest::newRow("point only") << "." << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("exponent") << "1e5" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("tab") << "\t1" << false;
        QTest::newRow("currency") << "$1" << false;
        QTest::newRow("sign after") << "1-" << false;
        QTest::newRow("blank after sign") << "- 1" << false;
    }
    void readsAsNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(rt::readsAsNumber(text), expected);
    }

    void roundingHalfEven()
    {
        QCOMPARE(rt::roundHalfEven(2.5), 2.0);
        QCOMPARE(rt::roundHalfEven(3.5), 4.0);
        QCOMPARE(rt::roundHalfEven(-2.5), -2.0);
        QCOMPARE(rt::roundHalfEven(2.51), 3.0);
        // Record counts: file length over record length.
        QCOMPARE(rt::divideRoundHalfEven(1295, 518), 2);  // 2.5
        QCOMPARE(rt::divideRoundHalfEven(1813, 518), 4);  // 3.5
        QCOMPARE(rt::divideRoundHalfEven(777, 518), 2);   // 1.5
        QCOMPARE(rt::divideRoundHalfEven(259, 518), 0);   // 0.5
        QCOMPARE(rt::divideRoundHalfEven(1554, 518), 3);
        QCOMPARE(rt::divideRoundHalfEven(16, 18), 1);
        QCOMPARE(rt::divideRoundHalfEven(9, 18), 0);
        QCOMPARE(rt::divideRoundHalfEven(27, 18), 2);
        QCOMPARE(rt::divideRoundHalfEven(0, 18), 0);
    }
};

QTEST_GUILESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
