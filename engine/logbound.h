#ifndef LOGBOUND_H
#define LOGBOUND_H

#include <QString>

namespace logbound {

// A log that others append to, kept to a bounded size: when the file at strPath is larger than
// iLimit bytes, it is replaced, atomically, by its last iKeep bytes from the first line start
// among them. Nothing changes for a smaller file or one that cannot be read or replaced; the
// old file then stays whole. True when the file is within the bound afterwards.
bool trimToTail(const QString &strPath, qint64 iLimit, qint64 iKeep);

} // namespace logbound

#endif // LOGBOUND_H
