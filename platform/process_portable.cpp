#include "platform/process.h"

namespace platform {

void startProcess(QProcess &process, const QString &strProgram, const QStringList &lstArguments,
                  const QString &, QIODevice::OpenMode mode)
{
    process.start(strProgram, lstArguments, mode);
}

} // namespace platform
