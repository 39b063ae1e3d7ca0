#include "platform/registry.h"

#include "platform/registrystore.h"
#include "platform/win32/registrykey.h"

#include <QSettings>

namespace platform {

namespace {

QString nativePath(const QStringList &key)
{
    return (QStringList(QStringLiteral("HKEY_LOCAL_MACHINE")) + key).join(QLatin1Char('\\'));
}

} // namespace

namespace registrystore {

QString readValue(const QStringList &key, const QString &strName)
{
    QSettings settings(nativePath(key), QSettings::NativeFormat);
    return settings.value(strName).toString();
}

bool hasValue(const QStringList &key, const QString &strName)
{
    QSettings settings(nativePath(key), QSettings::NativeFormat);
    return settings.childKeys().contains(strName, Qt::CaseInsensitive);
}

bool hasSubkey(const QStringList &key, const QString &strName)
{
    QSettings settings(nativePath(key), QSettings::NativeFormat);
    return settings.childGroups().contains(strName, Qt::CaseInsensitive);
}

int existingDepth(const QStringList &key)
{
    int iExisting = 0;
    while (iExisting < key.size() && hasSubkey(key.mid(0, iExisting), key.at(iExisting)))
        ++iExisting;
    return iExisting;
}

bool writeValue(const QStringList &key, const QString &strName, const QString &strValue,
                QString *pstrError)
{
    QSettings settings(nativePath(key), QSettings::NativeFormat);
    settings.setValue(strName, strValue);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // QSettings keeps the system's error code to itself.
    if (pstrError)
        *pstrError = QStringLiteral("%1\\%2 cannot be written: access is denied or the registry "
                                    "is full")
                             .arg(nativePath(key), strName);
    return false;
}

bool removeValue(const QStringList &key, const QString &strName)
{
    QSettings settings(nativePath(key), QSettings::NativeFormat);
    settings.remove(strName);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool removeKey(const QStringList &key)
{
    if (key.isEmpty())
        return false;
    QSettings parent(nativePath(key.mid(0, key.size() - 1)), QSettings::NativeFormat);
    parent.remove(key.last());
    parent.sync();
    return parent.status() == QSettings::NoError;
}

} // namespace registrystore

struct RegistryKey::Handle
{
    QString key;
    win32::RegistryKey nativeKey;
};

RegistryKey::RegistryKey() = default;
RegistryKey::RegistryKey(RegistryKey &&other) noexcept = default;
RegistryKey &RegistryKey::operator=(RegistryKey &&other) noexcept = default;
RegistryKey::~RegistryKey() = default;

RegistryKey RegistryKey::open(const QString &strKey)
{
    RegistryKey key;
    const std::optional<QStringList> names = registrystore::parseKeyPath(strKey);
    if (!names)
        return key;
    win32::RegistryKey nativeKey
            = win32::RegistryKey::openLocalMachine(names->join(QLatin1Char('\\')).toStdWString());
    if (!nativeKey.isOpen())
        return key;
    key.m_handle.reset(new Handle {strKey, std::move(nativeKey)});
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
    QStringList names;
    if (!m_handle)
        return names;
    for (const std::wstring &name : m_handle->nativeKey.subkeyNames())
        names.append(QString::fromStdWString(name));
    return names;
}

void tidyRegistry() { }

} // namespace platform
