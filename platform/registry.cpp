// The registry's rules, the same for both back ends: which paths name a key of
// HKEY_LOCAL_MACHINE, and which writes are refused.
#include "platform/registry.h"

#include "platform/registrystore.h"

#include <QRegularExpression>

namespace platform {

namespace registrystore {

std::optional<QStringList> parseKeyPath(const QString &strKey)
{
    for (const QLatin1String root : {QLatin1String("HKEY_LOCAL_MACHINE"), QLatin1String("HKLM")}) {
        if (strKey.compare(root, Qt::CaseInsensitive) == 0)
            return QStringList();
        // Both back ends store keys through QSettings, which takes "/" as a separator too.
        if (strKey.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive))
            return strKey.mid(root.size() + 1)
                    .split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    }
    return std::nullopt;
}

} // namespace registrystore

namespace {

// A value's name: not empty (the default value is not used), and without "/", which the
// stores would take as a separator of keys.
bool isValueName(const QString &strName)
{
    return !strName.isEmpty() && !strName.contains(QLatin1Char('/'));
}

// The key of a write: below the root, no deeper than the registry allows, and not through a
// value (the first of its names that is no key yet must not be a value of its parent).
std::optional<QStringList> writableKey(const QString &strKey)
{
    const std::optional<QStringList> key = registrystore::parseKeyPath(strKey);
    if (!key || key->isEmpty() || key->size() > registrystore::c_iMaxKeyDepth)
        return std::nullopt;
    const int iExisting = registrystore::existingDepth(*key);
    if (iExisting < key->size()
        && registrystore::hasValue(key->mid(0, iExisting), key->at(iExisting)))
        return std::nullopt;
    return key;
}

} // namespace

QString readRegistryString(const QString &strKey, const QString &strName)
{
    const std::optional<QStringList> key = registrystore::parseKeyPath(strKey);
    if (!key || !isValueName(strName))
        return QString();
    return registrystore::readValue(*key, strName);
}

bool writeRegistryString(const QString &strKey, const QString &strName, const QString &strValue,
                         QString *pstrError)
{
    const std::optional<QStringList> key = writableKey(strKey);
    // A key and a value of one name cannot both be kept.
    if (!key || !isValueName(strName) || registrystore::hasSubkey(*key, strName)) {
        if (pstrError)
            *pstrError = QStringLiteral("%1\\%2 is not a value that can be written")
                                 .arg(strKey, strName);
        return false;
    }
    return registrystore::writeValue(*key, strName, strValue, pstrError);
}

bool removeRegistryValue(const QString &strKey, const QString &strName)
{
    const std::optional<QStringList> key = writableKey(strKey);
    if (!key || !isValueName(strName))
        return false;
    return registrystore::removeValue(*key, strName);
}

bool removeRegistryKey(const QString &strKey)
{
    const std::optional<QStringList> key = writableKey(strKey);
    return key && registrystore::removeKey(*key);
}

QStringList registrySubkeys(const QString &strKey)
{
    return RegistryKey::open(strKey).subkeyNames();
}

} // namespace platform
