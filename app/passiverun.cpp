#include "app/passiverun.h"

#include "engine/drivers.h"

#include <QCoreApplication>
#include <QQmlProperty>

namespace {
constexpr int c_iPollMilliseconds = 200;
}

PassiveRun::PassiveRun(const unattended::Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_run(m_options)
{
    m_runWatch.setInterval(c_iPollMilliseconds);
    connect(&m_runWatch, &QTimer::timeout, this, &PassiveRun::watchRun);
}

void PassiveRun::begin(Drivers *pDrivers, QObject *pMainWindow)
{
    m_pDrivers = pDrivers;
    // The error panel says why nothing runs.
    if (const int iEnd = m_run.choose(pDrivers); iEnd != unattended::Run::c_iGoOn) {
        endAfterResult(iEnd);
        return;
    }
    // The page starts the run as its own button would: progress footer and carousel.
    bool bStarted = false;
    if (m_options.bUninstall) {
        QObject *pPage = pMainWindow->findChild<QObject *>(QStringLiteral("uninstall"));
        QObject *pItem = pPage
                ? QQmlProperty::read(pPage, QStringLiteral("item")).value<QObject *>()
                : nullptr;
        bStarted = pItem && QMetaObject::invokeMethod(pItem, "uninstallClicked");
    } else {
        QObject *pPage = pMainWindow->findChild<QObject *>(QStringLiteral("install"));
        bStarted = pPage && QMetaObject::invokeMethod(pPage, "startRun");
    }
    bStarted = bStarted && pDrivers->isRunning();
    if (const int iEnd = m_run.noteStart(pDrivers, bStarted); iEnd != unattended::Run::c_iGoOn) {
        endAfterResult(iEnd);
        return;
    }
    m_runWatch.start();
}

void PassiveRun::watchRun()
{
    if (m_pDrivers->isRunning())
        return;
    m_runWatch.stop();
    m_pDrivers->waitForRunEnd();
    m_bRunEnded = true;
    // The restart, when one is due and allowed, waits for the result to have been seen.
    QTimer::singleShot(c_iResultMilliseconds, this, &PassiveRun::end);
}

void PassiveRun::endAfterResult(int iExitCode)
{
    m_iExitCode = iExitCode;
    QTimer::singleShot(c_iResultMilliseconds, this, &PassiveRun::end);
}

void PassiveRun::end()
{
    if (m_bEnding)
        return;
    m_bEnding = true;
    m_runWatch.stop();
    if (m_iExitCode == unattended::Run::c_iGoOn)
        m_iExitCode = m_bRunEnded ? m_run.judge(m_pDrivers)
                                  : m_run.finish(unattended::c_iUserExit,
                                                 QStringLiteral("cancelled: the window was "
                                                                "closed while the run went on"));
    QCoreApplication::exit(m_iExitCode);
}
