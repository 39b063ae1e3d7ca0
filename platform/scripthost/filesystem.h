#ifndef PLATFORM_SCRIPTHOST_FILESYSTEM_H
#define PLATFORM_SCRIPTHOST_FILESYSTEM_H

#include "vbscript/value.h"

#include <QString>

namespace vbscript::hosts {

// "Scripting.FileSystemObject": FileExists, FolderExists and OpenTextFile (read, write,
// append, optionally creating the file but never its folder), giving a TextStream with
// Write, WriteLine, ReadLine, ReadAll, AtEndOfStream and Close.
Value fileSystemObject();

// A script's path on this machine: backslashes become slashes.
QString localPath(const QString &strPath);

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_FILESYSTEM_H
