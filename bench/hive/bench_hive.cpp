// Times a read and a save (one value written) of hives of 10,000, 100,000 and 600,000 keys,
// each key a product with one value, on a fresh stand-in machine. Prints the medians of five.
//   bench_hive [keys ...]
#include "platform/registry.h"
#include "standinmachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

const QString c_strPackageKey = QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");

QByteArray hive(int iKeys)
{
    QByteArray products;
    for (int i = 0; i < iKeys; ++i) {
        if (i > 0)
            products += ",\n";
        products += "        \"Product " + QByteArray::number(i) + "\": {\"ProductVersion\": \"1.0."
                + QByteArray::number(i) + "\"}";
    }
    return "{\"SOFTWARE\": {\"Zorva\": {\n" + products + "\n}}}\n";
}

double medianMs(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.append(QByteArray(argv[i]).toInt());
    if (sizes.isEmpty())
        sizes = {10000, 100000, 600000};

    QTextStream out(stdout);
    for (const int iKeys : qAsConst(sizes)) {
        StandInMachine machine;
        machine.writeHive(hive(iKeys));
        QVector<double> reads;
        QVector<double> saves;
        bool bOk = true;
        for (int iRun = 0; iRun < 5; ++iRun) {
            QElapsedTimer timer;
            timer.start();
            bOk = platform::readRegistryString(c_strPackageKey, "Missing").isEmpty() && bOk;
            reads.append(timer.nsecsElapsed() / 1e6);
            timer.restart();
            bOk = platform::writeRegistryString(c_strPackageKey, "ErrorCode", QString::number(iRun))
                    && bOk;
            saves.append(timer.nsecsElapsed() / 1e6);
        }
        out << iKeys << " keys, " << QFileInfo(machine.hivePath()).size() / 1024 << " KiB: read "
            << medianMs(reads) << " ms, save " << medianMs(saves) << " ms"
            << (bOk ? "" : " (FAILED)") << Qt::endl;
    }
    return 0;
}
