#ifndef STARTUP_H
#define STARTUP_H

#include <QString>

class Drivers;

// What the window's start-up and the unattended mode share.
namespace startup {

// The single-instance mutex.
QString mutexName();

// Reads the installed products' versions into the engine; nothing when their key is missing.
void readInstalledVersions(Drivers *pDrivers);

} // namespace startup

#endif // STARTUP_H
