#include "winesession.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

namespace {

// Debian keeps the 64-bit loader and server out of PATH.
QString findProgram(const QString &strName, const QString &strDebianPath)
{
    const QString strFound = QStandardPaths::findExecutable(strName);
    if (!strFound.isEmpty())
        return strFound;
    return QFileInfo(strDebianPath).isExecutable() ? strDebianPath : QString();
}

} // namespace

WineSession::WineSession(const QString &strPrefix)
    : m_strPrefix(strPrefix)
{ }

WineSession::~WineSession()
{
    end();
    if (m_display.state() != QProcess::NotRunning) {
        m_display.terminate();
        if (!m_display.waitForFinished(10000))
            m_display.kill();
        m_display.waitForFinished(5000);
    }
}

QString WineSession::loader()
{
    return findProgram(QStringLiteral("wine64"), QStringLiteral("/usr/lib/wine/wine64"));
}

QString WineSession::server()
{
    const QString strServer = findProgram(QStringLiteral("wineserver64"),
                                          QStringLiteral("/usr/lib/wine/wineserver64"));
    return strServer.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("wineserver"))
                               : strServer;
}

QString WineSession::prefix()
{
    return QStringLiteral(WINE_PREFIX_DIR);
}

QString WineSession::driveC()
{
    return prefix() + QStringLiteral("/drive_c");
}

QString WineSession::unavailableReason()
{
    if (loader().isEmpty())
        return QStringLiteral("no wine64 (Debian package wine64)");
    if (server().isEmpty())
        return QStringLiteral("no wineserver (Debian package wine64)");
    if (!QFileInfo::exists(prefix() + QStringLiteral("/" WINE_PREFIX_STAMP)))
        return QStringLiteral("the wine prefix was not made: the wine_prefix_setup test did "
                              "not run or failed");
    return QString();
}

QString WineSession::wow64UnavailableReason()
{
    static const QString strReason = [] {
        const QString strLoader = loader();
        if (strLoader.isEmpty() || server().isEmpty())
            return QStringLiteral("no wine64 (Debian package wine64)");
        // Debian's 32-bit loader lies beside the 64-bit one.
        const QString strLoader32 = QFileInfo(strLoader).absolutePath() + QStringLiteral("/wine");
        if (!QFileInfo(strLoader32).isExecutable())
            return QStringLiteral("no 32-bit wine (Debian package wine32:i386)");
        QProcess probe;
        probe.start(strLoader32, {QStringLiteral("--version")});
        if (probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit
            && probe.exitCode() == 0)
            return QString();
        return QStringLiteral("this machine runs no 32-bit x86 program, so neither does wine32 "
                              "(%1; a Linux kernel started with ia32_emulation=off)")
                .arg(probe.errorString());
    }();
    return strReason;
}

QString WineSession::windowsPath(const QString &strPath)
{
    return QStringLiteral("Z:")
            + QFileInfo(strPath).absoluteFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
}

bool WineSession::startDisplay(QString *pstrError, const QSize &screen)
{
    const QString strXvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (strXvfb.isEmpty()) {
        *pstrError = QStringLiteral("no Xvfb (Debian package xvfb)");
        return false;
    }
    // Xvfb chooses a free display and writes its number to standard output.
    m_display.start(strXvfb,
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                     QStringLiteral("0"),
                     QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height())});
    QByteArray number;
    while (!number.endsWith('\n') && m_display.waitForReadyRead(20000))
        number += m_display.readAllStandardOutput();
    bool bNumber = false;
    number.trimmed().toInt(&bNumber);
    if (!bNumber) {
        *pstrError = QStringLiteral("Xvfb did not start: ")
                + QString::fromLocal8Bit(m_display.readAllStandardError());
        return false;
    }
    m_strDisplay = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return true;
}

QProcessEnvironment WineSession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), m_strPrefix);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No Mono and no Gecko: nothing here needs them, and wine would ask for them.
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    // The tests' servers are on this machine; no proxy stands between.
    for (const char *pszProxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"})
        environment.remove(QString::fromLatin1(pszProxy));
    if (m_strDisplay.isEmpty())
        environment.remove(QStringLiteral("DISPLAY"));
    else
        environment.insert(QStringLiteral("DISPLAY"), m_strDisplay);
    return environment;
}

WineSession::Run WineSession::run(const QString &strProgram, const QStringList &arguments,
                                  int iTimeoutMs, const QStringList &launcher) const
{
    Run result;
    QProcess process;
    process.setProcessEnvironment(environment());
    const QStringList command = launcher + QStringList {loader(), strProgram} + arguments;
    process.start(command.first(), command.mid(1));
    // The test's own servers answer from this thread's event loop meanwhile.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop, &process] {
        if (process.state() == QProcess::NotRunning)
            loop.quit();
    });
    if (process.state() != QProcess::NotRunning) {
        timeout.start(iTimeoutMs);
        loop.exec();
    }
    result.bFinished
            = process.state() == QProcess::NotRunning && process.error() != QProcess::FailedToStart;
    if (!result.bFinished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.iExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

bool WineSession::importRegistry(const QString &strEntries) const
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/entries-XXXXXX.reg"));
    if (!file.open())
        return false;
    file.write("Windows Registry Editor Version 5.00\r\n\r\n" + strEntries.toUtf8());
    file.close();
    const Run result
            = run(QStringLiteral("regedit"), {QStringLiteral("/S"), windowsPath(file.fileName())});
    return result.bFinished && result.iExitCode == 0;
}

void WineSession::end() const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(server(), {QStringLiteral("-k")});
    process.waitForFinished(30000);
}
