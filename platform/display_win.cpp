#include "platform/display.h"

#include "platform/win32/console.h"

namespace platform {

bool displayAvailable()
{
    return true;
}

void attachParentConsole()
{
    win32::attachParentConsole();
}

} // namespace platform
