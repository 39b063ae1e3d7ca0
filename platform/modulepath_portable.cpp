#include "platform/modulepath.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString moduleFilePath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

} // namespace platform
