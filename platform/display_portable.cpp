#include "platform/display.h"

#include <QtGlobal>

namespace platform {

bool displayAvailable()
{
    for (const char *pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(pszName))
            return true;
    }
    return false;
}

void attachParentConsole() { }

} // namespace platform
