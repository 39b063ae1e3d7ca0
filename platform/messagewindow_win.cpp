#include "platform/messagewindow.h"

#include "platform/win32/messagewindow.h"

#include <vector>

namespace platform {

namespace {

WindowMessage toWindowMessage(const win32::WindowMessage &message)
{
    WindowMessage converted;
    converted.uiMessage = message.uiMessage;
    converted.wParam = message.wParam;
    converted.lParam = message.lParam;
    converted.dwData = message.dwData;
    converted.data = QByteArray(reinterpret_cast<const char *>(message.data.data()),
                                int(message.data.size()));
    return converted;
}

} // namespace

quintptr moduleInstance()
{
    return quintptr(win32::moduleInstance());
}

WindowHandle createMessageWindow(const QString &strClass, const QString &strTitle,
                                 quintptr hInstance, WindowProcedure windowProcedure)
{
    return win32::createMessageWindow(
            strClass.toStdWString(), strTitle.toStdWString(), std::uintptr_t(hInstance),
            [windowProcedure](win32::WindowHandle hWindow,
                              const win32::WindowMessage &message) -> std::optional<std::int64_t> {
                if (!windowProcedure)
                    return std::nullopt;
                const std::optional<qint64> result
                        = windowProcedure(WindowHandle(hWindow), toWindowMessage(message));
                return result ? std::optional<std::int64_t>(*result) : std::nullopt;
            });
}

void destroyWindow(WindowHandle hWindow)
{
    win32::destroyWindow(hWindow);
}

void postQuitMessage(int iExitCode)
{
    win32::postQuitMessage(iExitCode);
}

WindowHandle findWindow(const QString &strClass, const QString &strTitle)
{
    return win32::findWindow(strClass.toStdWString(), strTitle.toStdWString());
}

qint64 sendMessage(WindowHandle hWindow, quint32 uiMessage, quint64 wParam, quint64 lParam)
{
    return win32::sendMessage(hWindow, uiMessage, wParam, lParam);
}

qint64 sendCopyData(WindowHandle hWindow, quint64 wParam, quint64 dwData, const QByteArray &data)
{
    return win32::sendCopyData(hWindow, wParam, dwData,
                               std::vector<std::uint8_t>(data.constBegin(), data.constEnd()));
}

quint32 lastError()
{
    return win32::lastError();
}

} // namespace platform
