// The engine object: its single instance and the order in which it is set up.
#include "engine/drivers.h"

#include "engine/commandline.h"
#include "platform/localfile.h"
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
    , m_strSystemDrive(platform::systemDrive())
{
    // A drive that cannot be used would put the logs and the registry anywhere: nothing is
    // detected or written then.
    if (const QString strProblem = platform::systemDriveProblem(); !strProblem.isEmpty())
        m_startupFailure = {StartupFailure::Environment, m_strSystemDrive, strProblem};
    // Neither the setup program nor MsiExec writes to standard output or error for the program
    // to read: what they write goes nowhere rather than into memory.
    procInstaller.setStandardOutputFile(QProcess::nullDevice());
    procInstaller.setStandardErrorFile(QProcess::nullDevice());

    getDriversList();
    readXmlFile();
    dProgress = 0.0;
    strRegKey = QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");
    strRegKeyWow = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
    strPackageCommand.clear();

    const QString &strSystemDrive = m_strSystemDrive;
    strLogFolder = commandline::logFolder(strSystemDrive);
    strInstallLogPath = strLogFolder + QStringLiteral("/Zorva_Chipset_IODrivers.log");
    strUninstallLogPath = strLogFolder + QStringLiteral("/Zorva_Chipset_IODrivers_Un.log");
    strMsiExecCommand = commandline::msiExecPath(strSystemDrive);

    if (!m_startupFailure) {
        platform::tidyRegistry();
        if (!commandline::makeLogFolder(strLogFolder, QString())) {
            const QString strProblem = platform::folderWriteProblem(strLogFolder);
            m_startupFailure
                    = {StartupFailure::LogFolder, strLogFolder,
                       strProblem.isEmpty() ? QStringLiteral("it cannot be made") : strProblem};
        }
    }
    QString strRegistryError;
    if (bInstall && !m_startupFailure
        && !platform::writeRegistryString(packageKey(), QStringLiteral("SupportedDrivers"),
                                          strSupportedDrivers, &strRegistryError))
        m_startupFailure = {StartupFailure::Registry,
                            packageKey() + QStringLiteral("\\SupportedDrivers"), strRegistryError};

    fillCatalog();
}

Drivers::~Drivers() = default;

QVariantMap Drivers::getStartupFailure()
{
    return m_startupFailure.toMap();
}

QString Drivers::applicationDir() const
{
    return m_strApplicationDir;
}
