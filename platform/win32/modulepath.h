#ifndef PLATFORM_WIN32_MODULEPATH_H
#define PLATFORM_WIN32_MODULEPATH_H

#include <string>

namespace win32 {

// GetModuleFileNameW of the process's program file, cut at 2048 characters.
std::wstring moduleFilePath();

} // namespace win32

#endif // PLATFORM_WIN32_MODULEPATH_H
