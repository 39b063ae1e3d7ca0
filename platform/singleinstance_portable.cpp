#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

NamedMutexResult createNamedMutex(const QString &strName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return NamedMutexResult::Failed;
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + strName + ".lock");

    // The descriptor stays open until the process ends; the system releases the lock then.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return NamedMutexResult::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return NamedMutexResult::Created;
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? NamedMutexResult::AlreadyExists : NamedMutexResult::Failed;
}

} // namespace platform
