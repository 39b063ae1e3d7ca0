#include "app/cnapplicationwindow.h"

#include "parentchannel/eventmanager.h"
#include "parentchannel/parentevent.h"
#include "platform/windowdpi.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

CNApplicationWindow::CNApplicationWindow(QWindow *parent)
    : QQuickWindow(parent)
{
    winId();
    if (!platform::hasNativeWindowMessages()) {
        connect(this, &QWindow::screenChanged, this, [this](QScreen *screen) {
            unsigned int uiDpi = m_uiRawDpi;
            if (screen && platform::measureMonitorDpi(this, &uiDpi))
                followDpiChange(uiDpi);
        });
    }
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
    if (event->type() == QEvent::Close && !platform::hasNativeWindowMessages())
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
    QQuickWindow::showEvent(event);
    if (!platform::hasNativeWindowMessages())
        measureDpi();
}

bool CNApplicationWindow::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    const platform::NativeWindowMessage decoded = platform::decodeNativeMessage(eventType, message);
    switch (decoded.kind) {
    case platform::NativeWindowMessage::Close:
        notifyParentOfClose();
        return false;
    case platform::NativeWindowMessage::Show:
        measureDpi();
        return false;
    case platform::NativeWindowMessage::DpiChanged:
        if (followDpiChange(decoded.uiDpi)) {
            platform::applySuggestedRect(this, decoded.suggested);
            update();
        }
        return true;
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
