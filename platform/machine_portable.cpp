#include "platform/machine.h"

#include "platform/localfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>

namespace platform {

namespace {
constexpr qint64 c_iMaxDescriptionSize = 4 * 1024 * 1024;
}

namespace machine_detail {
// The stand-in machine's drive is a folder, named by an absolute path.
bool isDriveName(const QString &strDrive)
{
    return QDir::isAbsolutePath(strDrive);
}
} // namespace machine_detail

QString machineDescriptionPath()
{
    const QString drive = systemDrive();
    if (drive.isEmpty())
        return QString();
    return drive + QStringLiteral("/Windows/System32/wbem/machine.json");
}

QJsonObject machineDescription()
{
    QFile file(machineDescriptionPath());
    if (file.fileName().isEmpty() || !openRegularFile(file, QIODevice::ReadOnly)
        || file.size() > c_iMaxDescriptionSize)
        return QJsonObject();
    const QByteArray data = file.readAll();
    // Detection asks for the description once per WMI query, and a machine with many devices
    // takes far longer to parse than to read: the last parse is kept with the bytes it came
    // from and reused while the file reads the same.
    static QMutex s_mutex;
    static QByteArray s_lastData;
    static QJsonObject s_lastDescription;
    const QMutexLocker lock(&s_mutex);
    if (data != s_lastData) {
        s_lastDescription = QJsonDocument::fromJson(data).object();
        s_lastData = data;
    }
    return s_lastDescription;
}

} // namespace platform
