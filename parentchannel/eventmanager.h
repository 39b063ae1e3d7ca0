#ifndef EVENTMANAGER_H
#define EVENTMANAGER_H

#include "platform/messagewindow.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QVector>

#include <functional>

// The window-message channel to and from a parent installer: events go out to the parent's
// hidden window; messages to the program's own hidden window reach registered handlers.
class EventManager : public QObject
{
    Q_OBJECT

public:
    // Handed to a handler for each message it is called for.
    struct CallRecord
    {
        quint32 uiMessage = 0;
        quint64 wParam = 0;
        quint64 lParam = 0;
        // The copy-data bytes of a WM_COPYDATA message; empty for a plain message.
        QByteArray data;
        void *pContext = nullptr;
    };
    using HandlerFunction = std::function<int(const CallRecord &)>;

    static EventManager *instance();
    ~EventManager() override;

    platform::WindowHandle createCapturingWindow(quintptr hInstance);
    int registerHandler(int iId, quint32 uiMessage, HandlerFunction function, void *pContext);

    // Sends the event without data; 0 when there is no parent window.
    long sendEventToParent(int iEventCode);
    // Sends the event with the position (x, y); 0 when there is no parent window.
    long sendEventToParent(int iEventCode, int x, int y);

    // The message number of an event code; 0 for codes without one.
    int messageForEvent(int iEventCode) const;

    platform::WindowHandle capturingWindow() const { return m_hCapturingWindow; }
    QPoint storedPosition() const { return QPoint(m_iPositionX, m_iPositionY); }

private:
    struct HandlerRecord
    {
        int iId = 0;
        void *pContext = nullptr;
        HandlerFunction function;
    };

    EventManager();

    static std::optional<qint64> windowProcedure(platform::WindowHandle hWindow,
                                                 const platform::WindowMessage &message);
    bool dispatch(quint32 uiMessage, const platform::WindowMessage &message, qint64 *piResult);

    platform::WindowHandle m_hCapturingWindow = 0;
    qint32 m_iPositionX = 0;
    qint32 m_iPositionY = 0;
    QMap<quint32, QVector<HandlerRecord>> m_mapHandlers;
    QMap<int, int> m_mapEventMessages;
};

#endif // EVENTMANAGER_H
