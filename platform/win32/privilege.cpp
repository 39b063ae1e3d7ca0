#include "platform/win32/privilege.h"

#include <windows.h>

namespace win32 {

bool enablePrivilege(const std::wstring &strName)
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &hToken))
        return false;

    TOKEN_PRIVILEGES privileges = {};
    if (!LookupPrivilegeValueW(nullptr, strName.c_str(), &privileges.Privileges[0].Luid)) {
        CloseHandle(hToken);
        return false;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;

    const BOOL bAdjusted = AdjustTokenPrivileges(hToken, FALSE, &privileges,
                                                 sizeof(TOKEN_PRIVILEGES), nullptr, nullptr);
    const DWORD dwError = GetLastError();
    CloseHandle(hToken);
    return bAdjusted && dwError == ERROR_SUCCESS;
}

bool enableShutdownPrivilege()
{
    return enablePrivilege(L"SeShutdownPrivilege");
}

bool restartSystem()
{
    return ExitWindowsEx(EWX_REBOOT | EWX_RESTARTAPPS,
                         SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_RECONFIG)
            != FALSE;
}

} // namespace win32
