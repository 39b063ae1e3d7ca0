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
    if (kind == None)
        return QVariantMap();
    return QVariantMap {{QStringLiteral("kind"), int(kind)},
                        {QStringLiteral("subject"), strSubject},
                        {QStringLiteral("reason"), strReason}};
}
