// Stand-in for the package's setup program. It understands
//   /S /v"QTLAUNCH=1 QTPATH=\"<folder>\" SETPCI=YES ... [ADDLOCAL=PCI,...]
//         [REBOOT=ReallySuppress] /qr|/qn" /clone_wait
//   /S "/v EXTRACTONLY=1 /qr"
// installs the selected features on the stand-in machine and writes a verbose log to the
// installer's log folder. It stays alive until the work is done. A command line it does not
// understand ends the run with 1639, as Windows Installer ends it.
#include "installertext.h"
#include "standinpackage.h"

#include "engine/commandline.h"
#include "platform/machine.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int c_iInvalidCommandLine = 1639;

int extractOnly(const standin::Behaviour &behaviour)
{
    const QString strFolder
            = platform::systemDrive() + QStringLiteral("/Zorva/Chipset_Driver_Installer/Extracted");
    QDir().mkpath(strFolder);
    QFile readme(strFolder + QStringLiteral("/Zorva_Chipset_Drivers.msi"));
    if (readme.open(QIODevice::WriteOnly | QIODevice::Truncate))
        readme.write("Zorva chipset driver package, extracted\r\n");
    standin::spendTime(behaviour);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const installertext::Reading reading = installertext::read(application.arguments().mid(1));
    const installertext::Properties &properties = reading.properties;
    const standin::Behaviour behaviour = standin::behaviour();
    if (reading.bValid
        && installertext::valueOf(properties, QStringLiteral("EXTRACTONLY")) == QLatin1String("1"))
        return extractOnly(behaviour);

    const QString strLogPath = commandline::logFolder(platform::systemDrive())
            + QStringLiteral("/Zorva_Chipset_IODrivers.log");
    standin::VerboseLog log(strLogPath, application.applicationFilePath());
    log.write(QStringLiteral("Command Line: ") + reading.strText, false);
    if (!reading.bValid) {
        log.write(QStringLiteral("Invalid command line: ") + reading.strError, false);
        log.write(QStringLiteral("Note: 1: %1").arg(c_iInvalidCommandLine), false);
        log.finish(c_iInvalidCommandLine);
        return c_iInvalidCommandLine;
    }

    QStringList lstFeatures;
    for (const auto &property : properties) {
        if (property.first.startsWith(QLatin1String("SET"))
            && property.second.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0
            && !lstFeatures.contains(property.first.mid(3)))
            lstFeatures.append(property.first.mid(3));
    }
    const bool bInstalled = !platform::readRegistryString(standin::packageKey(),
                                                          QStringLiteral("InstallationPath"))
                                     .isEmpty();
    if (bInstalled) {
        for (const QString &strFeature :
             installertext::valueOf(properties, QStringLiteral("ADDLOCAL"))
                     .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!lstFeatures.contains(strFeature))
                lstFeatures.append(strFeature);
        }
    }

    for (const auto &property : properties)
        log.write(QStringLiteral("PROPERTY CHANGE: Adding %1 property. Its value is '%2'.")
                          .arg(property.first, property.second));
    log.write(bInstalled ? QStringLiteral("Product is installed: maintenance mode")
                         : QStringLiteral("Product is not installed: first install"));

    standin::spendTime(behaviour);
    if (behaviour.iResult == 0) {
        for (const QString &strFeature : qAsConst(lstFeatures))
            log.write(QStringLiteral(
                              "Feature: %1; Installed: Absent;   Request: Local;   Action: Local")
                              .arg(strFeature));
        const QString strInfoPath = QDir::fromNativeSeparators(installertext::valueOf(
                                            properties, QStringLiteral("QTPATH")))
                + QStringLiteral("/info.xml");
        standin::installFeatures(lstFeatures, strInfoPath);
        platform::writeRegistryString(standin::packageKey(), QStringLiteral("REBOOTSTATUS"),
                                      behaviour.strRebootStatus);
        const int iExitCode = standin::finishSuccessfulRun(
                log, behaviour,
                reading.lstOptions.contains(QStringLiteral("/qn"), Qt::CaseInsensitive),
                installertext::valueOf(properties, QStringLiteral("REBOOT"))
                                .compare(QLatin1String("ReallySuppress"), Qt::CaseInsensitive)
                        == 0);
        return behaviour.iExitCode >= 0 ? behaviour.iExitCode : iExitCode;
    }
    log.write(QStringLiteral("Note: 1: %1").arg(behaviour.iResult));
    log.finish(behaviour.iResult);
    return behaviour.iResult;
}
