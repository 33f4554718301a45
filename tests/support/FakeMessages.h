#pragma once

#include "platform/Messages.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace testsupport {

// One box the test expects, with the answer to give. Input boxes use `answerText`.
struct ExpectedBox {
    QString title;
    QString text;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    platform::Answer answer = platform::Answer::Ok;
    bool isInput = false;
    QString answerText;
    bool checkText = true;  // false: any text matches (e.g. error boxes with OS details)
};

struct ShownBox {
    QString title;
    QString text;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    bool isInput = false;
    QString defaultText;
};

// Scripted message boxes: a queue of expected boxes with answers. Every box and beep is
// recorded; a box nobody expected (or one that differs from the next expected) fails the
// running test (QTest::qFail) and is answered Cancel / "".
class FakeMessages : public platform::Messages {
public:
    // Expect a message box.
    FakeMessages& expect(const QString& title, const QString& text,
                         platform::Buttons buttons = platform::Buttons::Ok,
                         platform::Icon icon = platform::Icon::None,
                         platform::Answer answer = platform::Answer::Ok);
    // Expect an input box (title and prompt checked) answered with `entry`.
    FakeMessages& expectInput(const QString& title, const QString& prompt, const QString& entry);
    FakeMessages& expectBox(const ExpectedBox& box);

    platform::Answer messageBox(const QString& title, const QString& text,
                                platform::Buttons buttons, platform::Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    void beep() override;

    const std::vector<ShownBox>& shown() const { return m_shown; }
    int beeps() const { return m_beeps; }
    // Every expected box was shown and nothing unexpected happened.
    bool allShown() const { return m_expected.empty() && m_failures.isEmpty(); }
    const QStringList& failures() const { return m_failures; }
    // Beeps and boxes in the order they happened: "beep" or "box:<title>" or "input:<title>".
    const QStringList& events() const { return m_events; }
    // The expected boxes not shown yet, described for a failure message.
    QStringList pending() const;
    void reset();
    // On by default. The fake's own tests turn it off to look at failures() instead.
    void setFailsRunningTest(bool on) { m_failsRunningTest = on; }

private:
    void fail(const QString& message);
    const ExpectedBox* take(bool isInput, const QString& title, const QString& text,
                            platform::Buttons buttons, platform::Icon icon);

    ExpectedBox m_current;
    std::deque<ExpectedBox> m_expected;
    std::vector<ShownBox> m_shown;
    QStringList m_failures;
    QStringList m_events;
    int m_beeps = 0;
    bool m_failsRunningTest = true;
};

}  // namespace testsupport
