#ifndef PLATFORM_WIN32_FILEREPLACE_H
#define PLATFORM_WIN32_FILEREPLACE_H

#include <string>

namespace win32 {

// Moves strFrom over strTo in one step (MoveFileExW, replacing, written through): strTo names
// either its old file or the moved one. A link at strTo is replaced itself, never followed.
// False, with the system's error text in *pstrError, when the move fails.
bool replaceFile(const std::wstring &strFrom, const std::wstring &strTo, std::wstring *pstrError);

} // namespace win32

#endif // PLATFORM_WIN32_FILEREPLACE_H
