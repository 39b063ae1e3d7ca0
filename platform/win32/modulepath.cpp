#include "platform/win32/modulepath.h"

#include <windows.h>

namespace win32 {

std::wstring moduleFilePath()
{
    constexpr DWORD c_dwCapacity = 2048;
    wchar_t buffer[c_dwCapacity] = {};
    const DWORD dwLength = GetModuleFileNameW(nullptr, buffer, c_dwCapacity);
    return std::wstring(buffer, dwLength < c_dwCapacity ? dwLength : c_dwCapacity);
}

} // namespace win32
