#include "app/unattended.h"

#include "app/startup.h"
#include "engine/catalogtable.h"
#include "engine/commandline.h"
#include "engine/drivers.h"
#include "engine/modearguments.h"
#include "engine/productcode.h"
#include "platform/localfile.h"
#include "platform/machine.h"
#include "platform/outputfile.h"
#include "platform/shutdown.h"
#include "platform/singleinstance.h"
#include "platform/sysinfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace unattended {

namespace {

void printLine(std::FILE *pStream, const QString &strText)
{
    std::fputs(strText.toLocal8Bit().constData(), pStream);
    std::fputc('\n', pStream);
    std::fflush(pStream);
}

// Where no console shows standard error (a Windows program started by a deployment tool), the
// log folder keeps the line too: the program's own folder on a drive that can be used, never
// reached through a link.
void appendToLogFolder(const QString &strLine)
{
    if (!platform::systemDriveProblem().isEmpty())
        return;
    const QString strFolder = commandline::logFolder(platform::systemDrive());
    QFile log(strFolder + QStringLiteral("/Zorva_Chipset_Unattended.log"));
    if (!commandline::makeLogFolder(strFolder, log.fileName()) || !platform::openForAppend(log))
        return;
    log.setTextModeEnabled(true);
    log.write(strLine.toUtf8() + '\n');
}

QString actionName(Action action)
{
    switch (action) {
    case Action::Quiet:
        return QStringLiteral("quiet");
    case Action::Passive:
        return QStringLiteral("passive");
    case Action::List:
        return QStringLiteral("list");
    case Action::Window:
    case Action::Help:
        break;
    }
    // A command line that names no action is an error of no action.
    return QStringLiteral("none");
}

} // namespace

Run::Run(const Options &options)
    : m_options(options)
    , m_log(options.strLogPath)
{
    m_report.insert(QStringLiteral("program"), QStringLiteral("ChipsetInstaller"));
    m_report.insert(QStringLiteral("version"), QStringLiteral(PROGRAM_VERSION));
    m_report.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    m_report.insert(QStringLiteral("action"), actionName(options.action));
    m_report.insert(QStringLiteral("mode"),
                    options.bUninstall ? QStringLiteral("uninstall") : QStringLiteral("install"));
    if (options.bUninstall)
        m_report.insert(QStringLiteral("productCode"), options.strProductCode);
    if (options.bDriversGiven)
        m_report.insert(QStringLiteral("requested"),
                        QJsonArray::fromStringList(options.lstFeatures));
    m_report.insert(QStringLiteral("noRestart"), options.bNoRestart);
    m_log.write(QStringLiteral("ChipsetInstaller %1: %2")
                        .arg(QStringLiteral(PROGRAM_VERSION),
                             QCoreApplication::arguments().mid(1).join(QLatin1Char(' '))));
}

void Run::tellError(int iExitCode, const QString &strError)
{
    printLine(stderr, QStringLiteral("ChipsetInstaller: ") + oneLine(strError));
    m_report.insert(QStringLiteral("error"), strError);
    m_log.write(QStringLiteral("error: ") + strError);
    appendToLogFolder(QStringLiteral("%1 exit code %2: %3")
                              .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate))
                              .arg(iExitCode)
                              .arg(oneLine(strError)));
}

int Run::finish(int iExitCode, const QString &strError)
{
    if (!strError.isEmpty())
        tellError(iExitCode, strError);
    const QString strReportError = writeReport(iExitCode);
    if (!strReportError.isEmpty()) {
        // The report was asked for: a run that has no other failure to tell fails for want of
        // it.
        if (iExitCode == c_iSuccess || iExitCode == c_iRestartRequired) {
            tellError(c_iInstallFailure, strReportError);
            iExitCode = c_iInstallFailure;
        } else {
            printLine(stderr, QStringLiteral("ChipsetInstaller: ") + oneLine(strReportError));
        }
    }
    m_log.write(QStringLiteral("exit code %1").arg(iExitCode));
    return iExitCode;
}

QString Run::writeReport(int iExitCode)
{
    if (!m_run.isEmpty())
        m_report.insert(QStringLiteral("run"), m_run);
    m_report.insert(QStringLiteral("exitCode"), iExitCode);
    const QByteArray data = QJsonDocument(m_report).toJson(QJsonDocument::Indented);
    if (m_options.strReportPath.isEmpty()) {
        // Without a file only a listing has somewhere to go: standard output.
        if (m_options.action == Action::List)
            std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
        std::fflush(stdout);
        return QString();
    }
    QString strError;
    if (platform::writeOutputFile(m_options.strReportPath, data, &strError))
        return QString();
    return QStringLiteral("the report \"%1\" could not be written: %2")
            .arg(m_options.strReportPath, strError);
}

QJsonObject Run::describeSystem(Drivers *pDrivers) const
{
    return QJsonObject {
            {QStringLiteral("productVersion"), platform::productVersion()},
            {QStringLiteral("cpuArchitecture"), platform::currentCpuArchitecture()},
            {QStringLiteral("generation"),
             pDrivers->isItWindows7() ? QStringLiteral("Windows 7") : QStringLiteral("Windows 10")},
    };
}

int Run::select(Drivers *pDrivers)
{
    const int iCount = pDrivers->getNumberOfDrivers();
    QJsonArray drivers;
    QStringList lstOffered;
    QStringList lstSelected;
    for (int i = 0; i < iCount; ++i) {
        const QString strSwitch = pDrivers->switchAt(i);
        const QString strFeature = featureOf(strSwitch);
        const bool bRemovable = !m_options.bUninstall || pDrivers->isDriverUninstallable(i);
        const bool bRequested
                = !m_options.bDriversGiven || m_options.lstFeatures.contains(strFeature);
        QString strReason;
        if (!bRemovable)
            strReason = QStringLiteral("may not be removed on its own");
        else if (!bRequested)
            strReason = QStringLiteral("not named by /drivers");
        const bool bSelect = strReason.isEmpty();
        pDrivers->setCheckboxStatus(i, bSelect);
        if (bRemovable)
            lstOffered.append(strFeature);
        if (bSelect && pDrivers->isSelected(i))
            lstSelected.append(strFeature);
        QJsonObject driver {
                {QStringLiteral("feature"), strFeature},
                {QStringLiteral("switch"), strSwitch},
                {QStringLiteral("name"), pDrivers->getName(i)},
                {QStringLiteral("packageVersion"), pDrivers->getVersion(i)},
                {QStringLiteral("installedVersion"), pDrivers->getOldVersionNumber(i)},
                {QStringLiteral("selected"), bSelect},
        };
        if (!bSelect)
            driver.insert(QStringLiteral("reason"), strReason);
        drivers.append(driver);
    }
    m_report.insert(QStringLiteral("drivers"), drivers);
    m_log.write(
            QStringLiteral("offered: %1; selected: %2")
                    .arg(lstOffered.join(QLatin1Char(',')), lstSelected.join(QLatin1Char(','))));
    if (m_options.bDriversGiven) {
        QStringList lstNotOffered;
        for (const QString &strFeature : m_options.lstFeatures) {
            if (!lstOffered.contains(strFeature))
                lstNotOffered.append(strFeature);
        }
        m_report.insert(QStringLiteral("notOffered"), QJsonArray::fromStringList(lstNotOffered));
        if (!lstNotOffered.isEmpty())
            m_log.write(QStringLiteral("left out, not offered: ")
                        + lstNotOffered.join(QLatin1Char(',')));
        if (!lstNotOffered.isEmpty())
            printLine(stderr,
                      QStringLiteral("ChipsetInstaller: left out, not %1 on this machine: %2")
                              .arg(m_options.bUninstall ? QStringLiteral("removable")
                                                        : QStringLiteral("offered"),
                                   lstNotOffered.join(QLatin1Char(','))));
    }
    return lstSelected.size();
}

QString Run::childName() const
{
    return m_options.bUninstall ? QStringLiteral("MsiExec") : QStringLiteral("the setup program");
}

int Run::checkBeforeStart()
{
    if (!m_options.strError.isEmpty())
        return finish(c_iInvalidParameter, m_options.strError);
    if (m_log.failed())
        return finish(c_iInvalidParameter,
                      QStringLiteral("/log: \"%1\" cannot be opened for appending")
                              .arg(m_options.strLogPath));

    if (startup::holdInstanceMutexes() == platform::NamedMutexResult::AlreadyExists)
        return finish(c_iAlreadyRunning,
                      QStringLiteral("another copy of the installer is running"));
    // Windows Installer runs one installation at a time; a deployment tool retries 1618.
    if (m_options.isUnattendedRun()
        && platform::isNamedMutexHeld(startup::windowsInstallerMutexName()))
        return finish(c_iAlreadyRunning,
                      QStringLiteral("another installation is in progress (Windows Installer is "
                                     "busy)"));
    // Only the installed package's product code removes anything. A drive that cannot be used
    // is the engine's to tell.
    if (m_options.bUninstall && m_options.isUnattendedRun()
        && platform::systemDriveProblem().isEmpty()
        && !ProductCode::isInstalled(m_options.strProductCode))
        return finish(c_iUnknownProduct,
                      QStringLiteral("%1 is not the product code of an installed package")
                              .arg(m_options.strProductCode));
    return c_iGoOn;
}

int Run::choose(Drivers *pDrivers)
{
    if (!pDrivers)
        return finish(c_iInstallFailure, QStringLiteral("not enough memory"));
    // A drive that cannot be used is the caller's to mend, as a command line is; a log folder,
    // registry or detection that fails makes a failed run, never a machine without drivers.
    if (const StartupFailure &failure = pDrivers->startupFailure())
        return finish(failure.kind == StartupFailure::Environment ? c_iInvalidParameter
                                                                  : c_iInstallFailure,
                      failure.text());
    startup::readInstalledVersions(pDrivers);
    m_report.insert(QStringLiteral("operatingSystem"), describeSystem(pDrivers));

    const int iSelected = select(pDrivers);
    if (m_options.action == Action::List)
        return finish(c_iSuccess);
    if (iSelected == 0) {
        if (m_options.bUninstall)
            return finish(c_iUnknownProduct,
                          QStringLiteral("the package is not installed or nothing may be removed"));
        return finish(c_iPlatformUnsupported,
                      QStringLiteral("no driver of the package applies to this machine"));
    }
    pDrivers->setInstallerUi({true, m_options.bNoRestart});
    return c_iGoOn;
}

int Run::start(Drivers *pDrivers)
{
    return noteStart(pDrivers,
                     m_options.bUninstall ? pDrivers->uninstallClicked()
                                          : pDrivers->installClicked());
}

int Run::noteStart(Drivers *pDrivers, bool bStarted)
{
    m_run.insert(QStringLiteral("commandLine"), pDrivers->runCommandLine());
    m_run.insert(QStringLiteral("log"), pDrivers->runLogPath());
    if (!bStarted) {
        m_run.insert(QStringLiteral("verdict"), QStringLiteral("not started"));
        // The reasons are the result panel's sentences.
        const RunFailure &failure = pDrivers->runFailure();
        return finish(c_iInstallFailure,
                      failure ? failure.text()
                              : childName() + QStringLiteral(" could not be started"));
    }
    m_log.write(QStringLiteral("started: ") + pDrivers->runCommandLine());
    m_log.write(QStringLiteral("its log: ") + pDrivers->runLogPath());
    return c_iGoOn;
}

int Run::judge(Drivers *pDrivers)
{
    const int iProgress = pDrivers->updateProgress();
    const std::optional<int> exitCode = pDrivers->runExitCode();
    if (exitCode)
        m_run.insert(QStringLiteral("exitCode"), *exitCode);
    m_log.write(QStringLiteral("%1 ended with exit code %2")
                        .arg(childName(),
                             exitCode ? QString::number(*exitCode)
                                      : QStringLiteral("none (it crashed)")));
    const int iChild = exitCode.value_or(0);
    if (iProgress != 100) {
        const QString strVerdict
                = iProgress == -2 ? QStringLiteral("log unreadable") : QStringLiteral("failure");
        m_run.insert(QStringLiteral("verdict"), strVerdict);
        m_log.write(QStringLiteral("verdict: ") + strVerdict);
        // The codes that a deployment tool acts upon are passed on.
        if (iChild == c_iAlreadyRunning)
            return finish(c_iAlreadyRunning,
                          QStringLiteral("another installation is in progress (%1 exited 1618)")
                                  .arg(childName()));
        if (iChild == c_iUserExit)
            return finish(
                    c_iUserExit,
                    QStringLiteral("the run was cancelled (%1 exited 1602)").arg(childName()));
        if (iChild == c_iUnknownProduct && m_options.bUninstall)
            return finish(c_iUnknownProduct,
                          QStringLiteral("the package is not installed (MsiExec exited 1605)"));
        if (const RunFailure &failure = pDrivers->runFailure())
            return finish(c_iInstallFailure, failure.text());
        return finish(c_iInstallFailure,
                      iProgress == -2 ? QStringLiteral("the run's log cannot be read: %1")
                                                .arg(pDrivers->runLogPath())
                                      : QStringLiteral("the run failed or its log names no "
                                                       "result: %1")
                                                .arg(pDrivers->runLogPath()));
    }
    m_run.insert(QStringLiteral("verdict"), QStringLiteral("success"));
    m_log.write(QStringLiteral("verdict: success"));
    if (iChild != c_iSuccess && iChild != c_iRestartRequired && iChild != c_iRestartStarted)
        return finish(c_iInstallFailure,
                      QStringLiteral("the log names success but %1 exited %2: %3")
                              .arg(childName())
                              .arg(iChild)
                              .arg(pDrivers->runLogPath()));
    const bool bRestart = pDrivers->isRestartRequired() || iChild != c_iSuccess;
    m_run.insert(QStringLiteral("restartRequired"), bRestart);
    if (iChild == c_iRestartStarted) {
        m_run.insert(QStringLiteral("restart"), QStringLiteral("started"));
        m_log.write(QStringLiteral("restart: started by ") + childName());
        return finish(c_iRestartStarted);
    }
    if (!bRestart) {
        m_run.insert(QStringLiteral("restart"), QStringLiteral("not needed"));
        m_log.write(QStringLiteral("restart: not needed"));
        return finish(c_iSuccess);
    }
    return restart();
}

int Run::restart()
{
    if (m_options.bNoRestart) {
        m_run.insert(QStringLiteral("restart"), QStringLiteral("not started (/norestart)"));
        m_log.write(QStringLiteral("restart: not started (/norestart)"));
        return finish(c_iRestartRequired);
    }
    // The report must be on disk before the restart ends the process; without it the run
    // fails and the machine is not restarted.
    m_run.insert(QStringLiteral("restart"), QStringLiteral("started"));
    if (const QString strReportError = writeReport(c_iRestartStarted); !strReportError.isEmpty()) {
        tellError(c_iInstallFailure, strReportError);
        m_log.write(QStringLiteral("exit code %1").arg(c_iInstallFailure));
        return c_iInstallFailure;
    }
    m_log.write(QStringLiteral("restart: started"));
    m_log.write(QStringLiteral("exit code %1").arg(c_iRestartStarted));
    if (platform::enableShutdownPrivilege() && platform::restartSystem(c_iRestartStarted))
        return c_iRestartStarted;
    m_run.insert(QStringLiteral("restart"), QStringLiteral("could not be started"));
    return finish(c_iRestartRequired, QStringLiteral("the restart could not be started"));
}

int Run::execute()
{
    if (const int iEnd = checkBeforeStart(); iEnd != c_iGoOn)
        return iEnd;
    // The engine reads its mode from a command line of mode arguments only.
    QStringList lstEngineArguments {QCoreApplication::applicationFilePath()};
    if (m_options.bUninstall)
        lstEngineArguments << ModeArguments::c_uninstall << m_options.strProductCode;
    Drivers *pDrivers = Drivers::instanceFor(lstEngineArguments);
    if (const int iEnd = choose(pDrivers); iEnd != c_iGoOn)
        return iEnd;
    if (const int iEnd = start(pDrivers); iEnd != c_iGoOn)
        return iEnd;
    pDrivers->waitForRunEnd();
    return judge(pDrivers);
}

int run(const Options &options)
{
    if (options.action == Action::Help) {
        printLine(stdout, usage());
        return c_iSuccess;
    }
    Run run(options);
    if (options.action == Action::Passive && options.strError.isEmpty()) {
        // Reached where no window can be shown: it never waits for one.
        if (const int iEnd = run.checkBeforeStart(); iEnd != Run::c_iGoOn)
            return iEnd;
        return run.finish(c_iInstallFailure,
                          QStringLiteral("/passive: no display can be opened; /quiet needs none"));
    }
    return run.execute();
}

} // namespace unattended
