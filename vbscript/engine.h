#ifndef VBSCRIPT_ENGINE_H
#define VBSCRIPT_ENGINE_H

#include "vbscript/hostobject.h"
#include "vbscript/value.h"

#include <QString>
#include <QVector>

#include <memory>

namespace vbscript {

// Where and why a load or a call failed.
struct ScriptError
{
    enum class Kind { None, Syntax, Runtime };
    Kind kind = Kind::None;
    qint32 number = 0; // the language's error number (1002 "Syntax error", 13 "Type mismatch"...)
    QString description;
    QString scriptName;
    int line = 0; // 1-based; 0 when unknown
    int column = 0; // 1-based; 0 when unknown

    bool isError() const { return kind != Kind::None; }
    QString toString() const; // "MyScript(12, 5): Type mismatch (13)"
};

// The result of a load or a call: ok with a value, or an error and no value.
struct Outcome
{
    bool ok = false;
    Value value;
    ScriptError error;

    explicit operator bool() const { return ok; }
};

// Bounds that keep a bad script from hanging or exhausting the process; exceeding one ends
// the load or call with a run-time error.
struct Limits
{
    qint64 maxSteps = 100000000; // statements and loop rounds executed in one load or call
    qint64 maxMilliseconds = 60000; // wall-clock time of one load or call
    int maxCallDepth = 256; // nested procedure calls
    int maxStringLength = 8 * 1024 * 1024; // characters in one string
    int maxArrayItems = 4 * 1024 * 1024; // elements in one array
    // Bytes of strings and array slots held at once, beyond what was held when the load or
    // call began; the language copies strings on assignment, so each copy counts.
    qint64 maxMemoryBytes = 256 * 1024 * 1024;
    int maxSourceLength = 4 * 1024 * 1024; // characters of script text
    int maxNesting = 200; // nested blocks and parentheses in the text
    int maxStackBytes = 2 * 1024 * 1024; // machine stack used by nested calls and expressions
};

// A VBScript interpreter holding one script.
//
//     vbscript::Engine engine;
//     engine.registerFunction("CreateObject", [](vbscript::Arguments &args) { ... });
//     if (engine.load(strText, "MyScript"))
//         vbscript::Outcome outcome = engine.call("GetDeviceId", {strPath});
//
// Names are case-insensitive. A function registered by the host is shadowed by a procedure of
// the same name in the script. The engine is not thread-safe; use it from one thread.
//
// Not supported: Class, With, On Error, date literals (#...#) and Case Is are syntax errors on
// load; Execute, Eval and the Err object are unknown names.
class Engine
{
public:
    Engine();
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    void setLimits(const Limits &limits);
    const Limits &limits() const;

    // Global functions and objects of the host; register them before load().
    void registerFunction(const QString &strName, NativeFunction function);
    void registerObject(const QString &strName, const Value &object);

    // Parses the text and runs its global statements. On failure no script is loaded.
    Outcome load(const QString &strText, const QString &strScriptName = QStringLiteral("Script"));
    bool isLoaded() const;

    // Calls a Function or Sub of the loaded script (a Sub gives Empty). Arguments are passed
    // by value; the call ends with the first run-time error.
    Outcome call(const QString &strFunction, const QVector<Value> &arguments = {});

    // True when the loaded script has a Function or Sub of that name.
    bool hasProcedure(const QString &strName) const;

    // The Functions and Subs of the loaded script, in the order of the text, with the number
    // of parameters of each.
    QVector<QPair<QString, int>> procedures() const;

    // Value of a global variable of the loaded script (Empty when there is none).
    Value globalValue(const QString &strName) const;

    struct Private;

private:
    std::unique_ptr<Private> d;
};

} // namespace vbscript

#endif // VBSCRIPT_ENGINE_H
