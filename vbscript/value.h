#ifndef VBSCRIPT_VALUE_H
#define VBSCRIPT_VALUE_H

#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

namespace vbscript {

class HostObject;
using ObjectPtr = std::shared_ptr<HostObject>;

// A run-time error. The engine throws it internally; host objects and native functions raise
// it (raiseError or throw) to end the script's call with that error.
struct RuntimeError
{
    RuntimeError() = default;
    RuntimeError(qint32 iNumber, QString strDescription)
        : number(iNumber)
        , description(std::move(strDescription))
    { }

    qint32 number = 0;
    QString description;
};

[[noreturn]] void raiseError(qint32 iNumber, const QString &strDescription = QString());

// Error numbers of the language, as the script host reports them.
namespace errors {
constexpr qint32 InvalidProcedureCall = 5;
constexpr qint32 Overflow = 6;
constexpr qint32 OutOfMemory = 7;
constexpr qint32 SubscriptOutOfRange = 9;
constexpr qint32 ArrayFixedOrLocked = 10;
constexpr qint32 DivisionByZero = 11;
constexpr qint32 TypeMismatch = 13;
constexpr qint32 OutOfStringSpace = 14;
constexpr qint32 OutOfStackSpace = 28;
constexpr qint32 ObjectRequired = 424;
constexpr qint32 ObjectDoesNotSupport = 438;
constexpr qint32 WrongNumberOfArguments = 450;
constexpr qint32 NotACollection = 451;
constexpr qint32 InvalidUseOfNull = 94;
constexpr qint32 ObjectVariableNotSet = 91;
constexpr qint32 VariableUndefined = 500;
constexpr qint32 IllegalAssignment = 501;
constexpr qint32 CannotCreateObject = 429;
constexpr qint32 TypeNameUndefined = 13;
constexpr qint32 StepLimitExceeded = 65001; // the engine's endless-loop guard
} // namespace errors

// The numbers VarType answers.
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Double = 5,
    Date = 7,
    String = 8,
    Object = 9, // also Nothing
    Boolean = 11,
    Variant = 12,
    Byte = 17,
    Array = 8192 // added to Variant for the arrays the language makes
};

struct ArrayData;

// A Variant. Copying is cheap: strings and arrays are shared until written (arrays are values
// in the language, so a write to a shared copy detaches it); objects are shared references.
class Value
{
public:
    // The types from String on own a member that needs releasing (see ownsPayload).
    enum class Type : quint8 {
        Empty,
        Null,
        Boolean,
        Integer,
        Long,
        Double,
        Date,
        String,
        Array,
        Object
    };

    Value()
        : m_double(0)
    { }
    Value(bool b)
        : m_type(Type::Boolean)
    {
        m_double = 0;
        m_bool = b;
    }
    Value(int i); // Integer when it fits in 16 bits, else Long
    Value(qint64 i); // Long when it fits in 32 bits, else Double
    Value(double d)
        : m_type(Type::Double)
        , m_double(d)
    { }
    Value(const QString &str);
    Value(QString &&str);
    Value(const char *psz);
    Value(ObjectPtr object); // Nothing when null
    Value(const Value &other)
        : m_type(other.m_type)
    {
        if (other.ownsPayload())
            copyPayload(other);
        else
            m_double = other.m_double;
    }
    Value(Value &&other) noexcept
        : m_type(other.m_type)
    {
        if (other.ownsPayload())
            movePayload(other);
        else
            m_double = other.m_double;
        other.m_type = Type::Empty;
    }
    Value &operator=(const Value &other)
    {
        if (!ownsPayload() && !other.ownsPayload()) {
            m_type = other.m_type;
            m_double = other.m_double;
            return *this;
        }
        return assignSlow(other);
    }
    Value &operator=(Value &&other) noexcept
    {
        if (ownsPayload())
            return moveAssignSlow(other);
        const Type type = other.m_type; // other may be this value
        if (other.ownsPayload())
            movePayload(other);
        else
            m_double = other.m_double;
        other.m_type = Type::Empty;
        m_type = type;
        return *this;
    }
    ~Value()
    {
        if (ownsPayload())
            releasePayload();
    }

    static Value null() { return withInt(Type::Null, 0); }
    static Value nothing();
    static Value integer(qint16 i) { return withInt(Type::Integer, i); }
    static Value longValue(qint32 i) { return withInt(Type::Long, i); }
    // Days since 30 Dec 1899, fraction = time of day.
    static Value date(double dOleDate)
    {
        Value value(dOleDate);
        value.m_type = Type::Date;
        return value;
    }
    // A one-dimensional array with lower bound 0 holding the items.
    static Value array(const QVector<Value> &items);
    // An array with the given upper bounds (one per dimension, each >= -1), items Empty.
    static Value array(const QVector<int> &upperBounds);

    Type type() const { return m_type; }
    VarType varType() const;
    QString typeName() const;

    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNull() const { return m_type == Type::Null; }
    bool isObject() const { return m_type == Type::Object; }
    bool isNothing() const { return m_type == Type::Object && !m_object; }
    bool isArray() const { return m_type == Type::Array; }
    bool isString() const { return m_type == Type::String; }
    bool isNumeric() const; // Boolean, Integer, Long, Double, Date
    bool isNumberType() const
    {
        return m_type == Type::Integer || m_type == Type::Long || m_type == Type::Double;
    }

    // Stored contents without conversion (meaningful for the matching type only).
    bool rawBool() const { return m_bool; }
    qint32 rawInt() const { return m_int; }
    double rawDouble() const { return m_double; }
    // Appends to a String value (in its own buffer when it holds the only reference).
    void appendString(const QString &str);
    const QString &rawString() const { return m_type == Type::String ? m_string : noString(); }
    // Null for other types and Nothing.
    const ObjectPtr &object() const { return m_type == Type::Object ? m_object : noObject(); }

    // Conversions with the language's rules; they raise a RuntimeError (type mismatch,
    // invalid use of Null, overflow) where the language does. An object converts through its
    // default property.
    QString toString() const; // CStr
    double toDouble() const; // CDbl
    qint32 toLong() const // CLng (banker's rounding)
    {
        return m_type == Type::Integer || m_type == Type::Long ? m_int : convertedLong();
    }
    qint16 toInteger() const; // CInt
    bool toBool() const // CBool
    {
        return m_type == Type::Boolean ? m_bool : convertedBool();
    }
    // The numeric value of a Boolean, number, Date or numeric String; Empty is 0.
    Value toNumber() const;
    // Objects replaced by their default property value; other values unchanged.
    Value resolved() const;

    // Arrays
    int dimensions() const; // 0 when not an array
    int upperBound(int iDimension = 1) const; // -1 for an empty array
    int count() const; // number of elements
    const Value &at(int iFlatIndex) const;
    // The item at subscript i of a one-dimensional array; null when this is no such array or i
    // is out of its range.
    const Value *itemAt(qint32 i) const;
    Value &itemRef(int iFlatIndex); // detaches a shared array
    const QVector<Value> &items() const; // row-major (last subscript varies fastest)
    // Flat index of the subscripts, or -1 when one is out of range.
    int flatIndex(const QVector<int> &subscripts) const;
    int flatIndex(const int *pSubscripts, int iCount) const;
    // ReDim: new upper bounds; Preserve keeps the items (only the last dimension may change).
    void redim(const QVector<int> &upperBounds, bool bPreserve);

    // Host conversions: QString, bool, int, double, QDateTime, QStringList and QVariantList
    // map to the matching values; an invalid QVariant is Empty.
    static Value fromVariant(const QVariant &variant);
    QVariant toVariant() const;

private:
    // Strings, arrays and objects hold a member that needs constructing and releasing; the
    // other types are plain bits in the union.
    bool ownsPayload() const { return m_type >= Type::String; }
    static Value withInt(Type type, qint32 i)
    {
        Value value;
        value.m_type = type;
        value.m_int = i;
        return value;
    }
    qint32 convertedLong() const;
    bool convertedBool() const;
    void copyPayload(const Value &other); // constructs the member of other's type
    void movePayload(Value &other) noexcept; // the same, taking other's and releasing it there
    void releasePayload() noexcept;
    Value &assignSlow(const Value &other);
    Value &moveAssignSlow(Value &other) noexcept;
    void detachArray();
    static const QString &noString();
    static const ObjectPtr &noObject();

    Type m_type = Type::Empty;
    // Only the member of m_type is live; a string, array or object member is constructed
    // when the value takes that type and destroyed when it leaves it.
    union {
        bool m_bool;
        qint32 m_int;
        double m_double;
        QString m_string;
        ObjectPtr m_object;
        std::shared_ptr<ArrayData> m_array;
    };
};

// The items of an array. Their slots count towards heldValueBytes(): after changing the number
// of items, call countSlots().
struct ArrayData
{
    ArrayData() = default;
    ArrayData(const ArrayData &other);
    ArrayData &operator=(const ArrayData &) = delete;
    ~ArrayData();

    void countSlots();

    QVector<int> upperBounds;
    QVector<Value> items;

private:
    qint64 m_iSlotBytes = 0;
};

// Bytes held on this thread by the characters of string values (each value counts its own,
// as the language copies strings on assignment) and by the slots of arrays. The engine's
// memory budget is measured with it.
qint64 heldValueBytes();
// Where heldValueBytes() is counted on this thread, for a reader that checks it often.
const qint64 *heldValueBytesCounter();

// Formats a Double the way CStr does (up to 15 significant digits, "1E+20" style exponents).
QString formatDouble(double d);
// Formats an OLE date in the general date format ("12/8/2026 2:59:54 PM").
QString formatGeneralDate(double dOleDate);

} // namespace vbscript

#endif // VBSCRIPT_VALUE_H
