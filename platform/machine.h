#ifndef PLATFORM_MACHINE_H
#define PLATFORM_MACHINE_H

#include <QJsonObject>
#include <QString>

namespace platform {

// Value of the environment variable "SystemDrive" ("C:" on Windows; the folder of the
// stand-in machine elsewhere). Empty when it is not set.
QString systemDrive();

// Why the system drive that "SystemDrive" names cannot be used (unset, empty, not a drive or
// folder that exists: on the stand-in machine an absolute path to a folder, on Windows a drive
// letter and a colon); empty when it can.
QString systemDriveProblem();

// The stand-in machine's description, %SystemDrive%/Windows/System32/wbem/machine.json.
// Empty on Windows, and when the file is missing or is not a JSON object.
QJsonObject machineDescription();

// Path of the description file; empty when there is no stand-in machine.
QString machineDescriptionPath();

} // namespace platform

#endif // PLATFORM_MACHINE_H
