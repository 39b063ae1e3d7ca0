#ifndef PLATFORM_WIN32_NAMEDMUTEX_H
#define PLATFORM_WIN32_NAMEDMUTEX_H

#include <string>

namespace win32 {

enum class MutexResult {
    Created, // this process holds it now
    AlreadyExists, // ERROR_ALREADY_EXISTS: another process created it first
    Failed // anything else, including a failed call
};

// CreateMutexW with default security and initial ownership. The handle stays open until the
// process ends, so the mutex lives as long as the process.
MutexResult createNamedMutex(const std::wstring &strName);

} // namespace win32

#endif // PLATFORM_WIN32_NAMEDMUTEX_H
