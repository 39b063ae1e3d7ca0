#include "platform/modulepath.h"

#include "platform/win32/modulepath.h"

namespace platform {

QString moduleFilePath()
{
    return QString::fromStdWString(win32::moduleFilePath());
}

} // namespace platform
