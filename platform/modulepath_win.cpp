#include "platform/modulepath.h"

#include <windows.h>

namespace platform {

QString moduleFilePath()
{
    // Longer paths are cut at the buffer's capacity.
    wchar_t buffer[2048] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 2048);
    return QString::fromWCharArray(buffer, int(qMin<DWORD>(length, 2048)));
}

} // namespace platform
