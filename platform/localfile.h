#ifndef PLATFORM_LOCALFILE_H
#define PLATFORM_LOCALFILE_H

#include <QFile>
#include <QString>

// Files on the local disk that outside hands may have planted: FIFOs and devices that would
// block or never end, and links that lead elsewhere.
namespace platform {

// Opens the file named by `file` (for reading, or reading and writing an existing file) only
// when it is a regular file; a FIFO, socket, device or folder is refused without blocking.
// Links are followed. False, with the file closed, when refused or not opened.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode);

// Opens strPath for appending, creating it when missing, only when the path itself is no link
// (on Windows no reparse point) and names a regular file, in a folder that is no link either.
bool openForAppend(QFile &file);

// True when something is at the path (a link counts as what it leads to), as
// QFileInfo::exists() answers, at less cost for a path asked about often.
bool pathExists(const QString &strPath);

// True when the path itself, not what it leads to, is a symbolic link or, on Windows, any
// reparse point: a symbolic link, a junction or a mount point.
bool isLink(const QString &strPath);

// Removes the link itself, never what it leads to; true when nothing is left at the path.
bool removeLink(const QString &strPath);

// A name that stays inside the folder it is written to and names the same file on Windows: no
// separator, no drive or stream, none of the characters Windows refuses, no trailing dot or
// blank (Windows drops them, so "..." and " " are refused too), and none of the names that
// Windows takes for a device, with or without an extension.
bool isPlainFileName(const QString &strName);

// Makes strBase/strRelative a folder of the program's own: every folder of strRelative that is a
// link is removed and a real folder made in its place; strBase is taken as it is. False when
// it cannot be made.
bool makeOwnFolder(const QString &strBase, const QString &strRelative);

// Why no file can be created or grow in strFolder (or, where it does not exist yet, in the
// nearest folder above it that does), in the system's words: a read-only disk, no right to
// write, no space left. Empty when nothing speaks against it.
QString folderWriteProblem(const QString &strFolder);

} // namespace platform

#endif // PLATFORM_LOCALFILE_H
