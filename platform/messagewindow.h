#ifndef PLATFORM_MESSAGEWINDOW_H
#define PLATFORM_MESSAGEWINDOW_H

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Hidden top-level windows that exchange window messages with other processes.
namespace platform {

using WindowHandle = quint64; // none is 0

constexpr quint32 c_uiCopyDataMessage = 0x004A; // WM_COPYDATA
constexpr quint32 c_uiCloseMessage = 0x0010; // WM_CLOSE
constexpr quint32 c_uiDestroyMessage = 0x0002; // WM_DESTROY

struct WindowMessage
{
    quint32 uiMessage = 0;
    quint64 wParam = 0;
    quint64 lParam = 0;
    // WM_COPYDATA only: the record's dwData and the bytes it points to.
    quint64 dwData = 0;
    QByteArray data;
};

// Handles one message to a window; no value means "not handled", and the system's default
// processing answers it.
using WindowProcedure = std::function<std::optional<qint64>(WindowHandle, const WindowMessage &)>;

// Registers the class and creates a never-shown top-level window that other processes find by
// class and title; 0 on failure. Messages reach the procedure on the calling (GUI) thread.
// The instance handle is the program's module handle on Windows and unused elsewhere. On the
// stand-in machine the window is a socket, and the process's soft limit of open files is raised
// to its hard limit as the window is made.
WindowHandle createMessageWindow(const QString &strClass, const QString &strTitle,
                                 quintptr hInstance, WindowProcedure procedure);

// The program's own module instance handle.
quintptr moduleInstance();

// Ends the window; later messages find no window.
void destroyWindow(WindowHandle hWindow);

// Asks the event loop to end with the exit code (PostQuitMessage).
void postQuitMessage(int iExitCode);

// Finds another process's window by class and title; 0 when there is none.
WindowHandle findWindow(const QString &strClass, const QString &strTitle);

// Sends a plain message and waits for the answer.
qint64 sendMessage(WindowHandle hWindow, quint32 uiMessage, quint64 wParam, quint64 lParam);

// Sends WM_COPYDATA with the record {dwData, data} and waits for the answer.
qint64 sendCopyData(WindowHandle hWindow, quint64 wParam, quint64 dwData, const QByteArray &data);

// The thread's last error after a send (GetLastError); 0 where sends set none.
quint32 lastError();

} // namespace platform

#endif // PLATFORM_MESSAGEWINDOW_H
