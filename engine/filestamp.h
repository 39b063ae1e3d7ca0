#ifndef FILESTAMP_H
#define FILESTAMP_H

#include <QDateTime>
#include <QString>

// What shows that a file was written: whether it exists, its size and its modification time.
struct FileStamp
{
    bool bExists = false;
    qint64 iSize = 0;
    QDateTime modified;

    static FileStamp of(const QString &strPath);

    bool operator==(const FileStamp &other) const
    {
        return bExists == other.bExists && iSize == other.iSize && modified == other.modified;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};

#endif // FILESTAMP_H
