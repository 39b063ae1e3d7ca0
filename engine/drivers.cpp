// The engine object: its single instance and the order in which it is set up.
#include "engine/drivers.h"

#include "engine/commandline.h"
#include "platform/machine.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>

#include <new>

Drivers *Drivers::instance()
{
    return instanceFor(QCoreApplication::arguments());
}

Drivers *Drivers::instanceFor(const QStringList &lstArguments)
{
    static Drivers *pInstance = nullptr;
    if (!pInstance) {
        try {
            pInstance = new Drivers(lstArguments, QCoreApplication::applicationDirPath());
        } catch (const std::bad_alloc &) {
            pInstance = nullptr;
        }
    }
    return pInstance;
}

Drivers::Drivers(const QStringList &lstArguments, const QString &strApplicationDir)
    : QObject(nullptr)
    , procInstaller(nullptr)
    , m_lstArguments(lstArguments)
    , m_strApplicationDir(QDir::fromNativeSeparators(strApplicationDir))
{
    getDriversList();
    readXmlFile();
    dProgress = 0.0;
    strRegKey = QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");
    strRegKeyWow = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
    strPackageCommand.clear();

    m_strSystemDrive = platform::systemDrive();
    const QString &strSystemDrive = m_strSystemDrive;
    strLogFolder = commandline::logFolder(strSystemDrive);
    strInstallLogPath = strLogFolder + QStringLiteral("/Zorva_Chipset_IODrivers.log");
    strUninstallLogPath = strLogFolder + QStringLiteral("/Zorva_Chipset_IODrivers_Un.log");
    commandline::makeLogFolder(strLogFolder, QString());

    strMsiExecCommand = commandline::msiExecPath(strSystemDrive);

    if (bInstall)
        platform::writeRegistryString(packageKey(), QStringLiteral("SupportedDrivers"),
                                      strSupportedDrivers);

    fillCatalog();
}

Drivers::~Drivers() = default;

QString Drivers::applicationDir() const
{
    return m_strApplicationDir;
}
