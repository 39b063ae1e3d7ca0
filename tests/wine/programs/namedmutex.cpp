// The single-instance mutex between processes: a second process sees ERROR_ALREADY_EXISTS while
// the first holds the mutex (created with initial ownership, so that it is owned as well), and
// creates it afresh once the first has ended.
#include "checks.h"
#include "processes.h"

#include "platform/win32/namedmutex.h"

#include <windows.h>

#include <string>

namespace {

const std::wstring c_strMutexName = L"COMM-ZORVA-APPS-BRISK_DRIVER_INSTALLER";
const std::wstring c_strHeldEvent = L"ZorvaWineTest-MutexHeld";
const std::wstring c_strReleaseEvent = L"ZorvaWineTest-MutexRelease";
constexpr unsigned int c_uiTimeoutMs = 30000;

// Exit codes of the probe.
constexpr int c_iCreated = 0;
constexpr int c_iAlreadyExists = 1;
constexpr int c_iFailed = 2;

int exitCodeOf(win32::MutexResult result)
{
    switch (result) {
    case win32::MutexResult::Created:
        return c_iCreated;
    case win32::MutexResult::AlreadyExists:
        return c_iAlreadyExists;
    case win32::MutexResult::Failed:
        break;
    }
    return c_iFailed;
}

// Creates the mutex as the program's start-up does and keeps it until told to end.
int runHolder()
{
    const int iResult = exitCodeOf(win32::createNamedMutex(c_strMutexName));
    HANDLE hHeld = OpenEventW(EVENT_MODIFY_STATE, FALSE, c_strHeldEvent.c_str());
    HANDLE hRelease = OpenEventW(SYNCHRONIZE, FALSE, c_strReleaseEvent.c_str());
    if (!hHeld || !hRelease)
        return 10;
    SetEvent(hHeld);
    WaitForSingleObject(hRelease, c_uiTimeoutMs);
    return iResult;
}

int runProbe()
{
    return exitCodeOf(win32::createNamedMutex(c_strMutexName));
}

// Exit codes of the ownership probe.
constexpr int c_iOwned = 0;
constexpr int c_iUnowned = 1;
constexpr int c_iMissing = 2;

// Whether another process owns the mutex, without creating it.
int runOwnershipProbe()
{
    HANDLE hMutex = OpenMutexW(SYNCHRONIZE, FALSE, c_strMutexName.c_str());
    if (!hMutex)
        return c_iMissing;
    const DWORD dwWait = WaitForSingleObject(hMutex, 0);
    if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED)
        ReleaseMutex(hMutex);
    CloseHandle(hMutex);
    return dwWait == WAIT_TIMEOUT ? c_iOwned : c_iUnowned;
}

int runOrchestrator()
{
    Checks checks("mutex");
    HANDLE hHeld = CreateEventW(nullptr, TRUE, FALSE, c_strHeldEvent.c_str());
    HANDLE hRelease = CreateEventW(nullptr, TRUE, FALSE, c_strReleaseEvent.c_str());
    if (!checks.expect(hHeld && hRelease, "the events are created"))
        return checks.failures();

    checks.expectEqual(processes::runSelf(L"owner", c_uiTimeoutMs), c_iMissing,
                       "no mutex before any instance");
    checks.expectEqual(processes::runSelf(L"probe", c_uiTimeoutMs), c_iCreated,
                       "a lone process creates the mutex");

    void *hHolder = processes::startSelf(L"hold");
    checks.expect(hHolder != nullptr, "the first instance starts");
    checks.expectEqual(WaitForSingleObject(hHeld, c_uiTimeoutMs), DWORD(WAIT_OBJECT_0),
                       "the first instance has created the mutex");
    checks.expectEqual(processes::runSelf(L"owner", c_uiTimeoutMs), c_iOwned,
                       "the first instance owns the mutex");
    checks.expectEqual(processes::runSelf(L"probe", c_uiTimeoutMs), c_iAlreadyExists,
                       "a second instance while the first runs");
    checks.expectEqual(processes::runSelf(L"probe", c_uiTimeoutMs), c_iAlreadyExists,
                       "a third instance while the first runs");

    SetEvent(hRelease);
    checks.expectEqual(processes::waitForExit(hHolder, c_uiTimeoutMs), c_iCreated,
                       "the first instance had created the mutex");
    checks.expectEqual(processes::runSelf(L"probe", c_uiTimeoutMs), c_iCreated,
                       "an instance after the first ended");
    CloseHandle(hHeld);
    CloseHandle(hRelease);
    return checks.failures();
}

} // namespace

int main(int argc, char **argv)
{
    const std::string strRole = argc > 1 ? argv[1] : "";
    if (strRole == "hold")
        return runHolder();
    if (strRole == "probe")
        return runProbe();
    if (strRole == "owner")
        return runOwnershipProbe();
    return runOrchestrator();
}
