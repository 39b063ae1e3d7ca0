#ifndef EVENTMANAGER_H
#define EVENTMANAGER_H

#include <QMap>
#include <QObject>

// The window-message channel to and from a parent installer.
class EventManager : public QObject
{
    Q_OBJECT

public:
    static EventManager *instance();
    ~EventManager() override;

    // Sends the event without data; 0 when there is no parent window.
    long sendEventToParent(int iEventCode);
    // Sends the event with the position (x, y); 0 when there is no parent window.
    long sendEventToParent(int iEventCode, int x, int y);

private:
    EventManager();

    qint32 m_iPositionX = 0;
    qint32 m_iPositionY = 0;
    QMap<int, int> m_mapEventMessages;
};

#endif // EVENTMANAGER_H
