#include "platform/singleinstance.h"

#include "platform/win32/namedmutex.h"

namespace platform {

NamedMutexResult createNamedMutex(const QString &strName)
{
    switch (win32::createNamedMutex(strName.toStdWString(),
                                    strName.startsWith(c_machineWideMutexPrefix))) {
    case win32::MutexResult::Created:
        return NamedMutexResult::Created;
    case win32::MutexResult::AlreadyExists:
        return NamedMutexResult::AlreadyExists;
    case win32::MutexResult::Failed:
        break;
    }
    return NamedMutexResult::Failed;
}

bool isNamedMutexHeld(const QString &strName)
{
    return win32::isMutexHeld(strName.toStdWString());
}

} // namespace platform
