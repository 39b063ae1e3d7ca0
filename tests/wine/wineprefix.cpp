// The CTest fixture of the wine tests. "setup" makes a fresh prefix in the build tree (wineboot
// in an empty folder) and marks it ready; "setup-wow64" does so only where wine runs 32-bit
// programs; "cleanup" ends whatever wine left running in it. A folder after either names another
// prefix (the Windows program's tests copy one afresh).
#include "winesession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>

namespace {

constexpr int c_iBootTimeoutMs = 600000;

int makePrefix(const QString &strPrefix)
{
    if (WineSession::loader().isEmpty() || WineSession::server().isEmpty()) {
        std::printf("SKIP: no wine64 (Debian package wine64)\n");
        return WineSession::c_iSkipped;
    }
    const WineSession session(strPrefix);
    session.end();
    QDir prefix(strPrefix);
    if (prefix.exists() && !prefix.removeRecursively()) {
        std::fprintf(stderr, "cannot remove the old prefix %s\n", qPrintable(prefix.path()));
        return 1;
    }
    QDir().mkpath(prefix.path());

    QElapsedTimer timer;
    timer.start();
    const WineSession::Run boot
            = session.run(QStringLiteral("wineboot"), {QStringLiteral("--init")}, c_iBootTimeoutMs);
    // The prefix is written out when its session ends.
    QProcess wait;
    wait.setProcessEnvironment(session.environment());
    wait.start(WineSession::server(), {QStringLiteral("-w")});
    wait.waitForFinished(c_iBootTimeoutMs);
    if (!boot.bFinished || boot.iExitCode != 0
        || !QFile::exists(prefix.filePath(QStringLiteral("system.reg")))) {
        std::fprintf(stderr, "wineboot failed (exit code %d):\n%s\n", boot.iExitCode,
                     boot.errors.constData());
        return 1;
    }
    QFile stamp(prefix.filePath(QStringLiteral(WINE_PREFIX_STAMP)));
    if (!stamp.open(QIODevice::WriteOnly))
        return 1;
    std::printf("wine prefix %s made in %.1f s\n", qPrintable(prefix.path()),
                double(timer.elapsed()) / 1000.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString strPrefix = arguments.value(2, WineSession::prefix());
    if (arguments.value(1) == QLatin1String("setup"))
        return makePrefix(strPrefix);
    if (arguments.value(1) == QLatin1String("setup-wow64")) {
        const QString strReason = WineSession::wow64UnavailableReason();
        if (!strReason.isEmpty()) {
            std::printf("SKIP: %s\n", qPrintable(strReason));
            return WineSession::c_iSkipped;
        }
        return makePrefix(strPrefix);
    }
    if (arguments.value(1) == QLatin1String("cleanup")) {
        if (!WineSession::server().isEmpty())
            WineSession(strPrefix).end();
        return 0;
    }
    std::fprintf(stderr, "usage: wineprefix setup|setup-wow64|cleanup [prefix]\n");
    return 2;
}
