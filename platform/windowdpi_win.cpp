#include "platform/windowdpi.h"

#include "platform/win32/windowdpi.h"

#include <QWindow>

namespace platform {

bool hasNativeWindowMessages()
{
    return true;
}

NativeWindowMessage decodeNativeMessage(const QByteArray &eventType, void *message)
{
    NativeWindowMessage decoded;
    if (eventType != "windows_generic_MSG" || !message)
        return decoded;
    const win32::NativeMessage native = win32::decodeNativeMessage(message);
    switch (native.kind) {
    case win32::NativeMessage::Close:
        decoded.kind = NativeWindowMessage::Close;
        break;
    case win32::NativeMessage::Show:
        decoded.kind = NativeWindowMessage::Show;
        break;
    case win32::NativeMessage::DpiChanged:
        decoded.kind = NativeWindowMessage::DpiChanged;
        decoded.uiDpi = native.uiDpi;
        if (native.bHasSuggested)
            decoded.suggested = QRect(native.suggested.iLeft, native.suggested.iTop,
                                      native.suggested.iWidth, native.suggested.iHeight);
        break;
    case win32::NativeMessage::Other:
        break;
    }
    return decoded;
}

bool measureMonitorDpi(QWindow *window, unsigned int *puiDpi)
{
    return window && win32::measureMonitorDpi(std::uintptr_t(window->winId()), puiDpi);
}

void applySuggestedRect(QWindow *window, const QRect &rect)
{
    if (!window)
        return;
    win32::applyWindowRect(std::uintptr_t(window->winId()),
                           {rect.left(), rect.top(), rect.width(), rect.height()});
    window->requestUpdate();
}

} // namespace platform
