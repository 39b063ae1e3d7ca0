#include "platform/shutdown.h"

#include <windows.h>

namespace platform {

bool enableShutdownPrivilege()
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &hToken))
        return false;

    TOKEN_PRIVILEGES privileges = {};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        CloseHandle(hToken);
        return false;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;

    // ERROR_NOT_ALL_ASSIGNED also counts as failure: the token lacks the privilege.
    const BOOL bAdjusted = AdjustTokenPrivileges(hToken, FALSE, &privileges,
                                                 sizeof(TOKEN_PRIVILEGES), nullptr, nullptr);
    const DWORD dwError = GetLastError();
    CloseHandle(hToken);
    return bAdjusted && dwError == ERROR_SUCCESS;
}

void restartSystem()
{
    ExitWindowsEx(EWX_REBOOT | EWX_RESTARTAPPS,
                  SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_RECONFIG);
}

} // namespace platform
