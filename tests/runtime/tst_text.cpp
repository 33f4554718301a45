#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <QTest>
#include <functional>

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

class TestText : public QObject {
    Q_OBJECT

private slots:
    void instr()
    {
        QCOMPARE(rt::instr(1, "abcabc", "c"), 3);
        QCOMPARE(rt::instr(4, "abcabc", "c"), 6);
        QCOMPARE(rt::instr(7, "abcabc", "c"), 0);
        QCOMPARE(rt::instr("abcabc", "ca"), 3);
        QCOMPARE(rt::instr(1, "ABC", "b"), 0);
        QCOMPARE(rt::instr(1, "abc", ""), 1);
        QCOMPARE(rt::instr(3, "abc", ""), 3);
        QCOMPARE(rt::instr(4, "abc", ""), 0);
        QCOMPARE(rt::instr(1, "", ""), 0);
        QCOMPARE(rt::instr(1, "", "a"), 0);
        QCOMPARE(errorOf([] { rt::instr(0, "abc", "a"); }), 5);
        QCOMPARE(errorOf([] { rt::instr(-1, "", ""); }), 5);
    }

    void parts()
    {
        QCOMPARE(rt::mid("Hello", 2, 3), QString("ell"));
        QCOMPARE(rt::mid("Hello", 4), QString("lo"));
        QCOMPARE(rt::mid("Hello", 4, 10), QString("lo"));
        QCOMPARE(rt::mid("Hello", 6), QString());
        QCOMPARE(rt::mid("Hello", 9, 2), QString());
        QCOMPARE(rt::mid("Hello", 1, 0), QString());
        QCOMPARE(rt::left("Hi", 5), QString("Hi"));
        QCOMPARE(rt::left("Hello", 0), QString());
        QCOMPARE(rt::right("Hello", 2), QString("lo"));
        QCOMPARE(rt::right("Hi", 9), QString("Hi"));
        QCOMPARE(errorOf([] { rt::mid("Hello", 0); }), 5);
        QCOMPARE(errorOf([] { rt::mid("Hello", 0, 1); }), 5);
        QCOMPARE(errorOf([] { rt::mid("Hello", 1, -1); }), 5);
        QCOMPARE(errorOf([] { rt::left("Hello", -1); }), 5);
        QCOMPARE(errorOf([] { rt::right("Hello", -1); }), 5);
    }

    void replace()
    {
        QCOMPARE(rt::replace("aaa", "aa", "b"), QString("ba"));
        QCOMPARE(rt::replace("a.b.c", ".", ".."), QString("a..b..c"));
        QCOMPARE(rt::replace("  x  ", "  ", " "), QString(" x "));
        QCOMPARE(rt::replace("abc", "", "x"), QString("abc"));
        QCOMPARE(rt::replace("aBc", "b", "x"), QString("aBc"));
        QCOMPARE(rt::replace("", "a", "b"), QString());
    }

    void trimsBlanksOnly()
    {
        QCOMPARE(rt::trim("  a b  "), QString("a b"));
        QCOMPARE(rt::trim("\ta \t"), QString("\ta \t"));
        QCOMPARE(rt::trim(" \ta\t "), QString("\ta\t"));
        QCOMPARE(rt::ltrim("  a  "), QString("a  "));
        QCOMPARE(rt::rtrim("  a  "), QString("  a"));
        QCOMPARE(rt::trim("    "), QString());
        QCOMPARE(rt::rtrim(QString::fromUtf8("a\u00A0")), QString::fromUtf8("a\u00A0"));
    }

    void ucaseWithinCodePage()
    {
        const QString lower = QString::fromUtf8("straße ÿ š ž œ é µ ı ł");
        const QString upper = rt::ucase(lower);
        // ß and µ have no single upper case in the code page; ı and ł are not in it.
        QCOMPARE(upper, QString::fromUtf8("STRAßE Ÿ Š Ž Œ É µ ı ł"));
        QCOMPARE(upper.size(), lower.size());
        QCOMPARE(rt::ucase("abc123"), QString("ABC123"));
    }

    void split()
    {
        QCOMPARE(rt::split("", ",").size(), 0);
        QCOMPARE(rt::split("a,,b", ","), QStringList({"a", "", "b"}));
        QCOMPARE(rt::split(",", ","), QStringList({"", ""}));
        QCOMPARE(rt::split("a;b", ","), QStringList({"a;b"}));
        QCOMPARE(rt::split("abc", ""), QStringList({"abc"}));
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
