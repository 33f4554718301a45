#include "FakeMessages.h"

#include <QTest>

namespace testsupport {

namespace {

QString describe(const ExpectedBox& box, const QString& text)
{
    static const char* const buttonNames[] = {"OK", "Retry+Cancel", "Yes+No+Cancel", "Yes+No"};
    static const char* const iconNames[] = {"no icon", "exclamation", "information"};
    if (box.isInput)
        return QStringLiteral("input box \"%1\" prompt \"%2\"").arg(box.title, text);
    return QStringLiteral("message box \"%1\" text \"%2\" (%3, %4)")
        .arg(box.title, text, QLatin1String(buttonNames[int(box.buttons)]), QLatin1String(iconNames[int(box.icon)]));
}

}  // namespace

std::optional<ExpectedBox> FakeMessages::take(const ShownBox& box)
{
    if (onShow)
        onShow(box);
    m_shown.push_back(box);
    const QString shown = describe(box, box.text);
    m_transcript << shown + (box.isInput ? QStringLiteral(" default \"%1\"").arg(box.defaultText) : QString());
    QString failure;
    std::optional<ExpectedBox> want;
    if (m_freeEntries) {
        ExpectedBox free;
        if (box.isInput && !m_freeEntries->isEmpty())
            free.answerText = m_freeEntries->takeFirst();
        return free;
    }
    if (m_expected.empty()) {
        failure = QStringLiteral("unexpected ") + shown;
    } else {
        want = m_expected.front();
        m_expected.pop_front();
        if (want->isInput != box.isInput || want->title != box.title || (want->checkText && want->text != box.text)
            || (!box.isInput && (want->buttons != box.buttons || want->icon != box.icon))) {
            failure = QStringLiteral("expected %1 but got %2")
                          .arg(describe(*want, want->checkText ? want->text : "*"), shown);
            want.reset();
        }
    }
    if (!failure.isEmpty()) {
        m_failures << failure;
        failTest(QStringLiteral("FakeMessages: ") + failure);
    }
    return want;
}

void failTest(const QString& failure)
{
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(failure), __FILE__, __LINE__);
    else
        qWarning("%s", qPrintable(failure));
}

QStringList FakeMessages::pending() const
{
    QStringList out;
    for (const ExpectedBox& box : m_expected)
        out << describe(box, box.text);
    return out;
}

}  // namespace testsupport
