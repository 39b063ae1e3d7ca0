#ifndef PASSIVERUN_H
#define PASSIVERUN_H

#include "app/unattended.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class Drivers;

// /passive: the window's pages run the unattended install or removal by themselves, show the
// result for a few seconds and end the process with the unattended exit code. Closing the
// window (after the quit confirmation's Yes) ends it with 1602.
class PassiveRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int c_iResultMilliseconds = 5000;

    explicit PassiveRun(const unattended::Options &options, QObject *parent = nullptr);

    // The checks before anything starts; the exit code when they end the run, or
    // unattended::Run::c_iGoOn.
    int checkBeforeStart() { return m_run.checkBeforeStart(); }

    // The main window is shown: selects the drivers and starts the run on its page.
    void begin(Drivers *pDrivers, QObject *pMainWindow);

public slots:
    // A page asked to quit, or the result has been shown long enough: the process ends with
    // the run's exit code, or 1602 while the run goes on.
    void end();

private:
    void watchRun();
    // Shows the outcome for a while, then ends the process with the exit code.
    void endAfterResult(int iExitCode);

    unattended::Options m_options;
    unattended::Run m_run;
    Drivers *m_pDrivers = nullptr;
    QTimer m_runWatch;
    int m_iExitCode = unattended::Run::c_iGoOn; // known once the run has ended without a run
    bool m_bRunEnded = false;
    bool m_bEnding = false;
};

#endif // PASSIVERUN_H
