#ifndef PLATFORM_SCRIPTHOST_REALMACHINE_H
#define PLATFORM_SCRIPTHOST_REALMACHINE_H

#include <QJsonObject>
#include <QString>

// The machine the program runs on, described in the shape of the stand-in machine's
// description ("os" and "devices"), for when the description leaves them out.
namespace vbscript::hosts {

// Caption, Version and BuildNumber of the running system, from os-release.
QJsonObject realOperatingSystem(const QString &strOsReleasePath
                                = QStringLiteral("/etc/os-release"));

// The PCI, ACPI and USB root-hub devices that sysfs lists, sorted into the WMI device
// classes by their device class. Unreadable or odd entries are skipped.
QJsonObject realDevices(const QString &strSysRoot = QStringLiteral("/sys"));

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_REALMACHINE_H
