// The stand-in machine's HKEY_LOCAL_MACHINE: a JSON hive, objects for keys and strings for
// values, at %SystemDrive%/Windows/System32/config/HKLM.json. QSettings brings the file lock
// and the atomic save; the format is case-insensitive, as the registry is.
#include "platform/registry.h"

#include "platform/hivefile.h"
#include "platform/localfile.h"
#include "platform/machine.h"

#include <QFile>
#include <QSettings>

#include <algorithm>

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

// "HKLM\SOFTWARE\Zorva" -> "SOFTWARE/Zorva"; empty for keys outside HKLM.
QString settingsGroup(const QString &strKey)
{
    QString key = strKey;
    for (const QLatin1String root : {QLatin1String("HKEY_LOCAL_MACHINE"), QLatin1String("HKLM")}) {
        if (key.compare(root, Qt::CaseInsensitive) == 0)
            return QStringLiteral("/");
        if (key.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive)) {
            key = key.mid(root.size() + 1);
            QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
            return parts.join(QLatin1Char('/'));
        }
    }
    return QString();
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

// True when the first part of the group that is not a key yet is a value of its parent: the
// key could not be made.
bool groupCrossesValue(QSettings &settings, const QString &group, int iExisting)
{
    const QStringList parts = group.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (iExisting >= parts.size())
        return false;
    settings.beginGroup(parts.mid(0, iExisting).join(QLatin1Char('/')));
    const bool bCrosses = settings.childKeys().contains(parts.at(iExisting), Qt::CaseInsensitive);
    settings.endGroup();
    return bCrosses;
}

// The key for a value; empty when the name cannot be a value's.
QString valueKey(QSettings &settings, const QString &group, const QString &strName)
{
    if (strName.isEmpty() || strName.contains(QLatin1Char('/'))
        || strName == hivefile::emptyKeyMarker())
        return QString();
    return group + QLatin1Char('/') + resolveValueName(settings, group, strName);
}

bool hasSubkey(QSettings &settings, const QString &group, const QString &strName)
{
    settings.beginGroup(group);
    const bool bHas = settings.childGroups().contains(strName, Qt::CaseInsensitive);
    settings.endGroup();
    return bHas;
}

enum class Access { Read, Write };

// The hive, opened for one operation on a key, and the key's group as the hive spells it. None
// without a stand-in machine, for keys outside HKLM, and for writes to the root, to keys nested
// deeper than the registry allows, through a value or to a hive that cannot be written back:
// QSettings would keep a change that it cannot save and try it again at every later save.
std::unique_ptr<QSettings> openHive(const QString &strKey, Access access, QString *pGroup)
{
    const QString path = hivePath();
    const QString group = settingsGroup(strKey);
    if (path.isEmpty() || group.isEmpty())
        return nullptr;
    if (access == Access::Write
        && (group == QLatin1String("/") || group.count(QLatin1Char('/')) >= hivefile::c_iMaxKeyDepth
            || !hiveIsWritable(path)))
        return nullptr;
    std::unique_ptr<QSettings> settings(new QSettings(path, hiveFormat()));
    if (settings->status() != QSettings::NoError)
        return nullptr;
    int iExisting = 0;
    *pGroup = resolveGroup(*settings, group, &iExisting);
    if (access == Access::Write && groupCrossesValue(*settings, *pGroup, iExisting))
        return nullptr;
    return settings;
}

} // namespace

QString readRegistryString(const QString &strKey, const QString &strName)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(strKey, Access::Read, &group);
    const QString key = settings ? valueKey(*settings, group, strName) : QString();
    if (key.isEmpty())
        return QString();
    const QVariant value = settings->value(key);
    return value.canConvert<QString>() ? value.toString() : QString();
}

bool writeRegistryString(const QString &strKey, const QString &strName, const QString &strValue)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(strKey, Access::Write, &group);
    const QString key = settings ? valueKey(*settings, group, strName) : QString();
    // A key and a value of one name cannot both live in the hive.
    if (key.isEmpty() || hasSubkey(*settings, group, strName))
        return false;
    settings->remove(group + QLatin1Char('/') + hivefile::emptyKeyMarker());
    settings->setValue(key, strValue);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool removeRegistryValue(const QString &strKey, const QString &strName)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(strKey, Access::Write, &group);
    const QString key = settings ? valueKey(*settings, group, strName) : QString();
    if (key.isEmpty())
        return false;
    if (!settings->contains(key))
        return true;
    settings->remove(key);
    // The key stays, even without values.
    settings->beginGroup(group);
    const bool bEmpty = settings->allKeys().isEmpty();
    settings->endGroup();
    if (bEmpty)
        settings->setValue(group + QLatin1Char('/') + hivefile::emptyKeyMarker(), QVariant());
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool removeRegistryKey(const QString &strKey)
{
    QString group;
    const std::unique_ptr<QSettings> settings = openHive(strKey, Access::Write, &group);
    if (!settings)
        return false;
    settings->remove(group);
    settings->sync();
    return settings->status() == QSettings::NoError;
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
    const QString group = settingsGroup(strKey);
    if (path.isEmpty() || group.isEmpty())
        return key;
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

QStringList registrySubkeys(const QString &strKey)
{
    return RegistryKey::open(strKey).subkeyNames();
}

} // namespace platform
