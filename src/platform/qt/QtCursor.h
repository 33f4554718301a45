#pragma once

#include "platform/Services.h"

namespace platform {

// The hourglass as Qt's override cursor; busy twice is still one override, so every
// restore is matched.
class QtCursor : public Cursor {
public:
    ~QtCursor() override;
    void setBusy(bool busy) override;

private:
    bool m_busy = false;
};

}  // namespace platform
