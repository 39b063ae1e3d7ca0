#include "platform/windowdpi.h"

#include <QScreen>
#include <QWindow>
#include <QtMath>

namespace platform {

bool hasNativeWindowMessages()
{
    return false;
}

NativeWindowMessage decodeNativeMessage(const QByteArray &, void *)
{
    return NativeWindowMessage();
}

bool measureMonitorDpi(QWindow *window, unsigned int *puiDpi)
{
    QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        return false;
    // The effective DPI, as Windows reports it: the logical DPI times the scale factor.
    const qreal dpi = screen->logicalDotsPerInchX() * screen->devicePixelRatio();
    if (dpi <= 0)
        return false;
    *puiDpi = unsigned(qRound(dpi));
    return true;
}

void applySuggestedRect(QWindow *window, const QRect &rect)
{
    if (!window)
        return;
    window->setGeometry(rect);
    window->requestUpdate();
}

} // namespace platform
