#include "platform/process.h"

namespace platform {

void startProcess(QProcess &process, const QString &strProgram, const QStringList &lstArguments,
                  const QString &, QIODevice::OpenMode mode)
{
    process.start(strProgram, lstArguments, mode);
}

int exitCodeOf(int iStatus)
{
    for (const int iCode : {1602, 1603, 1605, 1618, 1639, 1641, 1720, 3010}) {
        if (iStatus == (iCode & 0xff))
            return iCode;
    }
    return iStatus;
}

} // namespace platform
