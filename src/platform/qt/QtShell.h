#pragma once

#include "platform/Services.h"

namespace platform {

// Opens documents and web pages with the desktop's default applications.
class QtShell : public Shell {
public:
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& url) override;
};

}  // namespace platform
