#include "platform/win32/filereplace.h"

#include <windows.h>

namespace win32 {

bool replaceFile(const std::wstring &strFrom, const std::wstring &strTo, std::wstring *pstrError)
{
    if (MoveFileExW(strFrom.c_str(), strTo.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (pstrError) {
        wchar_t *pszText = nullptr;
        const DWORD dwLength = FormatMessageW(
                FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                        | FORMAT_MESSAGE_IGNORE_INSERTS,
                nullptr, GetLastError(), 0, reinterpret_cast<wchar_t *>(&pszText), 0, nullptr);
        pstrError->assign(pszText ? pszText : L"", dwLength);
        while (!pstrError->empty()
               && (pstrError->back() == L'\n' || pstrError->back() == L'\r'
                   || pstrError->back() == L'.'))
            pstrError->pop_back();
        if (pszText)
            LocalFree(pszText);
    }
    return false;
}

} // namespace win32
