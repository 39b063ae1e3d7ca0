#ifndef PLATFORM_REGISTRYSTORE_H
#define PLATFORM_REGISTRYSTORE_H

#include <QString>
#include <QStringList>

#include <optional>

// What each back end of the registry (registry_win.cpp, registry_portable.cpp) provides: it
// only reads and stores. registry.cpp parses the paths and applies every refusal before it
// calls a back end. A key is the list of its names below HKEY_LOCAL_MACHINE; the root is the
// empty list.
namespace platform::registrystore {

// Keys nest at most this deep below the root, as in the registry.
constexpr int c_iMaxKeyDepth = 512;

// "HKLM\SOFTWARE\Zorva" (or "HKEY_LOCAL_MACHINE\...", any case) -> {"SOFTWARE", "Zorva"}; empty
// names between separators are skipped. Nothing for a path outside HKEY_LOCAL_MACHINE.
std::optional<QStringList> parseKeyPath(const QString &strKey);

QString readValue(const QStringList &key, const QString &strName);
bool hasValue(const QStringList &key, const QString &strName);
bool hasSubkey(const QStringList &key, const QString &strName);
// How many of the key's leading names exist as keys.
int existingDepth(const QStringList &key);
// False, with the reason in *pstrError where given, when the value was not stored.
bool writeValue(const QStringList &key, const QString &strName, const QString &strValue,
                QString *pstrError);
bool removeValue(const QStringList &key, const QString &strName);
bool removeKey(const QStringList &key);

} // namespace platform::registrystore

#endif // PLATFORM_REGISTRYSTORE_H
