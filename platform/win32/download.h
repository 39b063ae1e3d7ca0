#ifndef PLATFORM_WIN32_DOWNLOAD_H
#define PLATFORM_WIN32_DOWNLOAD_H

#include <string>

namespace win32 {

// Fetches strUrl into the file strDestination (a native path) with URLDownloadToFileW, blocking
// the caller for at most iTimeoutMs. The destination is replaced only by the whole body of a
// 2xx answer of at most llMaxBytes that never left the URL's scheme; otherwise whatever was
// there stays. True when the file was replaced.
bool downloadFile(const std::wstring &strUrl, const std::wstring &strDestination, int iTimeoutMs,
                  long long llMaxBytes);

} // namespace win32

#endif // PLATFORM_WIN32_DOWNLOAD_H
