// Install and uninstall runs: the command lines and the one child process.
#include "engine/drivers.h"

#include "engine/catalogtable.h"
#include "engine/commandline.h"
#include "engine/productcode.h"
#include "platform/localfile.h"
#include "platform/process.h"

#include <QDir>

namespace {
constexpr int c_iStartTimeout = 30000;
} // namespace

int Drivers::startInstaller(const commandline::Command &command)
{
    const QString strProgram = QDir::toNativeSeparators(command.strProgram);
    if (!platform::pathExists(command.strProgram)) {
        m_runFailure = {RunFailure::ProgramMissing, !bInstall, strProgram, QString()};
        return 0;
    }
    platform::startProcess(procInstaller, command.strProgram, command.lstArguments,
                           command.strNativeArguments, QIODevice::ReadWrite);
    if (procInstaller.waitForStarted(c_iStartTimeout))
        return 1;
    m_runFailure = {RunFailure::NotStarted, !bInstall, strProgram, procInstaller.errorString()};
    return 0;
}

int Drivers::installClicked()
{
    noteLogBeforeRun();
    QString strProperties;
    QString strFeatures = QStringLiteral("ADDLOCAL=");
    for (const QString &strSwitch : qAsConst(lstDriverSwitches)) {
        const int iSlot = slotOf(strSwitch);
        if (!iSlot)
            continue;
        const bool bChecked = vecCatalog.at(iSlot).bChecked;
        if (bChecked) {
            QString strProperty = QString(strSwitch).remove(QLatin1Char('/'));
            strProperties += strProperty + QStringLiteral("=YES ");
            const QString strHub = hubCompanion(featureOf(strSwitch));
            if (!strHub.isEmpty())
                strProperties += QStringLiteral("SET") + strHub + QStringLiteral("=YES ");
        }
        if (!isDriverAlreadyInstalled()) {
            strFeatures.clear();
            continue;
        }
        if (bChecked) {
            const QString strFeature = featureOf(strSwitch);
            strFeatures += strFeature + QLatin1Char(',');
            const QString strHub = hubCompanion(strFeature);
            if (!strHub.isEmpty())
                strFeatures += strHub + QLatin1Char(',');
        }
    }
    // No feature to add means no feature list at all.
    if (strFeatures.endsWith(QLatin1Char(',')))
        strFeatures.chop(1);
    else
        strFeatures.clear();

    // The whole "/v" text reaches the setup program as one argument, the folder quoted in it.
    const commandline::Command command
            = commandline::packageCommand(QDir::toNativeSeparators(applicationDir()), strProperties,
                                          strFeatures, QDir::separator(), m_installerUi);
    strPackageCommand = command.commandLine();
    // With no driver checked a run would change nothing and report success.
    if (strProperties.isEmpty())
        return 0;
    commandline::makeLogFolder(strLogFolder, currentLogPath());
    return startInstaller(command);
}

bool Drivers::uninstallAllDrivers()
{
    for (const QString &strSwitch : qAsConst(lstDriverSwitches)) {
        const int iSlot = slotOf(strSwitch);
        if (iSlot && !vecCatalog.at(iSlot).bChecked)
            return false;
    }
    return true;
}

int Drivers::uninstallClicked()
{
    noteLogBeforeRun();
    // Anything but a product code would reach MsiExec as options of its own.
    if (!ProductCode::isValid(strProductCode))
        return 0;
    QStringList lstArguments;
    bool bAnyFeature = true;
    if (uninstallAllDrivers()) {
        lstArguments << QStringLiteral("/x") << strProductCode << QStringLiteral("REMOVE=ALL");
    } else {
        QStringList lstFeatures;
        for (const QString &strSwitch : qAsConst(lstDriverSwitches)) {
            const int iSlot = slotOf(strSwitch);
            if (iSlot && vecCatalog.at(iSlot).bChecked)
                lstFeatures.append(featureOf(strSwitch));
        }
        bAnyFeature = !lstFeatures.isEmpty();
        lstArguments << QStringLiteral("/i") << strProductCode
                     << QStringLiteral("REMOVE=") + lstFeatures.join(QLatin1Char(','));
    }
    lstArguments << QStringLiteral("/qn");
    if (m_installerUi.bSuppressRestart)
        lstArguments << QStringLiteral("/norestart");
    lstArguments << QStringLiteral("/l*v") << strUninstallLogPath;
    const commandline::Command command
            = commandline::msiExecCommand(m_strSystemDrive, lstArguments);
    // Built anew by every call.
    strMsiExecCommand = commandline::nativeArgument(command.strProgram) + QLatin1Char(' ')
            + command.strNativeArguments;
    // A removal that names no feature would change nothing and report success.
    if (!bAnyFeature)
        return 0;
    commandline::makeLogFolder(strLogFolder, currentLogPath());
    return startInstaller(command);
}

void Drivers::noteLogBeforeRun()
{
    m_logBeforeRun = FileStamp::of(currentLogPath());
    m_runFailure = RunFailure();
}

QString Drivers::runCommandLine() const
{
    return bInstall ? strPackageCommand : strMsiExecCommand;
}

void Drivers::waitForRunEnd()
{
    if (procInstaller.state() != QProcess::NotRunning)
        procInstaller.waitForFinished(-1);
}

std::optional<int> Drivers::runExitCode() const
{
    if (procInstaller.state() != QProcess::NotRunning
        || procInstaller.error() == QProcess::FailedToStart
        || procInstaller.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return platform::exitCodeOf(procInstaller.exitCode());
}

int Drivers::isRunning()
{
    return procInstaller.state() == QProcess::Running ? 1 : 0;
}

void Drivers::toExtractFiles()
{
    procInstaller.start(commandline::packageProgramPath(QDir::toNativeSeparators(applicationDir())),
                        {QStringLiteral("/S"), QStringLiteral("/v EXTRACTONLY=1 /qr")},
                        QIODevice::ReadWrite);
    procInstaller.waitForStarted(c_iStartTimeout);
}
