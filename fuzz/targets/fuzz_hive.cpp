// The stand-in registry's hive. An input is a key below HKLM, a value name and a value, one a
// line, followed by the hive file. A value that is written reads back and leaves a hive that
// can be read and written again; a write that is refused, and every write to a damaged hive,
// leaves the file as it was.
#include "platform/hivefile.h"
#include "platform/registry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray readFile(const QString &strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool readsAsHive(const QByteArray &data, bool bWritable)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    return platform::hivefile::read(buffer, map)
            && (!bWritable || platform::hivefile::canWrite(map));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    // In memory where the system offers it: every save of the hive is synced to disk.
    static QTemporaryDir machines(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/fuzz_hive-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/fuzz_hive-XXXXXX"));
    static int iMachine = 0;
    const QByteArray input(reinterpret_cast<const char *>(pData), int(iSize));
    const QList<QByteArray> lines = input.split('\n');
    if (lines.size() < 4)
        return 0;
    const QString key = QStringLiteral("HKLM\\") + QString::fromUtf8(lines.at(0));
    const QString name = QString::fromUtf8(lines.at(1));
    const QString value = QString::fromUtf8(lines.at(2));
    const QByteArray hive
            = input.mid(lines.at(0).size() + lines.at(1).size() + lines.at(2).size() + 3);

    // A machine of its own for each input: QSettings keeps what it read of a path.
    const QString drive = machines.path() + QStringLiteral("/%1").arg(iMachine++);
    const QString path = drive + QStringLiteral("/Windows/System32/config/HKLM.json");
    QDir().mkpath(drive + QStringLiteral("/Windows/System32/config"));
    qputenv("SystemDrive", QFile::encodeName(drive));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(hive) != hive.size())
        __builtin_trap();
    file.close();

    platform::readRegistryString(key, name);
    const bool bWritten = platform::writeRegistryString(key, name, value);
    const QByteArray after = readFile(path);
    if (bWritten) {
        if (platform::readRegistryString(key, name) != value || !readsAsHive(after, true))
            __builtin_trap();
    } else if (after != hive) {
        __builtin_trap();
    }
    if (!readsAsHive(hive, false) && bWritten)
        __builtin_trap();
    QDir(drive).removeRecursively();
    return 0;
}
