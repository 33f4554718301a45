#pragma once

#include "platform/Messages.h"

namespace platform {

// Message and input boxes as Qt dialogs over the active window, showing plain text.
class QtMessages : public Messages {
public:
    Answer messageBox(const QString& title, const QString& text, Buttons buttons = Buttons::Ok,
                      Icon icon = Icon::None) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText = QString()) override;
    void beep() override;
};

}  // namespace platform
