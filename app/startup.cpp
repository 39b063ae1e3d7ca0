#include "app/startup.h"

#include "engine/drivers.h"
#include "platform/registry.h"

namespace startup {

QString mutexName()
{
    return QStringLiteral("COMM-ZORVA-APPS-BRISK_DRIVER_INSTALLER");
}

platform::NamedMutexResult holdInstanceMutexes()
{
    static const platform::NamedMutexResult result = [] {
        const platform::NamedMutexResult session = platform::createNamedMutex(mutexName());
        if (session == platform::NamedMutexResult::AlreadyExists)
            return session;
        const platform::NamedMutexResult machine
                = platform::createNamedMutex(platform::c_machineWideMutexPrefix + mutexName());
        return machine == platform::NamedMutexResult::AlreadyExists ? machine : session;
    }();
    return result;
}

QString windowsInstallerMutexName()
{
    return platform::c_machineWideMutexPrefix + QStringLiteral("_MSIExecute");
}

void readInstalledVersions(Drivers *pDrivers)
{
    const platform::RegistryKey installedProducts
            = platform::RegistryKey::open(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\"));
    if (installedProducts.isOpen())
        pDrivers->getRegistryInfo(installedProducts);
}

} // namespace startup
