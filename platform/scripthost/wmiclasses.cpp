#include "platform/scripthost/wmiclasses.h"

#include "platform/machine.h"
#include "platform/scripthost/realmachine.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace vbscript::hosts {

namespace {

const char *const c_deviceClasses[] = {"Win32_PnPEntity", "Win32_USBHub", "Win32_SCSIController",
                                       "Win32_IDEController", "Win32_NetworkAdapter"};

QJsonObject operatingSystem(const QJsonObject &description)
{
    QJsonObject os = description.value(QStringLiteral("os")).toObject();
    const QStringList required = {QStringLiteral("Caption"), QStringLiteral("Version")};
    bool bComplete = true;
    for (const QString &name : required)
        bComplete = bComplete && os.contains(name);
    if (!bComplete) {
        const QJsonObject real = realOperatingSystem();
        for (auto it = real.begin(); it != real.end(); ++it)
            if (!os.contains(it.key()))
                os.insert(it.key(), it.value());
    }
    if (!os.contains(QStringLiteral("BuildNumber"))) {
        // "10.0.19045" -> "19045", as WMI reports it.
        static const QRegularExpression build(QStringLiteral("^\\d+\\.\\d+\\.(\\d{1,9})"));
        const QRegularExpressionMatch match
                = build.match(os.value(QStringLiteral("Version")).toString());
        os.insert(QStringLiteral("BuildNumber"),
                  match.hasMatch() ? match.captured(1) : QStringLiteral("0"));
    }
    return os;
}

} // namespace

bool wmiInstances(const QString &strClass, QVector<QJsonObject> &instances)
{
    instances.clear();
    const QJsonObject description = platform::machineDescription();
    if (strClass.compare(QLatin1String("Win32_OperatingSystem"), Qt::CaseInsensitive) == 0) {
        instances.append(operatingSystem(description));
        return true;
    }

    const QJsonValue described = description.value(QStringLiteral("devices"));
    const QJsonObject devices = described.isObject() ? described.toObject() : realDevices();
    bool bKnown = false;
    for (const char *name : c_deviceClasses)
        bKnown = bKnown || strClass.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    for (auto it = devices.begin(); it != devices.end(); ++it) {
        if (it.key().compare(strClass, Qt::CaseInsensitive) != 0)
            continue;
        bKnown = true;
        const QJsonArray list = it.value().toArray();
        instances.reserve(instances.size() + list.size());
        for (const QJsonValue &instance : list)
            if (instance.isObject())
                instances.append(instance.toObject());
    }
    return bKnown;
}

} // namespace vbscript::hosts
