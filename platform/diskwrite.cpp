#include "platform/diskwrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

bool writeWhole(QFileDevice &file, const QByteArray &data)
{
    const qint64 iStart = file.pos();
    for (qint64 iDone = 0; iDone < data.size();) {
        const qint64 iWritten = file.write(data.constData() + iDone, data.size() - iDone);
        if (iWritten <= 0)
            return false;
        iDone += iWritten;
    }
    return flushWhole(file, iStart + data.size())
            && diskwrite_detail::readsBack(file, iStart, data);
}

bool flushWhole(QFileDevice &file, qint64 iSize)
{
    return file.flush() && file.error() == QFileDevice::NoError
            && diskwrite_detail::syncToDisk(file) && file.size() == iSize;
}

QString savedNameOf(const QString &strFileName)
{
    static const QRegularExpression c_leftover(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    const QRegularExpressionMatch match = c_leftover.match(strFileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

void removeInterruptedSaves(const QString &strPath)
{
    const QFileInfo saved(strPath);
    const QDir folder = saved.absoluteDir();
    const QFileInfoList entries
            = folder.entryInfoList({saved.fileName() + QStringLiteral(".??????")},
                                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (savedNameOf(entry.fileName()) == saved.fileName() && !entry.isSymLink())
            QFile::remove(entry.filePath());
    }
}

} // namespace platform
