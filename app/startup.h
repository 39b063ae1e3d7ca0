#ifndef STARTUP_H
#define STARTUP_H

#include "platform/singleinstance.h"

#include <QString>

class Drivers;

// What the window's start-up and the unattended mode share.
namespace startup {

// The single-instance mutex.
QString mutexName();

// Takes the single-instance mutex and its machine-wide twin, which a copy in another session
// (another user, or a deployment running as SYSTEM) sees; AlreadyExists when another copy
// holds either. Later calls in the same process answer as the first did.
platform::NamedMutexResult holdInstanceMutexes();

// Windows Installer's own mutex, held while it runs an installation.
QString windowsInstallerMutexName();

// Reads the installed products' versions into the engine; nothing when their key is missing.
void readInstalledVersions(Drivers *pDrivers);

} // namespace startup

#endif // STARTUP_H
