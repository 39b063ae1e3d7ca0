#ifndef PLATFORM_OUTPUTFILE_H
#define PLATFORM_OUTPUTFILE_H

#include <QByteArray>
#include <QString>

// Files the program writes where its caller asks (a report, a log): the program runs as an
// administrator, so a path must not lead it to write where someone else points it.
namespace platform {

// Why the program may not write its file at strPath, in a phrase that names the path; empty
// when it may. Refused: an empty name; a name the system's encoding cannot hold, or too long
// for the system; anything at the path but a regular file (a folder, FIFO, socket or device),
// and a link there even when it leads to a regular file; a folder that does not exist, is a
// link, or cannot be written.
QString outputPathProblem(const QString &strPath);

// Writes data to strPath atomically: a temporary file of the program's own naming in the same
// folder, written and synced whole, then renamed over the path, so that the path holds either
// the old file or all of the new one, never anything written through a link. What earlier
// writes of the same path that were killed left behind is removed first. False, with the
// reason in *pstrError, when the path is refused (outputPathProblem()) or the write fails;
// the old file then stays as it was.
bool writeOutputFile(const QString &strPath, const QByteArray &data, QString *pstrError);

} // namespace platform

#endif // PLATFORM_OUTPUTFILE_H
