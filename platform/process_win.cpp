#include "platform/process.h"

namespace platform {

void startProcess(QProcess &process, const QString &strProgram, const QStringList &,
                  const QString &strNativeArguments, QIODevice::OpenMode mode)
{
    // The setup program reads its "/v" argument from the command line as written.
    process.setProgram(strProgram);
    process.setArguments(QStringList());
    process.setNativeArguments(strNativeArguments);
    process.start(mode);
}

int exitCodeOf(int iStatus)
{
    return iStatus;
}

} // namespace platform
