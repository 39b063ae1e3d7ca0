#include "app/startup.h"

#include "engine/drivers.h"
#include "platform/registry.h"

namespace startup {

QString mutexName()
{
    return QStringLiteral("COMM-ZORVA-APPS-BRISK_DRIVER_INSTALLER");
}

void readInstalledVersions(Drivers *pDrivers)
{
    const platform::RegistryKey installedProducts
            = platform::RegistryKey::open(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\"));
    if (installedProducts.isOpen())
        pDrivers->getRegistryInfo(installedProducts);
}

} // namespace startup
