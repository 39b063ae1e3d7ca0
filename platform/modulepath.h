#ifndef PLATFORM_MODULEPATH_H
#define PLATFORM_MODULEPATH_H

#include <QString>

namespace platform {

// Full path of the program's own file, in native separators.
QString moduleFilePath();

} // namespace platform

#endif // PLATFORM_MODULEPATH_H
