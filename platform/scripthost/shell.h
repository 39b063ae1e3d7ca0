#ifndef PLATFORM_SCRIPTHOST_SHELL_H
#define PLATFORM_SCRIPTHOST_SHELL_H

#include "vbscript/value.h"

namespace vbscript::hosts {

// "WScript.Shell": ExpandEnvironmentStrings and RegRead (HKLM values of the hive).
Value shellObject();

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_SHELL_H
