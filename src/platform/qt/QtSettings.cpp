#include "platform/qt/QtSettings.h"

#include <QSettings>

namespace platform {

namespace {

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

}  // namespace

void QtSettings::setValue(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                       QStringLiteral("Quorvel"));
    settings.setValue(path(section, key), value);
}

QString QtSettings::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                       QStringLiteral("Quorvel"));
    return settings.value(path(section, key), defaultValue).toString();
}

}  // namespace platform
