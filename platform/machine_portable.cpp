#include "platform/machine.h"

#include "platform/localfile.h"

#include <QFile>
#include <QJsonDocument>

namespace platform {

namespace {
constexpr qint64 c_iMaxDescriptionSize = 4 * 1024 * 1024;
}

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
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.object();
}

} // namespace platform
