#include "platform/messagewindow.h"

#include <windows.h>
#include <wtsapi32.h>

namespace platform {

namespace {

WindowProcedure &procedure()
{
    static WindowProcedure function;
    return function;
}

LRESULT CALLBACK capturingWindowProcedure(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (procedure()) {
        WindowMessage message;
        message.uiMessage = uMsg;
        message.wParam = quint64(wParam);
        message.lParam = quint64(lParam);
        if (uMsg == WM_COPYDATA && lParam) {
            const COPYDATASTRUCT *pCopyData = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
            message.dwData = quint64(pCopyData->dwData);
            if (pCopyData->lpData && pCopyData->cbData)
                message.data = QByteArray(static_cast<const char *>(pCopyData->lpData),
                                          int(pCopyData->cbData));
        }
        const std::optional<qint64> result
                = procedure()(WindowHandle(reinterpret_cast<quintptr>(hwnd)), message);
        if (result)
            return LRESULT(*result);
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

HWND toHwnd(WindowHandle hWindow)
{
    return reinterpret_cast<HWND>(quintptr(hWindow));
}

} // namespace

quintptr moduleInstance()
{
    return reinterpret_cast<quintptr>(GetModuleHandleW(nullptr));
}

WindowHandle createMessageWindow(const QString &strClass, const QString &strTitle,
                                 quintptr hInstance, WindowProcedure windowProcedure)
{
    procedure() = std::move(windowProcedure);
    HINSTANCE hInst = reinterpret_cast<HINSTANCE>(hInstance);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.style = 0;
    windowClass.lpfnWndProc = capturingWindowProcedure;
    windowClass.hInstance = hInst;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = reinterpret_cast<LPCWSTR>(strClass.utf16());
    windowClass.hIconSm = LoadIconW(hInst, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    if (!RegisterClassExW(&windowClass))
        return 0;

    HWND hwnd = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(strClass.utf16()),
                                reinterpret_cast<LPCWSTR>(strTitle.utf16()), 0, CW_USEDEFAULT,
                                CW_USEDEFAULT, 0, 0, nullptr, nullptr, hInst, nullptr);
    if (!hwnd)
        return 0;
    WTSRegisterSessionNotification(hwnd, NOTIFY_FOR_THIS_SESSION);
    return WindowHandle(reinterpret_cast<quintptr>(hwnd));
}

void destroyWindow(WindowHandle hWindow)
{
    DestroyWindow(toHwnd(hWindow));
}

void postQuitMessage(int iExitCode)
{
    PostQuitMessage(iExitCode);
}

WindowHandle findWindow(const QString &strClass, const QString &strTitle)
{
    return WindowHandle(
            reinterpret_cast<quintptr>(FindWindowW(reinterpret_cast<LPCWSTR>(strClass.utf16()),
                                                   reinterpret_cast<LPCWSTR>(strTitle.utf16()))));
}

qint64 sendMessage(WindowHandle hWindow, quint32 uiMessage, quint64 wParam, quint64 lParam)
{
    return qint64(SendMessageW(toHwnd(hWindow), uiMessage, WPARAM(wParam), LPARAM(lParam)));
}

qint64 sendCopyData(WindowHandle hWindow, quint64 wParam, quint64 dwData, const QByteArray &data)
{
    COPYDATASTRUCT copyData = {};
    copyData.dwData = ULONG_PTR(dwData);
    copyData.cbData = DWORD(data.size());
    copyData.lpData = const_cast<char *>(data.constData());
    return qint64(SendMessageW(toHwnd(hWindow), WM_COPYDATA, WPARAM(wParam),
                               reinterpret_cast<LPARAM>(&copyData)));
}

quint32 lastError()
{
    return quint32(GetLastError());
}

} // namespace platform
