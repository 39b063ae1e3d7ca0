#include "platform/scripthost/wmi.h"

#include "platform/scripthost/registryprovider.h"
#include "platform/scripthost/wmiclasses.h"
#include "vbscript/hostobject.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace vbscript::hosts {

namespace {

// WMI's error codes as the script sees them (HRESULTs as signed numbers).
constexpr qint32 c_iNotFound = qint32(0x80041002);
constexpr qint32 c_iInvalidNamespace = qint32(0x8004100E);
constexpr qint32 c_iInvalidClass = qint32(0x80041010);
constexpr qint32 c_iInvalidQuery = qint32(0x80041017);
constexpr qint32 c_iRemoteServerMissing = 462;

Value toValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return Value(value.toBool());
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (d == double(qint32(d)))
            return Value::longValue(qint32(d));
        return Value(d);
    }
    case QJsonValue::String:
        return Value(value.toString());
    case QJsonValue::Array:
        return Value::fromVariant(value.toArray().toVariantList());
    default:
        return Value::null();
    }
}

// One instance; a property the data does not give reads as Null.
class WmiInstance : public HostObject
{
public:
    WmiInstance(QString strClass, const QJsonObject &properties)
        : m_strClass(std::move(strClass))
    {
        for (auto it = properties.begin(); it != properties.end(); ++it)
            m_properties.append({it.key(), toValue(it.value())});
    }

    QString typeName() const override { return QStringLiteral("SWbemObjectEx"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        args.expectCount(0);
        if (nameIs(strName, QLatin1String("CreationClassName")))
            return Value(m_strClass);
        for (const auto &property : m_properties)
            if (property.first.size() == strName.size()
                && property.first.compare(strName, Qt::CaseInsensitive) == 0)
                return property.second;
        if (strName.isEmpty())
            unsupported(strName);
        return Value::null();
    }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        return getProperty(strName, args);
    }

private:
    QString m_strClass;
    QVector<QPair<QString, Value>> m_properties;
};

class WmiObjectSet : public HostObject
{
public:
    WmiObjectSet(const QString &strClass, const QVector<QJsonObject> &instances)
    {
        m_items.reserve(instances.size());
        for (const QJsonObject &instance : instances)
            m_items.append(Value(ObjectPtr(std::make_shared<WmiInstance>(strClass, instance))));
    }

    QString typeName() const override { return QStringLiteral("SWbemObjectSet"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("Count"))) {
            args.expectCount(0);
            return Value(m_items.size());
        }
        if (nameIs(strName, QLatin1String("ItemIndex"))) {
            args.expectCount(1);
            const qint32 i = args[0].toLong();
            if (i < 0 || i >= m_items.size())
                raiseError(c_iNotFound, QStringLiteral("Not found"));
            return m_items.at(i);
        }
        unsupported(strName);
    }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        return getProperty(strName, args);
    }

    std::unique_ptr<Enumerator> enumerate() override
    {
        return std::make_unique<ListEnumerator>(m_items);
    }

private:
    QVector<Value> m_items;
};

Value objectSet(const QString &strClass)
{
    QVector<QJsonObject> instances;
    if (!wmiInstances(strClass, instances))
        raiseError(c_iInvalidClass, QStringLiteral("Invalid class"));
    return Value(ObjectPtr(std::make_shared<WmiObjectSet>(strClass, instances)));
}

// SWbemServices of a namespace.
class WmiServices : public HostObject
{
public:
    explicit WmiServices(bool bCimv2)
        : m_bCimv2(bCimv2)
    { }

    QString typeName() const override { return QStringLiteral("SWbemServicesEx"); }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("InstancesOf"))) {
            args.expectCount(1, 3);
            return instancesOf(args[0].toString());
        }
        if (nameIs(strName, QLatin1String("ExecQuery"))) {
            args.expectCount(1, 4);
            // Only the queries the detection needs: "Select * from <class>".
            static const QRegularExpression query(
                    QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)\\s*$"),
                    QRegularExpression::CaseInsensitiveOption);
            const QRegularExpressionMatch match = query.match(args[0].toString());
            if (!match.hasMatch())
                raiseError(c_iInvalidQuery, QStringLiteral("Invalid query"));
            return instancesOf(match.captured(1));
        }
        if (nameIs(strName, QLatin1String("Get"))) {
            args.expectCount(1, 3);
            if (!m_bCimv2
                && args[0].toString().compare(QLatin1String("StdRegProv"), Qt::CaseInsensitive)
                        == 0)
                return registryProvider();
            raiseError(c_iNotFound, QStringLiteral("Not found"));
        }
        unsupported(strName);
    }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        return callMethod(strName, args);
    }

private:
    Value instancesOf(const QString &strClass) const
    {
        if (!m_bCimv2)
            raiseError(c_iInvalidClass, QStringLiteral("Invalid class"));
        return objectSet(strClass);
    }

    bool m_bCimv2;
};

} // namespace

bool isWmiMoniker(const QString &strMoniker)
{
    return strMoniker.trimmed().startsWith(QLatin1String("winmgmts:"), Qt::CaseInsensitive);
}

Value wmiObject(const QString &strMoniker)
{
    // winmgmts:[{security settings}[!]][\\server][\namespace][:class]
    static const QRegularExpression moniker(
            QStringLiteral("^winmgmts:(?:\\{[^}]*\\}!?)?(?:[\\\\/]{2}([^\\\\/]+))?"
                           "((?:[\\\\/][^\\\\/:]+)*)(?::(\\w+))?$"),
            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = moniker.match(strMoniker.trimmed());
    if (!match.hasMatch())
        raiseError(c_iInvalidNamespace, QStringLiteral("Invalid namespace"));

    const QString server = match.captured(1);
    if (!server.isEmpty() && server != QLatin1String(".")
        && server.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        raiseError(c_iRemoteServerMissing,
                   QStringLiteral("The remote server machine does not exist or is unavailable"));

    QString space = match.captured(2);
    space.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (space.startsWith(QLatin1Char('\\')))
        space = space.mid(1);
    if (space.isEmpty())
        space = QStringLiteral("root\\cimv2");
    const bool bCimv2 = space.compare(QLatin1String("root\\cimv2"), Qt::CaseInsensitive) == 0;
    const bool bDefault = space.compare(QLatin1String("root\\default"), Qt::CaseInsensitive) == 0;
    if (!bCimv2 && !bDefault)
        raiseError(c_iInvalidNamespace, QStringLiteral("Invalid namespace"));

    const QString className = match.captured(3);
    if (className.isEmpty())
        return Value(ObjectPtr(std::make_shared<WmiServices>(bCimv2)));
    if (bDefault && className.compare(QLatin1String("StdRegProv"), Qt::CaseInsensitive) == 0)
        return registryProvider();
    raiseError(c_iNotFound, QStringLiteral("Not found"));
}

} // namespace vbscript::hosts
