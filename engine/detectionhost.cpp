#include "engine/detectionhost.h"

namespace detection {

namespace {
ScriptReplyFunction &replyFunction()
{
    static ScriptReplyFunction function;
    return function;
}
} // namespace

void setScriptReplyFunction(ScriptReplyFunction function)
{
    replyFunction() = std::move(function);
}

ScriptRun runDetectionScript(QObject *pOwner, const QString &strInfoPath)
{
    Q_UNUSED(pOwner);
    ScriptRun run;
    if (replyFunction())
        run.reply = replyFunction()(strInfoPath);
    return run;
}

} // namespace detection
