#ifndef PLATFORM_SCRIPTHOST_REGISTRYPROVIDER_H
#define PLATFORM_SCRIPTHOST_REGISTRYPROVIDER_H

#include "vbscript/value.h"

namespace vbscript::hosts {

// WMI's registry provider StdRegProv over HKEY_LOCAL_MACHINE: GetStringValue(hDefKey,
// sSubKeyName, sValueName, sValue) answers 0 and the value, or 2 and Null when it is missing.
Value registryProvider();

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_REGISTRYPROVIDER_H
