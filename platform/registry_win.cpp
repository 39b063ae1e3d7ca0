#include "platform/registry.h"

#include <QSettings>

#include <windows.h>

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
    HKEY hKey = nullptr;
    ~Handle()
    {
        if (hKey)
            RegCloseKey(hKey);
    }
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
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, reinterpret_cast<LPCWSTR>(subkey.utf16()), 0, KEY_READ,
                      &hKey)
        != ERROR_SUCCESS)
        return key;
    key.m_handle.reset(new Handle);
    key.m_handle->key = strKey;
    key.m_handle->hKey = hKey;
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
    DWORD cSubKeys = 0;
    DWORD cbMaxSubKey = 0;
    if (RegQueryInfoKeyW(m_handle->hKey, nullptr, nullptr, nullptr, &cSubKeys, &cbMaxSubKey,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)
        != ERROR_SUCCESS)
        return names;
    std::wstring buffer(cbMaxSubKey + 1, L'\0');
    for (DWORD i = 0; i < cSubKeys; ++i) {
        DWORD cchName = DWORD(buffer.size());
        if (RegEnumKeyExW(m_handle->hKey, i, &buffer[0], &cchName, nullptr, nullptr, nullptr,
                          nullptr)
            == ERROR_SUCCESS)
            names.append(QString::fromWCharArray(buffer.data(), int(cchName)));
    }
    return names;
}

QStringList registrySubkeys(const QString &strKey)
{
    return RegistryKey::open(strKey).subkeyNames();
}

} // namespace platform
