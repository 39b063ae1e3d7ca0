#ifndef VBSCRIPT_BUILTINS_H
#define VBSCRIPT_BUILTINS_H

#include "vbscript/value.h"

#include <QString>

namespace vbscript {

struct BuiltinContext
{
    int maxStringLength = 0;
    int maxArrayItems = 0;
};

using BuiltinFunction = Value (*)(const BuiltinContext &context, const Value *args, int iCount);

struct Builtin
{
    const char *name;
    int minArgs;
    int maxArgs;
    BuiltinFunction function;
};

// The built-in function of that lower-case name, or none.
const Builtin *findBuiltin(const QString &strKey);
// The built-in constant of that lower-case name (vbCrLf, vbTextCompare...).
bool findConstant(const QString &strKey, Value &value);

} // namespace vbscript

#endif // VBSCRIPT_BUILTINS_H
