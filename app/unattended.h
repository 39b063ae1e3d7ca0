#ifndef UNATTENDED_H
#define UNATTENDED_H

#include "app/runlog.h"
#include "app/unattendedoptions.h"

#include <QJsonObject>

class Drivers;

// The unattended modes: detection, selection and the run through the engine, with an exit code
// in Windows Installer's meanings, a JSON report and the run's own log.
namespace unattended {

enum ExitCode {
    c_iSuccess = 0,
    c_iInvalidParameter = 87,
    c_iUserExit = 1602,
    c_iInstallFailure = 1603,
    c_iUnknownProduct = 1605,
    c_iAlreadyRunning = 1618,
    c_iPlatformUnsupported = 1633,
    c_iRestartStarted = 1641,
    c_iRestartRequired = 3010,
};

// One unattended run, step by step; each step either lets the run go on (c_iGoOn) or ends it
// with the exit code it returns, the error told and the report written.
class Run
{
public:
    static constexpr int c_iGoOn = -1;

    explicit Run(const Options &options);

    // The command line, the other copies and Windows Installer, the product code: nothing of
    // the machine is changed before these pass.
    int checkBeforeStart();
    // The engine's start on this machine, then the drivers the options select.
    int choose(Drivers *pDrivers);
    // Starts the install or removal.
    int start(Drivers *pDrivers);
    // Notes the start that the window's page asked the engine for.
    int noteStart(Drivers *pDrivers, bool bStarted);
    // The run's end: its verdict, refined by the child's exit code, and the restart.
    int judge(Drivers *pDrivers);
    // Ends the run: the error line, the report, the exit code.
    int finish(int iExitCode, const QString &strError = QString());

    // /quiet and /list from start to end.
    int execute();

private:
    // Writes the report; why it could not be written, or nothing.
    QString writeReport(int iExitCode);
    // The error line on standard error, in the report and in the logs.
    void tellError(int iExitCode, const QString &strError);
    QJsonObject describeSystem(Drivers *pDrivers) const;
    // Selects the drivers the options name, fills the report's lists; the number selected.
    int select(Drivers *pDrivers);
    // The restart the package asks for, as the options allow it.
    int restart();
    // The name of the child for messages.
    QString childName() const;

    const Options &m_options;
    RunLog m_log;
    QJsonObject m_report;
    QJsonObject m_run;
};

// Runs what the options ask for without a window and returns the process exit code. A restart
// that the run starts ends the process on the stand-in machine.
int run(const Options &options);

} // namespace unattended

#endif // UNATTENDED_H
