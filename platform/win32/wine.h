#ifndef PLATFORM_WIN32_WINE_H
#define PLATFORM_WIN32_WINE_H

namespace win32 {

// True when the process runs under wine, whose ntdll exports wine_get_version.
bool runningUnderWine();

} // namespace win32

#endif // PLATFORM_WIN32_WINE_H
