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
// process ends, so the mutex lives as long as the process. With bDeniedMeansExists, a mutex
// that exists but that this process may not open (ERROR_ACCESS_DENIED: another user's, in the
// Global namespace) counts as existing.
MutexResult createNamedMutex(const std::wstring &strName, bool bDeniedMeansExists = false);

// Whether another process owns the named mutex now: it opens and cannot be taken at once, or
// it exists and this process may not open it. False when it does not exist or is free.
bool isMutexHeld(const std::wstring &strName);

} // namespace win32

#endif // PLATFORM_WIN32_NAMEDMUTEX_H
