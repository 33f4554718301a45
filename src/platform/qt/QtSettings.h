#pragma once

#include "platform/Services.h"

namespace platform {

// The per-user settings store (organisation and application "Quorvel"), keyed "section/key".
class QtSettings : public Settings {
public:
    void setValue(const QString& section, const QString& key, const QString& value) override;
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const override;
};

}  // namespace platform
