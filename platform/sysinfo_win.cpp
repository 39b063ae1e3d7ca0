#include "platform/sysinfo.h"

#include <QSysInfo>

namespace platform {

QString productVersion()
{
    return QSysInfo::productVersion();
}

QString currentCpuArchitecture()
{
    return QSysInfo::currentCpuArchitecture();
}

} // namespace platform
