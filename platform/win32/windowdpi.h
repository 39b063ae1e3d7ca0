#ifndef PLATFORM_WIN32_WINDOWDPI_H
#define PLATFORM_WIN32_WINDOWDPI_H

#include <cstdint>

// What the application window learns from its native messages, and its monitor's DPI.
namespace win32 {

struct WindowRect
{
    int iLeft = 0;
    int iTop = 0;
    int iWidth = 0;
    int iHeight = 0;
};

struct NativeMessage
{
    enum Kind { Other, Close, Show, DpiChanged };
    Kind kind = Other;
    unsigned int uiDpi = 0; // DpiChanged: the new horizontal DPI
    bool bHasSuggested = false;
    WindowRect suggested; // DpiChanged: the rectangle the system suggests
};

// Decodes a MSG: WM_CLOSE, WM_SHOWWINDOW and WM_DPICHANGED; everything else is Other.
NativeMessage decodeNativeMessage(const void *pMsg);

// The horizontal DPI of the monitor nearest the window's centre: GetDpiForMonitor of
// "shcore.dll" where it is loaded, else the screen's LOGPIXELSX. False when it cannot be
// measured; *puiDpi is then unchanged.
bool measureMonitorDpi(std::uintptr_t hwnd, unsigned int *puiDpi);

// Moves and sizes the window (SetWindowPos) and invalidates the rectangle.
void applyWindowRect(std::uintptr_t hwnd, const WindowRect &rect);

} // namespace win32

#endif // PLATFORM_WIN32_WINDOWDPI_H
