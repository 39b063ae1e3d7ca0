#ifndef PLATFORM_PROCESS_H
#define PLATFORM_PROCESS_H

#include <QIODevice>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace platform {

// Starts the program in the process. On Windows the child's command line is the quoted program
// followed by strNativeArguments exactly as given; elsewhere the child receives lstArguments,
// which must be what strNativeArguments splits into by the Windows rules.
void startProcess(QProcess &process, const QString &strProgram, const QStringList &lstArguments,
                  const QString &strNativeArguments, QIODevice::OpenMode mode);

} // namespace platform

#endif // PLATFORM_PROCESS_H
