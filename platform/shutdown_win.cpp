#include "platform/shutdown.h"

#include "platform/win32/privilege.h"

namespace platform {

bool enableShutdownPrivilege()
{
    return win32::enableShutdownPrivilege();
}

void restartSystem()
{
    win32::restartSystem();
}

} // namespace platform
