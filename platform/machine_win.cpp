#include "platform/machine.h"

namespace platform {

QString machineDescriptionPath()
{
    return QString();
}

QJsonObject machineDescription()
{
    return QJsonObject();
}

} // namespace platform
