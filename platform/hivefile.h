#ifndef PLATFORM_HIVEFILE_H
#define PLATFORM_HIVEFILE_H

#include "platform/registrystore.h"

#include <QIODevice>
#include <QSettings>

// The stand-in registry's file: a JSON document whose objects are keys and whose other members
// are values, read into and written from the flat map of QSettings ("SOFTWARE/Zorva/Name").
namespace platform::hivefile {

// Keys nest at most this deep below the root, as in the registry.
constexpr int c_iMaxKeyDepth = registrystore::c_iMaxKeyDepth;
constexpr qint64 c_iMaxHiveSize = 64 * 1024 * 1024;

// Stands for a key without values, which the flat map could not otherwise keep.
const QString &emptyKeyMarker();

// Fills the map from the device; false for a file that is not a hive. An empty file is an
// empty hive.
bool read(QIODevice &device, QSettings::SettingsMap &map);

// True when write() can store the map as a hive that read() reads back: no key and value of one
// name, and no keys nested deeper than c_iMaxKeyDepth.
bool canWrite(const QSettings::SettingsMap &map);

// Writes the map as a hive; false, with nothing written, when canWrite() is false. On a file
// (QSettings' save) the whole hive must reach the disk, or the save fails and the old hive stays.
bool write(QIODevice &device, const QSettings::SettingsMap &map);

// Why the last write() on this thread could not store the hive on its file, in the system's
// words; empty after a write that did.
QString lastWriteError();

// True when the hive in data reads into a map that write() stores as the very same document:
// a name that is empty, holds "/" or a control character, or a number beyond what a double
// holds exactly would be lost or changed by a rewrite.
bool writesBackExactly(const QByteArray &data);

} // namespace platform::hivefile

#endif // PLATFORM_HIVEFILE_H
