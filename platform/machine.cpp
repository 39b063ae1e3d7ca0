#include "platform/machine.h"

#include <QFileInfo>

namespace platform {

namespace machine_detail {
// Whether a set, non-empty value names a drive of this system.
bool isDriveName(const QString &strDrive);
} // namespace machine_detail

QString systemDrive()
{
    return qEnvironmentVariable("SystemDrive");
}

QString systemDriveProblem()
{
    if (!qEnvironmentVariableIsSet("SystemDrive"))
        return QStringLiteral("the environment variable SystemDrive is not set");
    const QString strDrive = systemDrive();
    if (strDrive.isEmpty())
        return QStringLiteral("the environment variable SystemDrive is empty");
    if (!machine_detail::isDriveName(strDrive))
        return QStringLiteral("SystemDrive \"%1\" does not name a drive").arg(strDrive);
    if (!QFileInfo(strDrive + QLatin1Char('/')).isDir())
        return QStringLiteral("SystemDrive \"%1\" is not a folder").arg(strDrive);
    return QString();
}

} // namespace platform
