#include "engine/startupfailure.h"

QString StartupFailure::text() const
{
    switch (kind) {
    case None:
        break;
    case Environment:
        return QStringLiteral("the system drive cannot be used: %1").arg(strReason);
    case LogFolder:
        return QStringLiteral("the log folder %1 cannot be written: %2").arg(strSubject, strReason);
    case Registry:
        return QStringLiteral("the registry value %1 cannot be written: %2")
                .arg(strSubject, strReason);
    case Detection:
        return QStringLiteral("hardware detection could not finish: %1").arg(strReason);
    }
    return QString();
}

QVariantMap StartupFailure::toMap() const
{
    static const char *const c_apszKinds[]
            = {"", "environment", "logFolder", "registry", "detection"};
    if (kind == None)
        return QVariantMap();
    return QVariantMap {{QStringLiteral("kind"), QLatin1String(c_apszKinds[kind])},
                        {QStringLiteral("subject"), strSubject},
                        {QStringLiteral("reason"), strReason}};
}
