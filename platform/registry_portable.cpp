// The stand-in machine's HKEY_LOCAL_MACHINE: a JSON hive, objects for keys and strings for
// values, at %SystemDrive%/Windows/System32/config/HKLM.json. QSettings brings the file lock
// and the atomic save; the format is case-insensitive, as the registry is.
#include "platform/registry.h"

#include "platform/diskwrite.h"
#include "platform/hivefile.h"
#include "platform/localfile.h"
#include "platform/machine.h"
#include "platform/registrystore.h"
#include "platform/sysinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

// Empty, as without a stand-in machine, where something other than a regular file stands at
// the hive's path: QSettings would wait on a FIFO for ever.
QString hivePath()
{
    const QString drive = systemDrive();
    if (drive.isEmpty())
        return QString();
    const QString path = drive + QStringLiteral("/Windows/System32/config/HKLM.json");
    QFile file(path);
    if (file.exists() && !openRegularFile(file, QIODevice::ReadOnly))
        return QString();
    return path;
}

// The program is a 32-bit program: on a 64-bit machine it sees "SOFTWARE\<key>" where the
// registry redirector puts it, at "SOFTWARE\WOW6432Node\<key>". An explicit WOW6432Node path
// stays as it is.
void redirectFor32Bit(QStringList *pParts)
{
    if (pParts->size() < 2
        || pParts->at(0).compare(QLatin1String("SOFTWARE"), Qt::CaseInsensitive) != 0
        || pParts->at(1).compare(QLatin1String("WOW6432Node"), Qt::CaseInsensitive) == 0
        || currentCpuArchitecture() != QLatin1String("x86_64"))
        return;
    pParts->insert(1, QStringLiteral("WOW6432Node"));
}

// {"SOFTWARE", "Zorva"} -> "SOFTWARE/Zorva" (or "SOFTWARE/WOW6432Node/Zorva", redirected); "/"
// for the root.
QString settingsGroup(const QStringList &key)
{
    QStringList parts = key;
    redirectFor32Bit(&parts);
    return parts.isEmpty() ? QStringLiteral("/") : parts.join(QLatin1Char('/'));
}

QSettings::Format hiveFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
            QStringLiteral("json"), hivefile::read, hivefile::write, Qt::CaseInsensitive);
    return format;
}

// A hive that exists but cannot be read, or could not be written back as it reads, is left
// exactly as it is. Refused before QSettings holds a change that it could never save.
bool hiveIsWritable(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!openRegularFile(file, QIODevice::ReadOnly) || file.size() > hivefile::c_iMaxHiveSize)
        return false;
    return hivefile::writesBackExactly(file.readAll());
}

// The registry ignores case in names, and so does the hive: the group spelt as the hive spells
// it, as far as it exists; the rest as given. *piExisting is the number of its parts that exist.
QString resolveGroup(QSettings &settings, const QString &group, int *piExisting)
{
    *piExisting = 0;
    if (group == QLatin1String("/"))
        return group;
    QStringList resolved;
    bool bExisting = true;
    for (const QString &part : group.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QString name = part;
        if (bExisting) {
            settings.beginGroup(resolved.join(QLatin1Char('/')));
            const QStringList children = settings.childGroups();
            settings.endGroup();
            const auto it
                    = std::find_if(children.begin(), children.end(), [&part](const QString &child) {
                          return child.compare(part, Qt::CaseInsensitive) == 0;
                      });
            bExisting = it != children.end();
            if (bExisting) {
                name = *it;
                ++*piExisting;
            }
        }
        resolved.append(name);
    }
    return resolved.join(QLatin1Char('/'));
}

// The value's name as the hive spells it; strName when it has no such value.
QString resolveValueName(QSettings &settings, const QString &group, const QString &strName)
{
    settings.beginGroup(group);
    const QStringList names = settings.childKeys();
    settings.endGroup();
    for (const QString &name : names)
        if (name.compare(strName, Qt::CaseInsensitive) == 0)
            return name;
    return strName;
}

// The key for a value; empty for the name that marks a key without values.
QString valueKey(QSettings &settings, const QString &group, const QString &strName)
{
    if (strName == hivefile::emptyKeyMarker())
        return QString();
    return group + QLatin1Char('/') + resolveValueName(settings, group, strName);
}

// Serialises the hive's writers across processes with a lock that the system drops when its
// owner ends, however it ends: a lock on the hive's folder. Every writer takes it before
// QSettings takes its own lock file, so under it a lock file or a temporary file of a save is
// an ended writer's, and goes at once; QSettings would wait for its lock file to age 30 s
// where it cannot tell its owner's end (a lock file still empty, an owner not yet reaped).
class HiveWriteLock
{
public:
    explicit HiveWriteLock(const QString &path)
        : m_fd(path.isEmpty()
                       ? -1
                       : ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        int iResult = -1;
        while (m_fd >= 0 && (iResult = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) { }
        if (iResult != 0)
            return;
        QFile::remove(path + QStringLiteral(".lock"));
        QFile::remove(path + QStringLiteral(".lock.rmlock"));
        removeInterruptedSaves(path);
    }
    ~HiveWriteLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    HiveWriteLock(const HiveWriteLock &) = delete;
    HiveWriteLock &operator=(const HiveWriteLock &) = delete;

private:
    int m_fd;
};

// Why a save of the hive at path failed, in the system's words where it gave them.
QString saveFailure(const QString &path)
{
    QString strReason = hivefile::lastWriteError();
    if (strReason.isEmpty())
        strReason = folderWriteProblem(QFileInfo(path).absolutePath());
    return strReason.isEmpty() ? QStringLiteral("the hive %1 could not be saved").arg(path)
                               : QStringLiteral("%1: %2").arg(path, strReason);
}

enum class Access { Read, Write };

// The hive, opened for one operation on a key, and the key's group as the hive spells it
// (*piExisting of its names exist). None without a stand-in machine, and for writes to a hive
// that cannot be written back: QSettings would keep a change that it cannot save and try it
// again at every later save.
std::unique_ptr<QSettings> openHive(const QStringList &key, Access access, QString *pGroup,
                                    int *piExisting = nullptr, QString *pstrError = nullptr)
{
    const QString path = hivePath();
    const auto refuse = [pstrError](const QString &strReason) {
        if (pstrError)
            *pstrError = strReason;
        return nullptr;
    };
    if (path.isEmpty())
        return refuse(QStringLiteral("the stand-in machine has no hive that can be read"));
    if (access == Access::Write && !hiveIsWritable(path))
        return refuse(QStringLiteral("the hive %1 is damaged, and is kept as it is").arg(path));
    std::unique_ptr<QSettings> settings(new QSettings(path, hiveFormat()));
    if (settings->status() != QSettings::NoError)
        return refuse(QStringLiteral("the hive %1 cannot be read").arg(path));
    int iExisting = 0;
    *pGroup = resolveGroup(*settings, settingsGroup(key), &iExisting);
    if (piExisting)
        *piExisting = iExisting;
    return settings;
}

bool groupHas(QSettings &settings, const QString &group, const QString &strName, bool bKey)
{
    if (group != QLatin1String("/"))
        settings.beginGroup(group);
    const QStringList names = bKey ? settings.childGroups() : settings.childKeys();
    if (group != QLatin1String("/"))
        settings.endGroup();
    return names.contains(strName, Qt::CaseInsensitive);
}

} // namespace

namespace registrystore {

QString readValue(const QStringList &key, const QString &strName)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Read, &group);
    const QString valueName = settings ? valueKey(*settings, group, strName) : QString();
    if (valueName.isEmpty())
        return QString();
    const QVariant value = settings->value(valueName);
    return value.canConvert<QString>() ? value.toString() : QString();
}

bool hasValue(const QStringList &key, const QString &strName)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Read, &group);
    return settings && groupHas(*settings, group, strName, false);
}

bool hasSubkey(const QStringList &key, const QString &strName)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Read, &group);
    return settings && groupHas(*settings, group, strName, true);
}

int existingDepth(const QStringList &key)
{
    QString group;
    int iExisting = 0;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Read, &group, &iExisting);
    return settings ? iExisting : 0;
}

bool writeValue(const QStringList &key, const QString &strName, const QString &strValue,
                QString *pstrError)
{
    const HiveWriteLock lock(hivePath());
    QString group;
    const std::unique_ptr<QSettings> settings
            = openHive(key, Access::Write, &group, nullptr, pstrError);
    const QString valueName = settings ? valueKey(*settings, group, strName) : QString();
    if (valueName.isEmpty())
        return false;
    settings->remove(group + QLatin1Char('/') + hivefile::emptyKeyMarker());
    settings->setValue(valueName, strValue);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    if (pstrError)
        *pstrError = saveFailure(hivePath());
    return false;
}

bool removeValue(const QStringList &key, const QString &strName)
{
    const HiveWriteLock lock(hivePath());
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Write, &group);
    const QString valueName = settings ? valueKey(*settings, group, strName) : QString();
    if (valueName.isEmpty())
        return false;
    if (!settings->contains(valueName))
        return true;
    settings->remove(valueName);
    // The key stays, even without values.
    settings->beginGroup(group);
    const bool bEmpty = settings->allKeys().isEmpty();
    settings->endGroup();
    if (bEmpty)
        settings->setValue(group + QLatin1Char('/') + hivefile::emptyKeyMarker(), QVariant());
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool removeKey(const QStringList &key)
{
    const HiveWriteLock lock(hivePath());
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(key, Access::Write, &group);
    if (!settings)
        return false;
    settings->remove(group);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace registrystore

void tidyRegistry()
{
    const QString path = hivePath();
    if (!path.isEmpty())
        HiveWriteLock lock(path);
}

struct RegistryKey::Handle
{
    QString key;
    QString group;
};

RegistryKey::RegistryKey() = default;
RegistryKey::RegistryKey(RegistryKey &&other) noexcept = default;
RegistryKey &RegistryKey::operator=(RegistryKey &&other) noexcept = default;
RegistryKey::~RegistryKey() = default;

RegistryKey RegistryKey::open(const QString &strKey)
{
    RegistryKey key;
    const QString path = hivePath();
    const std::optional<QStringList> names = registrystore::parseKeyPath(strKey);
    if (path.isEmpty() || !names)
        return key;
    const QString group = settingsGroup(*names);
    QSettings settings(path, hiveFormat());
    if (settings.status() != QSettings::NoError)
        return key;
    int iExisting = 0;
    const QString resolved = resolveGroup(settings, group, &iExisting);
    if (resolved != QLatin1String("/")) {
        settings.beginGroup(resolved);
        if (settings.allKeys().isEmpty())
            return key;
    }
    key.m_handle.reset(new Handle {strKey, resolved});
    return key;
}

bool RegistryKey::isOpen() const
{
    return bool(m_handle);
}

QString RegistryKey::path() const
{
    return m_handle ? m_handle->key : QString();
}

QStringList RegistryKey::subkeyNames() const
{
    if (!m_handle)
        return QStringList();
    QSettings settings(hivePath(), hiveFormat());
    if (settings.status() != QSettings::NoError)
        return QStringList();
    if (m_handle->group != QLatin1String("/"))
        settings.beginGroup(m_handle->group);
    return settings.childGroups();
}

} // namespace platform
