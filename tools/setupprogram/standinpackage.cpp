#include "standinpackage.h"

#include "engine/catalogtable.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/sysinfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QJsonObject>
#include <QThread>

#include <cstdio>

namespace standin {

namespace {
const QString c_strProductName = QStringLiteral("Zorva Chipset Drivers");
const QString c_strProductVersion = QStringLiteral("4.12.0.318");
const QString c_strDefaultDriverVersion = QStringLiteral("1.0.0.0");

const CatalogRow *rowOf(const QString &strFeature)
{
    const QString strSwitch = QStringLiteral("/SET") + strFeature;
    for (const CatalogRow &row : catalogRows()) {
        if (strSwitch == QLatin1String(row.pszSwitch))
            return &row;
    }
    return nullptr;
}

// The Version text of the product that the description shows under strDisplayName for this
// machine's Windows generation.
QString versionOf(const QString &strInfoPath, const QString &strDisplayName)
{
    QFile file(strInfoPath);
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    const QDomNodeList installers = document.elementsByTagName(QStringLiteral("Installer"));
    const QDomNodeList versions = document.elementsByTagName(QStringLiteral("Version"));
    const QDomNodeList systems = document.elementsByTagName(QStringLiteral("OS"));
    const QString strVersion = platform::productVersion();
    const bool bWindows7 = strVersion.compare(QLatin1String("7"), Qt::CaseInsensitive) == 0
            || strVersion.contains(QLatin1String("7SP"), Qt::CaseInsensitive)
            || strVersion.contains(QLatin1String("vista"), Qt::CaseInsensitive);
    const QString strOtherGeneration
            = bWindows7 ? QStringLiteral("Windows 10") : QStringLiteral("Windows 7");
    for (int i = 0; i < installers.count() && i < versions.count(); ++i) {
        if (installers.at(i).toElement().text() == strDisplayName
            && !systems.at(i).toElement().text().contains(strOtherGeneration))
            return versions.at(i).toElement().text();
    }
    return c_strDefaultDriverVersion;
}

QString featureFile(const QString &strFeature)
{
    return installationFolder() + QLatin1Char('/') + strFeature + QStringLiteral(".inf");
}
} // namespace

QString productCode()
{
    return QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");
}

QString registrationKey()
{
    return QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\")
            + productCode();
}

QString packageKey()
{
    return platform::currentCpuArchitecture() == QLatin1String("x86_64")
            ? QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers")
            : QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");
}

QString productsKey()
{
    return QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\");
}

QString installationFolder()
{
    return platform::systemDrive() + QStringLiteral("/Program Files/Zorva/Chipset_IODrivers");
}

Behaviour behaviour()
{
    Behaviour result;
    const QJsonObject package
            = platform::machineDescription().value(QStringLiteral("package")).toObject();
    result.iResult = package.value(QStringLiteral("result")).toInt(0);
    result.strRebootStatus
            = package.value(QStringLiteral("rebootStatus")).toString(result.strRebootStatus);
    result.iSeconds = qBound(0, package.value(QStringLiteral("seconds")).toInt(0), 3600);
    result.iOutputMegabytes
            = qBound(0, package.value(QStringLiteral("outputMegabytes")).toInt(0), 4096);
    return result;
}

void spendTime(const Behaviour &behaviour)
{
    const QByteArray chunk(1024 * 1024, 'z');
    for (int i = 0; i < behaviour.iOutputMegabytes; ++i) {
        std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stdout);
        std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stderr);
    }
    std::fflush(stdout);
    if (behaviour.iSeconds > 0)
        QThread::sleep(ulong(behaviour.iSeconds));
}

QStringList deployedFeatures()
{
    return platform::readRegistryString(packageKey(), QStringLiteral("DeployedFeatures"))
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString productName(const QString &strFeature)
{
    const CatalogRow *pRow = rowOf(strFeature);
    return pRow ? QString::fromLatin1(pRow->pszProductName) : QString();
}

QString displayName(const QString &strFeature)
{
    const CatalogRow *pRow = rowOf(strFeature);
    return pRow ? QString::fromLatin1(pRow->pszDisplayName) : QString();
}

void installFeatures(const QStringList &lstFeatures, const QString &strInfoPath)
{
    QStringList lstDeployed = deployedFeatures();
    if (!lstDeployed.contains(QStringLiteral("Drivers")))
        lstDeployed.prepend(QStringLiteral("Drivers"));
    QDir().mkpath(installationFolder());
    for (const QString &strFeature : lstFeatures) {
        if (!lstDeployed.contains(strFeature))
            lstDeployed.append(strFeature);
        QFile file(featureFile(strFeature));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("; " + strFeature.toUtf8() + " driver of the Zorva chipset package\r\n");
        const QString strProduct = productName(strFeature);
        if (!strProduct.isEmpty())
            platform::writeRegistryString(productsKey() + strProduct,
                                          QStringLiteral("ProductVersion"),
                                          versionOf(strInfoPath, displayName(strFeature)));
    }
    const QString strKey = packageKey();
    platform::writeRegistryString(strKey, QStringLiteral("InstallationPath"),
                                  QDir::toNativeSeparators(installationFolder()));
    platform::writeRegistryString(strKey, QStringLiteral("DeployedFeatures"),
                                  lstDeployed.join(QLatin1Char(',')));
    platform::writeRegistryString(registrationKey(), QStringLiteral("DisplayName"),
                                  c_strProductName);
    platform::writeRegistryString(registrationKey(), QStringLiteral("DisplayVersion"),
                                  c_strProductVersion);
}

void removeFeatures(const QStringList &lstFeatures)
{
    QStringList lstDeployed = deployedFeatures();
    for (const QString &strFeature : lstFeatures) {
        lstDeployed.removeAll(strFeature);
        QFile::remove(featureFile(strFeature));
        const QString strProduct = productName(strFeature);
        if (!strProduct.isEmpty())
            platform::removeRegistryKey(productsKey() + strProduct);
    }
    platform::writeRegistryString(packageKey(), QStringLiteral("DeployedFeatures"),
                                  lstDeployed.join(QLatin1Char(',')));
}

void removeProduct()
{
    removeFeatures(deployedFeatures());
    const QString strKey = packageKey();
    platform::removeRegistryValue(strKey, QStringLiteral("InstallationPath"));
    platform::removeRegistryValue(strKey, QStringLiteral("DeployedFeatures"));
    platform::removeRegistryKey(registrationKey());
    QDir(installationFolder()).rmpath(QStringLiteral("."));
}

VerboseLog::VerboseLog(const QString &strPath, const QString &strCallingProcess)
    : m_file(strPath)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    m_stream.setDevice(&m_file);
    m_stream << "=== Verbose logging started: "
             << QDateTime::currentDateTime().toString(QStringLiteral("M/d/yyyy  HH:mm:ss"))
             << "  Build type: SHIP UNICODE 5.00.10011.00  Calling process: "
             << QDir::toNativeSeparators(strCallingProcess) << " ===\r\n";
    write(QStringLiteral("Resetting cached policy values"), false);
    write(QStringLiteral("Machine policy value 'Debug' is 0"), false);
}

void VerboseLog::write(const QString &strMessage, bool bServer)
{
    if (!m_stream.device())
        return;
    const QString strPid = QString::number(QCoreApplication::applicationPid() % 256, 16)
                                   .toUpper()
                                   .rightJustified(2, QLatin1Char('0'));
    m_stream << "MSI (" << (bServer ? 's' : 'c') << ") (" << strPid << ":1C) ["
             << QTime::currentTime().toString(QStringLiteral("HH:mm:ss:zzz")) << "]: " << strMessage
             << "\r\n";
    // A run that is killed leaves every line written so far.
    m_stream.flush();
}

void VerboseLog::finish(int iResult)
{
    if (!m_stream.device())
        return;
    write(QStringLiteral("Product: %1 -- Installation operation %2.")
                  .arg(c_strProductName,
                       iResult == 0 ? QStringLiteral("completed successfully")
                                    : QStringLiteral("failed")));
    write(QStringLiteral("Windows Installer reconfigured the product. Product Name: %1. Product "
                         "Version: %2. Product Language: 1033. Manufacturer: Zorva. "
                         "Reconfiguration success or error status: %3.")
                  .arg(c_strProductName, c_strProductVersion, QString::number(iResult)));
    write(QStringLiteral("MainEngineThread is returning %1").arg(iResult), false);
    m_stream << "=== Verbose logging stopped: "
             << QDateTime::currentDateTime().toString(QStringLiteral("M/d/yyyy  HH:mm:ss"))
             << " ===\r\n";
    m_stream.flush();
    m_file.close();
}

} // namespace standin
