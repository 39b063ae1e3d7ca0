#ifndef VBSCRIPT_HOSTS_SHELL_H
#define VBSCRIPT_HOSTS_SHELL_H

#include "platform/vbscript/value.h"

namespace vbscript::hosts {

// "WScript.Shell": ExpandEnvironmentStrings and RegRead (HKLM values of the hive).
Value shellObject();

} // namespace vbscript::hosts

#endif // VBSCRIPT_HOSTS_SHELL_H
