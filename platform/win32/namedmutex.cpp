#include "platform/win32/namedmutex.h"

#include <windows.h>

namespace win32 {

MutexResult createNamedMutex(const std::wstring &strName, bool bDeniedMeansExists)
{
    // Never closed; the system frees them at process end.
    const HANDLE hMutex = CreateMutexW(nullptr, TRUE, strName.c_str());
    const DWORD dwError = GetLastError();
    if (dwError == ERROR_ALREADY_EXISTS
        || (!hMutex && bDeniedMeansExists && dwError == ERROR_ACCESS_DENIED))
        return MutexResult::AlreadyExists;
    return hMutex ? MutexResult::Created : MutexResult::Failed;
}

bool isMutexHeld(const std::wstring &strName)
{
    const HANDLE hMutex = OpenMutexW(SYNCHRONIZE, FALSE, strName.c_str());
    if (!hMutex)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const DWORD dwWait = WaitForSingleObject(hMutex, 0);
    if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED)
        ReleaseMutex(hMutex);
    CloseHandle(hMutex);
    return dwWait == WAIT_TIMEOUT;
}

} // namespace win32
