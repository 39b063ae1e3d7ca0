#include "platform/network.h"

#include "platform/win32/download.h"
#include "platform/win32/routetable.h"

#include <QDir>

namespace platform {

bool hasDefaultRoute()
{
    return win32::hasDefaultRoute();
}

bool downloadFile(const QString &strUrl, const QString &strDestination, int iTimeoutMs,
                  qint64 iMaxBytes)
{
    return win32::downloadFile(strUrl.toStdWString(),
                               QDir::toNativeSeparators(strDestination).toStdWString(), iTimeoutMs,
                               iMaxBytes);
}

} // namespace platform
