#include "engine/detectionhost.h"

#include "engine/commandline.h"
#include "platform/localfile.h"
#include "platform/machine.h"
#include "platform/scripthost.h"

#include <QDir>
#include <QFile>

namespace detection {

namespace {

ScriptReplyFunction &replyFunction()
{
    static ScriptReplyFunction function;
    return function;
}

// The script logs into the log folder from its first step, cannot create the folder itself,
// and stops at the first line it cannot write: the folder must exist, as the program's own,
// and take the log before the script runs. False, with the failure, when it cannot.
bool prepareLog(StartupFailure *pFailure)
{
    const QString drive = platform::systemDrive();
    if (drive.isEmpty())
        return true;
    const QString folder = commandline::logFolder(drive);
    QFile log(folder + QStringLiteral("/Device_ID.log"));
    const bool bOpened
            = commandline::makeLogFolder(folder, log.fileName()) && platform::openForAppend(log);
    QString strProblem = platform::folderWriteProblem(folder);
    if (bOpened && strProblem.isEmpty())
        return true;
    if (strProblem.isEmpty())
        strProblem = QStringLiteral("%1 cannot be opened for appending").arg(log.fileName());
    *pFailure = {StartupFailure::LogFolder, folder, strProblem};
    return false;
}

} // namespace

void setScriptReplyFunction(ScriptReplyFunction function)
{
    replyFunction() = std::move(function);
}

ScriptRun runDetectionScript(QObject *pOwner, const QString &strInfoPath)
{
    ScriptRun run;
    if (!prepareLog(&run.failure))
        return run;
    if (replyFunction()) {
        run.reply = replyFunction()(strInfoPath);
        return run;
    }
    run.pScriptManager = platform::createScriptManager(pOwner);
    if (run.pScriptManager)
        run.pScript = platform::loadScript(run.pScriptManager,
                                           QStringLiteral(":/QT_BRISK-IO_Drivers.vbs"),
                                           QStringLiteral("MyScript"));
    QString strError;
    if (run.pScript)
        run.reply = platform::callScript(run.pScript, QStringLiteral("GetDeviceId(QString)"),
                                         {strInfoPath}, &strError);
    if (!strError.isEmpty())
        run.failure = {StartupFailure::Detection, QString(), strError};
    return run;
}

} // namespace detection
