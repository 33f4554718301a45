#include "platform/qt/QtAppInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString QtAppInfo::dataFolder() const
{
    return QDir::homePath() + QStringLiteral("/Quorvel");
}

QString QtAppInfo::documentsFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtAppInfo::title() const
{
    return QStringLiteral("Quorvel");
}

Version QtAppInfo::version() const
{
    return {QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH};
}

QDate QtAppInfo::today() const
{
    return QDate::currentDate();
}

}  // namespace platform
