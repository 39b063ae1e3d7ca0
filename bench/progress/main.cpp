// Measures judging a run's log by its tail against reading every line, on logs of 1 MB,
// 100 MB and 1 GB generated in a temporary folder (deleted afterwards).
//   bench_progress [size in MB ...] [--no-full]
#include "engine/logtail.h"
#include "fullread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

// Resets the peak resident size of this process (Linux) and reads it back in KiB.
void resetPeak()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

qint64 peakKiB()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool writeLog(const QString &strPath, qint64 iBytes)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block;
    for (int i = 0; block.size() < 4 * 1024 * 1024; ++i)
        block += "MSI (s) (1C:2C) [10:00:00:" + QByteArray::number(i % 1000)
                + "]: Doing action: InstallFiles, feature PCI, component " + QByteArray::number(i)
                + "\r\n";
    const QByteArray ending = "MSI (s) (1C:2C) [10:00:01:000]: Product: Zorva Chipset Drivers -- "
                              "Installation operation completed successfully.\r\n"
                              "MSI (c) (1C:2C) [10:00:01:001]: MainEngineThread is returning 0\r\n"
                              "=== Verbose logging stopped: 12/8/2026  10:00:01 ===\r\n";
    qint64 iLeft = iBytes - ending.size();
    while (iLeft > 0) {
        const QByteArray part = block.left(int(std::min<qint64>(iLeft, block.size())));
        // Whole lines only.
        const int iCut = part.lastIndexOf('\n') + 1;
        if (iCut <= 0)
            break;
        if (file.write(part.constData(), iCut) != iCut)
            return false;
        iLeft -= iCut;
    }
    return file.write(ending) == ending.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QList<qint64> lstSizes;
    bool bFull = true;
    for (const QString &strArgument : application.arguments().mid(1)) {
        if (strArgument == QLatin1String("--no-full"))
            bFull = false;
        else if (strArgument.toLongLong() > 0)
            lstSizes.append(strArgument.toLongLong());
    }
    if (lstSizes.isEmpty())
        lstSizes = {1, 100, 1024};

    QByteArrayList lstMarkers;
    for (const QString &strMarker : resultMarkers())
        lstMarkers.append(strMarker.toLatin1());

    std::printf("%10s %14s %14s %14s %14s %8s\n", "size MB", "tail ms", "tail peak KiB", "full ms",
                "full peak KiB", "agree");
    for (const qint64 iMegabytes : qAsConst(lstSizes)) {
        QTemporaryDir folder;
        const QString strPath = folder.filePath(QStringLiteral("Zorva_Chipset_IODrivers.log"));
        if (!folder.isValid() || !writeLog(strPath, iMegabytes * 1024 * 1024)) {
            std::fprintf(stderr, "cannot write a log of %lld MB\n", iMegabytes);
            return 1;
        }

        // The tail read, best of several runs; the file is in the page cache by then.
        resetPeak();
        const qint64 iBaseKiB = peakKiB();
        int iTail = 0;
        qint64 iBestNs = -1;
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer timer;
            timer.start();
            iTail = logtail::findMarker(strPath, lstMarkers, 10);
            const qint64 iNs = timer.nsecsElapsed();
            iBestNs = iBestNs < 0 ? iNs : std::min(iBestNs, iNs);
        }
        const qint64 iTailPeak = peakKiB() - iBaseKiB;

        double dFullMs = -1;
        qint64 iFullPeak = -1;
        int iFull = iTail;
        if (bFull) {
            resetPeak();
            const qint64 iBase = peakKiB();
            QElapsedTimer timer;
            timer.start();
            iFull = judgeByReadingEveryLine(strPath, resultMarkers());
            dFullMs = timer.nsecsElapsed() / 1e6;
            iFullPeak = peakKiB() - iBase;
        }
        std::printf("%10lld %14.3f %14lld %14.1f %14lld %8s\n", iMegabytes, iBestNs / 1e6,
                    iTailPeak, dFullMs, iFullPeak, iTail == iFull ? "yes" : "NO");
        std::fflush(stdout);
    }
    return 0;
}
