#include "platform/win32/wine.h"

#include <windows.h>

namespace win32 {

bool runningUnderWine()
{
    const HMODULE hNtdll = GetModuleHandleW(L"ntdll.dll");
    return hNtdll && GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

} // namespace win32
