#include "platform/win32/messagewindow.h"

#include <windows.h>
#include <wtsapi32.h>

namespace win32 {

namespace {

WindowProcedure &procedure()
{
    static WindowProcedure function;
    return function;
}

HWND toHwnd(WindowHandle hWindow)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(hWindow));
}

WindowHandle toHandle(HWND hwnd)
{
    return WindowHandle(reinterpret_cast<std::uintptr_t>(hwnd));
}

WindowMessage decode(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    WindowMessage message;
    message.uiMessage = uMsg;
    message.wParam = std::uint64_t(wParam);
    message.lParam = std::uint64_t(lParam);
    if (uMsg == WM_COPYDATA && lParam) {
        const auto *pCopyData = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        message.dwData = std::uint64_t(pCopyData->dwData);
        if (pCopyData->lpData && pCopyData->cbData) {
            const auto *pBytes = static_cast<const std::uint8_t *>(pCopyData->lpData);
            message.data.assign(pBytes, pBytes + pCopyData->cbData);
        }
    }
    return message;
}

LRESULT CALLBACK messageWindowProcedure(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (procedure()) {
        const std::optional<std::int64_t> result
                = procedure()(toHandle(hwnd), decode(uMsg, wParam, lParam));
        if (result)
            return LRESULT(*result);
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

} // namespace

std::uintptr_t moduleInstance()
{
    return reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr));
}

WindowHandle createMessageWindow(const std::wstring &strClass, const std::wstring &strTitle,
                                 std::uintptr_t hInstance, WindowProcedure windowProcedure)
{
    HINSTANCE hInst = reinterpret_cast<HINSTANCE>(hInstance);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.style = 0;
    windowClass.lpfnWndProc = messageWindowProcedure;
    windowClass.hInstance = hInst;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = strClass.c_str();
    windowClass.hIconSm = LoadIconW(hInst, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    if (!RegisterClassExW(&windowClass))
        return 0;

    // Set before the window exists: its creation messages already arrive.
    procedure() = std::move(windowProcedure);
    HWND hwnd = CreateWindowExW(0, strClass.c_str(), strTitle.c_str(), 0, CW_USEDEFAULT,
                                CW_USEDEFAULT, 0, 0, nullptr, nullptr, hInst, nullptr);
    if (!hwnd)
        return 0;
    WTSRegisterSessionNotification(hwnd, NOTIFY_FOR_THIS_SESSION);
    return toHandle(hwnd);
}

void destroyWindow(WindowHandle hWindow)
{
    DestroyWindow(toHwnd(hWindow));
}

void postQuitMessage(int iExitCode)
{
    PostQuitMessage(iExitCode);
}

WindowHandle findWindow(const std::wstring &strClass, const std::wstring &strTitle)
{
    return toHandle(FindWindowW(strClass.c_str(), strTitle.c_str()));
}

std::int64_t sendMessage(WindowHandle hWindow, std::uint32_t uiMessage, std::uint64_t wParam,
                         std::uint64_t lParam)
{
    return std::int64_t(SendMessageW(toHwnd(hWindow), uiMessage, WPARAM(wParam), LPARAM(lParam)));
}

std::int64_t sendCopyData(WindowHandle hWindow, std::uint64_t wParam, std::uint64_t dwData,
                          const std::vector<std::uint8_t> &data)
{
    COPYDATASTRUCT copyData = {};
    copyData.dwData = ULONG_PTR(dwData);
    copyData.cbData = DWORD(data.size());
    copyData.lpData = data.empty() ? nullptr : const_cast<std::uint8_t *>(data.data());
    return std::int64_t(SendMessageW(toHwnd(hWindow), WM_COPYDATA, WPARAM(wParam),
                                     reinterpret_cast<LPARAM>(&copyData)));
}

std::uint32_t lastError()
{
    return std::uint32_t(GetLastError());
}

} // namespace win32
