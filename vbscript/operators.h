#ifndef VBSCRIPT_OPERATORS_H
#define VBSCRIPT_OPERATORS_H

#include "vbscript/ast.h"
#include "vbscript/value.h"

namespace vbscript {

// The language's operators on plain values (objects already resolved to their default
// values, except for Is). Raise RuntimeError on type mismatch, overflow, division by zero.
Value binaryOperation(BinaryOp op, const Value &left, const Value &right, int iMaxStringLength);
Value unaryOperation(UnaryOp op, const Value &operand);

// Comparison: -1, 0, 1, or 2 when either side is Null. bText ignores case for strings.
int compareValues(const Value &left, const Value &right, bool bText = false);

// Whether the comparison op (Equal to GreaterEqual) holds for compareValues' answer; never
// where that answer is 2 (Null), as a condition takes Null for False.
bool comparisonHolds(BinaryOp op, int iCompared);

// Equality as Select Case and "=" decide it (Null never matches).
bool valuesEqual(const Value &left, const Value &right);

// Integer and Long, the whole numbers that loops count with.
inline bool isWholeNumber(const Value &value)
{
    return value.type() == Value::Type::Integer || value.type() == Value::Type::Long;
}

// left + right of two whole numbers as binaryOperation gives it, for a For counter: Integer
// while both are Integer and the sum fits, else Long; false where the sum needs a Double (or
// either is no whole number), for binaryOperation to give.
inline bool addWholeNumbers(const Value &left, const Value &right, Value &sum)
{
    if (!isWholeNumber(left) || !isWholeNumber(right))
        return false;
    const qint64 i = qint64(left.rawInt()) + right.rawInt();
    if (left.type() == Value::Type::Integer && right.type() == Value::Type::Integer && i >= -32768
        && i <= 32767) {
        sum = Value::integer(qint16(i));
        return true;
    }
    if (i < -2147483647LL - 1 || i > 2147483647LL)
        return false;
    sum = Value::longValue(qint32(i));
    return true;
}

} // namespace vbscript

#endif // VBSCRIPT_OPERATORS_H
