#ifndef VBSCRIPT_HOSTOBJECT_H
#define VBSCRIPT_HOSTOBJECT_H

#include "vbscript/value.h"

#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <functional>
#include <memory>

namespace vbscript {

// The arguments of a call from the script. Arguments are passed by reference: where the
// caller passed a variable (or an array element), assign() writes the new value back into it
// when the call returns normally; for any other expression it only changes the local copy.
class Arguments
{
public:
    Arguments() = default;
    explicit Arguments(QVector<Value> values);

    int count() const { return m_slots.size(); }
    bool isEmpty() const { return m_slots.isEmpty(); }
    const Value &operator[](int i) const { return value(i); }
    const Value &value(int i) const
    {
        const Slot &slot = m_slots[i];
        return slot.pTarget ? *slot.pTarget : slot.value;
    }
    // Writes the argument back (an out argument).
    void assign(int i, const Value &value);
    // True when the caller passed something that can receive a value written back.
    bool isReference(int i) const { return m_slots[i].bReference; }

    // Raises "Wrong number of arguments" unless iMin <= count() <= iMax.
    void expectCount(int iMin, int iMax) const;
    void expectCount(int iCount) const { expectCount(iCount, iCount); }

    // Engine side: room for the arguments about to be appended; a by-value argument, or one
    // bound to a variable's storage.
    void reserve(int iCount) { m_slots.reserve(iCount); }
    void append(const Value &value);
    void append(Value &&value);
    void appendReference(Value *pTarget);
    // A copied argument that is written back by the engine after the call (array elements).
    void appendCopyBack(const Value &value);

private:
    struct Slot
    {
        Value *pTarget = nullptr;
        Value value;
        bool bReference = false;
    };
    QVarLengthArray<Slot, 4> m_slots; // the usual few arguments need no allocation
};

// Walks a collection for For Each.
class Enumerator
{
public:
    virtual ~Enumerator() = default;
    // The next item, false at the end.
    virtual bool next(Value &item) = 0;
};

// An enumerator over a fixed list of values.
class ListEnumerator : public Enumerator
{
public:
    explicit ListEnumerator(QVector<Value> items)
        : m_items(std::move(items))
    { }
    bool next(Value &item) override;

private:
    QVector<Value> m_items;
    int m_iNext = 0;
};

// An object supplied by the host (WMI services, registry provider, file system, XML DOM...).
//
// Member names come as the script wrote them; compare them ignoring case (nameIs()).
// The empty name is the default member: obj(1) and a conversion of obj to a plain value call
// getProperty("", ...). Raise a run-time error with raiseError() or by throwing RuntimeError.
//
// How the script reaches the members:
//   x = obj.Name, x = obj.Name(a, b)  -> getProperty (default: callMethod)
//   obj.Name a, b / Call obj.Name(a)  -> callMethod (default: "Object doesn't support ...")
//   obj.Name = v, Set obj.Name = v    -> putProperty (default: "Object doesn't support ...")
//   For Each x In obj                 -> enumerate (default: "Object not a collection")
class HostObject : public std::enable_shared_from_this<HostObject>
{
public:
    virtual ~HostObject();

    // TypeName() of the object.
    virtual QString typeName() const;

    virtual Value getProperty(const QString &strName, Arguments &args);
    virtual void putProperty(const QString &strName, Arguments &args, const Value &value);
    virtual Value callMethod(const QString &strName, Arguments &args);
    virtual std::unique_ptr<Enumerator> enumerate();

    // Case-insensitive comparison of a member name.
    static bool nameIs(const QString &strName, QLatin1String member)
    {
        if (strName.size() != member.size())
            return false;
        for (int i = 0; i < member.size(); ++i) {
            const ushort c = strName.at(i).unicode();
            const ushort m = uchar(member.at(i).toLatin1());
            if (c == m)
                continue;
            if (c >= 0x80 || m >= 0x80) // Unicode case folding decides
                return strName.compare(member, Qt::CaseInsensitive) == 0;
            const ushort lower = c | 0x20;
            if (lower != (m | 0x20) || lower < 'a' || lower > 'z')
                return false;
        }
        return true;
    }

    // Raises "Object doesn't support this property or method: <name>".
    [[noreturn]] static void unsupported(const QString &strName);

    // For a member without parameters that the script reads with arguments, as in
    // node.childNodes(0): the value itself without arguments, else the value's default
    // member called with them.
    static Value applyArguments(const Value &value, Arguments &args);
};

// A function of the global namespace supplied by the host, such as CreateObject or GetObject.
using NativeFunction = std::function<Value(Arguments &args)>;

} // namespace vbscript

#endif // VBSCRIPT_HOSTOBJECT_H
