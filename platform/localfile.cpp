#include "platform/localfile.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

bool makeOwnFolder(const QString &strBase, const QString &strRelative)
{
    QString strPath = strBase;
    for (const QString &strPart : strRelative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        strPath += QLatin1Char('/') + strPart;
        if (!removeLink(strPath))
            return false;
        const QFileInfo info(strPath);
        if (info.exists() && !info.isDir())
            return false;
        if (!info.exists() && !QDir().mkdir(strPath))
            return false;
        if (isLink(strPath))
            return false;
    }
    return true;
}

} // namespace platform
