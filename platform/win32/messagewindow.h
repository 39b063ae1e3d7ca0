#ifndef PLATFORM_WIN32_MESSAGEWINDOW_H
#define PLATFORM_WIN32_MESSAGEWINDOW_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Hidden top-level windows that exchange window messages with other processes: RegisterClassExW,
// CreateWindowExW, FindWindowW, SendMessageW and WM_COPYDATA.
namespace win32 {

using WindowHandle = std::uint64_t; // an HWND; none is 0

struct WindowMessage
{
    std::uint32_t uiMessage = 0;
    std::uint64_t wParam = 0;
    std::uint64_t lParam = 0;
    // WM_COPYDATA only: the record's dwData and the cbData bytes lpData points to.
    std::uint64_t dwData = 0;
    std::vector<std::uint8_t> data;
};

// Handles one message; no value means "not handled", and DefWindowProcW answers it.
using WindowProcedure
        = std::function<std::optional<std::int64_t>(WindowHandle, const WindowMessage &)>;

// Registers the class (no icon or cursor, background COLOR_WINDOW + 1) and creates a never-shown
// overlapped top-level window of it, which other processes find by class and title; registers it
// for session notifications of this session. 0 when the class cannot be registered (the earlier
// procedure then stays) or the window cannot be created. The procedure serves every window of
// the process created here, on the thread that created it.
WindowHandle createMessageWindow(const std::wstring &strClass, const std::wstring &strTitle,
                                 std::uintptr_t hInstance, WindowProcedure procedure);

// The module handle of the process's own program file.
std::uintptr_t moduleInstance();

void destroyWindow(WindowHandle hWindow);

// Asks the thread's message loop to end with the exit code.
void postQuitMessage(int iExitCode);

// Another process's window by class and title; 0 when there is none.
WindowHandle findWindow(const std::wstring &strClass, const std::wstring &strTitle);

// SendMessageW: waits for the receiving window procedure and returns its answer.
std::int64_t sendMessage(WindowHandle hWindow, std::uint32_t uiMessage, std::uint64_t wParam,
                         std::uint64_t lParam);

// SendMessageW with WM_COPYDATA and the record {dwData, data.size(), data}.
std::int64_t sendCopyData(WindowHandle hWindow, std::uint64_t wParam, std::uint64_t dwData,
                          const std::vector<std::uint8_t> &data);

// GetLastError of the calling thread.
std::uint32_t lastError();

} // namespace win32

#endif // PLATFORM_WIN32_MESSAGEWINDOW_H
