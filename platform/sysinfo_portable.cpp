#include "platform/sysinfo.h"

#include "platform/machine.h"

#include <QJsonObject>
#include <QSysInfo>

namespace platform {

namespace {
QString describedOs(const QString &strName, const QString &strFallback)
{
    const QJsonValue value = machineDescription().value(QStringLiteral("os")).toObject().value(strName);
    return value.isString() ? value.toString() : strFallback;
}
} // namespace

QString productVersion()
{
    return describedOs(QStringLiteral("productVersion"), QSysInfo::productVersion());
}

QString currentCpuArchitecture()
{
    return describedOs(QStringLiteral("cpuArchitecture"), QSysInfo::currentCpuArchitecture());
}

} // namespace platform
