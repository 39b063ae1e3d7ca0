#ifndef PLATFORM_SINGLEINSTANCE_H
#define PLATFORM_SINGLEINSTANCE_H

#include <QString>

namespace platform {

enum class NamedMutexResult {
    Created, // this process holds it now
    AlreadyExists, // another process holds it
    Failed // could not be created; counts as no other instance
};

// Creates the named mutex with initial ownership and keeps it until the process ends.
NamedMutexResult createNamedMutex(const QString &strName);

} // namespace platform

#endif // PLATFORM_SINGLEINSTANCE_H
