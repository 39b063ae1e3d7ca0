#include "platform/outputfile.h"

#include "platform/outputfile_detail.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using namespace outputfile_detail;

// The folder, opened without following a link at its own name: every later step names its
// files relative to it, so that a link put in its place meanwhile changes nothing.
class Folder
{
public:
    explicit Folder(const QString &strPath)
        : m_fd(::open(QFile::encodeName(strPath).constData(),
                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))
    { }
    ~Folder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    int fd() const { return m_fd; }

    // Removes the regular files that earlier writes of strFileName left.
    void removeTemporaryFilesOf(const QString &strFileName) const
    {
        const int fdList = ::dup(m_fd);
        DIR *pDir = fdList >= 0 ? ::fdopendir(fdList) : nullptr;
        if (!pDir) {
            if (fdList >= 0)
                ::close(fdList);
            return;
        }
        while (const dirent *pEntry = ::readdir(pDir)) {
            struct stat status;
            if (isTemporaryNameFor(QFile::decodeName(pEntry->d_name), strFileName)
                && ::fstatat(m_fd, pEntry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISREG(status.st_mode))
                ::unlinkat(m_fd, pEntry->d_name, 0);
        }
        ::closedir(pDir);
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &data)
{
    for (qint64 iDone = 0; iDone < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + iDone, size_t(data.size() - iDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        iDone += n;
    }
    struct stat status;
    return ::fsync(fd) == 0 && ::fstat(fd, &status) == 0 && status.st_size == data.size();
}

} // namespace

QString outputPathProblem(const QString &strPath)
{
    if (strPath.isEmpty())
        return QStringLiteral("the file name is empty");
    if (!isEncodable(strPath))
        return QStringLiteral("%1 is not a name in this system's encoding").arg(quoted(strPath));
    const QByteArray path = QFile::encodeName(strPath);
    struct stat status;
    if (::lstat(path.constData(), &status) == 0) {
        if (S_ISLNK(status.st_mode))
            return QStringLiteral("%1 is a link").arg(quoted(strPath));
        if (S_ISDIR(status.st_mode))
            return QStringLiteral("%1 is a folder").arg(quoted(strPath));
        if (!S_ISREG(status.st_mode))
            return QStringLiteral("%1 is not a regular file").arg(quoted(strPath));
        if (::access(path.constData(), W_OK) != 0)
            return QStringLiteral("%1 cannot be written: %2")
                    .arg(quoted(strPath), qt_error_string(errno));
    } else if (errno == ENAMETOOLONG) {
        return QStringLiteral("%1 is too long for this system").arg(quoted(strPath));
    } else if (errno != ENOENT && errno != ENOTDIR) {
        return QStringLiteral("%1 cannot be reached: %2")
                .arg(quoted(strPath), qt_error_string(errno));
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(strPath).absolutePath());
    if (::lstat(folder.constData(), &status) != 0
        || !(S_ISDIR(status.st_mode) || S_ISLNK(status.st_mode)))
        return QStringLiteral("the folder of %1 does not exist").arg(quoted(strPath));
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("the folder of %1 is a link").arg(quoted(strPath));
    if (::access(folder.constData(), W_OK) != 0)
        return QStringLiteral("%1 cannot be written: %2")
                .arg(quoted(strPath), qt_error_string(errno));
    return QString();
}

bool outputfile_detail::replaceFile(const QString &strPath, const QByteArray &data,
                                    QString *pstrReason)
{
    const auto fail = [pstrReason](const QString &strReason) {
        *pstrReason = strReason;
        return false;
    };

    const QFileInfo info(strPath);
    const Folder folder(info.absolutePath());
    if (folder.fd() < 0)
        return fail(QStringLiteral("the folder of %1 cannot be opened: %2")
                            .arg(quoted(strPath), qt_error_string(errno)));
    folder.removeTemporaryFilesOf(info.fileName());

    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temporary = QFile::encodeName(temporaryNameFor(info.fileName()));
    const int fd = ::openat(folder.fd(), temporary.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(QStringLiteral("%1 cannot be written: %2")
                            .arg(quoted(strPath), qt_error_string(errno)));
    // A file that is replaced keeps its permissions.
    struct stat status;
    const bool bReplacing
            = ::fstatat(folder.fd(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (bReplacing && S_ISREG(status.st_mode))
        ::fchmod(fd, status.st_mode & 07777);
    const bool bWritten = writeAll(fd, data);
    const int iWriteError = errno;
    const bool bClosed = ::close(fd) == 0;
    QString strFailure;
    if (!bWritten || !bClosed)
        strFailure = QStringLiteral("%1 cannot be written: %2")
                             .arg(quoted(strPath), qt_error_string(bWritten ? errno : iWriteError));
    // Whatever came to stand at the path meanwhile is not a regular file to replace.
    else if (::fstatat(folder.fd(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
             && !S_ISREG(status.st_mode))
        strFailure = QStringLiteral("%1 is no longer a regular file").arg(quoted(strPath));
    else if (::renameat(folder.fd(), temporary.constData(), folder.fd(), name.constData()) != 0)
        strFailure = QStringLiteral("%1 cannot be replaced: %2")
                             .arg(quoted(strPath), qt_error_string(errno));
    if (!strFailure.isEmpty()) {
        ::unlinkat(folder.fd(), temporary.constData(), 0);
        return fail(strFailure);
    }
    ::fsync(folder.fd());
    return true;
}

} // namespace platform
