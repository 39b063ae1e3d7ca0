#include "vbscript/value.h"

#include "vbscript/hostobject.h"
#include "vbscript/numbertext.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>
#include <limits>

namespace vbscript {

namespace {

thread_local qint64 t_iHeldBytes = 0;

inline qint64 stringBytes(const QString &str)
{
    return qint64(str.size()) * qint64(sizeof(QChar));
}

} // namespace

qint64 heldValueBytes()
{
    return t_iHeldBytes;
}

const qint64 *heldValueBytesCounter()
{
    return &t_iHeldBytes;
}

ArrayData::ArrayData(const ArrayData &other)
    : upperBounds(other.upperBounds)
    , items(other.items)
{
    countSlots();
}

ArrayData::~ArrayData()
{
    t_iHeldBytes -= m_iSlotBytes;
}

void ArrayData::countSlots()
{
    const qint64 iSlotBytes = qint64(items.size()) * qint64(sizeof(Value));
    t_iHeldBytes += iSlotBytes - m_iSlotBytes;
    m_iSlotBytes = iSlotBytes;
}

void raiseError(qint32 iNumber, const QString &strDescription)
{
    throw RuntimeError(iNumber, strDescription);
}

Value::Value(int i)
{
    if (i >= -32768 && i <= 32767)
        m_type = Type::Integer;
    else
        m_type = Type::Long;
    m_int = i;
}

Value::Value(qint64 i)
{
    if (i >= std::numeric_limits<qint32>::min() && i <= std::numeric_limits<qint32>::max()) {
        m_type = (i >= -32768 && i <= 32767) ? Type::Integer : Type::Long;
        m_int = qint32(i);
    } else {
        m_type = Type::Double;
        m_double = double(i);
    }
}

Value::Value(const QString &str)
    : m_type(Type::String)
    , m_string(str)
{
    t_iHeldBytes += stringBytes(m_string);
}

Value::Value(QString &&str)
    : m_type(Type::String)
    , m_string(std::move(str))
{
    t_iHeldBytes += stringBytes(m_string);
}

Value::Value(const char *psz)
    : m_type(Type::String)
    , m_string(QString::fromUtf8(psz))
{
    t_iHeldBytes += stringBytes(m_string);
}

Value::Value(ObjectPtr object)
    : m_type(Type::Object)
    , m_object(std::move(object))
{ }

void Value::copyPayload(const Value &other)
{
    switch (other.m_type) {
    case Type::String:
        new (&m_string) QString(other.m_string);
        t_iHeldBytes += stringBytes(m_string);
        break;
    case Type::Array:
        new (&m_array) std::shared_ptr<ArrayData>(other.m_array);
        break;
    default:
        new (&m_object) ObjectPtr(other.m_object);
        break;
    }
}

// What the string counts in heldValueBytes() moves with it.
void Value::movePayload(Value &other) noexcept
{
    switch (other.m_type) {
    case Type::String:
        new (&m_string) QString(std::move(other.m_string));
        other.m_string.~QString();
        break;
    case Type::Array:
        new (&m_array) std::shared_ptr<ArrayData>(std::move(other.m_array));
        other.m_array.~shared_ptr();
        break;
    default:
        new (&m_object) ObjectPtr(std::move(other.m_object));
        other.m_object.~ObjectPtr();
        break;
    }
}

void Value::releasePayload() noexcept
{
    switch (m_type) {
    case Type::String:
        t_iHeldBytes -= stringBytes(m_string);
        m_string.~QString();
        break;
    case Type::Array:
        m_array.~shared_ptr();
        break;
    default:
        m_object.~ObjectPtr();
        break;
    }
}

Value &Value::assignSlow(const Value &other)
{
    if (this == &other)
        return *this;
    if (m_type == other.m_type) {
        switch (m_type) {
        case Type::String:
            t_iHeldBytes += stringBytes(other.m_string) - stringBytes(m_string);
            m_string = other.m_string;
            return *this;
        case Type::Array:
            m_array = other.m_array;
            return *this;
        default:
            m_object = other.m_object;
            return *this;
        }
    }
    Value copy(other); // other may live inside this value (an array item)
    return moveAssignSlow(copy);
}

Value &Value::moveAssignSlow(Value &other) noexcept
{
    if (this == &other)
        return *this;
    Value keep(std::move(*this)); // released last: other may live inside it
    return *this = std::move(other);
}

void Value::appendString(const QString &str)
{
    Q_ASSERT(m_type == Type::String);
    t_iHeldBytes += stringBytes(str);
    m_string.append(str);
}

const QString &Value::noString()
{
    static const QString none;
    return none;
}

const ObjectPtr &Value::noObject()
{
    static const ObjectPtr none;
    return none;
}

Value Value::nothing()
{
    return Value(ObjectPtr());
}

Value Value::array(const QVector<Value> &items)
{
    Value value;
    value.m_type = Type::Array;
    new (&value.m_array) std::shared_ptr<ArrayData>(std::make_shared<ArrayData>());
    value.m_array->upperBounds = {items.size() - 1};
    value.m_array->items = items;
    value.m_array->countSlots();
    return value;
}

Value Value::array(const QVector<int> &upperBounds)
{
    Value value;
    value.m_type = Type::Array;
    new (&value.m_array) std::shared_ptr<ArrayData>(std::make_shared<ArrayData>());
    value.m_array->upperBounds = upperBounds;
    qint64 iCount = upperBounds.isEmpty() ? 0 : 1;
    for (int iBound : upperBounds)
        iCount *= qMax(0, iBound + 1);
    value.m_array->items.resize(int(qMin<qint64>(iCount, std::numeric_limits<int>::max())));
    value.m_array->countSlots();
    return value;
}

VarType Value::varType() const
{
    switch (m_type) {
    case Type::Empty:
        return VarType::Empty;
    case Type::Null:
        return VarType::Null;
    case Type::Boolean:
        return VarType::Boolean;
    case Type::Integer:
        return VarType::Integer;
    case Type::Long:
        return VarType::Long;
    case Type::Double:
        return VarType::Double;
    case Type::Date:
        return VarType::Date;
    case Type::String:
        return VarType::String;
    case Type::Array:
        return VarType(int(VarType::Array) + int(VarType::Variant));
    case Type::Object:
        return VarType::Object;
    }
    return VarType::Empty;
}

QString Value::typeName() const
{
    switch (m_type) {
    case Type::Empty:
        return QStringLiteral("Empty");
    case Type::Null:
        return QStringLiteral("Null");
    case Type::Boolean:
        return QStringLiteral("Boolean");
    case Type::Integer:
        return QStringLiteral("Integer");
    case Type::Long:
        return QStringLiteral("Long");
    case Type::Double:
        return QStringLiteral("Double");
    case Type::Date:
        return QStringLiteral("Date");
    case Type::String:
        return QStringLiteral("String");
    case Type::Array:
        return QStringLiteral("Variant()");
    case Type::Object:
        return m_object ? m_object->typeName() : QStringLiteral("Nothing");
    }
    return QString();
}

bool Value::isNumeric() const
{
    switch (m_type) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Double:
    case Type::Date:
        return true;
    default:
        return false;
    }
}

Value Value::resolved() const
{
    if (m_type != Type::Object)
        return *this;
    Value value = *this;
    for (int iDepth = 0; value.m_type == Type::Object; ++iDepth) {
        if (!value.m_object)
            raiseError(errors::ObjectVariableNotSet, QStringLiteral("Object variable not set"));
        if (iDepth > 8)
            raiseError(errors::ObjectDoesNotSupport,
                       QStringLiteral("Object doesn't support this property or method"));
        Arguments args;
        ObjectPtr object = value.m_object;
        value = object->getProperty(QString(), args);
    }
    return value;
}

namespace {
// A numeric string's value; a type mismatch or overflow where the language raises one.
double stringToDouble(const QString &str)
{
    double d = 0;
    switch (parseNumber(str, d)) {
    case NumberText::Number:
        break;
    case NumberText::NotANumber:
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    case NumberText::Overflow:
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    }
    return d;
}
} // namespace

QString Value::toString() const
{
    switch (m_type) {
    case Type::Empty:
        return QString();
    case Type::Null:
        raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    case Type::Boolean:
        return m_bool ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
    case Type::Long:
        return QString::number(m_int);
    case Type::Double:
        return formatDouble(m_double);
    case Type::Date:
        return formatGeneralDate(m_double);
    case Type::String:
        return m_string;
    case Type::Array:
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    case Type::Object:
        return resolved().toString();
    }
    return QString();
}

Value Value::toNumber() const
{
    switch (m_type) {
    case Type::Empty:
        return integer(0);
    case Type::Null:
        raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    case Type::Boolean:
        return integer(m_bool ? -1 : 0);
    case Type::Integer:
    case Type::Long:
    case Type::Double:
        return *this;
    case Type::Date:
        return Value(m_double);
    case Type::String:
        return Value(stringToDouble(m_string));
    case Type::Array:
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    case Type::Object:
        return resolved().toNumber();
    }
    return integer(0);
}

double Value::toDouble() const
{
    Value number = toNumber();
    if (number.m_type == Type::Double)
        return number.m_double;
    return number.m_int;
}

namespace {
// Round half to even, as the language's integer conversions do.
double roundBanker(double d)
{
    double dFloor = std::floor(d);
    double dDiff = d - dFloor;
    if (dDiff > 0.5)
        return dFloor + 1;
    if (dDiff < 0.5)
        return dFloor;
    return std::fmod(dFloor, 2.0) == 0 ? dFloor : dFloor + 1;
}
} // namespace

qint32 Value::convertedLong() const
{
    Value number = toNumber();
    if (number.m_type != Type::Double)
        return number.m_int;
    double d = number.m_double;
    if (std::isnan(d))
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    d = roundBanker(d);
    if (d < -2147483648.0 || d > 2147483647.0)
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    return qint32(d);
}

qint16 Value::toInteger() const
{
    qint32 i = 0;
    Value number = toNumber();
    if (number.m_type != Type::Double) {
        i = number.m_int;
    } else {
        double d = number.m_double;
        if (std::isnan(d))
            raiseError(errors::Overflow, QStringLiteral("Overflow"));
        d = roundBanker(d);
        if (d < -32768.0 || d > 32767.0)
            raiseError(errors::Overflow, QStringLiteral("Overflow"));
        i = qint32(d);
    }
    if (i < -32768 || i > 32767)
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    return qint16(i);
}

bool Value::convertedBool() const
{
    switch (m_type) {
    case Type::Empty:
        return false;
    case Type::Null:
        raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    case Type::Boolean:
        return m_bool;
    case Type::Integer:
    case Type::Long:
        return m_int != 0;
    case Type::Double:
    case Type::Date:
        return m_double != 0;
    case Type::String: {
        QString strTrimmed = m_string.trimmed();
        if (strTrimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (strTrimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        return stringToDouble(m_string) != 0;
    }
    case Type::Array:
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    case Type::Object:
        return resolved().toBool();
    }
    return false;
}

int Value::dimensions() const
{
    return m_type == Type::Array ? m_array->upperBounds.size() : 0;
}

int Value::upperBound(int iDimension) const
{
    if (m_type != Type::Array || iDimension < 1 || iDimension > m_array->upperBounds.size())
        raiseError(errors::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return m_array->upperBounds[iDimension - 1];
}

int Value::count() const
{
    return m_type == Type::Array ? m_array->items.size() : 0;
}

const Value &Value::at(int iFlatIndex) const
{
    return m_array->items[iFlatIndex];
}

const Value *Value::itemAt(qint32 i) const
{
    if (m_type != Type::Array || m_array->upperBounds.size() != 1 || i < 0
        || i > m_array->upperBounds.first())
        return nullptr;
    return &m_array->items[i];
}

Value &Value::itemRef(int iFlatIndex)
{
    detachArray();
    return m_array->items[iFlatIndex];
}

const QVector<Value> &Value::items() const
{
    static const QVector<Value> none;
    return m_type == Type::Array ? m_array->items : none;
}

int Value::flatIndex(const QVector<int> &subscripts) const
{
    return flatIndex(subscripts.constData(), subscripts.size());
}

int Value::flatIndex(const int *pSubscripts, int iCount) const
{
    if (m_type != Type::Array || iCount != m_array->upperBounds.size())
        return -1;
    qint64 iIndex = 0;
    for (int i = 0; i < iCount; ++i) {
        int iBound = m_array->upperBounds[i];
        if (pSubscripts[i] < 0 || pSubscripts[i] > iBound)
            return -1;
        iIndex = iIndex * (iBound + 1) + pSubscripts[i];
    }
    return int(iIndex);
}

void Value::detachArray()
{
    if (m_type == Type::Array && m_array && m_array.use_count() > 1)
        m_array = std::make_shared<ArrayData>(*m_array);
}

void Value::redim(const QVector<int> &upperBounds, bool bPreserve)
{
    if (!bPreserve || m_type != Type::Array) {
        *this = array(upperBounds);
        return;
    }
    const QVector<int> &oldBounds = m_array->upperBounds;
    if (oldBounds.isEmpty()) {
        // A dynamic array that has no size yet.
        *this = array(upperBounds);
        return;
    }
    if (oldBounds.size() != upperBounds.size())
        raiseError(errors::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    for (int i = 0; i + 1 < upperBounds.size(); ++i) {
        if (oldBounds[i] != upperBounds[i])
            raiseError(errors::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    }
    detachArray();
    if (upperBounds.size() == 1) {
        m_array->items.resize(qMax(0, upperBounds[0] + 1));
        m_array->countSlots();
        m_array->upperBounds = upperBounds;
        return;
    }
    Value fresh = array(upperBounds);
    int iOldLast = oldBounds.last() + 1;
    int iNewLast = upperBounds.last() + 1;
    int iRows = iOldLast > 0 ? m_array->items.size() / iOldLast : 0;
    for (int iRow = 0; iRow < iRows; ++iRow) {
        for (int iCol = 0; iCol < qMin(iOldLast, iNewLast); ++iCol)
            fresh.m_array->items[iRow * iNewLast + iCol]
                    = std::move(m_array->items[iRow * iOldLast + iCol]);
    }
    *this = std::move(fresh);
}

Value Value::fromVariant(const QVariant &variant)
{
    if (!variant.isValid())
        return Value();
    switch (int(variant.type())) {
    case QMetaType::Bool:
        return Value(variant.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return Value(variant.toInt());
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
        return Value(variant.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return Value(variant.toDouble());
    case QMetaType::QDateTime: {
        QDateTime dateTime = variant.toDateTime();
        qint64 iDays = QDate(1899, 12, 30).daysTo(dateTime.date());
        double dTime = dateTime.time().msecsSinceStartOfDay() / 86400000.0;
        return date(iDays >= 0 ? iDays + dTime : iDays - dTime);
    }
    case QMetaType::QStringList: {
        QVector<Value> items;
        for (const QString &str : variant.toStringList())
            items.append(Value(str));
        return array(items);
    }
    case QMetaType::QVariantList: {
        QVector<Value> items;
        for (const QVariant &item : variant.toList())
            items.append(fromVariant(item));
        return array(items);
    }
    default:
        if (variant.canConvert<QString>())
            return Value(variant.toString());
        return Value();
    }
}

QVariant Value::toVariant() const
{
    switch (m_type) {
    case Type::Empty:
        return QVariant();
    case Type::Null:
        return QVariant(QVariant::String);
    case Type::Boolean:
        return QVariant(m_bool);
    case Type::Integer:
    case Type::Long:
        return QVariant(m_int);
    case Type::Double:
        return QVariant(m_double);
    case Type::Date: {
        if (!(m_double >= -657435.0 && m_double < 2958466.0))
            return QVariant();
        double dDays = std::floor(m_double);
        double dTime = std::fabs(m_double - dDays);
        if (m_double < 0) {
            dDays = std::ceil(m_double);
            dTime = std::fabs(m_double - dDays);
        }
        QDate date = QDate(1899, 12, 30).addDays(qint64(dDays));
        QTime time = QTime(0, 0).addMSecs(int(std::llround(dTime * 86400000.0) % 86400000));
        return QVariant(QDateTime(date, time));
    }
    case Type::String:
        return QVariant(m_string);
    case Type::Array: {
        QVariantList list;
        for (const Value &item : m_array->items)
            list.append(item.toVariant());
        return list;
    }
    case Type::Object:
        return QVariant();
    }
    return QVariant();
}

QString formatDouble(double d)
{
    if (std::isnan(d))
        return QStringLiteral("NaN");
    if (std::isinf(d))
        return d > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (d == 0)
        return QStringLiteral("0");
    QString str = QString::asprintf("%.15G", d);
    // "1E+015" on some C libraries; the language writes at least two exponent digits.
    int iExp = str.indexOf(QLatin1Char('E'));
    if (iExp >= 0) {
        QString strMantissa = str.left(iExp);
        QChar sign = str.at(iExp + 1);
        QString strDigits = str.mid(iExp + 2);
        while (strDigits.size() > 2 && strDigits.startsWith(QLatin1Char('0')))
            strDigits.remove(0, 1);
        str = strMantissa + QLatin1Char('E') + sign + strDigits;
    }
    return str;
}

namespace {

// The general date format, without the range check.
QString formatDateText(double dOleDate)
{
    double dDays = dOleDate < 0 ? std::ceil(dOleDate) : std::floor(dOleDate);
    double dFraction = std::fabs(dOleDate - dDays);
    qint64 iSeconds = std::llround(dFraction * 86400.0);
    if (iSeconds >= 86400) {
        iSeconds -= 86400;
        dDays += dOleDate < 0 ? -1 : 1;
    }
    QString strDate;
    if (dDays != 0) {
        QDate date = QDate(1899, 12, 30).addDays(qint64(dDays));
        strDate = QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
    }
    QString strTime;
    if (iSeconds != 0 || dDays == 0) {
        int iHour = int(iSeconds / 3600);
        int iMinute = int(iSeconds / 60 % 60);
        int iSecond = int(iSeconds % 60);
        int iHour12 = iHour % 12 == 0 ? 12 : iHour % 12;
        strTime = QStringLiteral("%1:%2:%3 %4")
                          .arg(iHour12)
                          .arg(iMinute, 2, 10, QLatin1Char('0'))
                          .arg(iSecond, 2, 10, QLatin1Char('0'))
                          .arg(iHour < 12 ? QLatin1String("AM") : QLatin1String("PM"));
    }
    if (strDate.isEmpty())
        return strTime;
    if (strTime.isEmpty())
        return strDate;
    return strDate + QLatin1Char(' ') + strTime;
}

} // namespace

QString formatGeneralDate(double dOleDate)
{
    // Years 100 to 9999, as the language's dates go.
    if (!(dOleDate >= -657435.0 && dOleDate < 2958466.0))
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    // A log line per device formats Now, which changes once a second: the last date is
    // formatted once and its text reused.
    thread_local double t_dLastDate = 0;
    thread_local QString t_strLastText;
    if (dOleDate == t_dLastDate && !t_strLastText.isNull())
        return t_strLastText;
    t_strLastText = formatDateText(dOleDate);
    t_dLastDate = dOleDate;
    return t_strLastText;
}

} // namespace vbscript
