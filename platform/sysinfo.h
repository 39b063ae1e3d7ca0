#ifndef PLATFORM_SYSINFO_H
#define PLATFORM_SYSINFO_H

#include <QString>

namespace platform {

// What QSysInfo reports of the operating system; on the stand-in machine the description's
// "os.productVersion" and "os.cpuArchitecture" where it gives them.
QString productVersion();
QString currentCpuArchitecture();

} // namespace platform

#endif // PLATFORM_SYSINFO_H
