#include "platform/ErrorTraps.h"
#include "runtime/RuntimeError.h"
#include "support/FakeMessages.h"

#include <QTest>
#include <new>

using platform::Answer;

class TestErrorTraps : public QObject {
    Q_OBJECT
private slots:
    void commonTrap_data()
    {
        QTest::addColumn<int>("thrown");  // 0: none, -1: memory runs out
        QTest::addColumn<QString>("box");
        QTest::newRow("completed") << 0 << QString();
        QTest::newRow("run-time error") << 53 << "Error number 53 -- File not found.";
        QTest::newRow("out of memory") << -1 << "Error number 7 -- Out of memory.";
    }
    void commonTrap()
    {
        QFETCH(int, thrown);
        QFETCH(QString, box);
        testsupport::FakeMessages messages;
        if (!box.isEmpty())
            messages.expect("Error", "An error has occurred. " + box + "  Try again, or notify author.",
                            platform::Buttons::RetryCancel, platform::Icon::None, Answer::Cancel);
        const std::optional<Answer> answer = platform::underCommonTrap(messages, [thrown] {
            if (thrown < 0)
                throw std::bad_alloc();
            if (thrown > 0)
                throw rt::RuntimeError(thrown);
        });
        QVERIFY(messages.allShown());
        QCOMPARE(answer.has_value(), !box.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestErrorTraps)
#include "tst_errortraps.moc"
