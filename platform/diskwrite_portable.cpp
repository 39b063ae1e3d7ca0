#include "platform/diskwrite.h"

#include <cerrno>

#include <unistd.h>

namespace platform::diskwrite_detail {

bool syncToDisk(QFileDevice &file)
{
    const int fd = file.handle();
    // Some file systems cannot sync; what they hold is then what the flush gave them.
    return fd < 0 || ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

bool readsBack(QFileDevice &file, qint64 iOffset, const QByteArray &data)
{
    const int fd = file.handle();
    if (fd < 0)
        return true;
    QByteArray written(data.size(), Qt::Uninitialized);
    qint64 iRead = 0;
    while (iRead < written.size()) {
        const ssize_t n = ::pread(fd, written.data() + iRead, size_t(written.size() - iRead),
                                  off_t(iOffset + iRead));
        if (n < 0 && errno == EINTR)
            continue;
        // A descriptor opened for writing only cannot be read back; the size check stands.
        if (n < 0 && errno == EBADF)
            return true;
        if (n <= 0)
            return false;
        iRead += n;
    }
    return written == data;
}

} // namespace platform::diskwrite_detail
