#include "app/qmlinterface.h"

#include "app/eventmanager.h"
#include "app/utility.h"

QmlInterface::QmlInterface(Utility *pUtility, EventManager *pEventManager, QObject *parent)
    : QObject(parent), m_pUtility(pUtility), m_pEventManager(pEventManager)
{
}

int QmlInterface::getScreenWidth()
{
    return m_pUtility->getScreenWidth();
}

int QmlInterface::getScreenHeight()
{
    return m_pUtility->getScreenHeight();
}

int QmlInterface::getMouseX()
{
    return m_pUtility->getMouseX();
}

int QmlInterface::getMouseY()
{
    return m_pUtility->getMouseY();
}

void QmlInterface::restartSystem()
{
    m_pUtility->restartSystem();
}

bool QmlInterface::enableShutdownPrivilege()
{
    return m_pUtility->enableShutdownPrivilege();
}

QPoint QmlInterface::getCursorPos()
{
    return m_pUtility->getCursorPos();
}

void QmlInterface::postEventMessage(int iEventType, int x, int y)
{
    m_pEventManager->sendEventToParent(iEventType, x, y);
}

void QmlInterface::postEventMessage(int iEventType)
{
    m_pEventManager->sendEventToParent(iEventType);
}
