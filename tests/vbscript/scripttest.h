#ifndef TESTS_VBSCRIPT_SCRIPTTEST_H
#define TESTS_VBSCRIPT_SCRIPTTEST_H

#include "vbscript/engine.h"

#include <QString>
#include <QStringList>

// Helpers shared by the engine's tests.
namespace scripttest {

// "TypeName:CStr" of a value; arrays list their items, objects show their type name only.
inline QString describe(const vbscript::Value &value)
{
    switch (value.type()) {
    case vbscript::Value::Type::Null:
        return QStringLiteral("Null");
    case vbscript::Value::Type::Empty:
        return QStringLiteral("Empty");
    case vbscript::Value::Type::Object:
        return value.typeName();
    case vbscript::Value::Type::Array: {
        QStringList items;
        for (const vbscript::Value &item : value.items())
            items << describe(item);
        return QStringLiteral("Array(") + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    default:
        return value.typeName() + QLatin1Char(':') + value.toString();
    }
}

// Runs statements as the body of a function T whose result is T; "Error:<number>" on a
// run-time error, "SyntaxError:<number>" when the text does not parse.
inline QString runBody(const QString &strBody, const QString &strGlobal = QString())
{
    vbscript::Engine engine;
    QString strText = strGlobal + QStringLiteral("\nFunction T()\n") + strBody
            + QStringLiteral("\nEnd Function\n");
    vbscript::Outcome outcome = engine.load(strText, QStringLiteral("Test"));
    if (!outcome)
        return QStringLiteral("SyntaxError:%1").arg(outcome.error.number);
    outcome = engine.call(QStringLiteral("T"));
    if (!outcome)
        return QStringLiteral("Error:%1").arg(outcome.error.number);
    return describe(outcome.value);
}

// Evaluates one expression.
inline QString evaluate(const QString &strExpression)
{
    return runBody(QStringLiteral("T = ") + strExpression);
}

} // namespace scripttest

#endif // TESTS_VBSCRIPT_SCRIPTTEST_H
