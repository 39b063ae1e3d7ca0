#include "platform/win32/namedmutex.h"

#include <windows.h>

namespace win32 {

MutexResult createNamedMutex(const std::wstring &strName)
{
    // Never closed; the system frees it at process end.
    static HANDLE hMutex = nullptr;
    hMutex = CreateMutexW(nullptr, TRUE, strName.c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return MutexResult::AlreadyExists;
    return hMutex ? MutexResult::Created : MutexResult::Failed;
}

} // namespace win32
