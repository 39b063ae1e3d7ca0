#ifndef PLATFORM_WIN32_REPARSEPOINT_H
#define PLATFORM_WIN32_REPARSEPOINT_H

#include <string>

namespace win32 {

// True when the path itself, not what it leads to, carries a reparse point: a symbolic link,
// a junction or a mount point.
bool isReparsePoint(const std::wstring &strPath);

// Removes the reparse point itself (RemoveDirectoryW for a folder's, DeleteFileW for a
// file's), never what it leads to; true when no reparse point is left at the path.
bool removeReparsePoint(const std::wstring &strPath);

// True when the path names a file on disk that is no reparse point, opened without following
// one: no folder, device, pipe or console.
bool isPlainDiskFile(const std::wstring &strPath);

} // namespace win32

#endif // PLATFORM_WIN32_REPARSEPOINT_H
