#include "engine/detectionhost.h"

#include "engine/commandline.h"
#include "platform/machine.h"
#include "platform/scripthost.h"

#include <QDir>

namespace detection {

namespace {

ScriptReplyFunction &replyFunction()
{
    static ScriptReplyFunction function;
    return function;
}

// The script logs into the log folder from its first step and cannot create the folder
// itself, so it must exist, as the program's own, before the script runs.
void createLogFolder()
{
    const QString drive = platform::systemDrive();
    if (!drive.isEmpty()) {
        const QString folder = commandline::logFolder(drive);
        commandline::makeLogFolder(folder, folder + QStringLiteral("/Device_ID.log"));
    }
}

} // namespace

void setScriptReplyFunction(ScriptReplyFunction function)
{
    replyFunction() = std::move(function);
}

ScriptRun runDetectionScript(QObject *pOwner, const QString &strInfoPath)
{
    ScriptRun run;
    createLogFolder();
    if (replyFunction()) {
        run.reply = replyFunction()(strInfoPath);
        return run;
    }
    run.pScriptManager = platform::createScriptManager(pOwner);
    if (run.pScriptManager)
        run.pScript = platform::loadScript(run.pScriptManager,
                                           QStringLiteral(":/QT_BRISK-IO_Drivers.vbs"),
                                           QStringLiteral("MyScript"));
    if (run.pScript)
        run.reply = platform::callScript(run.pScript, QStringLiteral("GetDeviceId(QString)"),
                                         {strInfoPath});
    return run;
}

} // namespace detection
