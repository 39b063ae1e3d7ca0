#ifndef PLATFORM_REGISTRY_H
#define PLATFORM_REGISTRY_H

#include <QString>
#include <QStringList>

#include <memory>

// Access to HKEY_LOCAL_MACHINE. Key paths begin with "HKLM\" and use backslashes, for
// example "HKLM\SOFTWARE\Zorva\Zorva_Chipset_IODrivers". All values are strings.
namespace platform {

// The string value `strName` of the key; empty when the key or the value is missing.
QString readRegistryString(const QString &strKey, const QString &strName);

// Stores a string value, creating the key as needed; false when nothing was written, with the
// reason in *pstrError where one is given. A failed write leaves the registry as it was.
bool writeRegistryString(const QString &strKey, const QString &strName, const QString &strValue,
                         QString *pstrError = nullptr);

// Deletes a value; false when it could not be deleted. A missing value counts as deleted.
bool removeRegistryValue(const QString &strKey, const QString &strName);

// Deletes a key with all its subkeys and values; a missing key counts as deleted.
bool removeRegistryKey(const QString &strKey);

// An open key (KEY_READ), closed when the object goes.
class RegistryKey
{
public:
    RegistryKey();
    RegistryKey(RegistryKey &&other) noexcept;
    RegistryKey &operator=(RegistryKey &&other) noexcept;
    ~RegistryKey();

    static RegistryKey open(const QString &strKey);

    bool isOpen() const;
    QString path() const;
    QStringList subkeyNames() const;

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};

// The names of the subkeys of a key; empty when the key cannot be opened.
QStringList registrySubkeys(const QString &strKey);

// Removes what writers that ended in the middle of a save left behind (on the stand-in
// machine the hive's lock file and temporary files); nothing to do on Windows.
void tidyRegistry();

} // namespace platform

#endif // PLATFORM_REGISTRY_H
