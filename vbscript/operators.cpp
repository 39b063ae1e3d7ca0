#include "vbscript/operators.h"

#include "vbscript/hostobject.h"

#include <cmath>
#include <limits>
#include <optional>

namespace vbscript {

namespace {

[[noreturn]] void typeMismatch()
{
    raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
}

[[noreturn]] void overflow()
{
    raiseError(errors::Overflow, QStringLiteral("Overflow"));
}

// Numeric rank of a number: Integer < Long < Double.
enum class Rank { Integer, Long, Double };

Rank rankOf(const Value &number)
{
    switch (number.type()) {
    case Value::Type::Integer:
        return Rank::Integer;
    case Value::Type::Long:
        return Rank::Long;
    default:
        return Rank::Double;
    }
}

double asDouble(const Value &number)
{
    return number.type() == Value::Type::Double ? number.rawDouble() : double(number.rawInt());
}

// A result of integer arithmetic in the narrowest type of at least the given rank.
Value integerResult(qint64 i, Rank rank)
{
    if (rank == Rank::Integer && i >= -32768 && i <= 32767)
        return Value::integer(qint16(i));
    if (i >= std::numeric_limits<qint32>::min() && i <= std::numeric_limits<qint32>::max())
        return Value::longValue(qint32(i));
    return Value(double(i));
}

Value checkedDouble(double d)
{
    if (std::isinf(d) || std::isnan(d))
        overflow();
    return Value(d);
}

// Add, Subtract and Multiply of two whole numbers at their rank; nothing for other operators.
std::optional<Value> wholeNumberResult(BinaryOp op, qint64 x, qint64 y, Rank rank)
{
    switch (op) {
    case BinaryOp::Add:
        return integerResult(x + y, rank);
    case BinaryOp::Subtract:
        return integerResult(x - y, rank);
    case BinaryOp::Multiply:
        return integerResult(x * y, rank);
    default:
        return std::nullopt;
    }
}

Value arithmetic(BinaryOp op, const Value &left, const Value &right)
{
    if (isWholeNumber(left) && isWholeNumber(right)) {
        // Whole numbers, as a loop counts: their own values, without converting a copy.
        if (std::optional<Value> result = wholeNumberResult(op, left.rawInt(), right.rawInt(),
                                                            qMax(rankOf(left), rankOf(right))))
            return *result;
    }
    bool bDate = (left.type() == Value::Type::Date || right.type() == Value::Type::Date)
            && (op == BinaryOp::Add || op == BinaryOp::Subtract);
    Value a = left.toNumber();
    Value b = right.toNumber();
    Rank rank = qMax(rankOf(a), rankOf(b));
    if (rank != Rank::Double && !bDate) {
        if (std::optional<Value> result = wholeNumberResult(op, a.rawInt(), b.rawInt(), rank))
            return *result;
    }
    double x = asDouble(a);
    double y = asDouble(b);
    double d = 0;
    switch (op) {
    case BinaryOp::Add:
        d = x + y;
        break;
    case BinaryOp::Subtract:
        d = x - y;
        break;
    case BinaryOp::Multiply:
        d = x * y;
        break;
    default:
        break;
    }
    if (bDate) {
        if (std::isinf(d) || std::isnan(d))
            overflow();
        return Value::date(d);
    }
    return checkedDouble(d);
}

// Operands of \, Mod and the logical operators: rounded to Long.
qint64 integerOperand(const Value &value, Rank &rank)
{
    Value number = value.toNumber();
    rank = qMax(rank, number.type() == Value::Type::Integer ? Rank::Integer : Rank::Long);
    return number.toLong();
}

Value logical(BinaryOp op, const Value &left, const Value &right)
{
    if (left.type() == Value::Type::Boolean && right.type() == Value::Type::Boolean) {
        bool a = left.rawBool();
        bool b = right.rawBool();
        switch (op) {
        case BinaryOp::And:
            return Value(a && b);
        case BinaryOp::Or:
            return Value(a || b);
        case BinaryOp::Xor:
            return Value(a != b);
        case BinaryOp::Eqv:
            return Value(a == b);
        case BinaryOp::Imp:
            return Value(!a || b);
        default:
            break;
        }
    }
    bool bLeftNull = left.isNull();
    bool bRightNull = right.isNull();
    if (bLeftNull || bRightNull) {
        // Null is unknown: the result is known only where the other side decides it.
        const Value &other = bLeftNull ? right : left;
        if (bLeftNull && bRightNull)
            return Value::null();
        switch (op) {
        case BinaryOp::And:
            if (!other.toBool())
                return other.type() == Value::Type::Boolean ? Value(false) : Value(0);
            return Value::null();
        case BinaryOp::Or:
            if (other.type() == Value::Type::Boolean && other.rawBool())
                return Value(true);
            return Value::null();
        case BinaryOp::Imp:
            if (bLeftNull) {
                if (right.type() == Value::Type::Boolean && right.rawBool())
                    return Value(true);
                return Value::null();
            }
            if (left.type() == Value::Type::Boolean && !left.rawBool())
                return Value(true);
            return Value::null();
        default:
            return Value::null();
        }
    }
    Rank rank = Rank::Integer;
    qint64 a = integerOperand(left, rank);
    qint64 b = integerOperand(right, rank);
    quint32 x = quint32(qint32(a));
    quint32 y = quint32(qint32(b));
    quint32 r = 0;
    switch (op) {
    case BinaryOp::And:
        r = x & y;
        break;
    case BinaryOp::Or:
        r = x | y;
        break;
    case BinaryOp::Xor:
        r = x ^ y;
        break;
    case BinaryOp::Eqv:
        r = ~(x ^ y);
        break;
    case BinaryOp::Imp:
        r = ~x | y;
        break;
    default:
        break;
    }
    if (rank == Rank::Integer)
        return Value::integer(qint16(quint16(r & 0xFFFF)));
    return Value::longValue(qint32(r));
}

bool isStringLike(const Value &value)
{
    return value.type() == Value::Type::String;
}

} // namespace

int compareValues(const Value &left, const Value &right, bool bText)
{
    if (isWholeNumber(left) && isWholeNumber(right)) {
        // Whole numbers compare as they are, without converting copies.
        const qint32 x = left.rawInt();
        const qint32 y = right.rawInt();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (left.isNull() || right.isNull())
        return 2;
    if (left.isArray() || right.isArray() || left.isObject() || right.isObject())
        typeMismatch();
    bool bLeftString = isStringLike(left);
    bool bRightString = isStringLike(right);
    if (bLeftString && bRightString) {
        int i = QString::compare(left.rawString(), right.rawString(),
                                 bText ? Qt::CaseInsensitive : Qt::CaseSensitive);
        return i < 0 ? -1 : i > 0 ? 1 : 0;
    }
    if (bLeftString || bRightString) {
        const Value &other = bLeftString ? right : left;
        if (other.isEmpty()) {
            const QString &str = bLeftString ? left.rawString() : right.rawString();
            int i = str.isEmpty() ? 0 : 1;
            return bLeftString ? i : -i;
        }
        // A number is less than any string.
        return bLeftString ? 1 : -1;
    }
    Value a = left.toNumber();
    Value b = right.toNumber();
    if (a.type() != Value::Type::Double && b.type() != Value::Type::Double) {
        qint32 x = a.rawInt();
        qint32 y = b.rawInt();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    double x = asDouble(a);
    double y = asDouble(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

bool comparisonHolds(BinaryOp op, int iCompared)
{
    switch (op) {
    case BinaryOp::Equal:
        return iCompared == 0;
    case BinaryOp::NotEqual:
        return iCompared != 0 && iCompared != 2;
    case BinaryOp::Less:
        return iCompared < 0;
    case BinaryOp::Greater:
        return iCompared == 1;
    case BinaryOp::LessEqual:
        return iCompared <= 0;
    default:
        return iCompared == 0 || iCompared == 1;
    }
}

bool valuesEqual(const Value &left, const Value &right)
{
    return compareValues(left, right) == 0;
}

Value binaryOperation(BinaryOp op, const Value &left, const Value &right, int iMaxStringLength)
{
    switch (op) {
    case BinaryOp::Concat: {
        if (left.isNull() && right.isNull())
            return Value::null();
        QString a = left.isNull() ? QString() : left.toString();
        QString b = right.isNull() ? QString() : right.toString();
        if (qint64(a.size()) + b.size() > iMaxStringLength)
            raiseError(errors::OutOfStringSpace, QStringLiteral("Out of string space"));
        return Value(a + b);
    }
    case BinaryOp::Add:
        if (left.isNull() || right.isNull())
            return Value::null();
        if (isStringLike(left) && isStringLike(right)) {
            if (qint64(left.rawString().size()) + right.rawString().size() > iMaxStringLength)
                raiseError(errors::OutOfStringSpace, QStringLiteral("Out of string space"));
            return Value(left.rawString() + right.rawString());
        }
        if (isStringLike(left) && right.isEmpty())
            return left;
        if (isStringLike(right) && left.isEmpty())
            return right;
        return arithmetic(op, left, right);
    case BinaryOp::Subtract:
    case BinaryOp::Multiply:
        if (left.isNull() || right.isNull())
            return Value::null();
        return arithmetic(op, left, right);
    case BinaryOp::Divide: {
        if (left.isNull() || right.isNull())
            return Value::null();
        double y = right.toDouble();
        double x = left.toDouble();
        if (y == 0)
            raiseError(errors::DivisionByZero, QStringLiteral("Division by zero"));
        return checkedDouble(x / y);
    }
    case BinaryOp::IntDivide:
    case BinaryOp::Mod: {
        if (left.isNull() || right.isNull())
            return Value::null();
        Rank rank = Rank::Integer;
        qint64 x = integerOperand(left, rank);
        qint64 y = integerOperand(right, rank);
        if (y == 0)
            raiseError(errors::DivisionByZero, QStringLiteral("Division by zero"));
        return integerResult(op == BinaryOp::IntDivide ? x / y : x % y, rank);
    }
    case BinaryOp::Power: {
        if (left.isNull() || right.isNull())
            return Value::null();
        double x = left.toDouble();
        double y = right.toDouble();
        if (x < 0 && y != std::floor(y))
            raiseError(errors::InvalidProcedureCall,
                       QStringLiteral("Invalid procedure call or argument"));
        return checkedDouble(std::pow(x, y));
    }
    case BinaryOp::Equal:
    case BinaryOp::NotEqual:
    case BinaryOp::Less:
    case BinaryOp::Greater:
    case BinaryOp::LessEqual:
    case BinaryOp::GreaterEqual: {
        const int i = compareValues(left, right);
        if (i == 2)
            return Value::null();
        return Value(comparisonHolds(op, i));
    }
    case BinaryOp::Is:
        if (!left.isObject() || !right.isObject())
            raiseError(errors::ObjectRequired, QStringLiteral("Object required"));
        return Value(left.object() == right.object());
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
    case BinaryOp::Eqv:
    case BinaryOp::Imp:
        return logical(op, left, right);
    }
    return Value();
}

Value unaryOperation(UnaryOp op, const Value &operand)
{
    if (operand.isNull())
        return Value::null();
    switch (op) {
    case UnaryOp::Not: {
        if (operand.type() == Value::Type::Boolean)
            return Value(!operand.rawBool());
        if (operand.isString()) {
            QString str = operand.rawString().trimmed();
            if (str.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
                || str.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return Value(!operand.toBool());
        }
        Rank rank = Rank::Integer;
        qint64 i = integerOperand(operand, rank);
        if (rank == Rank::Integer)
            return Value::integer(qint16(~i));
        return Value::longValue(qint32(~i));
    }
    case UnaryOp::Negate: {
        Value number = operand.toNumber();
        if (operand.type() == Value::Type::Date)
            return Value::date(-operand.rawDouble());
        if (number.type() == Value::Type::Double)
            return Value(-number.rawDouble());
        return integerResult(-qint64(number.rawInt()), rankOf(number));
    }
    case UnaryOp::Plus:
        if (operand.isEmpty())
            return Value::integer(0);
        return operand;
    }
    return Value();
}

} // namespace vbscript
