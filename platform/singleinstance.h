#ifndef PLATFORM_SINGLEINSTANCE_H
#define PLATFORM_SINGLEINSTANCE_H

#include <QString>

namespace platform {

enum class NamedMutexResult {
    Created, // this process holds it now
    AlreadyExists, // another process holds it
    Failed // could not be created; counts as no other instance
};

// The prefix of a name that every session of the machine shares ("Global\" on Windows; on the
// stand-in machine a lock in the system drive's Windows/Global folder, which every user's
// copy opens). Names without it are the session's (the user's runtime folder).
extern const QLatin1String c_machineWideMutexPrefix;

// Creates the named mutex with initial ownership and keeps it until the process ends. A
// machine-wide mutex that exists but that this process may not open counts as existing.
NamedMutexResult createNamedMutex(const QString &strName);

// Whether another process holds the named mutex now; false when it does not exist or is free.
bool isNamedMutexHeld(const QString &strName);

} // namespace platform

#endif // PLATFORM_SINGLEINSTANCE_H
