#include "app/unattended.h"

#include "app/startup.h"
#include "engine/catalogtable.h"
#include "engine/commandline.h"
#include "engine/drivers.h"
#include "engine/modearguments.h"
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
#include <QJsonObject>

#include <cstdio>

// The build defines the project's version; a bare compile of this file has none.
#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "unknown"
#endif

namespace unattended {

namespace {

// The text with its control characters escaped, so that an argument quoted in it cannot break
// the line.
QString oneLine(const QString &strText)
{
    QString strLine;
    for (const QChar c : strText) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            strLine += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            strLine += c;
    }
    return strLine;
}

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

// Collects the report and ends the run with one exit code.
class Run
{
public:
    explicit Run(const Options &options)
        : m_options(options)
    {
        m_report.insert(QStringLiteral("program"), QStringLiteral("ChipsetInstaller"));
        m_report.insert(QStringLiteral("version"), QStringLiteral(PROGRAM_VERSION));
        m_report.insert(QStringLiteral("time"),
                        QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        // A command line that names neither /quiet nor /list is an error of no action.
        m_report.insert(QStringLiteral("action"),
                        options.action == Action::List            ? QStringLiteral("list")
                                : options.action == Action::Quiet ? QStringLiteral("quiet")
                                                                  : QStringLiteral("none"));
        m_report.insert(QStringLiteral("mode"),
                        options.bUninstall ? QStringLiteral("uninstall")
                                           : QStringLiteral("install"));
        if (options.bUninstall)
            m_report.insert(QStringLiteral("productCode"), options.strProductCode);
        if (options.bDriversGiven)
            m_report.insert(QStringLiteral("requested"),
                            QJsonArray::fromStringList(options.lstFeatures));
        m_report.insert(QStringLiteral("noRestart"), options.bNoRestart);
    }

    int execute();

private:
    // Ends the run: the error line, the report, the exit code.
    int finish(int iExitCode, const QString &strError = QString());
    // Writes the report; why it could not be written, or nothing.
    QString writeReport(int iExitCode);
    // The error line on standard error and in the report, and, but for a command-line error,
    // in the log folder.
    void tellError(int iExitCode, const QString &strError);
    QJsonObject describeSystem(Drivers *pDrivers) const;
    // Selects the drivers the options name, fills the report's lists; the number selected.
    int select(Drivers *pDrivers);
    int runEngine(Drivers *pDrivers);

    const Options &m_options;
    QJsonObject m_report;
    QJsonObject m_run;
};

void Run::tellError(int iExitCode, const QString &strError)
{
    printLine(stderr, QStringLiteral("ChipsetInstaller: ") + oneLine(strError));
    m_report.insert(QStringLiteral("error"), strError);
    // A command-line error writes nothing but the report.
    if (iExitCode != c_iInvalidParameter)
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
    if (strReportError.isEmpty())
        return iExitCode;
    // The report was asked for: a run that has no other failure to tell fails for want of it.
    if (iExitCode == c_iSuccess || iExitCode == c_iRestartRequired) {
        tellError(c_iInstallFailure, strReportError);
        return c_iInstallFailure;
    }
    printLine(stderr, QStringLiteral("ChipsetInstaller: ") + oneLine(strReportError));
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
    int iSelected = 0;
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
            ++iSelected;
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
    if (m_options.bDriversGiven) {
        QStringList lstNotOffered;
        for (const QString &strFeature : m_options.lstFeatures) {
            if (!lstOffered.contains(strFeature))
                lstNotOffered.append(strFeature);
        }
        m_report.insert(QStringLiteral("notOffered"), QJsonArray::fromStringList(lstNotOffered));
        if (!lstNotOffered.isEmpty())
            printLine(stderr,
                      QStringLiteral("ChipsetInstaller: left out, not %1 on this machine: %2")
                              .arg(m_options.bUninstall ? QStringLiteral("removable")
                                                        : QStringLiteral("offered"),
                                   lstNotOffered.join(QLatin1Char(','))));
    }
    return iSelected;
}

int Run::runEngine(Drivers *pDrivers)
{
    const int iStarted
            = m_options.bUninstall ? pDrivers->uninstallClicked() : pDrivers->installClicked();
    m_run.insert(QStringLiteral("commandLine"), pDrivers->runCommandLine());
    m_run.insert(QStringLiteral("log"), pDrivers->runLogPath());
    if (!iStarted) {
        m_run.insert(QStringLiteral("verdict"), QStringLiteral("not started"));
        return finish(c_iInstallFailure,
                      m_options.bUninstall ? QStringLiteral("MsiExec could not be started")
                                           : QStringLiteral("the setup program could not be "
                                                            "started"));
    }
    pDrivers->waitForRunEnd();
    const int iProgress = pDrivers->updateProgress();
    if (iProgress != 100) {
        m_run.insert(QStringLiteral("verdict"),
                     iProgress == -2 ? QStringLiteral("log unreadable")
                                     : QStringLiteral("failure"));
        return finish(c_iInstallFailure,
                      iProgress == -2 ? QStringLiteral("the run's log cannot be read: %1")
                                                .arg(pDrivers->runLogPath())
                                      : QStringLiteral("the run failed or its log names no "
                                                       "result: %1")
                                                .arg(pDrivers->runLogPath()));
    }
    m_run.insert(QStringLiteral("verdict"), QStringLiteral("success"));
    const bool bRestart = pDrivers->isRestartRequired();
    m_run.insert(QStringLiteral("restartRequired"), bRestart);
    if (!bRestart) {
        m_run.insert(QStringLiteral("restart"), QStringLiteral("not needed"));
        return finish(c_iSuccess);
    }
    if (m_options.bNoRestart) {
        m_run.insert(QStringLiteral("restart"), QStringLiteral("not started (/norestart)"));
        return finish(c_iRestartRequired);
    }
    // The report must be on disk before the restart ends the process; without it the run
    // fails and the machine is not restarted.
    m_run.insert(QStringLiteral("restart"), QStringLiteral("started"));
    if (const QString strReportError = writeReport(c_iRestartStarted); !strReportError.isEmpty()) {
        tellError(c_iInstallFailure, strReportError);
        return c_iInstallFailure;
    }
    if (platform::enableShutdownPrivilege() && platform::restartSystem(c_iRestartStarted))
        return c_iRestartStarted;
    m_run.insert(QStringLiteral("restart"), QStringLiteral("could not be started"));
    return finish(c_iRestartRequired, QStringLiteral("the restart could not be started"));
}

int Run::execute()
{
    if (!m_options.strError.isEmpty())
        return finish(c_iInvalidParameter, m_options.strError);

    if (platform::createNamedMutex(startup::mutexName())
        == platform::NamedMutexResult::AlreadyExists)
        return finish(c_iAlreadyRunning,
                      QStringLiteral("another copy of the installer is running"));

    // The engine reads its mode from a command line of mode arguments only.
    QStringList lstEngineArguments {QCoreApplication::applicationFilePath()};
    if (m_options.bUninstall)
        lstEngineArguments << ModeArguments::c_uninstall << m_options.strProductCode;
    Drivers *pDrivers = Drivers::instanceFor(lstEngineArguments);
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
    return runEngine(pDrivers);
}

} // namespace

int run(const Options &options)
{
    if (options.action == Action::Help) {
        printLine(stdout, usage());
        return c_iSuccess;
    }
    return Run(options).execute();
}

} // namespace unattended
