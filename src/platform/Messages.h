#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, RetryCancel, YesNoCancel, YesNo };
enum class Icon { None, Exclamation, Information };
enum class Answer { Ok, Retry, Cancel, Yes, No };

// Message box, input box and beep. The boxes block until answered and show plain text.
class Messages {
public:
    virtual ~Messages() = default;
    virtual Answer messageBox(const QString& title, const QString& text,
                              Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // Returns the entry; Cancel returns "" (the caller cannot tell it from an empty entry).
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;
    virtual void beep() = 0;
};

}  // namespace platform
