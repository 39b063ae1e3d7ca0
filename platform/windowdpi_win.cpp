#include "platform/windowdpi.h"

#include <QWindow>

#include <windows.h>

namespace platform {

namespace {
typedef HRESULT(WINAPI *GetDpiForMonitorFunction)(HMONITOR, int, UINT *, UINT *);
constexpr UINT c_uiDpiChanged = 0x02E0; // WM_DPICHANGED
constexpr int c_iEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
} // namespace

bool hasNativeWindowMessages()
{
    return true;
}

NativeWindowMessage decodeNativeMessage(const QByteArray &eventType, void *message)
{
    NativeWindowMessage decoded;
    if (eventType != "windows_generic_MSG" || !message)
        return decoded;
    const MSG *msg = static_cast<const MSG *>(message);
    switch (msg->message) {
    case WM_CLOSE:
        decoded.kind = NativeWindowMessage::Close;
        break;
    case WM_SHOWWINDOW:
        decoded.kind = NativeWindowMessage::Show;
        break;
    case c_uiDpiChanged: {
        decoded.kind = NativeWindowMessage::DpiChanged;
        decoded.uiDpi = LOWORD(msg->wParam);
        const RECT *rect = reinterpret_cast<const RECT *>(msg->lParam);
        if (rect)
            decoded.suggested = QRect(rect->left, rect->top, rect->right - rect->left,
                                      rect->bottom - rect->top);
        break;
    }
    default:
        break;
    }
    return decoded;
}

bool measureMonitorDpi(QWindow *window, unsigned int *puiDpi)
{
    if (!window)
        return false;
    HWND hwnd = reinterpret_cast<HWND>(window->winId());
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

void applySuggestedRect(QWindow *window, const QRect &rect)
{
    if (!window)
        return;
    HWND hwnd = reinterpret_cast<HWND>(window->winId());
    SetWindowPos(hwnd, nullptr, rect.left(), rect.top(), rect.width(), rect.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT native = {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    InvalidateRect(hwnd, &native, TRUE);
    window->requestUpdate();
}

} // namespace platform
