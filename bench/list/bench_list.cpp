// Time of "ChipsetInstaller /list" on the demo machine, from the start of the process to its
// end, with no display, over repeated runs. Prints the median, the fastest and the slowest.
#include "standinmachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int iRuns = std::max(1, application.arguments().value(1, QStringLiteral("15")).toInt());

    StandInMachine machine;
    QFile::copy(QStringLiteral(SOURCE_DIR "/package/machine.json"), machine.descriptionPath());
    machine.writeHive("{}");
    QProcessEnvironment environment = machine.environment();
    for (const char *pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(pszName));

    QTextStream out(stdout);
    QVector<double> vecTimes;
    int iDrivers = -1;
    for (int i = 0; i < iRuns; ++i) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(PROGRAM_PATH), {QStringLiteral("/list")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            out << "run " << i << " failed: " << process.readAllStandardError() << Qt::endl;
            return 1;
        }
        vecTimes.append(timer.nsecsElapsed() / 1e6);
        iDrivers = process.readAllStandardOutput().count("\"feature\"");
    }
    std::sort(vecTimes.begin(), vecTimes.end());
    out << "/list on the demo machine (" << iDrivers << " drivers), " << iRuns
        << " runs, process start to exit: median "
        << QString::number(vecTimes.at(iRuns / 2), 'f', 1) << " ms, fastest "
        << QString::number(vecTimes.first(), 'f', 1) << " ms, slowest "
        << QString::number(vecTimes.last(), 'f', 1) << " ms" << Qt::endl;
    return 0;
}
