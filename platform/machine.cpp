#include "platform/machine.h"

namespace platform {

QString systemDrive()
{
    return qEnvironmentVariable("SystemDrive");
}

} // namespace platform
