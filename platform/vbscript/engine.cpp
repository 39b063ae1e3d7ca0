#include "platform/vbscript/engine.h"

namespace vbscript {

struct Engine::Private
{
    Limits limits;
};

QString ScriptError::toString() const
{
    return QStringLiteral("%1(%2, %3): %4 (%5)")
            .arg(scriptName)
            .arg(line)
            .arg(column)
            .arg(description)
            .arg(number);
}

Engine::Engine()
    : d(new Private)
{ }
Engine::~Engine() = default;
void Engine::setLimits(const Limits &limits)
{
    d->limits = limits;
}
const Limits &Engine::limits() const
{
    return d->limits;
}
void Engine::registerFunction(const QString &, NativeFunction) { }
void Engine::registerObject(const QString &, const Value &) { }
Outcome Engine::load(const QString &, const QString &strScriptName)
{
    Outcome outcome;
    outcome.error.kind = ScriptError::Kind::Syntax;
    outcome.error.scriptName = strScriptName;
    outcome.error.description = QStringLiteral("The interpreter is not built yet");
    return outcome;
}
bool Engine::isLoaded() const
{
    return false;
}
Outcome Engine::call(const QString &, const QVector<Value> &)
{
    return Outcome();
}
bool Engine::hasProcedure(const QString &) const
{
    return false;
}
Value Engine::globalValue(const QString &) const
{
    return Value();
}

} // namespace vbscript
