#include "FakeMessages.h"

#include <QTest>
#include <QtGlobal>

namespace testsupport {

namespace {

QString buttonsName(platform::Buttons buttons)
{
    switch (buttons) {
    case platform::Buttons::Ok: return QStringLiteral("OK");
    case platform::Buttons::RetryCancel: return QStringLiteral("Retry+Cancel");
    case platform::Buttons::YesNoCancel: return QStringLiteral("Yes+No+Cancel");
    case platform::Buttons::YesNo: return QStringLiteral("Yes+No");
    }
    return QStringLiteral("?");
}

QString iconName(platform::Icon icon)
{
    switch (icon) {
    case platform::Icon::None: return QStringLiteral("no icon");
    case platform::Icon::Exclamation: return QStringLiteral("exclamation");
    case platform::Icon::Information: return QStringLiteral("information");
    }
    return QStringLiteral("?");
}

QString describe(bool isInput, const QString& title, const QString& text, platform::Buttons buttons,
                 platform::Icon icon)
{
    if (isInput)
        return QStringLiteral("input box \"%1\" prompt \"%2\"").arg(title, text);
    return QStringLiteral("message box \"%1\" text \"%2\" (%3, %4)")
        .arg(title, text, buttonsName(buttons), iconName(icon));
}

}  // namespace

FakeMessages& FakeMessages::expect(const QString& title, const QString& text, platform::Buttons buttons,
                                   platform::Icon icon, platform::Answer answer)
{
    ExpectedBox box;
    box.title = title;
    box.text = text;
    box.buttons = buttons;
    box.icon = icon;
    box.answer = answer;
    return expectBox(box);
}

FakeMessages& FakeMessages::expectInput(const QString& title, const QString& prompt, const QString& entry)
{
    ExpectedBox box;
    box.title = title;
    box.text = prompt;
    box.isInput = true;
    box.answerText = entry;
    return expectBox(box);
}

FakeMessages& FakeMessages::expectBox(const ExpectedBox& box)
{
    m_expected.push_back(box);
    return *this;
}

// Records the failure and fails the running test function (outside a test function, or
// when the test looks at failures() itself, the failure is logged as a warning).
// The box is still answered (Cancel / ""), so the program under test goes on as the user
// would have left it; the test sees the failure through allShown() and the test log.
void FakeMessages::fail(const QString& message)
{
    m_failures << message;
    if (m_failsRunningTest && QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    else
        qWarning("FakeMessages: %s", qPrintable(message));
}

const ExpectedBox* FakeMessages::take(bool isInput, const QString& title, const QString& text,
                                      platform::Buttons buttons, platform::Icon icon)
{
    const QString shown = describe(isInput, title, text, buttons, icon);
    if (m_expected.empty()) {
        fail(QStringLiteral("unexpected %1").arg(shown));
        return nullptr;
    }
    m_current = m_expected.front();
    m_expected.pop_front();
    const ExpectedBox& want = m_current;
    bool same = want.isInput == isInput && want.title == title && (!want.checkText || want.text == text);
    if (!isInput)
        same = same && want.buttons == buttons && want.icon == icon;
    if (!same) {
        fail(QStringLiteral("expected %1 but got %2")
                 .arg(describe(want.isInput, want.title, want.checkText ? want.text : QStringLiteral("*"),
                               want.buttons, want.icon),
                      shown));
        return nullptr;
    }
    return &m_current;
}

platform::Answer FakeMessages::messageBox(const QString& title, const QString& text, platform::Buttons buttons,
                                          platform::Icon icon)
{
    m_shown.push_back({title, text, buttons, icon, false, QString()});
    m_events << QStringLiteral("box:") + title;
    const ExpectedBox* want = take(false, title, text, buttons, icon);
    return want ? want->answer : platform::Answer::Cancel;
}

QString FakeMessages::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_shown.push_back({title, prompt, platform::Buttons::Ok, platform::Icon::None, true, defaultText});
    m_events << QStringLiteral("input:") + title;
    const ExpectedBox* want = take(true, title, prompt, platform::Buttons::Ok, platform::Icon::None);
    return want ? want->answerText : QString();
}

void FakeMessages::beep()
{
    ++m_beeps;
    m_events << QStringLiteral("beep");
}

QStringList FakeMessages::pending() const
{
    QStringList out;
    for (const ExpectedBox& box : m_expected)
        out << describe(box.isInput, box.title, box.text, box.buttons, box.icon);
    return out;
}

void FakeMessages::reset()
{
    m_expected.clear();
    m_shown.clear();
    m_failures.clear();
    m_events.clear();
    m_beeps = 0;
}

}  // namespace testsupport
