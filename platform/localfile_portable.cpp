#include "platform/localfile.h"

#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

// Opens with O_NONBLOCK, so that a FIFO without a writer does not wait, and keeps the
// descriptor only for a regular file.
bool openDescriptor(QFile &file, int iFlags, QIODevice::OpenMode mode)
{
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());
    if (path.isEmpty())
        return false;
    const int fd = ::open(path.constData(), iFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    const int iAccess = (mode & QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    if ((mode & QIODevice::WriteOnly) && !(mode & QIODevice::ReadOnly))
        return false;
    return openDescriptor(file, iAccess, mode);
}

bool openForAppend(QFile &file)
{
    const QString strPath = file.fileName();
    if (strPath.isEmpty() || isLink(QFileInfo(strPath).absolutePath()))
        return false;
    return openDescriptor(file, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW,
                          QIODevice::WriteOnly | QIODevice::Append);
}

bool pathExists(const QString &strPath)
{
    if (strPath.isEmpty())
        return false;
    // The same path is asked about once for each line of a log: it is encoded once.
    thread_local QString t_path;
    thread_local QByteArray t_encoded;
    if (!t_path.isSharedWith(strPath) && t_path != strPath) {
        t_path = strPath;
        t_encoded = QFile::encodeName(strPath);
    }
    return ::access(t_encoded.constData(), F_OK) == 0;
}

QString folderWriteProblem(const QString &strFolder)
{
    QFileInfo folder(QFileInfo(strFolder).absoluteFilePath());
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    const QByteArray path = QFile::encodeName(folder.absoluteFilePath());
    if (!folder.isDir())
        return qt_error_string(ENOTDIR);
    if (::access(path.constData(), W_OK) != 0)
        return qt_error_string(errno);
    // The blocks kept back for the administrator count for a program that runs as one.
    struct statvfs space;
    if (::statvfs(path.constData(), &space) == 0
        && (::geteuid() == 0 ? space.f_bfree : space.f_bavail) == 0)
        return qt_error_string(ENOSPC);
    return QString();
}

bool isLink(const QString &strPath)
{
    struct stat status;
    return ::lstat(QFile::encodeName(strPath).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool removeLink(const QString &strPath)
{
    return !isLink(strPath) || ::unlink(QFile::encodeName(strPath).constData()) == 0;
}

} // namespace platform
