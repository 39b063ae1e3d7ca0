#ifndef TESTS_DEMOMACHINE_H
#define TESTS_DEMOMACHINE_H

#include "standinmachine.h"

#include <QProcess>

// The real program (PROGRAM_PATH) run on the demo machine with no display, as a deployment tool
// runs it. The test defines PROGRAM_PATH and MSIEXEC_PATH.

// A Linux process's exit status keeps only the low 8 bits of the code: 3010 arrives as 194.
// The codes the program uses stay distinct there, and its report holds the whole code.
inline int status(int iExitCode)
{
    return iExitCode & 0xff;
}

struct Outcome
{
    int iExitCode = -1; // -1 when the program did not end, or crashed
    QByteArray standardOutput;
    QByteArray standardError;
};

// A stand-in machine with the demo machine's devices, the package's behaviour as given, and
// the stand-in MsiExec in its system folder.
class DemoMachine : public StandInMachine
{
public:
    explicit DemoMachine(const QJsonObject &package = QJsonObject(), bool bDevices = true)
    {
        writeDemoDescription(package, bDevices);
        writeHive("{}");
        QFile::copy(MSIEXEC_PATH, drive() + "/Windows/System32/MsiExec.exe");
    }

    void writeDemoDescription(const QJsonObject &package = QJsonObject(), bool bDevices = true)
    {
        QFile file(SOURCE_DIR "/package/machine.json");
        file.open(QIODevice::ReadOnly);
        QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
        QJsonObject behaviour {{"result", 0}, {"rebootStatus", "NO"}, {"seconds", 0}};
        for (auto it = package.begin(); it != package.end(); ++it)
            behaviour.insert(it.key(), it.value());
        description.insert("package", behaviour);
        if (!bDevices)
            description.insert("devices", QJsonObject());
        writeDescription(description);
    }

    // The program's environment: no display of any kind.
    QProcessEnvironment headless() const
    {
        QProcessEnvironment environment = this->environment();
        for (const char *pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(pszName));
        return environment;
    }

    void start(QProcess &process, const QStringList &lstArguments,
               const QString &strProgram = PROGRAM_PATH) const
    {
        process.setProcessEnvironment(headless());
        process.start(strProgram, lstArguments);
    }

    static Outcome finish(QProcess &process, int iTimeoutMs = 120000)
    {
        Outcome outcome;
        if (!process.waitForFinished(iTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.iExitCode = process.exitCode();
        outcome.standardOutput = process.readAllStandardOutput();
        outcome.standardError = process.readAllStandardError();
        return outcome;
    }

    Outcome run(const QStringList &lstArguments) const
    {
        QProcess process;
        start(process, lstArguments);
        return finish(process);
    }

    QString logFolder() const { return drive() + "/Zorva/Chipset_Driver_Installer/Logs"; }
    QByteArray installLog() const { return readFile(logFolder() + "/Zorva_Chipset_IODrivers.log"); }
    QByteArray uninstallLog() const
    {
        return readFile(logFolder() + "/Zorva_Chipset_IODrivers_Un.log");
    }
    QByteArray restartLog() const { return readFile(drive() + "/Windows/restart.log"); }
    QString reportPath() const { return drive() + "/report.json"; }
    QJsonObject report(const QString &strPath = QString()) const
    {
        return QJsonDocument::fromJson(readFile(strPath.isEmpty() ? reportPath() : strPath))
                .object();
    }
};

#endif // TESTS_DEMOMACHINE_H
