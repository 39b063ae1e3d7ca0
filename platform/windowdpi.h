#ifndef PLATFORM_WINDOWDPI_H
#define PLATFORM_WINDOWDPI_H

#include <QByteArray>
#include <QRect>

class QWindow;

namespace platform {

// A native window message, as far as the application window type cares about it.
struct NativeWindowMessage
{
    enum Kind { Other, Close, Show, DpiChanged };
    Kind kind = Other;
    unsigned int uiDpi = 0; // DpiChanged: the new horizontal DPI
    QRect suggested; // DpiChanged: the rectangle the system suggests
};

// Decodes the message of QWindow::nativeEvent. Where windows have no native messages the
// result is always Other; the toolkit's own events stand in for them.
NativeWindowMessage decodeNativeMessage(const QByteArray &eventType, void *message);

// True where the window type learns of showing, closing and DPI changes from native
// messages; elsewhere the toolkit's show, close and screen-change events stand in.
bool hasNativeWindowMessages();

// Measures the horizontal DPI of the monitor nearest the window's centre.
// False when it cannot be measured; *puiDpi is then unchanged.
bool measureMonitorDpi(QWindow *window, unsigned int *puiDpi);

// Moves and sizes the native window to the suggested rectangle and repaints it.
void applySuggestedRect(QWindow *window, const QRect &rect);

} // namespace platform

#endif // PLATFORM_WINDOWDPI_H
