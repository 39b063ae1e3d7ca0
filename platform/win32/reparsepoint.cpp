#include "platform/win32/reparsepoint.h"

#include <windows.h>

namespace win32 {

namespace {
constexpr DWORD c_uNoAttributes = INVALID_FILE_ATTRIBUTES;
}

bool isReparsePoint(const std::wstring &strPath)
{
    const DWORD uAttributes = GetFileAttributesW(strPath.c_str());
    return uAttributes != c_uNoAttributes && (uAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool removeReparsePoint(const std::wstring &strPath)
{
    const DWORD uAttributes = GetFileAttributesW(strPath.c_str());
    if (uAttributes == c_uNoAttributes || !(uAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    // A folder's reparse point goes with the folder entry; its target's contents stay.
    const BOOL bRemoved = (uAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ? RemoveDirectoryW(strPath.c_str())
            : DeleteFileW(strPath.c_str());
    return bRemoved && !isReparsePoint(strPath);
}

bool isPlainDiskFile(const std::wstring &strPath)
{
    const HANDLE hFile = CreateFileW(
            strPath.c_str(), FILE_READ_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information = {};
    const bool bPlain = GetFileType(hFile) == FILE_TYPE_DISK
            && GetFileInformationByHandle(hFile, &information)
            && !(information.dwFileAttributes
                 & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT
                    | FILE_ATTRIBUTE_DEVICE));
    CloseHandle(hFile);
    return bPlain;
}

} // namespace win32
