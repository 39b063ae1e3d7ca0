#include "vbscript/hostobject.h"

namespace vbscript {

Arguments::Arguments(QVector<Value> values)
{
    m_slots.reserve(values.size());
    for (Value &value : values)
        append(std::move(value));
}

void Arguments::assign(int i, const Value &value)
{
    Slot &slot = m_slots[i];
    if (slot.pTarget)
        *slot.pTarget = value;
    else
        slot.value = value;
}

void Arguments::expectCount(int iMin, int iMax) const
{
    if (count() < iMin || count() > iMax)
        raiseError(errors::WrongNumberOfArguments,
                   QStringLiteral("Wrong number of arguments or invalid property assignment"));
}

void Arguments::append(const Value &value)
{
    Slot slot;
    slot.value = value;
    m_slots.append(std::move(slot));
}

void Arguments::append(Value &&value)
{
    Slot slot;
    slot.value = std::move(value);
    m_slots.append(std::move(slot));
}

void Arguments::appendReference(Value *pTarget)
{
    Slot slot;
    slot.pTarget = pTarget;
    slot.bReference = true;
    m_slots.append(std::move(slot));
}

void Arguments::appendCopyBack(const Value &value)
{
    Slot slot;
    slot.value = value;
    slot.bReference = true;
    m_slots.append(std::move(slot));
}

bool ListEnumerator::next(Value &item)
{
    if (m_iNext >= m_items.size())
        return false;
    item = m_items[m_iNext++];
    return true;
}

HostObject::~HostObject() = default;

QString HostObject::typeName() const
{
    return QStringLiteral("Object");
}

Value HostObject::getProperty(const QString &strName, Arguments &args)
{
    return callMethod(strName, args);
}

void HostObject::putProperty(const QString &strName, Arguments &args, const Value &value)
{
    Q_UNUSED(args);
    Q_UNUSED(value);
    unsupported(strName);
}

Value HostObject::callMethod(const QString &strName, Arguments &args)
{
    Q_UNUSED(args);
    unsupported(strName);
}

std::unique_ptr<Enumerator> HostObject::enumerate()
{
    raiseError(errors::NotACollection, QStringLiteral("Object not a collection"));
}

void HostObject::unsupported(const QString &strName)
{
    QString strDescription = QStringLiteral("Object doesn't support this property or method");
    if (!strName.isEmpty())
        strDescription += QStringLiteral(": '") + strName + QLatin1Char('\'');
    raiseError(errors::ObjectDoesNotSupport, strDescription);
}

Value HostObject::applyArguments(const Value &value, Arguments &args)
{
    if (args.isEmpty())
        return value;
    if (!value.isObject() || !value.object())
        raiseError(errors::WrongNumberOfArguments,
                   QStringLiteral("Wrong number of arguments or invalid property assignment"));
    ObjectPtr object = value.object();
    return object->getProperty(QString(), args);
}

} // namespace vbscript
