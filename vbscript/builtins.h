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

// The arguments of a built-in call. Each points at a value the engine evaluated or, where
// nothing evaluated after it could change it, at the variable, array element or literal itself.
class BuiltinArgs
{
public:
    explicit BuiltinArgs(const Value *const *ppValues)
        : m_ppValues(ppValues)
    { }
    const Value &operator[](int i) const { return *m_ppValues[i]; }

private:
    const Value *const *m_ppValues;
};

using BuiltinFunction = Value (*)(const BuiltinContext &context, BuiltinArgs args, int iCount);

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
