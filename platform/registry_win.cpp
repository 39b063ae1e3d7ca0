#include "platform/registry.h"

#include "platform/win32/registrykey.h"

#include <QSettings>

namespace platform {

namespace {

// "HKLM\SOFTWARE\Zorva" -> "SOFTWARE\Zorva"; null for keys outside HKLM.
QString subkeyOf(const QString &strKey)
{
    for (const QLatin1String root : {QLatin1String("HKEY_LOCAL_MACHINE"), QLatin1String("HKLM")}) {
        if (strKey.compare(root, Qt::CaseInsensitive) == 0)
            return QStringLiteral("");
        if (strKey.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive))
            return strKey.mid(root.size() + 1);
    }
    return QString();
}

} // namespace

QString readRegistryString(const QString &strKey, const QString &strName)
{
    QSettings settings(strKey, QSettings::NativeFormat);
    return settings.value(strName).toString();
}

bool writeRegistryString(const QString &strKey, const QString &strName, const QString &strValue)
{
    QSettings settings(strKey, QSettings::NativeFormat);
    settings.setValue(strName, strValue);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool removeRegistryValue(const QString &strKey, const QString &strName)
{
    QSettings settings(strKey, QSettings::NativeFormat);
    settings.remove(strName);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool removeRegistryKey(const QString &strKey)
{
    const QString subkey = subkeyOf(strKey);
    const int iLeaf = strKey.lastIndexOf(QLatin1Char('\\'));
    if (subkey.isEmpty() || iLeaf < 0)
        return false;
    QSettings parent(strKey.left(iLeaf), QSettings::NativeFormat);
    parent.remove(strKey.mid(iLeaf + 1));
    parent.sync();
    return parent.status() == QSettings::NoError;
}

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
    const QString subkey = subkeyOf(strKey);
    if (subkey.isNull())
        return key;
    win32::RegistryKey nativeKey = win32::RegistryKey::openLocalMachine(subkey.toStdWString());
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

QStringList registrySubkeys(const QString &strKey)
{
    return RegistryKey::open(strKey).subkeyNames();
}

} // namespace platform
