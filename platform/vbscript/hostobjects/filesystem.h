#ifndef VBSCRIPT_HOSTS_FILESYSTEM_H
#define VBSCRIPT_HOSTS_FILESYSTEM_H

#include "platform/vbscript/value.h"

#include <QString>

namespace vbscript::hosts {

// "Scripting.FileSystemObject": FileExists, FolderExists and OpenTextFile (read, write,
// append, optionally creating the file but never its folder), giving a TextStream with
// Write, WriteLine, ReadLine, ReadAll, AtEndOfStream and Close.
Value fileSystemObject();

// A script's path on this machine: backslashes become slashes.
QString localPath(const QString &strPath);

} // namespace vbscript::hosts

#endif // VBSCRIPT_HOSTS_FILESYSTEM_H
