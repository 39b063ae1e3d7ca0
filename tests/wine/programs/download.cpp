// Fetches a URL into a file with the core's download, for the test to judge:
//   download <url> <destination> <time-out in ms> <most bytes>
// The exit code is 0 when the file was replaced and 1 when not; standard output tells how many
// milliseconds the call took.
#include "platform/win32/download.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring widen(const char *pszText)
{
    const int iLength = MultiByteToWideChar(CP_UTF8, 0, pszText, -1, nullptr, 0);
    std::wstring strText(size_t(iLength > 0 ? iLength : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pszText, -1, &strText[0], iLength);
    strText.resize(strText.size() - 1);
    return strText;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: download <url> <destination> <timeout-ms> <max-bytes>\n");
        return 2;
    }
    const DWORD dwStart = GetTickCount();
    const bool bReplaced = win32::downloadFile(widen(argv[1]), widen(argv[2]), std::atoi(argv[3]),
                                               std::atoll(argv[4]));
    std::printf("%lu\n", static_cast<unsigned long>(GetTickCount() - dwStart));
    std::fflush(stdout);
    return bReplaced ? 0 : 1;
}
