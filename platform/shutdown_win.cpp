#include "platform/shutdown.h"

#include "platform/win32/privilege.h"

namespace platform {

bool enableShutdownPrivilege()
{
    return win32::enableShutdownPrivilege();
}

bool restartSystem(int)
{
    return win32::restartSystem();
}

} // namespace platform
