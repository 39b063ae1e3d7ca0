#include "engine/detectionhost.h"

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
// itself, so it must exist before the script runs.
void createLogFolder()
{
    const QString drive = platform::systemDrive();
    if (!drive.isEmpty())
        QDir().mkpath(drive + QStringLiteral("/Zorva/Chipset_Driver_Installer/Logs"));
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
