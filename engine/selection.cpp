// The command line, the offered list, the installed state and the user's selection.
#include "engine/drivers.h"

#include "engine/catalogtable.h"
#include "engine/modearguments.h"
#include "platform/registry.h"
#include "platform/sysinfo.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const QString c_strProductsKey = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\");

// A catalog text in the user's language (catalogtable.cpp marks them).
QString translated(const QString &strText)
{
    return QCoreApplication::translate("Drivers", strText.toUtf8().constData());
}
} // namespace

QString Drivers::packageKey() const
{
    return platform::currentCpuArchitecture() == QLatin1String("x86_64") ? strRegKeyWow : strRegKey;
}

void Drivers::getDriversList()
{
    const ModeArguments mode = ModeArguments::read(m_lstArguments.mid(1));
    bSmartInstaller = mode.bSmartInstaller;
    if (mode.bUninstall) {
        bUninstall = true;
        strProductCode = mode.strProductCode;
        return;
    }
    bInstall = true;
    lstDriverSwitches = m_startupFailure ? QStringList() : getListOfDriversFromVBScript();
}

bool Drivers::isUninstall()
{
    return bUninstall;
}

bool Drivers::isInstall()
{
    return bInstall;
}

bool Drivers::isItSmartInstaller()
{
    return bSmartInstaller;
}

int Drivers::getNumberOfDrivers()
{
    // An engine that could not start offers nothing, whatever the registry lists.
    if (m_startupFailure) {
        lstDriverSwitches.clear();
        return 0;
    }
    QStringList lstRemovals;
    if (bUninstall) {
        lstDriverSwitches
                = platform::readRegistryString(packageKey(), QStringLiteral("DeployedFeatures"))
                          .split(QLatin1Char(','), Qt::KeepEmptyParts);
        lstDriverSwitches.removeAll(QString());
        // A feature listed many times is one feature, with one tile.
        lstDriverSwitches.removeDuplicates();
        if (!lstDriverSwitches.isEmpty()) {
            lstDriverSwitches.removeOne(QStringLiteral("Drivers"));
            for (const HubCompanion &companion : c_aHubCompanions) {
                if (lstDriverSwitches.removeOne(QLatin1String(companion.pszHub)))
                    break;
            }
        }
        for (QString &strEntry : lstDriverSwitches) {
            strEntry.prepend(QStringLiteral("/SET"));
            const int iSlot = slotOf(strEntry);
            if (iSlot && !vecCatalog.at(iSlot).bUninstallable)
                lstRemovals.append(strEntry);
        }
    } else {
        for (const QString &strEntry : qAsConst(lstDriverSwitches)) {
            const int iSlot = slotOf(strEntry);
            // A switch without a row has no display name to match, even an empty one.
            if (!iSlot || !vecInstallers.contains(vecCatalog.at(iSlot).strDisplayName))
                lstRemovals.append(strEntry);
        }
    }
    for (const QString &strEntry : qAsConst(lstRemovals))
        lstDriverSwitches.removeOne(strEntry);
    return lstDriverSwitches.size();
}

// The name as the pages show it, in the user's language; the catalog's name stays the key.
QString Drivers::getName(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    return pRow ? translated(pRow->strDisplayName) : QString();
}

QString Drivers::getVersion(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    if (!pRow)
        return QString();
    return vecVersions.value(vecInstallers.indexOf(pRow->strDisplayName));
}

QString Drivers::getButtonDescription(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    return pRow ? translated(pRow->strDescription) : QString();
}

void Drivers::setCheckboxStatus(int c_iIndex, bool bStatus)
{
    if (DriverEntry *pRow = rowAt(c_iIndex))
        pRow->bChecked = bStatus;
}

QString Drivers::switchAt(int c_iIndex) const
{
    return lstDriverSwitches.value(c_iIndex);
}

bool Drivers::isSelected(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    return pRow && pRow->bChecked;
}

bool Drivers::isDriverUninstallable(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    return pRow && pRow->bUninstallable;
}

QString Drivers::getOldVersionNumber(int c_iIndex)
{
    const DriverEntry *pRow = rowAt(c_iIndex);
    return pRow ? mapInstalledVersions.value(pRow->strProductName) : QString();
}

bool Drivers::isDriverAlreadyInstalled()
{
    return !platform::readRegistryString(packageKey(), QStringLiteral("InstallationPath"))
                    .isEmpty();
}

void Drivers::getRegistryInfo(const platform::RegistryKey &hKey)
{
    vecProductKeys += hKey.subkeyNames().toVector();
    for (const QString &strName : qAsConst(vecProductKeys))
        mapInstalledVersions.insert(strName,
                                    platform::readRegistryString(c_strProductsKey + strName,
                                                                 QStringLiteral("ProductVersion")));
}
