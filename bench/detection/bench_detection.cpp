// Runs GetDeviceId on stand-in machines with growing numbers of PnP entities and prints the
// times. One entity in ten is one of the maker's devices.
#include "platform/scripthost.h"
#include "standinmachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTextStream>

#include <algorithm>

namespace {

const char *const c_makerIds[] = {"ACPI\\ZRVA0010\\%1", "PCI\\VEN_ZV01&DEV_5101\\3&%1&0&0",
                                  "PCI\\VEN_ZV01&DEV_5201\\3&%1&0&8", "ACPI\\ZRVA0070\\%1",
                                  "PCI\\VEN_ZV01&DEV_6201\\3&%1&0&A0"};

QJsonObject description(int iEntities)
{
    QJsonArray pnp;
    for (int i = 0; i < iEntities; ++i) {
        const QString id = i % 10 == 0
                ? QString(c_makerIds[(i / 10) % 5]).arg(i)
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

double runOnce(int iEntities, QString &strResult)
{
    StandInMachine machine;
    machine.writeDescription(description(iEntities));
    QDir(machine.drive()).mkpath(QStringLiteral("Zorva/Chipset_Driver_Installer/Logs"));
    QObject owner;
    QObject *pManager = platform::createScriptManager(&owner);
    QObject *pScript = platform::loadScript(pManager, QStringLiteral(":/QT_BRISK-IO_Drivers.vbs"),
                                            QStringLiteral("MyScript"));
    QElapsedTimer timer;
    timer.start();
    strResult = platform::callScript(pScript, QStringLiteral("GetDeviceId(QString)"),
                                     {QStringLiteral(SOURCE_DIR "/package/info.xml")})
                        .toString();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "entities  median ms  per entity us  result\n";
    for (const int iEntities : {100, 1000, 10000}) {
        QVector<double> times;
        QString result;
        for (int i = 0; i < 5; ++i)
            times.append(runOnce(iEntities, result));
        std::sort(times.begin(), times.end());
        const double dMedian = times.at(times.size() / 2);
        out << QStringLiteral("%1  %2  %3  %4\n")
                        .arg(iEntities, 8)
                        .arg(dMedian, 9, 'f', 1)
                        .arg(dMedian * 1000 / iEntities, 13, 'f', 1)
                        .arg(result);
        out.flush();
    }
    return 0;
}
