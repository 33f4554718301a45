#pragma once

#include "platform/Messages.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace testsupport {

// A box the test expects and the answer it gets (an input box answers `answerText`), or one
// the program showed (an input box with `defaultText`).
struct ExpectedBox {
    QString title;
    QString text;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    platform::Answer answer = platform::Answer::Ok;
    bool isInput = false;
    QString answerText;
    bool checkText = true;  // false: any text matches (error boxes with OS details)
    QString defaultText;
};
using ShownBox = ExpectedBox;

// Scripted boxes: every box and beep is recorded; a box nobody expected, or one unlike the
// next expected box, fails the running test and is answered Cancel / "".
class FakeMessages : public platform::Messages {
public:
    FakeMessages& expect(const QString& title, const QString& text, platform::Buttons buttons = platform::Buttons::Ok,
                         platform::Icon icon = platform::Icon::None, platform::Answer answer = platform::Answer::Ok)
    {
        return expectBox({title, text, buttons, icon, answer});
    }
    FakeMessages& expectBox(const ExpectedBox& box)
    {
        m_expected.push_back(box);
        return *this;
    }

    platform::Answer messageBox(const QString& title, const QString& text, platform::Buttons buttons,
                                platform::Icon icon) override
    {
        const auto want = take({title, text, buttons, icon});
        return want ? want->answer : platform::Answer::Cancel;
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        const auto want = take({.title = title, .text = prompt, .isInput = true, .defaultText = defaultText});
        return want ? want->answerText : QString();
    }
    void beep() override { m_transcript << QStringLiteral("beep"); }

    // From now on every box is taken as it comes: message boxes answer OK, input boxes the
    // next of `entries` ("" once they run out); transcript() tells what was shown from here.
    void answerFreely(const QStringList& entries)
    {
        m_freeEntries = entries;
        m_transcript.clear();
    }
    QString transcript() const { return m_transcript.isEmpty() ? QString() : m_transcript.join(u'\n') + u'\n'; }

    // Runs as each box comes up, before it is answered: a look at the screen under it.
    std::function<void(const ShownBox&)> onShow;

    const std::vector<ShownBox>& shown() const { return m_shown; }
    // Every expected box was shown and nothing unexpected happened.
    bool allShown() const { return m_expected.empty() && m_failures.isEmpty(); }
    const QStringList& failures() const { return m_failures; }
    QStringList pending() const;  // the expected boxes not shown yet

private:
    std::optional<ExpectedBox> take(const ShownBox& box);

    std::deque<ExpectedBox> m_expected;
    std::vector<ShownBox> m_shown;
    QStringList m_failures;
    QStringList m_transcript;
    std::optional<QStringList> m_freeEntries;
};

// Fails the running test; outside a test function, where there is none, the failure is logged.
void failTest(const QString& failure);

}  // namespace testsupport
