#include "platform/singleinstance.h"

#include "platform/win32/namedmutex.h"

namespace platform {

NamedMutexResult createNamedMutex(const QString &strName)
{
    switch (win32::createNamedMutex(strName.toStdWString())) {
    case win32::MutexResult::Created:
        return NamedMutexResult::Created;
    case win32::MutexResult::AlreadyExists:
        return NamedMutexResult::AlreadyExists;
    case win32::MutexResult::Failed:
        break;
    }
    return NamedMutexResult::Failed;
}

} // namespace platform
