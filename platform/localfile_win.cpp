#include "platform/localfile.h"

#include "platform/win32/reparsepoint.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace platform {

namespace {
std::wstring nativePath(const QString &strPath)
{
    return QDir::toNativeSeparators(strPath).toStdWString();
}
} // namespace

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    file.close();
    if ((mode & QIODevice::WriteOnly) && !(mode & QIODevice::ReadOnly))
        return false;
    // Windows knows no FIFOs on disk; a name may still lead to a device or a pipe.
    const QFileInfo info(file.fileName());
    if (file.fileName().isEmpty() || !info.isFile()
        || !win32::isPlainDiskFile(nativePath(info.canonicalFilePath())))
        return false;
    return file.open(mode);
}

bool openForAppend(QFile &file)
{
    const QString strPath = file.fileName();
    if (strPath.isEmpty() || isLink(strPath) || isLink(QFileInfo(strPath).absolutePath()))
        return false;
    if (QFileInfo::exists(strPath) && !win32::isPlainDiskFile(nativePath(strPath)))
        return false;
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool pathExists(const QString &strPath)
{
    return QFileInfo::exists(strPath);
}

QString folderWriteProblem(const QString &strFolder)
{
    QFileInfo folder(QFileInfo(strFolder).absoluteFilePath());
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("%1 is not a folder")
                .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("%1 is read-only").arg(QDir::toNativeSeparators(folder.filePath()));
    const QStorageInfo volume(folder.absoluteFilePath());
    if (volume.isValid() && volume.bytesAvailable() == 0)
        return QStringLiteral("there is not enough space on the disk");
    return QString();
}

bool isLink(const QString &strPath)
{
    return win32::isReparsePoint(nativePath(strPath));
}

bool removeLink(const QString &strPath)
{
    return win32::removeReparsePoint(nativePath(strPath));
}

} // namespace platform
