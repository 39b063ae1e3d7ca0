#ifndef PLATFORM_SHUTDOWN_H
#define PLATFORM_SHUTDOWN_H

namespace platform {

// Enables the shutdown privilege in the process token; false unless it is really held.
bool enableShutdownPrivilege();

// Restarts the computer (reboot, restarting registered applications, reason "reconfigure").
// On the stand-in machine it records the request in %SystemDrive%/Windows/restart.log and
// ends the process with exit code 0, as Windows would.
void restartSystem();

} // namespace platform

#endif // PLATFORM_SHUTDOWN_H
