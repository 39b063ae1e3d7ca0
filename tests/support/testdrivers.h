#ifndef TESTDRIVERS_H
#define TESTDRIVERS_H

#include "engine/drivers.h"

// Drivers with its state open to the tests.
class TestDrivers : public Drivers
{
public:
    TestDrivers(const QStringList &lstArguments, const QString &strApplicationDir)
        : Drivers(QStringList {QStringLiteral("ChipsetInstaller")} + lstArguments,
                  strApplicationDir)
    { }

    using Drivers::lstDriverSwitches;
    using Drivers::mapSwitchIndex;
    using Drivers::procInstaller;
    using Drivers::rowAt;
    using Drivers::strInstallLogPath;
    using Drivers::strLogFolder;
    using Drivers::strMsiExecCommand;
    using Drivers::strPackageCommand;
    using Drivers::strProductCode;
    using Drivers::strRegKey;
    using Drivers::strRegKeyWow;
    using Drivers::strSupportedDrivers;
    using Drivers::strUninstallLogPath;
    using Drivers::vecCatalog;
    using Drivers::vecInstallers;
    using Drivers::vecOS;
    using Drivers::vecVersions;

    // Position of a switch in the offered list.
    int position(const QString &strSwitch) const { return lstDriverSwitches.indexOf(strSwitch); }
};

#endif // TESTDRIVERS_H
