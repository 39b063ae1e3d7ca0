#ifndef PLATFORM_SCRIPTHOST_WMI_H
#define PLATFORM_SCRIPTHOST_WMI_H

#include "vbscript/value.h"

#include <QString>

namespace vbscript::hosts {

// What GetObject answers for a "winmgmts:" moniker of the local machine: the services of
// root\cimv2 (InstancesOf, ExecQuery "Select * from <class>") or the registry provider
// "root\default:StdRegProv". Raises the WMI error for any other moniker.
Value wmiObject(const QString &strMoniker);

// True when the moniker names WMI ("winmgmts:...").
bool isWmiMoniker(const QString &strMoniker);

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_WMI_H
