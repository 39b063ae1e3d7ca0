#include "platform/win32/windowdpi.h"

#include <windows.h>

namespace win32 {

namespace {
typedef HRESULT(WINAPI *GetDpiForMonitorFunction)(HMONITOR, int, UINT *, UINT *);
constexpr UINT c_uiDpiChanged = 0x02E0; // WM_DPICHANGED
constexpr int c_iEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
} // namespace

NativeMessage decodeNativeMessage(const void *pMsg)
{
    NativeMessage decoded;
    const MSG *msg = static_cast<const MSG *>(pMsg);
    if (!msg)
        return decoded;
    switch (msg->message) {
    case WM_CLOSE:
        decoded.kind = NativeMessage::Close;
        break;
    case WM_SHOWWINDOW:
        decoded.kind = NativeMessage::Show;
        break;
    case c_uiDpiChanged: {
        decoded.kind = NativeMessage::DpiChanged;
        decoded.uiDpi = LOWORD(msg->wParam);
        const RECT *rect = reinterpret_cast<const RECT *>(msg->lParam);
        if (rect) {
            decoded.bHasSuggested = true;
            decoded.suggested
                    = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
        }
        break;
    }
    default:
        break;
    }
    return decoded;
}

bool measureMonitorDpi(std::uintptr_t window, unsigned int *puiDpi)
{
    HWND hwnd = reinterpret_cast<HWND>(window);
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    HMONITOR hMonitor = MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST);

    UINT uiDpiX = 0;
    UINT uiDpiY = 0;
    HMODULE hShcore = GetModuleHandleW(L"shcore.dll");
    GetDpiForMonitorFunction getDpiForMonitor = hShcore
            ? reinterpret_cast<GetDpiForMonitorFunction>(
                    reinterpret_cast<void *>(GetProcAddress(hShcore, "GetDpiForMonitor")))
            : nullptr;
    if (getDpiForMonitor) {
        if (FAILED(getDpiForMonitor(hMonitor, c_iEffectiveDpi, &uiDpiX, &uiDpiY)))
            return false;
    } else {
        HDC hdc = GetDC(nullptr);
        if (!hdc)
            return false;
        uiDpiX = UINT(GetDeviceCaps(hdc, LOGPIXELSX));
        uiDpiY = UINT(GetDeviceCaps(hdc, LOGPIXELSY));
        ReleaseDC(nullptr, hdc);
    }
    *puiDpi = uiDpiX;
    return true;
}

void applyWindowRect(std::uintptr_t window, const WindowRect &rect)
{
    HWND hwnd = reinterpret_cast<HWND>(window);
    SetWindowPos(hwnd, nullptr, rect.iLeft, rect.iTop, rect.iWidth, rect.iHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT native = {rect.iLeft, rect.iTop, rect.iLeft + rect.iWidth, rect.iTop + rect.iHeight};
    InvalidateRect(hwnd, &native, TRUE);
}

} // namespace win32
