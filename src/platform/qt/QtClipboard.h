#pragma once

#include "platform/Services.h"

namespace platform {

// The system clipboard's text.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};

}  // namespace platform
