#include "engine/filestamp.h"

#include <QFileInfo>

FileStamp FileStamp::of(const QString &strPath)
{
    const QFileInfo info(strPath);
    FileStamp stamp;
    stamp.bExists = info.exists();
    if (stamp.bExists) {
        stamp.iSize = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}
