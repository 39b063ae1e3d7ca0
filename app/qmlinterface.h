#ifndef QMLINTERFACE_H
#define QMLINTERFACE_H

#include <QObject>
#include <QPoint>

class EventManager;
class Utility;

// The one object the pages call, published as "qtInterface". Each method forwards to one
// method of an engine object and returns its result unchanged.
class QmlInterface : public QObject
{
    Q_OBJECT

public:
    QmlInterface(Utility *pUtility, EventManager *pEventManager, QObject *parent = nullptr);

public slots:
    int getScreenWidth();
    int getScreenHeight();
    int getMouseX();
    int getMouseY();
    void restartSystem();
    bool enableShutdownPrivilege();
    QPoint getCursorPos();
    void postEventMessage(int iEventType, int x, int y);
    void postEventMessage(int iEventType);

private:
    Utility *m_pUtility;
    EventManager *m_pEventManager;
};

#endif // QMLINTERFACE_H
