// The monitor DPI of a shown top-level window, measured both ways the core knows (the screen's
// LOGPIXELSX, and GetDpiForMonitor once "shcore.dll" is loaded), and a window moved and sized
// by the core:
//   windowdpi <expected DPI>
#include "checks.h"

#include "platform/win32/windowdpi.h"

#include <windows.h>

#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    Checks checks("dpi");
    const unsigned int uiExpected = argc > 1 ? unsigned(std::atoi(argv[1])) : 96u;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvaDpiTestWindow";
    RegisterClassExW(&windowClass);
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"Zorva DPI test",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    if (!checks.expect(hwnd != nullptr, "the window is created"))
        return checks.failures();
    const std::uintptr_t window = reinterpret_cast<std::uintptr_t>(hwnd);

    unsigned int uiDpi = 0;
    checks.expect(win32::measureMonitorDpi(window, &uiDpi), "measured through LOGPIXELSX");
    checks.expectEqual(uiDpi, uiExpected, "DPI through LOGPIXELSX");
    checks.expect(LoadLibraryW(L"shcore.dll") != nullptr, "shcore.dll loads");
    uiDpi = 0;
    checks.expect(win32::measureMonitorDpi(window, &uiDpi), "measured through GetDpiForMonitor");
    checks.expectEqual(uiDpi, uiExpected, "DPI through GetDpiForMonitor");

    win32::applyWindowRect(window, {120, 80, 640, 480});
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    checks.expectEqual(std::to_string(rect.left) + "," + std::to_string(rect.top) + " "
                               + std::to_string(rect.right - rect.left) + "x"
                               + std::to_string(rect.bottom - rect.top),
                       std::string("120,80 640x480"), "the window's rectangle");
    DestroyWindow(hwnd);
    return checks.failures();
}
