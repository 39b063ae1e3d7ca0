#ifndef PLATFORM_WIN32_PRIVILEGE_H
#define PLATFORM_WIN32_PRIVILEGE_H

#include <string>

namespace win32 {

// Enables the named privilege ("SeShutdownPrivilege") in the process token: OpenProcessToken
// with TOKEN_ADJUST_PRIVILEGES, LookupPrivilegeValueW on the local system, AdjustTokenPrivileges
// with one entry. True only when the token really holds it: ERROR_NOT_ALL_ASSIGNED after a
// successful call counts as failure.
bool enablePrivilege(const std::wstring &strName);

bool enableShutdownPrivilege();

// ExitWindowsEx: reboot and restart the registered applications, reason "other, reconfigure".
// False when the restart could not be started.
bool restartSystem();

} // namespace win32

#endif // PLATFORM_WIN32_PRIVILEGE_H
