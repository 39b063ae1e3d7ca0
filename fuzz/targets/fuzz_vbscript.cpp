// The VBScript engine: any text is loaded with small limits and every Function and Sub that it
// declares is called. A bad script ends with an error and gives back all it held.
#include "vbscript/engine.h"

#include <cstddef>
#include <cstdint>

namespace {

vbscript::Limits smallLimits()
{
    vbscript::Limits limits;
    limits.maxSteps = 20000;
    limits.maxMilliseconds = 2000;
    limits.maxCallDepth = 64;
    limits.maxStringLength = 64 * 1024;
    limits.maxArrayItems = 64 * 1024;
    limits.maxSourceLength = 64 * 1024;
    limits.maxNesting = 100;
    limits.maxStackBytes = 1024 * 1024;
    limits.maxMemoryBytes = 32 * 1024 * 1024;
    return limits;
}

void run(const QString &strText)
{
    vbscript::Engine engine;
    engine.setLimits(smallLimits());
    engine.registerFunction(QStringLiteral("CreateObject"),
                            [](vbscript::Arguments &) -> vbscript::Value {
                                vbscript::raiseError(vbscript::errors::CannotCreateObject);
                            });
    if (!engine.load(strText, QStringLiteral("Fuzz")))
        return;
    for (const auto &procedure : engine.procedures()) {
        QVector<vbscript::Value> arguments;
        for (int i = 0; i < procedure.second; ++i)
            arguments.append(i % 2 ? vbscript::Value(QStringLiteral("a,b")) : vbscript::Value(i));
        engine.call(procedure.first, arguments);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The language's constants are made once and live on; make them before counting.
    run(QStringLiteral("x = vbCrLf"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    const qint64 iHeldBefore = vbscript::heldValueBytes();
    run(QString::fromUtf8(reinterpret_cast<const char *>(pData), int(iSize)));
    if (vbscript::heldValueBytes() != iHeldBefore)
        __builtin_trap();
    return 0;
}
