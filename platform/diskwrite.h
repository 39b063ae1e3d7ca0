#ifndef PLATFORM_DISKWRITE_H
#define PLATFORM_DISKWRITE_H

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Saves that reach the disk whole or not at all. QSaveFile alone commits a file whose buffered
// bytes never reached the disk (a full disk fails the flush inside commit(), which it does not
// look at) and a file shortened by a partial write; these checks come before the commit.
namespace platform {

// Writes all of data at the file's position, then makes sure it is on the disk: flushed
// without error, synced where the system allows, the file exactly as long as expected and, on
// the stand-in machine, reading back as written. False, with the device's error string set
// where the system gave one, when anything is missing.
bool writeWhole(QFileDevice &file, const QByteArray &data);

// For a file written piece by piece: flushes, syncs and checks that it holds iSize bytes.
bool flushWhole(QFileDevice &file, qint64 iSize);

// The name of the file whose save left strFileName behind, as QSaveFile names its temporary
// file ("HKLM.json.AbCdEf" for "HKLM.json": a dot and six ASCII letters); empty for any other
// name.
QString savedNameOf(const QString &strFileName);

// Removes what interrupted saves of the file at strPath left beside it, and nothing else.
void removeInterruptedSaves(const QString &strPath);

namespace diskwrite_detail {
// Per system: the sync to disk, and whether the file reads back as written from iOffset.
bool syncToDisk(QFileDevice &file);
bool readsBack(QFileDevice &file, qint64 iOffset, const QByteArray &data);
} // namespace diskwrite_detail

} // namespace platform

#endif // PLATFORM_DISKWRITE_H
