#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QDir>
#include <QString>
#include <QStringList>

// The paths and command lines of a run, built from their parts.
namespace commandline {

// How Windows Installer runs: the window's runs show its reduced interface ("/qr"); unattended
// runs show nothing ("/qn") and, with bSuppressRestart, never restart the machine
// ("REBOOT=ReallySuppress" for the setup program, "/norestart" for MsiExec).
struct InstallerUi
{
    bool bSilent = false;
    bool bSuppressRestart = false;
};

// A child to start: the program, the arguments it receives, and the same arguments written as
// Windows passes them on the command line after the program.
struct Command
{
    QString strProgram;
    QStringList lstArguments;
    QString strNativeArguments;

    // The quoted program followed by the native arguments.
    QString commandLine() const;
};

// "<drive>/Zorva/Chipset_Driver_Installer/Logs", with "/" separators.
QString logFolder(const QString &strSystemDrive);
// Makes strLogFolder (as logFolder() gives it) a folder of the program's own, every link among
// its folders below the drive replaced by a folder, and removes a link standing at the log
// file strLogFile (none when empty), so that no log is written through a link; false when that
// cannot be done.
bool makeLogFolder(const QString &strLogFolder, const QString &strLogFile);
// The system's MsiExec in native separators.
QString msiExecPath(const QString &strSystemDrive);
// The package setup program relative to the program's folder, with the given separator.
QString packageProgramPath(const QString &strApplicationDir, QChar separator = QDir::separator());
// An argument as it stands on a Windows command line: in double quotes by the Windows rules
// where it is empty or holds a blank, a tab or a double quote; as it is otherwise.
QString nativeArgument(const QString &strArgument);
// The system's MsiExec with the arguments, each of them passed as one.
Command msiExecCommand(const QString &strSystemDrive, const QStringList &lstArguments);
// The text the setup program hands to Windows Installer: QTLAUNCH, QTPATH (the folder as a
// quoted property value), the properties, the feature text when there is one, and the user
// interface level with its restart property.
QString installerText(const QString &strApplicationDir, const QString &strProperties,
                      const QString &strFeatures, const InstallerUi &ui = InstallerUi());
// The setup program with "/S", "/v" followed by the installer text as one argument, and
// "/clone_wait".
Command packageCommand(const QString &strApplicationDir, const QString &strProperties,
                       const QString &strFeatures, QChar separator = QDir::separator(),
                       const InstallerUi &ui = InstallerUi());

} // namespace commandline

#endif // COMMANDLINE_H
