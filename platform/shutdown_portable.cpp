#include "platform/shutdown.h"

#include "platform/machine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdlib>

namespace platform {

bool enableShutdownPrivilege()
{
    return machineDescription().value(QStringLiteral("shutdownPrivilege")).toBool(true);
}

bool restartSystem(int iExitCode)
{
    // Never restarts the real computer: without a stand-in machine there is nothing to do.
    const QString drive = systemDrive();
    if (drive.isEmpty() || !enableShutdownPrivilege())
        return false;
    QDir().mkpath(drive + QStringLiteral("/Windows"));
    QFile log(drive + QStringLiteral("/Windows/restart.log"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        log.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8()
                  + " EWX_REBOOT|EWX_RESTARTAPPS reason 4\n");
        log.close();
    }
    std::exit(iExitCode);
}

} // namespace platform
