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

// Equality as Select Case and "=" decide it (Null never matches).
bool valuesEqual(const Value &left, const Value &right);

} // namespace vbscript

#endif // VBSCRIPT_OPERATORS_H
