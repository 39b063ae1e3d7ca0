#include "platform/singleinstance.h"

#include "platform/machine.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The lock file of a named mutex; empty when its folder cannot be had.
QString lockPath(const QString &strName)
{
    QString strFolder;
    QString strBase = strName;
    if (strName.startsWith(c_machineWideMutexPrefix)) {
        // Never a folder relative to wherever the program was started.
        if (!systemDriveProblem().isEmpty())
            return QString();
        strFolder = systemDrive() + QStringLiteral("/Windows/Global");
        strBase = strName.mid(c_machineWideMutexPrefix.size());
    } else {
        strFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }
    if (strFolder.isEmpty() || !QDir().mkpath(strFolder))
        return QString();
    return strFolder + QLatin1Char('/') + strBase + QStringLiteral(".lock");
}

// The lock file opened for locking, created where missing and open to every user; -1 when
// it cannot be. Read-only descriptors lock as well, so another user's copy needs no write right.
int openLock(const QString &strName)
{
    const QString strPath = lockPath(strName);
    if (strPath.isEmpty())
        return -1;
    const QByteArray path = QFile::encodeName(strPath);
    const bool bMachineWide = strName.startsWith(c_machineWideMutexPrefix);
    const int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                          bMachineWide ? 0644 : 0600);
    if (fd >= 0 && bMachineWide)
        ::fchmod(fd, 0644); // whatever the creator's umask
    return fd;
}

} // namespace

NamedMutexResult createNamedMutex(const QString &strName)
{
    // The descriptor stays open until the process ends; the system releases the lock then.
    const int fd = openLock(strName);
    if (fd < 0)
        return NamedMutexResult::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return NamedMutexResult::Created;
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? NamedMutexResult::AlreadyExists : NamedMutexResult::Failed;
}

bool isNamedMutexHeld(const QString &strName)
{
    const QString strPath = lockPath(strName);
    if (strPath.isEmpty())
        return false;
    const int fd
            = ::open(QFile::encodeName(strPath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool bHeld = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return bHeld;
}

} // namespace platform
