#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QDir>
#include <QString>

// The paths and command lines of a run, built from their parts.
namespace commandline {

// "<drive>/Zorva/Chipset_Driver_Installer/Logs", with "/" separators.
QString logFolder(const QString &strSystemDrive);
// The system's MsiExec in native separators.
QString msiExecPath(const QString &strSystemDrive);
// The package setup program relative to the program's folder, with the given separator.
QString packageProgramPath(const QString &strApplicationDir, QChar separator = QDir::separator());
// The quoted setup program with "/S", the "/v" argument holding the properties, the feature
// text when there is one, "/qr" and "/clone_wait".
QString packageCommand(const QString &strApplicationDir, const QString &strProperties,
                       const QString &strFeatures, QChar separator = QDir::separator());

} // namespace commandline

#endif // COMMANDLINE_H
