// Stand-in for the system's MsiExec. It understands
//   /x <product code> REMOVE=ALL /qn /l*v <log>
//   /i <product code> REMOVE=<feature>,<feature> /qn /l*v <log>
// each with "/norestart" where the restart a removal needs must not be started.
// removes the product or the features from the stand-in machine and writes the verbose log.
#include "standinpackage.h"

#include "engine/catalogtable.h"

#include "platform/registry.h"

#include <QCoreApplication>

namespace {
constexpr int c_iUnknownProduct = 1605;
constexpr int c_iInvalidCommandLine = 1639;
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList lstArguments = application.arguments().mid(1);

    QString strAction;
    QString strProductCode;
    QString strLogPath;
    QString strRemove;
    bool bSilent = false;
    bool bSuppressed = false;
    for (int i = 0; i < lstArguments.size(); ++i) {
        const QString &strArgument = lstArguments.at(i);
        if (strArgument.compare(QLatin1String("/x"), Qt::CaseInsensitive) == 0
            || strArgument.compare(QLatin1String("/i"), Qt::CaseInsensitive) == 0) {
            strAction = strArgument.toLower();
            strProductCode = lstArguments.value(++i);
        } else if (strArgument.compare(QLatin1String("/l*v"), Qt::CaseInsensitive) == 0) {
            strLogPath = lstArguments.value(++i);
        } else if (strArgument.startsWith(QLatin1String("REMOVE="), Qt::CaseInsensitive)) {
            strRemove = strArgument.mid(7);
        } else if (strArgument.compare(QLatin1String("/qn"), Qt::CaseInsensitive) == 0) {
            bSilent = true;
        } else if (strArgument.compare(QLatin1String("/norestart"), Qt::CaseInsensitive) == 0
                   || strArgument.compare(QLatin1String("REBOOT=ReallySuppress"),
                                          Qt::CaseInsensitive)
                           == 0) {
            bSuppressed = true;
        }
    }

    standin::VerboseLog log(strLogPath, application.applicationFilePath());
    log.write(QStringLiteral("Command Line: ") + lstArguments.join(QLatin1Char(' ')), false);
    if (strAction.isEmpty()) {
        log.write(QStringLiteral("Note: 1: 1639"), false);
        log.finish(c_iInvalidCommandLine);
        return c_iInvalidCommandLine;
    }
    if (strProductCode.compare(standin::productCode(), Qt::CaseInsensitive) != 0
        || platform::readRegistryString(standin::registrationKey(), QStringLiteral("DisplayName"))
                   .isEmpty()) {
        log.write(QStringLiteral("Note: 1: 1605 2: %1").arg(strProductCode), false);
        log.write(QStringLiteral("This action is only valid for products that are currently "
                                 "installed."),
                  false);
        log.finish(c_iUnknownProduct);
        return c_iUnknownProduct;
    }

    const standin::Behaviour behaviour = standin::behaviour();
    standin::spendTime(behaviour);
    if (behaviour.iResult != 0) {
        log.write(QStringLiteral("Note: 1: %1").arg(behaviour.iResult));
        log.finish(behaviour.iResult);
        return behaviour.iResult;
    }

    const bool bWhole = strAction == QLatin1String("/x")
            || strRemove.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0;
    if (bWhole) {
        for (const QString &strFeature : standin::deployedFeatures())
            log.write(QStringLiteral(
                              "Feature: %1; Installed: Local;   Request: Absent;   Action: Absent")
                              .arg(strFeature));
        standin::removeProduct();
    } else if (!strRemove.isEmpty()) {
        // A controller's hub feature lies below it and goes with it.
        QStringList lstFeatures;
        for (const QString &strFeature : strRemove.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            lstFeatures.append(strFeature);
            const QString strHub = hubCompanion(strFeature);
            if (!strHub.isEmpty())
                lstFeatures.append(strHub);
        }
        for (const QString &strFeature : qAsConst(lstFeatures))
            log.write(QStringLiteral(
                              "Feature: %1; Installed: Local;   Request: Absent;   Action: Absent")
                              .arg(strFeature));
        standin::removeFeatures(lstFeatures);
    }
    platform::writeRegistryString(standin::packageKey(), QStringLiteral("REBOOTSTATUS"),
                                  behaviour.strRebootStatus);
    return standin::finishSuccessfulRun(log, behaviour, bSilent, bSuppressed);
}
