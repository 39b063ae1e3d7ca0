#include "app/cnapplicationwindow.h"

#include "parentchannel/eventmanager.h"
#include "parentchannel/parentevent.h"
#include "platform/windowdpi.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QQuickItem>
#include <QScreen>

namespace {
// How long a shown window waits for its first frame before it counts as on screen anyway.
constexpr int c_iFrameFallbackMs = 3000;
} // namespace

CNApplicationWindow::CNApplicationWindow(QWindow *parent)
    : QQuickWindow(parent)
{
    m_frameFallback.setSingleShot(true);
    m_frameFallback.setInterval(c_iFrameFallbackMs);
    connect(&m_frameFallback, &QTimer::timeout, this, &CNApplicationWindow::noteFrameShown);
    // Drawn on the render thread where there is one.
    connect(this, &QQuickWindow::frameSwapped, this, &CNApplicationWindow::noteFrameShown,
            Qt::QueuedConnection);
    if (!platform::hasNativeWindowMessages()) {
        connect(this, &QWindow::screenChanged, this, [this](QScreen *screen) {
            unsigned int uiDpi = m_uiRawDpi;
            if (screen && platform::measureMonitorDpi(this, &uiDpi))
                followDpiChange(uiDpi);
        });
    }
}

void CNApplicationWindow::componentComplete()
{
    winId();
}

void CNApplicationWindow::noteFrameShown()
{
    if (!m_bAwaitingFrame)
        return;
    m_bAwaitingFrame = false;
    m_frameFallback.stop();
    emit frameShown();
}

void CNApplicationWindow::setContentScale(double dScale)
{
    if (!(dScale > 0) || qFuzzyCompare(dScale, m_dContentScale))
        return;
    m_dContentScale = dScale;
    layOutContent();
    emit contentScaleChanged();
}

void CNApplicationWindow::resizeEvent(QResizeEvent *event)
{
    QQuickWindow::resizeEvent(event);
    layOutContent();
}

void CNApplicationWindow::layOutContent()
{
    QQuickItem *pContent = contentItem();
    pContent->setTransformOrigin(QQuickItem::TopLeft);
    pContent->setScale(m_dContentScale);
    pContent->setSize(QSizeF(size()) / m_dContentScale);
}

int CNApplicationWindow::getScreenWidth()
{
    return m_desktop.availableGeometry(-1).width();
}

int CNApplicationWindow::getScreenHeight()
{
    return m_desktop.availableGeometry(-1).height();
}

int CNApplicationWindow::getScreenTop()
{
    return m_desktop.availableGeometry(-1).top();
}

int CNApplicationWindow::getMouseX()
{
    return m_cursor.pos().x();
}

int CNApplicationWindow::getMouseY()
{
    return m_cursor.pos().y();
}

double CNApplicationWindow::dpi() const
{
    return m_dScale;
}

void CNApplicationWindow::setDpi(double dScale)
{
    if (qFuzzyCompare(dScale, m_dScale))
        return;
    m_dScale = dScale;
    emit dpiChanged();
}

bool CNApplicationWindow::event(QEvent *event)
{
    // Alt+F4, the system menu's Close or the window manager: the page answers as it answers
    // its own close button, and the window stays until the page quits.
    if (event->type() == QEvent::Close
        && isSignalConnected(QMetaMethod::fromSignal(&CNApplicationWindow::closeRequested))) {
        event->ignore();
        emit closeRequested();
        return true;
    }
    // The parent hears of a close that goes through, before the window goes.
    if (event->type() == QEvent::Close)
        notifyParentOfClose();
    return QQuickWindow::event(event);
}

void CNApplicationWindow::keyPressEvent(QKeyEvent *event)
{
    setKeyboardUsed(true);
    QQuickWindow::keyPressEvent(event);
    if (!event->isAccepted() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->accept();
        emit keyNotTaken(event->key(), int(event->modifiers()));
    }
}

void CNApplicationWindow::mousePressEvent(QMouseEvent *event)
{
    setKeyboardUsed(false);
    QQuickWindow::mousePressEvent(event);
}

void CNApplicationWindow::setKeyboardUsed(bool bUsed)
{
    if (bUsed == m_bKeyboardUsed)
        return;
    m_bKeyboardUsed = bUsed;
    emit keyboardUsedChanged();
}

void CNApplicationWindow::showEvent(QShowEvent *event)
{
    m_bAwaitingFrame = true;
    m_frameFallback.start();
    QQuickWindow::showEvent(event);
    if (!platform::hasNativeWindowMessages())
        measureDpi();
}

bool CNApplicationWindow::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    const platform::NativeWindowMessage decoded = platform::decodeNativeMessage(eventType, message);
    switch (decoded.kind) {
    case platform::NativeWindowMessage::Show:
        measureDpi();
        return false;
    case platform::NativeWindowMessage::DpiChanged:
        if (followDpiChange(decoded.uiDpi)) {
            platform::applySuggestedRect(this, decoded.suggested);
            update();
        }
        return true;
    case platform::NativeWindowMessage::Close: // the toolkit's close event follows
    case platform::NativeWindowMessage::Other:
        break;
    }
    return QQuickWindow::nativeEvent(eventType, message, result);
}

// Emits dpiChanged whenever a measurement succeeds, also when the value stayed the same.
void CNApplicationWindow::measureDpi()
{
    unsigned int uiDpi = m_uiRawDpi;
    if (!platform::measureMonitorDpi(this, &uiDpi))
        return;
    m_uiRawDpi = uiDpi;
    m_dScale = m_uiRawDpi / 96.0;
    emit dpiChanged();
}

// False when the DPI is the one already stored: nothing changes then.
bool CNApplicationWindow::followDpiChange(unsigned int uiDpi)
{
    if (uiDpi == m_uiRawDpi)
        return false;
    m_uiRawDpi = uiDpi;
    m_dScale = m_uiRawDpi / 96.0;
    emit dpiChanged();
    return true;
}

void CNApplicationWindow::notifyParentOfClose()
{
    if (EventManager *pEventManager = EventManager::instance())
        pEventManager->sendEventToParent(ParentEvent::CancelBtn);
}
