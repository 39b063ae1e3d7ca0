#ifndef LOGTAIL_H
#define LOGTAIL_H

#include <QByteArrayList>
#include <QString>

namespace logtail {

constexpr int c_iUnreadable = -2;
constexpr int c_iNoMatch = -1;

// Looks at the last iLines lines of a text file, newest first, and answers the index in
// lstMarkers of the first marker contained in the first line that contains any. Lines are
// those QTextStream::readLine() gives for the file: the encoding follows a UTF-16 or UTF-32
// byte order mark (without one, each byte is a character, whatever the locale), every carriage
// return is dropped and lines end at line feeds. Markers are ASCII. Only the tail is read, at
// most its last 4 MiB: the cost grows neither with the file nor with the length of its lines,
// and memory stays bounded. A line reaching further back than that is judged by its part
// within it.
// c_iUnreadable when the file cannot be opened, c_iNoMatch when no examined line matches.
int findMarker(const QString &strPath, const QByteArrayList &lstMarkers, int iLines);

} // namespace logtail

#endif // LOGTAIL_H
