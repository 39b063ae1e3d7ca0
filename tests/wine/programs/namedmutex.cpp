// The single-instance mutex between processes, in the session's namespace and in the machine's
// ("Global\\"): a second process sees ERROR_ALREADY_EXISTS while the first holds the mutex
// (created with initial ownership, so that it is owned as well, as isMutexHeld() tells), and
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

bool isMachineWide(const std::wstring &strName)
{
    return strName.rfind(L"Global\\", 0) == 0;
}

// Creates the mutex as the program's start-up does and keeps it until told to end.
int runHolder(const std::wstring &strName)
{
    const int iResult = exitCodeOf(win32::createNamedMutex(strName, isMachineWide(strName)));
    HANDLE hHeld = OpenEventW(EVENT_MODIFY_STATE, FALSE, c_strHeldEvent.c_str());
    HANDLE hRelease = OpenEventW(SYNCHRONIZE, FALSE, c_strReleaseEvent.c_str());
    if (!hHeld || !hRelease)
        return 10;
    SetEvent(hHeld);
    WaitForSingleObject(hRelease, c_uiTimeoutMs);
    return iResult;
}

int runProbe(const std::wstring &strName)
{
    return exitCodeOf(win32::createNamedMutex(strName, isMachineWide(strName)));
}

// The program's start-up against one mutex name, from no mutex to a second instance and back.
void checkBetweenInstances(Checks &checks, const std::wstring &strName, HANDLE hHeld,
                           HANDLE hRelease)
{
    const std::string strWhere = " (" + processes::narrow(strName) + ")";
    ResetEvent(hHeld);
    ResetEvent(hRelease);
    checks.expect(!win32::isMutexHeld(strName), "no mutex held before any instance" + strWhere);
    checks.expectEqual(processes::runSelf(L"probe " + strName, c_uiTimeoutMs), c_iCreated,
                       "a lone process creates the mutex" + strWhere);

    void *hHolder = processes::startSelf(L"hold " + strName);
    checks.expect(hHolder != nullptr, "the first instance starts" + strWhere);
    checks.expectEqual(WaitForSingleObject(hHeld, c_uiTimeoutMs), DWORD(WAIT_OBJECT_0),
                       "the first instance has created the mutex" + strWhere);
    checks.expect(win32::isMutexHeld(strName), "the first instance holds the mutex" + strWhere);
    checks.expectEqual(processes::runSelf(L"probe " + strName, c_uiTimeoutMs), c_iAlreadyExists,
                       "a second instance while the first runs" + strWhere);
    checks.expectEqual(processes::runSelf(L"probe " + strName, c_uiTimeoutMs), c_iAlreadyExists,
                       "a third instance while the first runs" + strWhere);

    SetEvent(hRelease);
    checks.expectEqual(processes::waitForExit(hHolder, c_uiTimeoutMs), c_iCreated,
                       "the first instance had created the mutex" + strWhere);
    checks.expect(!win32::isMutexHeld(strName), "no mutex held once it ended" + strWhere);
    checks.expectEqual(processes::runSelf(L"probe " + strName, c_uiTimeoutMs), c_iCreated,
                       "an instance after the first ended" + strWhere);
}

int runOrchestrator()
{
    Checks checks("mutex");
    HANDLE hHeld = CreateEventW(nullptr, TRUE, FALSE, c_strHeldEvent.c_str());
    HANDLE hRelease = CreateEventW(nullptr, TRUE, FALSE, c_strReleaseEvent.c_str());
    if (!checks.expect(hHeld && hRelease, "the events are created"))
        return checks.failures();
    checkBetweenInstances(checks, c_strMutexName, hHeld, hRelease);
    checkBetweenInstances(checks, L"Global\\" + c_strMutexName, hHeld, hRelease);
    CloseHandle(hHeld);
    CloseHandle(hRelease);
    return checks.failures();
}

} // namespace

int main(int argc, char **argv)
{
    const std::string strRole = argc > 1 ? argv[1] : "";
    // The names are ASCII.
    const std::string strArgument = argc > 2 ? argv[2] : "";
    const std::wstring strName
            = argc > 2 ? std::wstring(strArgument.begin(), strArgument.end()) : c_strMutexName;
    if (strRole == "hold")
        return runHolder(strName);
    if (strRole == "probe")
        return runProbe(strName);
    return runOrchestrator();
}
