#include "engine/logbound.h"

#include "platform/localfile.h"
#include "platform/outputfile.h"

#include <QFile>

namespace logbound {

bool trimToTail(const QString &strPath, qint64 iLimit, qint64 iKeep)
{
    QFile log(strPath);
    if (!platform::openRegularFile(log, QIODevice::ReadOnly))
        return !platform::pathExists(strPath);
    const qint64 iSize = log.size();
    if (iSize <= iLimit)
        return true;
    // One byte more than is kept: the line start is known also when it is the first kept byte.
    const qint64 iFrom = iSize - iKeep - 1;
    if (!log.seek(iFrom))
        return false;
    QByteArray tail = log.read(iKeep + 1);
    log.close();
    if (tail.size() != iKeep + 1)
        return false;
    // A line longer than what is kept leaves nothing of it.
    const int iLineStart = tail.indexOf('\n');
    tail = iLineStart < 0 ? QByteArray() : tail.mid(iLineStart + 1);
    QString strError;
    return platform::writeOutputFile(strPath, tail, &strError);
}

} // namespace logbound
