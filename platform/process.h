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

// The exit code a child's exit status stands for. On Windows they are the same; a stand-in
// machine's process status keeps only the low 8 bits, so there each Windows Installer code the
// package programs use (1602, 1603, 1605, 1618, 1639, 1641, 1720, 3010) is read back from
// its low 8 bits, which tell them apart.
int exitCodeOf(int iStatus);

} // namespace platform

#endif // PLATFORM_PROCESS_H
