#include "platform/machine.h"

namespace platform {

namespace machine_detail {
// "C:": a letter and a colon, as Windows sets it.
bool isDriveName(const QString &strDrive)
{
    return strDrive.size() == 2 && strDrive.at(0).isLetter() && strDrive.at(0).unicode() < 0x80
            && strDrive.at(1) == QLatin1Char(':');
}
} // namespace machine_detail

QString machineDescriptionPath()
{
    return QString();
}

QJsonObject machineDescription()
{
    return QJsonObject();
}

} // namespace platform
