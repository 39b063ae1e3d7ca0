#ifndef PLATFORM_SCRIPTHOST_WMICLASSES_H
#define PLATFORM_SCRIPTHOST_WMICLASSES_H

#include <QJsonObject>
#include <QString>
#include <QVector>

namespace vbscript::hosts {

// The instances of a class of root\cimv2 on this machine, each a set of WMI properties:
// Win32_OperatingSystem from the description's "os", the device classes from its "devices";
// what the description leaves out comes from the real machine. False for an unknown class.
bool wmiInstances(const QString &strClass, QVector<QJsonObject> &instances);

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_WMICLASSES_H
