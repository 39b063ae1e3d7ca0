#include "platform/win32/console.h"

#include <windows.h>

#include <cstdio>

namespace win32 {

namespace {

// Whether the standard handle already leads somewhere: a file or a pipe that the caller
// redirected it to.
bool isRedirected(DWORD dwStandardHandle)
{
    const HANDLE hHandle = GetStdHandle(dwStandardHandle);
    if (!hHandle || hHandle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD dwType = GetFileType(hHandle);
    return dwType == FILE_TYPE_DISK || dwType == FILE_TYPE_PIPE;
}

} // namespace

void attachParentConsole()
{
    const bool bOutput = isRedirected(STD_OUTPUT_HANDLE);
    const bool bError = isRedirected(STD_ERROR_HANDLE);
    if ((bOutput && bError) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!bOutput)
        std::freopen("CONOUT$", "w", stdout);
    if (!bError)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace win32
