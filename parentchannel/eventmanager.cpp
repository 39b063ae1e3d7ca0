#include "parentchannel/eventmanager.h"

#include "parentchannel/parentevent.h"

#include <QDataStream>

#include <new>

namespace {
const QString c_strCapturingClass = QStringLiteral("ChipsetEventWindowClass");
const QString c_strCapturingTitle = QStringLiteral("Zorva:Chipset-CapturingWindow");
const QString c_strParentClass = QStringLiteral("INEventWindowClass");
const QString c_strParentTitle = QStringLiteral("Zorva:IN-CapturingWindow");
} // namespace

EventManager::EventManager()
    : QObject(nullptr)
{
    // The events the program sends; the position only comes from the parent.
    for (int iCode = ParentEvent::SkipBtn; iCode <= ParentEvent::c_iLastCode; ++iCode)
        m_mapEventMessages.insert(iCode, int(ParentEvent::message(iCode)));
}

EventManager::~EventManager() = default;

EventManager *EventManager::instance()
{
    static EventManager *pInstance = new (std::nothrow) EventManager;
    return pInstance;
}

int EventManager::messageForEvent(int iEventCode) const
{
    return m_mapEventMessages.value(iEventCode, 0);
}

platform::WindowHandle EventManager::createCapturingWindow(quintptr hInstance)
{
    const platform::WindowHandle hWindow = platform::createMessageWindow(
            c_strCapturingClass, c_strCapturingTitle, hInstance, &EventManager::windowProcedure);
    if (hWindow)
        m_hCapturingWindow = hWindow;
    return hWindow;
}

int EventManager::registerHandler(int iId, quint32 uiMessage, HandlerFunction function,
                                  void *pContext)
{
    QVector<HandlerRecord> &records = m_mapHandlers[uiMessage];
    for (HandlerRecord &record : records) {
        if (record.iId == iId && record.pContext == pContext) {
            record.function = std::move(function);
            return 0;
        }
    }
    records.append(HandlerRecord {iId, pContext, std::move(function)});
    return 0;
}

long EventManager::sendEventToParent(int iEventCode)
{
    const platform::WindowHandle hParent = platform::findWindow(c_strParentClass, c_strParentTitle);
    if (!hParent)
        return 0;
    platform::sendMessage(hParent, quint32(messageForEvent(iEventCode)), 0, 0);
    return long(platform::lastError());
}

long EventManager::sendEventToParent(int iEventCode, int x, int y)
{
    const platform::WindowHandle hParent = platform::findWindow(c_strParentClass, c_strParentTitle);
    if (!hParent)
        return 0;
    m_iPositionX = x;
    m_iPositionY = y;
    QByteArray position;
    QDataStream stream(&position, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << m_iPositionX << m_iPositionY;
    return long(platform::sendCopyData(hParent, hParent, quint64(messageForEvent(iEventCode)),
                                       position));
}

std::optional<qint64> EventManager::windowProcedure(platform::WindowHandle hWindow,
                                                    const platform::WindowMessage &message)
{
    EventManager *pManager = instance();
    if (!pManager)
        return std::nullopt;
    if (!pManager->m_hCapturingWindow)
        pManager->m_hCapturingWindow = hWindow;

    qint64 iResult = 0;
    switch (message.uiMessage) {
    case platform::c_uiDestroyMessage:
        platform::postQuitMessage(0);
        return 0;
    case platform::c_uiCloseMessage:
        platform::destroyWindow(hWindow);
        return 0;
    case platform::c_uiCopyDataMessage:
        if (pManager->dispatch(quint32(message.dwData), message, &iResult))
            return iResult;
        break;
    default:
        break;
    }
    // The event numbers travel only as copy-data records: a plain message of such a number
    // carries no record and never reaches their handlers.
    if (ParentEvent::isEventMessage(message.uiMessage))
        return std::nullopt;
    if (pManager->dispatch(message.uiMessage, message, &iResult))
        return iResult;
    return std::nullopt;
}

bool EventManager::dispatch(quint32 uiMessage, const platform::WindowMessage &message,
                            qint64 *piResult)
{
    const auto it = m_mapHandlers.constFind(uiMessage);
    if (it == m_mapHandlers.constEnd())
        return false;
    // A copy of the list: a handler may register others while it runs.
    const QVector<HandlerRecord> records = *it;
    for (const HandlerRecord &record : records) {
        CallRecord call;
        call.uiMessage = uiMessage;
        call.wParam = message.wParam;
        call.lParam = message.lParam;
        call.data = message.data;
        call.pContext = record.pContext;
        *piResult |= record.function(call);
    }
    return true;
}
