#pragma once

#include "platform/Services.h"

namespace platform {

// The program's folders, title and version on this system.
class QtAppInfo : public AppInfo {
public:
    QString dataFolder() const override;       // ~/Quorvel
    QString documentsFolder() const override;  // the executable's folder
    QString title() const override;
    Version version() const override;
    QDate today() const override;
};

}  // namespace platform
