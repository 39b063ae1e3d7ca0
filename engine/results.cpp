// The outcome of a run from its log, and what is reported about it.
#include "engine/drivers.h"

#include "engine/logtail.h"
#include "platform/registry.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {
constexpr int c_iLinesExamined = 10;
const QString c_strErrorString = QStringLiteral("MainEngineThread is returning failure");

// In the order they are tested; the first means success.
const QByteArrayList &resultLines()
{
    static const QByteArrayList lines = {
            QByteArrayLiteral("MainEngineThread is returning 0"),
            QByteArrayLiteral("MainEngineThread is returning 1602"),
            QByteArrayLiteral("MainEngineThread is returning 1603"),
            QByteArrayLiteral("MainEngineThread is returning 1720"),
    };
    return lines;
}
const char *const c_apszErrorCodes[] = {nullptr, "1602", "1603", "1720"};
} // namespace

QString Drivers::currentLogPath() const
{
    return bInstall ? strInstallLogPath : strUninstallLogPath;
}

int Drivers::updateProgress()
{
    dProgress = -1.0;
    const QString strLogPath = currentLogPath();
    const bool bWrittenByRun = runLogWritten();
    const int iLine = bWrittenByRun
            ? logtail::findMarker(strLogPath, resultLines(), c_iLinesExamined)
            : logtail::c_iUnreadable;
    // A start that failed has its reason already.
    if (!m_runFailure && iLine == logtail::c_iUnreadable)
        m_runFailure = {bWrittenByRun ? RunFailure::LogUnreadable : RunFailure::NoLog, !bInstall,
                        QDir::toNativeSeparators(strLogPath), QString()};
    if (iLine == logtail::c_iUnreadable)
        dProgress = -2.0;
    else if (iLine == 0)
        dProgress = 100.0;
    if (bSmartInstaller)
        reportOutcomeToParent(iLine);
    return int(dProgress);
}

void Drivers::reportOutcomeToParent(int iResultLine)
{
    // Every run's end replaces what an earlier run left, so the parent never reads another
    // run's error.
    if (iResultLine > 0) {
        writeErrorStringsToRegistry(QString::fromLatin1(c_apszErrorCodes[iResultLine]));
        return;
    }
    const QString strKey = packageKey();
    platform::writeRegistryString(strKey, QStringLiteral("ErrorCode"), QString());
    platform::writeRegistryString(strKey, QStringLiteral("ErrorString"), QString());
}

bool Drivers::isRestartRequired()
{
    return platform::readRegistryString(packageKey(), QStringLiteral("REBOOTSTATUS"))
                   .compare(QLatin1String("YES"), Qt::CaseInsensitive)
            == 0;
}

bool Drivers::runLogWritten() const
{
    // A log that the run has not written since it was asked to start is an earlier run's.
    return !m_logBeforeRun || FileStamp::of(currentLogPath()) != *m_logBeforeRun;
}

QVariantMap Drivers::getRunFailure() const
{
    return m_runFailure.toMap();
}

void Drivers::launchLogFile()
{
    // Another run's log would tell of that run as if it were this one.
    if (!runLogWritten())
        return;
    QDesktopServices::openUrl(
            QUrl(QStringLiteral("file:///") + currentLogPath(), QUrl::TolerantMode));
}

void Drivers::writeErrorStringsToRegistry(QString strErrorNo)
{
    const QString strKey = packageKey();
    platform::writeRegistryString(strKey, QStringLiteral("ErrorCode"), strErrorNo);
    platform::writeRegistryString(strKey, QStringLiteral("ErrorString"), c_strErrorString);
}

void Drivers::writeSupportedDriversToRegistry()
{
    if (bInstall)
        platform::writeRegistryString(packageKey(), QStringLiteral("SupportedDrivers"),
                                      strSupportedDrivers);
}

void Drivers::toCreateOrDeleteFolder(QString strPath, bool c_bValue)
{
    const QDir folder(strPath.replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (c_bValue) {
        if (!folder.exists())
            folder.mkpath(QStringLiteral("."));
    } else {
        folder.rmpath(QStringLiteral("."));
    }
}
