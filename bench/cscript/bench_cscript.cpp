// Runs GetDeviceId on generated machines twice: here, on the stand-in machine, and on wine's
// cscript, with the same devices described in the registry of a fresh wine prefix (where
// wine's Win32_PnPEntity finds them) and the host of tests/wine/detection/winehost.vbs. Prints
// the wall-clock time of each per machine, the totals and their ratio. Wine's time includes
// starting cscript, as a script host's does; wine adds a few PnP devices of its own.
#include "platform/scripthost.h"
#include "standinmachine.h"
#include "winesession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const char *const c_makerIds[] = {"ACPI\\ZRVA0010\\%1", "PCI\\VEN_ZV01&DEV_5101\\3&%1&0&0",
                                  "PCI\\VEN_ZV01&DEV_5201\\3&%1&0&8", "ACPI\\ZRVA0070\\%1",
                                  "PCI\\VEN_ZV01&DEV_6201\\3&%1&0&A0"};

// About one device in ten is one of the maker's, chosen by the generator.
QStringList deviceIds(int iDevices, QRandomGenerator &random)
{
    QStringList ids;
    for (int i = 0; i < iDevices; ++i) {
        if (random.bounded(10) == 0)
            ids << QString(c_makerIds[random.bounded(5)]).arg(i);
        else
            ids << QStringLiteral("PCI\\VEN_8EAD&DEV_%1&SUBSYS_00000000&REV_00\\4&%2&0&0")
                            .arg(random.bounded(4096), 4, 16, QLatin1Char('0'))
                            .arg(i);
    }
    return ids;
}

QString regKey(const QString &strKey)
{
    return QStringLiteral("[") + strKey + QStringLiteral("]\r\n");
}

const QString c_strEnum = QStringLiteral("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\");

// The devices as Plug and Play keys, and the entries that remove them again.
QString deviceEntries(const QStringList &ids, QString *pstrRemoval)
{
    QString strEntries;
    QSet<QString> parents;
    for (const QString &id : ids) {
        strEntries += regKey(c_strEnum + id)
                + QStringLiteral(
                              "\"ClassGUID\"=\"{4d36e97d-e325-11ce-bfc1-08002be10318}\"\r\n\r\n");
        parents.insert(id.section(QLatin1Char('\\'), 0, 1));
    }
    for (const QString &parent : qAsConst(parents))
        *pstrRemoval += regKey(QStringLiteral("-") + c_strEnum + parent);
    return strEntries;
}

struct EngineRun
{
    double dWallMs = 0;
    QString strResult;
};

EngineRun runHere(const QStringList &ids)
{
    StandInMachine machine;
    QJsonArray pnp;
    for (const QString &id : ids)
        pnp.append(QJsonObject {{"DeviceID", id}, {"Name", "Wine PnP Device"}});
    machine.writeDescription(QJsonObject {
            {"os",
             QJsonObject {{"Caption", "Microsoft Windows 10 Pro"}, {"Version", "10.0.19045"}}},
            {"devices",
             QJsonObject {{"Win32_PnPEntity", pnp},
                          {"Win32_USBHub", QJsonArray()},
                          {"Win32_SCSIController", QJsonArray()},
                          {"Win32_IDEController", QJsonArray()},
                          {"Win32_NetworkAdapter", QJsonArray()}}}});
    QDir(machine.drive()).mkpath(QStringLiteral("Zorva/Chipset_Driver_Installer/Logs"));
    QObject owner;
    QObject *pManager = platform::createScriptManager(&owner);
    EngineRun run;
    QElapsedTimer timer;
    timer.start();
    QObject *pScript = platform::loadScript(pManager, QStringLiteral(":/QT_BRISK-IO_Drivers.vbs"),
                                            QStringLiteral("MyScript"));
    run.strResult = platform::callScript(pScript, QStringLiteral("GetDeviceId(QString)"),
                                         {QStringLiteral(SOURCE_DIR "/package/info.xml")})
                            .toString();
    run.dWallMs = timer.nsecsElapsed() / 1e6;
    return run;
}

// A fresh prefix in the folder, with the package description, the log folder and the
// combined script; empty when ready, else why not.
QString preparePrefix(const WineSession &session, const QString &strPrefix,
                      const QString &strScript)
{
    const WineSession::Run boot
            = session.run(QStringLiteral("wineboot"), {QStringLiteral("--init")}, 600000);
    QProcess wait;
    wait.setProcessEnvironment(session.environment());
    wait.start(WineSession::server(), {QStringLiteral("-w")});
    wait.waitForFinished(600000);
    if (!boot.bFinished || boot.iExitCode != 0)
        return QStringLiteral("wineboot failed: ") + QString::fromLocal8Bit(boot.errors);
    const QString strDriveC = strPrefix + QStringLiteral("/drive_c");
    QDir(strDriveC).mkpath(QStringLiteral("Zorva/Bin"));
    QDir(strDriveC).mkpath(QStringLiteral("Zorva/Chipset_Driver_Installer/Logs"));
    if (!QFile::copy(QStringLiteral(SOURCE_DIR "/package/info.xml"),
                     strDriveC + QStringLiteral("/Zorva/Bin/info.xml")))
        return QStringLiteral("cannot copy info.xml into the prefix");
    // The script, then the adapters and the host that tst_cscriptdetection runs it with.
    QFile script(QStringLiteral(SOURCE_DIR "/resources/QT_BRISK-IO_Drivers.vbs"));
    QFile adapters(QStringLiteral(SOURCE_DIR "/tests/wine/detection/registryadapters.vbs"));
    QFile host(QStringLiteral(SOURCE_DIR "/tests/wine/detection/winehost.vbs"));
    QFile combined(strScript);
    if (!script.open(QIODevice::ReadOnly) || !adapters.open(QIODevice::ReadOnly)
        || !host.open(QIODevice::ReadOnly) || !combined.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the combined script");
    combined.write(script.readAll() + "\r\n" + adapters.readAll() + "\r\n" + host.readAll());
    const bool bVersion
            = session.importRegistry(regKey(QStringLiteral("HKEY_CURRENT_USER\\Software\\Wine"))
                                     + QStringLiteral("\"Version\"=\"win10\"\r\n"));
    return bVersion ? QString() : QStringLiteral("regedit did not take the Windows version");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const int iMachines = qMax(1, arguments.value(1, QStringLiteral("3")).toInt());
    const int iDevices = qMax(1, arguments.value(2, QStringLiteral("300")).toInt());

    QTemporaryDir folder;
    const QString strPrefix = folder.filePath(QStringLiteral("prefix"));
    const QString strScript = folder.filePath(QStringLiteral("detect.vbs"));
    QDir().mkpath(strPrefix);
    std::unique_ptr<WineSession> session;
    QString strNoWine;
    if (WineSession::loader().isEmpty() || WineSession::server().isEmpty()) {
        strNoWine = QStringLiteral("no wine64 (Debian package wine64)");
    } else {
        out << "making a wine prefix in " << strPrefix << " ...\n";
        out.flush();
        session = std::make_unique<WineSession>(strPrefix);
        strNoWine = preparePrefix(*session, strPrefix, strScript);
    }
    if (!strNoWine.isEmpty())
        out << "wine's side left out: " << strNoWine << '\n';

    out << "machine  devices  here ms  cscript ms  ratio  same result\n";
    QRandomGenerator random(23);
    double dHereTotal = 0;
    double dWineTotal = 0;
    int iDiffering = 0;
    for (int iMachine = 1; iMachine <= iMachines; ++iMachine) {
        const QStringList ids = deviceIds(iDevices, random);
        const EngineRun here = runHere(ids);
        dHereTotal += here.dWallMs;
        if (!strNoWine.isEmpty()) {
            out << QStringLiteral("%1  %2  %3\n")
                            .arg(iMachine, 7)
                            .arg(iDevices, 7)
                            .arg(here.dWallMs, 7, 'f', 1);
            continue;
        }
        QString strRemoval;
        if (!session->importRegistry(deviceEntries(ids, &strRemoval))) {
            out << "regedit did not take the devices of machine " << iMachine << '\n';
            return 1;
        }
        QFile::remove(strPrefix
                      + QStringLiteral("/drive_c/Zorva/Chipset_Driver_Installer/Logs/"
                                       "Device_ID.log"));
        QElapsedTimer timer;
        timer.start();
        const WineSession::Run run
                = session->run(QStringLiteral("cscript"),
                               {QStringLiteral("//nologo"), WineSession::windowsPath(strScript),
                                QStringLiteral("C:/Zorva/Bin/info.xml")},
                               600000);
        const double dWineMs = timer.nsecsElapsed() / 1e6;
        dWineTotal += dWineMs;
        const QString strOutput = QString::fromUtf8(run.output);
        const bool bSame = strOutput.contains(QStringLiteral("GetDeviceId returned String [")
                                              + here.strResult + QLatin1Char(']'));
        iDiffering += bSame ? 0 : 1;
        out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                        .arg(iMachine, 7)
                        .arg(iDevices, 7)
                        .arg(here.dWallMs, 7, 'f', 1)
                        .arg(dWineMs, 10, 'f', 1)
                        .arg(dWineMs / here.dWallMs, 5, 'f', 0)
                        .arg(bSame ? QStringLiteral("yes")
                                   : QStringLiteral("no: ") + strOutput.trimmed());
        out.flush();
        session->importRegistry(strRemoval);
    }
    out << QStringLiteral("total here %1 ms").arg(dHereTotal, 0, 'f', 1);
    if (strNoWine.isEmpty() && iDiffering == 0)
        out << QStringLiteral(", cscript %1 ms: this engine %2 times faster")
                        .arg(dWineTotal, 0, 'f', 1)
                        .arg(dWineTotal / dHereTotal, 0, 'f', 1);
    else if (strNoWine.isEmpty())
        // A run that ended early or took another path times something else: no ratio.
        out << QStringLiteral(", cscript %1 ms; no ratio, as %2 of %3 machines gave another "
                              "result")
                        .arg(dWineTotal, 0, 'f', 1)
                        .arg(iDiffering)
                        .arg(iMachines);
    out << '\n';
    return iDiffering == 0 ? 0 : 1;
}
