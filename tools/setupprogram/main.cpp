// Stand-in for the package's setup program. It understands
//   /S /v"QTLAUNCH=1 QTPATH="<folder>" SETPCI=YES ... [ADDLOCAL=PCI,...] /qr" /clone_wait
//   /S "/v EXTRACTONLY=1 /qr"
// installs the selected features on the stand-in machine and writes a verbose log to the
// installer's log folder. It stays alive until the work is done.
#include "standinpackage.h"

#include "engine/commandline.h"
#include "platform/machine.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QPair>
#include <QVector>

namespace {

// The text of the "/v" argument without "/v" and "/qr". A folder with a blank splits it over
// several arguments; they are joined again.
QString installerProperties(const QStringList &lstArguments)
{
    QStringList lstParts;
    bool bInside = false;
    for (const QString &strArgument : lstArguments) {
        if (!bInside && strArgument.startsWith(QLatin1String("/v"), Qt::CaseInsensitive)) {
            bInside = true;
            lstParts.append(strArgument.mid(2));
        } else if (bInside) {
            lstParts.append(strArgument);
        }
        if (bInside && lstParts.last().endsWith(QLatin1String("/qr"), Qt::CaseInsensitive)) {
            lstParts.last().chop(3);
            break;
        }
    }
    return lstParts.join(QLatin1Char(' '));
}

using Properties = QVector<QPair<QString, QString>>;

// NAME=VALUE pairs in command-line order; a word without "=" continues the previous value.
Properties parseProperties(const QString &strText)
{
    Properties properties;
    for (const QString &strWord : strText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int iEquals = strWord.indexOf(QLatin1Char('='));
        if (iEquals > 0)
            properties.append({strWord.left(iEquals).toUpper(), strWord.mid(iEquals + 1)});
        else if (!properties.isEmpty())
            properties.last().second += QLatin1Char(' ') + strWord;
    }
    return properties;
}

QString valueOf(const Properties &properties, const QString &strName)
{
    for (const auto &property : properties) {
        if (property.first == strName)
            return property.second;
    }
    return QString();
}

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
    const QStringList lstArguments = application.arguments().mid(1);
    const standin::Behaviour behaviour = standin::behaviour();
    const Properties properties = parseProperties(installerProperties(lstArguments));
    if (valueOf(properties, QStringLiteral("EXTRACTONLY")) == QLatin1String("1"))
        return extractOnly(behaviour);

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
        for (const QString &strFeature : valueOf(properties, QStringLiteral("ADDLOCAL"))
                                                 .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!lstFeatures.contains(strFeature))
                lstFeatures.append(strFeature);
        }
    }

    const QString strLogPath = commandline::logFolder(platform::systemDrive())
            + QStringLiteral("/Zorva_Chipset_IODrivers.log");
    standin::VerboseLog log(strLogPath, application.applicationFilePath());
    log.write(QStringLiteral("Command Line: ") + lstArguments.join(QLatin1Char(' ')), false);
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
        const QString strInfoPath
                = QDir::fromNativeSeparators(valueOf(properties, QStringLiteral("QTPATH")))
                + QStringLiteral("/info.xml");
        standin::installFeatures(lstFeatures, strInfoPath);
        platform::writeRegistryString(standin::packageKey(), QStringLiteral("REBOOTSTATUS"),
                                      behaviour.strRebootStatus);
    } else {
        log.write(QStringLiteral("Note: 1: %1").arg(behaviour.iResult));
    }
    log.finish(behaviour.iResult);
    return behaviour.iResult;
}
