#ifndef PLATFORM_SHUTDOWN_H
#define PLATFORM_SHUTDOWN_H

namespace platform {

// Enables the shutdown privilege in the process token; false unless it is really held.
bool enableShutdownPrivilege();

// Restarts the computer (reboot, restarting registered applications, reason "reconfigure");
// false when the restart could not be started. On the stand-in machine it records the request
// in %SystemDrive%/Windows/restart.log and ends the process with iExitCode, as Windows would
// end it (0 for the pages, 1641 for an unattended run).
bool restartSystem(int iExitCode = 0);

} // namespace platform

#endif // PLATFORM_SHUTDOWN_H
