#ifndef UNATTENDED_H
#define UNATTENDED_H

#include "app/unattendedoptions.h"

// The unattended mode: detection, selection and the run through the engine, with no window, an
// exit code in Windows Installer's meanings and a JSON report.
namespace unattended {

enum ExitCode {
    c_iSuccess = 0,
    c_iInvalidParameter = 87,
    c_iInstallFailure = 1603,
    c_iUnknownProduct = 1605,
    c_iAlreadyRunning = 1618,
    c_iPlatformUnsupported = 1633,
    c_iRestartStarted = 1641,
    c_iRestartRequired = 3010,
};

// Runs what the options ask for and returns the process exit code. A restart that the run
// starts ends the process on the stand-in machine.
int run(const Options &options);

} // namespace unattended

#endif // UNATTENDED_H
