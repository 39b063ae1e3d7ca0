#include "app/eventmanager.h"

#include <new>

EventManager::EventManager() : QObject(nullptr)
{
    for (int iCode = 2; iCode <= 9; ++iCode)
        m_mapEventMessages.insert(iCode, 1224 + iCode);
}

EventManager::~EventManager() = default;

EventManager *EventManager::instance()
{
    static EventManager *pInstance = new (std::nothrow) EventManager;
    return pInstance;
}

long EventManager::sendEventToParent(int)
{
    return 0;
}

long EventManager::sendEventToParent(int, int, int)
{
    return 0;
}
