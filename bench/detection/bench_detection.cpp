// Runs GetDeviceId on stand-in machines with growing numbers of PnP entities and prints the
// times, for two mixes: one entity in a hundred, and one in ten, is one of the maker's
// devices. Each detected device adds one log line per product of info.xml to the output stage.
// With arguments it runs one machine: bench_detection <entities> <one in how many is the
// maker's> [runs], for a profiler (valgrind --tool=callgrind --toggle-collect='*callScript*').
#include "platform/scripthost.h"
#include "standinmachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTextStream>

#include <algorithm>
#include <ctime>

namespace {

const char *const c_makerIds[] = {"ACPI\\ZRVA0010\\%1", "PCI\\VEN_ZV01&DEV_5101\\3&%1&0&0",
                                  "PCI\\VEN_ZV01&DEV_5201\\3&%1&0&8", "ACPI\\ZRVA0070\\%1",
                                  "PCI\\VEN_ZV01&DEV_6201\\3&%1&0&A0"};

QJsonObject description(int iEntities, int iMakerEvery)
{
    QJsonArray pnp;
    for (int i = 0; i < iEntities; ++i) {
        const QString id = i % iMakerEvery == 0
                ? QString(c_makerIds[(i / iMakerEvery) % 5]).arg(i)
                : QStringLiteral("PCI\\VEN_8EAD&DEV_%1&SUBSYS_00000000&REV_00\\4&%2&0&0")
                          .arg(i % 4096, 4, 16, QLatin1Char('0'))
                          .arg(i);
        pnp.append(QJsonObject {{"DeviceID", id}, {"Name", QStringLiteral("Device %1").arg(i)}});
    }
    return QJsonObject {
            {"os",
             QJsonObject {{"Caption", "Microsoft Windows 10 Pro"}, {"Version", "10.0.19045"}}},
            {"devices",
             QJsonObject {{"Win32_PnPEntity", pnp},
                          {"Win32_USBHub", QJsonArray()},
                          {"Win32_SCSIController", QJsonArray()},
                          {"Win32_IDEController", QJsonArray()},
                          {"Win32_NetworkAdapter", QJsonArray()}}}};
}

struct Times
{
    double dWallMs;
    double dCpuMs; // this process only: steadier on a shared machine
};

Times runOnce(int iEntities, int iMakerEvery, QString &strResult)
{
    StandInMachine machine;
    machine.writeDescription(description(iEntities, iMakerEvery));
    QDir(machine.drive()).mkpath(QStringLiteral("Zorva/Chipset_Driver_Installer/Logs"));
    QObject owner;
    QObject *pManager = platform::createScriptManager(&owner);
    QObject *pScript = platform::loadScript(pManager, QStringLiteral(":/QT_BRISK-IO_Drivers.vbs"),
                                            QStringLiteral("MyScript"));
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    strResult = platform::callScript(pScript, QStringLiteral("GetDeviceId(QString)"),
                                     {QStringLiteral(SOURCE_DIR "/package/info.xml")})
                        .toString();
    return {timer.nsecsElapsed() / 1e6, double(std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() >= 2) {
        const int iEntities = arguments.at(0).toInt();
        const int iMakerEvery = qMax(1, arguments.at(1).toInt());
        const int iRuns = arguments.size() > 2 ? arguments.at(2).toInt() : 1;
        for (int i = 0; i < iRuns; ++i) {
            QString result;
            const Times times = runOnce(iEntities, iMakerEvery, result);
            out << QStringLiteral("%1 ms cpu %2\n").arg(times.dCpuMs, 0, 'f', 1).arg(result);
        }
        return 0;
    }
    out << "maker share  entities  wall ms  cpu ms  cpu us per entity  result (medians of 5)\n";
    for (const int iMakerEvery : {100, 10})
        for (const int iEntities : {100, 1000, 10000}) {
            QVector<double> wall, cpu;
            QString result;
            for (int i = 0; i < 5; ++i) {
                const Times times = runOnce(iEntities, iMakerEvery, result);
                wall.append(times.dWallMs);
                cpu.append(times.dCpuMs);
            }
            std::sort(wall.begin(), wall.end());
            std::sort(cpu.begin(), cpu.end());
            out << QStringLiteral("%1%  %2  %3  %4  %5  %6\n")
                            .arg(100 / iMakerEvery, 10)
                            .arg(iEntities, 8)
                            .arg(wall.at(2), 7, 'f', 1)
                            .arg(cpu.at(2), 6, 'f', 1)
                            .arg(cpu.at(2) * 1000 / iEntities, 17, 'f', 1)
                            .arg(result);
            out.flush();
        }
    return 0;
}
