#ifndef PLATFORM_SCRIPTHOST_H
#define PLATFORM_SCRIPTHOST_H

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

// Runs VBScript files: on Windows through the system's script host (ActiveQt's script
// manager), elsewhere through the program's own engine with host objects backed by the
// stand-in machine.
namespace platform {

// A script manager owned by pParent; none when it cannot be made.
QObject *createScriptManager(QObject *pParent);

// Loads a script file (a resource path works) under a name; the script belongs to the
// manager. None when the file cannot be read or the text does not load.
QObject *loadScript(QObject *pManager, const QString &strFile, const QString &strName);

// Calls a script function by signature ("GetDeviceId(QString)") with the arguments. An
// invalid variant when the call gives no value (unknown function, run-time error); then
// *pstrError, where given, tells the error that ended the script, if one did.
QVariant callScript(QObject *pScript, const QString &strSignature, const QVariantList &arguments,
                    QString *pstrError = nullptr);

} // namespace platform

#endif // PLATFORM_SCRIPTHOST_H
