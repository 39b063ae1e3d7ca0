#ifndef DETECTIONHOST_H
#define DETECTIONHOST_H

#include "engine/startupfailure.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

// Runs the hardware detection script carried in the resources.
namespace detection {

struct ScriptRun
{
    QObject *pScriptManager = nullptr; // child of the owner; none when it could not be made
    QObject *pScript = nullptr; // owned by the manager; none when the script did not load
    QVariant reply; // GetDeviceId's answer; invalid when the call gave no value
    // Set when detection could not run or finish: its log cannot be written, or the script
    // stopped with an error. Its answer then says nothing about the machine's drivers.
    StartupFailure failure;
};

// Makes the log folder the program's own and checks that the log can be written there, then
// loads ":/QT_BRISK-IO_Drivers.vbs" under "MyScript" into a script manager owned by pOwner and
// calls "GetDeviceId(QString)" with the package-description path.
ScriptRun runDetectionScript(QObject *pOwner, const QString &strInfoPath);

// Tests give the script's answer for a package-description path; an empty function restores
// the real script.
using ScriptReplyFunction = std::function<QVariant(const QString &strInfoPath)>;
void setScriptReplyFunction(ScriptReplyFunction function);

} // namespace detection

#endif // DETECTIONHOST_H
