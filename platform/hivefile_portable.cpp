#include "platform/hivefile.h"

#include "platform/diskwrite.h"

#include <QBuffer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform::hivefile {

namespace {

void flatten(const QJsonObject &object, const QString &prefix, QSettings::SettingsMap &map)
{
    if (object.isEmpty() && !prefix.isEmpty()) {
        map.insert(prefix + emptyKeyMarker(), QVariant());
        return;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString name = prefix + it.key();
        if (it->isObject())
            flatten(it->toObject(), name + QLatin1Char('/'), map);
        else
            map.insert(name, it->toVariant());
    }
}

// One key of the hive being written: its subkeys by name (indexes into the key list) and its
// values.
struct Key
{
    QHash<QString, int> subkeys;
    QHash<QString, QJsonValue> values;
};

// The keys of the map, the root first and every key before its subkeys; false when a key and a
// value would share one name or keys nest too deep.
bool collectKeys(const QSettings::SettingsMap &map, std::vector<Key> &keys)
{
    keys.emplace_back();
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QStringList path = it.key().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (path.isEmpty() || path.size() - 1 > c_iMaxKeyDepth)
            return false;
        size_t iKey = 0;
        for (int i = 0; i + 1 < path.size(); ++i) {
            const QString &name = path.at(i);
            if (keys[iKey].values.contains(name))
                return false;
            const auto found = keys[iKey].subkeys.constFind(name);
            if (found != keys[iKey].subkeys.constEnd()) {
                iKey = size_t(*found);
                continue;
            }
            keys[iKey].subkeys.insert(name, int(keys.size()));
            iKey = keys.size();
            keys.emplace_back();
        }
        const QString &name = path.last();
        if (name == emptyKeyMarker())
            continue;
        if (keys[iKey].subkeys.contains(name))
            return false;
        keys[iKey].values.insert(name, QJsonValue::fromVariant(it.value()));
    }
    return true;
}

// Members in name order, so that each insertion appends.
template<typename T>
std::vector<std::pair<QString, T>> sortedMembers(const QHash<QString, T> &members)
{
    std::vector<std::pair<QString, T>> sorted(members.keyValueBegin(), members.keyValueEnd());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    return sorted;
}

// The root's object, built from the deepest keys up so that every object is built once.
QJsonObject toJson(const std::vector<Key> &keys)
{
    std::vector<QJsonObject> objects(keys.size());
    for (size_t i = keys.size(); i-- > 0;) {
        QJsonObject &object = objects[i];
        for (const auto &value : sortedMembers(keys[i].values))
            object.insert(value.first, value.second);
        for (const auto &subkey : sortedMembers(keys[i].subkeys)) {
            object.insert(subkey.first, objects[size_t(subkey.second)]);
            objects[size_t(subkey.second)] = QJsonObject();
        }
    }
    return objects.front();
}

// False when a number in the value lies beyond 2^53, where a double no longer holds every
// integer, so that the text written back would differ, or when two names of one key differ only
// in case, which the case-insensitive map merges.
QString &writeError()
{
    thread_local QString t_strError;
    return t_strError;
}

bool isExact(const QJsonValue &value)
{
    constexpr double c_dExactLimit = 9007199254740992.0; // 2^53
    if (value.isDouble())
        return std::abs(value.toDouble()) <= c_dExactLimit;
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::all_of(array.begin(), array.end(), isExact);
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QSet<QString> names;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString name = it.key().toCaseFolded();
            if (names.contains(name) || !isExact(*it))
                return false;
            names.insert(name);
        }
    }
    return true;
}

} // namespace

const QString &emptyKeyMarker()
{
    static const QString marker = QStringLiteral("\x01");
    return marker;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    if (device.size() > c_iMaxHiveSize)
        return false;
    const QByteArray data = device.readAll();
    if (data.trimmed().isEmpty())
        return true;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    flatten(document.object(), QString(), map);
    return true;
}

bool writesBackExactly(const QByteArray &data)
{
    if (data.trimmed().isEmpty())
        return true;
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!read(in, map) || !write(out, map))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(data);
    return isExact(document.object()) && QJsonDocument::fromJson(out.data()) == document;
}

bool canWrite(const QSettings::SettingsMap &map)
{
    std::vector<Key> keys;
    return collectKeys(map, keys);
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    writeError().clear();
    std::vector<Key> keys;
    if (!collectKeys(map, keys))
        return false;
    const QByteArray data = QJsonDocument(toJson(keys)).toJson(QJsonDocument::Indented);
    auto *pFile = qobject_cast<QFileDevice *>(&device);
    if (!pFile)
        return device.write(data) == data.size();
    if (writeWhole(*pFile, data))
        return true;
    writeError() = pFile->error() != QFileDevice::NoError
            ? pFile->errorString()
            : QStringLiteral("the new hive did not reach the disk whole");
    return false;
}

QString lastWriteError()
{
    return writeError();
}

} // namespace platform::hivefile
