#include "platform/singleinstance.h"

#include <windows.h>

namespace platform {

NamedMutexResult createNamedMutex(const QString &strName)
{
    // Kept for the whole process; the system frees it at process end.
    static HANDLE hMutex = nullptr;
    hMutex = CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(strName.utf16()));
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return NamedMutexResult::AlreadyExists;
    return hMutex ? NamedMutexResult::Created : NamedMutexResult::Failed;
}

} // namespace platform
