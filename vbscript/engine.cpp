#include "vbscript/engine.h"

#include "vbscript/ast.h"
#include "vbscript/builtins.h"
#include "vbscript/operators.h"
#include "vbscript/parser.h"

#include <QElapsedTimer>
#include <QHash>
#include <QVarLengthArray>

#include <exception>
#include <new>

namespace vbscript {

namespace {

enum class Flow { Normal, ExitDo, ExitFor, ExitProcedure };

// A call argument as evaluated by the caller.
struct ArgValue
{
    Value *pReference = nullptr; // a variable passed by reference
    Value value; // the value otherwise (and the element's copy for an array element)
    Value *pArray = nullptr; // array element: the array variable and the subscripts
    QVarLengthArray<int, 2> subscripts;
};

using ArgumentList = QVarLengthArray<ArgValue, 6>;
using Subscripts = QVarLengthArray<int, 2>;

// The variables of one running procedure.
struct Frame
{
    QVarLengthArray<Value, 12> storage; // never grows after the call starts
    QVarLengthArray<Value *, 12> variables;
};

[[noreturn]] void fail(qint32 iNumber, const char *pszDescription)
{
    raiseError(iNumber, QString::fromLatin1(pszDescription));
}

} // namespace

struct Engine::Private
{
    Limits limits;
    QString strScriptName;
    bool bLoaded = false;

    // Host registrations
    std::vector<std::unique_ptr<NativeFunction>> natives;
    QHash<QString, const NativeFunction *> nativeByKey;
    QHash<QString, Value> objectByKey;

    // The loaded script
    std::unique_ptr<Program> program;
    QHash<QString, Procedure *> procedureByKey;
    QHash<QString, int> globalByKey;
    std::vector<Value> globals;

    // Run state
    Frame *pFrame = nullptr;
    qint64 iSteps = 0;
    QElapsedTimer timer;
    int iDepth = 0;
    qint64 iMemoryBase = 0; // heldValueBytes() when the outermost run began
    const qint64 *pHeldBytes = nullptr; // this thread's heldValueBytes(), read in place
    int iLine = 0;
    int iColumn = 0;
    const char *pStackBase = nullptr;
    BuiltinContext builtinContext;

    // Binding
    void bindProgram(Program &prog);
    void collectDeclarations(const Block &block, QHash<QString, int> &scope,
                             std::vector<QString> *pLocalKeys, int &iNext, bool bAllowRedefine);
    struct Scope
    {
        Procedure *pProcedure = nullptr;
        QHash<QString, int> *pLocals = nullptr;
    };
    void bindBlock(Block &block, Scope &scope);
    void bindExpr(Expr &expr, Scope &scope, bool bTarget = false);
    void bindName(Expr &expr, Scope &scope, bool bTarget);
    int addGlobal(const QString &strKey);

    // Execution
    void step()
    {
        if (++iSteps > limits.maxSteps)
            fail(errors::StepLimitExceeded, "The script ran too long");
        if ((iSteps & 0xF) == 0 && timer.hasExpired(limits.maxMilliseconds))
            fail(errors::StepLimitExceeded, "The script ran too long");
        checkMemory();
    }
    // Ends the run when the values it holds, and iMore bytes about to be taken, exceed the
    // budget.
    void checkMemory(qint64 iMore = 0)
    {
        if (*pHeldBytes - iMemoryBase + iMore > limits.maxMemoryBytes)
            fail(errors::OutOfMemory, "Out of memory");
    }
    Value checked(Value value)
    {
        checkMemory();
        return value;
    }
    void checkStack()
    {
        char cHere = 0;
        qptrdiff iUsed = pStackBase - &cHere;
        if (iUsed < 0)
            iUsed = -iUsed;
        if (iUsed > limits.maxStackBytes)
            fail(errors::OutOfStackSpace, "Out of stack space");
    }
    Flow execBlock(const Block &block);
    Flow exec(const Stmt &stmt);
    void execAssign(const Stmt &stmt);
    void execCall(const Stmt &stmt);
    Flow execFor(const Stmt &stmt);
    Flow execForEach(const Stmt &stmt);
    Flow execDo(const Stmt &stmt);
    void execReDim(const Stmt &stmt);

    Value eval(const Expr &expr);
    Value evalPlain(const Expr &expr)
    {
        Value value = eval(expr);
        if (value.isObject())
            return value.resolved();
        return value;
    }
    bool evalCondition(const Expr &expr);
    void evalOperands(const Expr &expr, Value &leftValue, Value &rightValue, const Value *&pLeft,
                      const Value *&pRight);
    // True for a literal, a constant, a variable, and an element of an array variable with
    // such subscripts holding no object: evaluating them runs no script code, so it changes no
    // variable.
    bool runsNoCode(const Expr &expr)
    {
        switch (expr.access) {
        case Access::Literal:
        case Access::Variable:
            return true;
        case Access::Element:
            return elementRunsNoCode(expr);
        default:
            return false;
        }
    }
    bool elementRunsNoCode(const Expr &expr);
    // Where the value of a literal, a constant, a variable or an array element already lives,
    // to be read without a copy; null for anything else (an object called with arguments,
    // too).
    const Value *valueInPlace(const Expr &expr)
    {
        switch (expr.access) {
        case Access::Literal:
            return &expr.literal;
        case Access::Variable:
            return variableSlot(expr);
        case Access::Element:
            return elementInPlace(expr);
        default:
            return nullptr;
        }
    }
    const Value *elementInPlace(const Expr &expr);
    const Value *plainInPlace(const Expr &expr)
    {
        const Value *pValue = valueInPlace(expr);
        return pValue && !pValue->isObject() ? pValue : nullptr;
    }
    Value evalName(const Expr &expr);
    Value evalMember(const Expr &expr);
    Value evalIndex(const Expr &expr);
    Q_ALWAYS_INLINE Value *variableSlot(const Expr &expr)
    {
        if (expr.binding == Binding::Local)
            return pFrame->variables[expr.iSlot];
        if (expr.binding == Binding::Global)
            return &globals[size_t(expr.iSlot)];
        notAVariable(expr);
    }
    [[noreturn]] void notAVariable(const Expr &expr);
    Subscripts evalSubscripts(const std::vector<ExprPtr> &args);
    const Value *itemInPlace(const Value &array, const std::vector<ExprPtr> &args);
    int elementIndex(const Value &array, const Subscripts &subscripts);
    ArgumentList evalArguments(const std::vector<ExprPtr> &args);
    void toHostArguments(ArgumentList &list, Arguments &args);
    void writeBack(const ArgumentList &list, const Arguments &args);
    void writeBackElement(const ArgValue &arg, const Value &value);
    Value callProcedure(Procedure &procedure, ArgumentList &list);
    Value callNative(const NativeFunction &function, const std::vector<ExprPtr> &args);
    Value callBuiltin(const Builtin &builtin, const std::vector<ExprPtr> &args);
    Value callHost(const ObjectPtr &object, const QString &strName,
                   const std::vector<ExprPtr> &args, bool bMethod);
    QVector<int> evalBounds(const std::vector<ExprPtr> &bounds);

    // Entry
    Outcome run(const std::function<Value()> &body);
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

// ---------------------------------------------------------------------------------------------
// Binding

int Engine::Private::addGlobal(const QString &strKey)
{
    auto it = globalByKey.constFind(strKey);
    if (it != globalByKey.constEnd())
        return it.value();
    int iSlot = int(globals.size());
    globals.emplace_back();
    globalByKey.insert(strKey, iSlot);
    return iSlot;
}

void Engine::Private::collectDeclarations(const Block &block, QHash<QString, int> &scope,
                                          std::vector<QString> *pLocalKeys, int &iNext,
                                          bool bAllowRedefine)
{
    auto declare = [&](const DimItem &item, bool bReDim) {
        // ReDim of a name that is already a variable (also a global one) declares nothing.
        if (bReDim && pLocalKeys && globalByKey.contains(item.key))
            return;
        if (scope.contains(item.key)) {
            if (bReDim || bAllowRedefine)
                return;
            throw RuntimeError(1041, QStringLiteral("Name redefined: '%1'").arg(item.name));
        }
        if (pLocalKeys) {
            scope.insert(item.key, iNext++);
            pLocalKeys->push_back(item.key);
        } else {
            scope.insert(item.key, addGlobal(item.key));
        }
    };
    for (const StmtPtr &stmt : block) {
        switch (stmt->kind) {
        case Stmt::Kind::Dim:
        case Stmt::Kind::Const:
            for (const DimItem &item : stmt->dims)
                declare(item, false);
            break;
        case Stmt::Kind::ReDim:
            for (const DimItem &item : stmt->dims)
                declare(item, true);
            break;
        default:
            break;
        }
        collectDeclarations(stmt->body, scope, pLocalKeys, iNext, bAllowRedefine);
        collectDeclarations(stmt->elseBody, scope, pLocalKeys, iNext, bAllowRedefine);
        for (const IfClause &clause : stmt->clauses)
            collectDeclarations(clause.body, scope, pLocalKeys, iNext, bAllowRedefine);
        for (const CaseClause &clause : stmt->cases)
            collectDeclarations(clause.body, scope, pLocalKeys, iNext, bAllowRedefine);
    }
}

void Engine::Private::bindName(Expr &expr, Scope &scope, bool bTarget)
{
    Q_UNUSED(bTarget);
    if (scope.pProcedure) {
        Procedure &procedure = *scope.pProcedure;
        if (expr.key == procedure.key && !expr.bParens) {
            // The procedure's own name stands for its result.
            expr.binding = Binding::Local;
            expr.iSlot = 0;
            return;
        }
        auto it = scope.pLocals->constFind(expr.key);
        if (it != scope.pLocals->constEnd()) {
            expr.binding = Binding::Local;
            expr.iSlot = it.value();
            return;
        }
    }
    auto global = globalByKey.constFind(expr.key);
    if (global != globalByKey.constEnd()) {
        expr.binding = Binding::Global;
        expr.iSlot = global.value();
        return;
    }
    if (Procedure *pProcedure = procedureByKey.value(expr.key, nullptr)) {
        expr.binding = Binding::Procedure;
        expr.pProcedure = pProcedure;
        return;
    }
    if (const NativeFunction *pNative = nativeByKey.value(expr.key, nullptr)) {
        expr.binding = Binding::Native;
        expr.pNative = pNative;
        return;
    }
    Value constant;
    if (findConstant(expr.key, constant)) {
        expr.binding = Binding::Constant;
        expr.literal = constant;
        return;
    }
    if (const Builtin *pBuiltin = findBuiltin(expr.key)) {
        expr.binding = Binding::Builtin;
        expr.pBuiltin = pBuiltin;
        return;
    }
    if (program->bOptionExplicit) {
        expr.binding = Binding::Undefined;
        return;
    }
    // An implicit variable of the scope in which it is first used.
    if (scope.pProcedure) {
        Procedure &procedure = *scope.pProcedure;
        int iSlot = procedure.iFrameSize++;
        procedure.localKeys.push_back(expr.key);
        scope.pLocals->insert(expr.key, iSlot);
        expr.binding = Binding::Local;
        expr.iSlot = iSlot;
        return;
    }
    expr.binding = Binding::Global;
    expr.iSlot = addGlobal(expr.key);
}

void Engine::Private::bindExpr(Expr &expr, Scope &scope, bool bTarget)
{
    if (expr.kind == Expr::Kind::Name)
        bindName(expr, scope, bTarget);
    if (expr.pObject)
        bindExpr(*expr.pObject, scope);
    if (expr.pRight)
        bindExpr(*expr.pRight, scope);
    for (ExprPtr &arg : expr.args)
        bindExpr(*arg, scope);
    // A sign before a number ("-1") is worked out once, as it would be each time.
    if (expr.kind == Expr::Kind::Unary && expr.unaryOp != UnaryOp::Not
        && expr.pObject->kind == Expr::Kind::Literal && expr.pObject->literal.isNumberType()) {
        try {
            expr.literal = unaryOperation(expr.unaryOp, expr.pObject->literal);
        } catch (const RuntimeError &) {
            return; // left to fail where it runs
        }
        expr.kind = Expr::Kind::Literal;
        expr.pObject.reset();
    }
    if (expr.kind == Expr::Kind::Literal
        || (expr.kind == Expr::Kind::Name && expr.binding == Binding::Constant && !expr.bParens))
        expr.access = Access::Literal;
    else if (expr.kind == Expr::Kind::Name
             && (expr.binding == Binding::Local || expr.binding == Binding::Global))
        expr.access = expr.bParens ? Access::Element : Access::Variable;
}

void Engine::Private::bindBlock(Block &block, Scope &scope)
{
    for (StmtPtr &stmt : block) {
        if (stmt->pTarget)
            bindExpr(*stmt->pTarget, scope, stmt->kind == Stmt::Kind::Assign);
        for (ExprPtr *pExpr : {&stmt->pValue, &stmt->pFrom, &stmt->pTo, &stmt->pStep}) {
            if (*pExpr)
                bindExpr(**pExpr, scope);
        }
        for (DimItem &item : stmt->dims) {
            if (!item.pTarget) {
                // Dim and Const name their variable directly.
                item.pTarget.reset(new Expr);
                item.pTarget->kind = Expr::Kind::Name;
                item.pTarget->name = item.name;
                item.pTarget->key = item.key;
                item.pTarget->line = item.line;
                item.pTarget->column = item.column;
            }
            bindExpr(*item.pTarget, scope, true);
            for (ExprPtr &bound : item.bounds)
                bindExpr(*bound, scope);
        }
        for (IfClause &clause : stmt->clauses) {
            bindExpr(*clause.pCondition, scope);
            bindBlock(clause.body, scope);
        }
        for (CaseClause &clause : stmt->cases) {
            for (ExprPtr &value : clause.values)
                bindExpr(*value, scope);
            bindBlock(clause.body, scope);
        }
        bindBlock(stmt->body, scope);
        bindBlock(stmt->elseBody, scope);
    }
}

void Engine::Private::bindProgram(Program &prog)
{
    for (auto it = objectByKey.constBegin(); it != objectByKey.constEnd(); ++it)
        globals[size_t(addGlobal(it.key()))] = it.value();
    for (const auto &procedure : prog.procedures)
        procedureByKey.insert(procedure->key, procedure.get());

    QHash<QString, int> globalScope = globalByKey;
    int iUnused = 0;
    collectDeclarations(prog.globalCode, globalScope, nullptr, iUnused, false);
    for (const auto &procedure : prog.procedures) {
        if (globalByKey.contains(procedure->key) && !objectByKey.contains(procedure->key))
            throw RuntimeError(1041, QStringLiteral("Name redefined: '%1'").arg(procedure->name));
    }

    // The global code first: the variables it makes implicitly are globals for procedures too.
    Scope globalScopeBinding;
    bindBlock(prog.globalCode, globalScopeBinding);

    for (const auto &procedure : prog.procedures) {
        QHash<QString, int> locals;
        procedure->localKeys.clear();
        procedure->localKeys.push_back(procedure->key);
        int iNext = 1;
        for (const Parameter &param : procedure->params) {
            locals.insert(param.key, iNext++);
            procedure->localKeys.push_back(param.key);
        }
        collectDeclarations(procedure->body, locals, &procedure->localKeys, iNext, false);
        procedure->iFrameSize = iNext;
        Scope scope;
        scope.pProcedure = procedure.get();
        scope.pLocals = &locals;
        bindBlock(procedure->body, scope);
    }
}

// ---------------------------------------------------------------------------------------------
// Statements

Flow Engine::Private::execBlock(const Block &block)
{
    for (const StmtPtr &stmt : block) {
        step();
        iLine = stmt->line;
        iColumn = stmt->column;
        Flow flow = exec(*stmt);
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

Flow Engine::Private::exec(const Stmt &stmt)
{
    switch (stmt.kind) {
    case Stmt::Kind::Assign:
        execAssign(stmt);
        return Flow::Normal;
    case Stmt::Kind::Call:
        execCall(stmt);
        return Flow::Normal;
    case Stmt::Kind::Dim:
        for (const DimItem &item : stmt.dims) {
            if (!item.bArray)
                continue;
            Value *pSlot = variableSlot(*item.pTarget);
            *pSlot = Value::array(evalBounds(item.bounds));
        }
        return Flow::Normal;
    case Stmt::Kind::ReDim:
        execReDim(stmt);
        return Flow::Normal;
    case Stmt::Kind::Erase:
        for (const DimItem &item : stmt.dims) {
            Value *pSlot = variableSlot(*item.pTarget);
            if (!pSlot->isArray())
                fail(errors::TypeMismatch, "Type mismatch");
            *pSlot = Value::array(QVector<int>());
        }
        return Flow::Normal;
    case Stmt::Kind::Const:
        for (const DimItem &item : stmt.dims)
            *variableSlot(*item.pTarget) = evalPlain(*item.bounds[0]);
        return Flow::Normal;
    case Stmt::Kind::If:
        for (const IfClause &clause : stmt.clauses) {
            if (evalCondition(*clause.pCondition))
                return execBlock(clause.body);
        }
        return execBlock(stmt.elseBody);
    case Stmt::Kind::For:
        return execFor(stmt);
    case Stmt::Kind::ForEach:
        return execForEach(stmt);
    case Stmt::Kind::Do:
        return execDo(stmt);
    case Stmt::Kind::While:
        while (evalCondition(*stmt.pValue)) {
            step();
            Flow flow = execBlock(stmt.body);
            if (flow != Flow::Normal)
                return flow;
        }
        return Flow::Normal;
    case Stmt::Kind::Select: {
        Value value = evalPlain(*stmt.pValue);
        for (const CaseClause &clause : stmt.cases) {
            if (clause.bElse)
                return execBlock(clause.body);
            for (const ExprPtr &caseValue : clause.values) {
                Value candidate = evalPlain(*caseValue);
                if (compareValues(value, candidate) == 0)
                    return execBlock(clause.body);
            }
        }
        return Flow::Normal;
    }
    case Stmt::Kind::ExitDo:
        return Flow::ExitDo;
    case Stmt::Kind::ExitFor:
        return Flow::ExitFor;
    case Stmt::Kind::ExitProcedure:
        return Flow::ExitProcedure;
    case Stmt::Kind::OptionExplicit:
    case Stmt::Kind::Nop:
        return Flow::Normal;
    }
    return Flow::Normal;
}

QVector<int> Engine::Private::evalBounds(const std::vector<ExprPtr> &bounds)
{
    QVector<int> upperBounds;
    qint64 iCount = bounds.empty() ? 0 : 1;
    for (const ExprPtr &bound : bounds) {
        qint32 i = evalPlain(*bound).toLong();
        if (i < -1)
            fail(errors::SubscriptOutOfRange, "Subscript out of range");
        upperBounds.append(i);
        iCount *= qint64(i) + 1;
        if (iCount > limits.maxArrayItems)
            fail(errors::OutOfMemory, "Out of memory");
    }
    checkMemory(iCount * qint64(sizeof(Value)));
    return upperBounds;
}

void Engine::Private::execReDim(const Stmt &stmt)
{
    for (const DimItem &item : stmt.dims) {
        QVector<int> bounds = evalBounds(item.bounds);
        Value *pSlot = variableSlot(*item.pTarget);
        pSlot->redim(bounds, stmt.bPreserve);
    }
}

void Engine::Private::notAVariable(const Expr &expr)
{
    switch (expr.binding) {
    case Binding::Undefined:
        raiseError(errors::VariableUndefined,
                   QStringLiteral("Variable is undefined: '%1'").arg(expr.name));
    default:
        raiseError(errors::IllegalAssignment,
                   QStringLiteral("Illegal assignment: '%1'").arg(expr.name));
    }
}

void Engine::Private::execAssign(const Stmt &stmt)
{
    const Expr &target = *stmt.pTarget;
    Value value = eval(*stmt.pValue);
    if (stmt.bSet) {
        if (!value.isObject())
            fail(errors::ObjectRequired, "Object required");
    } else if (value.isObject()) {
        value = value.resolved();
    }
    switch (target.kind) {
    case Expr::Kind::Name: {
        if (!target.bParens) {
            *variableSlot(target) = std::move(value);
            return;
        }
        if (target.binding != Binding::Local && target.binding != Binding::Global)
            variableSlot(target); // raises the fitting error
        Value *pSlot = variableSlot(target);
        if (pSlot->isObject()) {
            ObjectPtr object = pSlot->object();
            if (!object)
                fail(errors::ObjectVariableNotSet, "Object variable not set");
            ArgumentList list = evalArguments(target.args);
            Arguments args;
            toHostArguments(list, args);
            object->putProperty(QString(), args, value);
            writeBack(list, args);
            return;
        }
        Subscripts subscripts = evalSubscripts(target.args);
        pSlot = variableSlot(target);
        int iIndex = elementIndex(*pSlot, subscripts);
        pSlot->itemRef(iIndex) = std::move(value);
        return;
    }
    case Expr::Kind::Member: {
        Value object = eval(*target.pObject);
        if (!object.isObject())
            fail(errors::ObjectRequired, "Object required");
        if (!object.object())
            fail(errors::ObjectVariableNotSet, "Object variable not set");
        ArgumentList list = evalArguments(target.args);
        Arguments args;
        toHostArguments(list, args);
        ObjectPtr pObject = object.object();
        pObject->putProperty(target.name, args, value);
        writeBack(list, args);
        return;
    }
    case Expr::Kind::Index: {
        Value base = eval(*target.pObject);
        if (!base.isObject() || !base.object())
            fail(errors::TypeMismatch, "Type mismatch");
        ArgumentList list = evalArguments(target.args);
        Arguments args;
        toHostArguments(list, args);
        ObjectPtr pObject = base.object();
        pObject->putProperty(QString(), args, value);
        writeBack(list, args);
        return;
    }
    default:
        fail(errors::IllegalAssignment, "Illegal assignment");
    }
}

void Engine::Private::execCall(const Stmt &stmt)
{
    const Expr &target = *stmt.pTarget;
    if (target.kind == Expr::Kind::Member) {
        Value object = eval(*target.pObject);
        if (!object.isObject())
            fail(errors::ObjectRequired, "Object required");
        if (!object.object())
            fail(errors::ObjectVariableNotSet, "Object variable not set");
        callHost(object.object(), target.name, target.args, true);
        return;
    }
    switch (target.binding) {
    case Binding::Procedure: {
        ArgumentList list = evalArguments(target.args);
        callProcedure(*target.pProcedure, list);
        return;
    }
    case Binding::Local:
    case Binding::Global: {
        Value value = *variableSlot(target);
        if (value.isObject() && value.object()) {
            callHost(value.object(), QString(), target.args, true);
            return;
        }
        fail(errors::TypeMismatch, "Type mismatch");
    }
    default:
        eval(target);
        return;
    }
}

Flow Engine::Private::execFor(const Stmt &stmt)
{
    Value from = evalPlain(*stmt.pFrom).toNumber();
    Value to = evalPlain(*stmt.pTo).toNumber();
    Value stepValue = stmt.pStep ? evalPlain(*stmt.pStep).toNumber() : Value::integer(1);
    bool bDown = compareValues(stepValue, Value::integer(0)) < 0;
    Value *pCounter = variableSlot(*stmt.pTarget);
    *pCounter = from;
    for (;;) {
        pCounter = variableSlot(*stmt.pTarget);
        // A counter that is still a number compares as it is; anything else is converted.
        const int iCompare = pCounter->isNumberType() ? compareValues(*pCounter, to)
                                                      : compareValues(pCounter->toNumber(), to);
        if (bDown ? iCompare < 0 : iCompare > 0)
            return Flow::Normal;
        step();
        Flow flow = execBlock(stmt.body);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        pCounter = variableSlot(*stmt.pTarget);
        if (addWholeNumbers(*pCounter, stepValue, *pCounter))
            continue;
        if (pCounter->isNumberType())
            *pCounter
                    = binaryOperation(BinaryOp::Add, *pCounter, stepValue, limits.maxStringLength);
        else
            *pCounter = binaryOperation(BinaryOp::Add, pCounter->toNumber(), stepValue,
                                        limits.maxStringLength);
    }
}

Flow Engine::Private::execForEach(const Stmt &stmt)
{
    Value collection = eval(*stmt.pValue);
    if (collection.isArray()) {
        Value snapshot = collection; // shares the items; a write in the loop detaches
        const QVector<Value> &items = snapshot.items();
        for (const Value &item : items) {
            step();
            *variableSlot(*stmt.pTarget) = item;
            Flow flow = execBlock(stmt.body);
            if (flow == Flow::ExitFor)
                return Flow::Normal;
            if (flow != Flow::Normal)
                return flow;
        }
        return Flow::Normal;
    }
    if (!collection.isObject() || !collection.object())
        fail(errors::NotACollection, "Object not a collection");
    std::unique_ptr<Enumerator> enumerator = collection.object()->enumerate();
    if (!enumerator)
        fail(errors::NotACollection, "Object not a collection");
    Value item;
    while (enumerator->next(item)) {
        step();
        *variableSlot(*stmt.pTarget) = item;
        Flow flow = execBlock(stmt.body);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

Flow Engine::Private::execDo(const Stmt &stmt)
{
    for (;;) {
        if (stmt.pValue && !stmt.bPostTest && evalCondition(*stmt.pValue) == stmt.bUntil)
            return Flow::Normal;
        step();
        Flow flow = execBlock(stmt.body);
        if (flow == Flow::ExitDo)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        if (stmt.pValue && stmt.bPostTest && evalCondition(*stmt.pValue) == stmt.bUntil)
            return Flow::Normal;
    }
}

// ---------------------------------------------------------------------------------------------
// Expressions

Value Engine::Private::eval(const Expr &expr)
{
    switch (expr.kind) {
    case Expr::Kind::Literal:
        return expr.literal;
    case Expr::Kind::Paren:
        return eval(*expr.pObject);
    case Expr::Kind::Name:
        return evalName(expr);
    case Expr::Kind::Member:
        return evalMember(expr);
    case Expr::Kind::Index:
        return evalIndex(expr);
    case Expr::Kind::Unary: {
        checkStack();
        return unaryOperation(expr.unaryOp, evalPlain(*expr.pObject));
    }
    case Expr::Kind::Binary: {
        checkStack();
        if (expr.binaryOp == BinaryOp::Is) {
            Value left = eval(*expr.pObject);
            Value right = eval(*expr.pRight);
            return binaryOperation(BinaryOp::Is, left, right, limits.maxStringLength);
        }
        Value leftValue, rightValue;
        const Value *pLeft, *pRight;
        evalOperands(expr, leftValue, rightValue, pLeft, pRight);
        if (expr.binaryOp == BinaryOp::Concat && pLeft == &leftValue && leftValue.isString()) {
            // A string built left to right ("a" & b & c) grows in its own buffer.
            if (!pRight->isNull()) {
                const QString strRight = pRight->toString();
                if (qint64(leftValue.rawString().size()) + strRight.size() > limits.maxStringLength)
                    fail(errors::OutOfStringSpace, "Out of string space");
                leftValue.appendString(strRight);
            }
            return checked(std::move(leftValue));
        }
        return checked(binaryOperation(expr.binaryOp, *pLeft, *pRight, limits.maxStringLength));
    }
    }
    return Value();
}

// The operands of a binary operator, plain. An operand that is a literal, a constant or a
// variable holding no object is read in place; the left one only when the right one runs no
// script code. Otherwise each is evaluated into its own value, left first.
void Engine::Private::evalOperands(const Expr &expr, Value &leftValue, Value &rightValue,
                                   const Value *&pLeft, const Value *&pRight)
{
    pLeft = runsNoCode(*expr.pRight) ? plainInPlace(*expr.pObject) : nullptr;
    if (!pLeft) {
        leftValue = evalPlain(*expr.pObject);
        pLeft = &leftValue;
    }
    pRight = plainInPlace(*expr.pRight);
    if (!pRight) {
        rightValue = evalPlain(*expr.pRight);
        pRight = &rightValue;
    }
}

bool Engine::Private::evalCondition(const Expr &expr)
{
    if (expr.kind == Expr::Kind::Binary && expr.binaryOp >= BinaryOp::Equal
        && expr.binaryOp <= BinaryOp::GreaterEqual) {
        // A comparison decides the branch without a Boolean value in between; Null is False.
        checkStack();
        Value leftValue, rightValue;
        const Value *pLeft, *pRight;
        evalOperands(expr, leftValue, rightValue, pLeft, pRight);
        return comparisonHolds(expr.binaryOp, compareValues(*pLeft, *pRight));
    }
    Value value = evalPlain(expr);
    return !value.isNull() && value.toBool();
}

bool Engine::Private::elementRunsNoCode(const Expr &expr)
{
    if (!variableSlot(expr)->isArray())
        return false;
    for (const ExprPtr &arg : expr.args) {
        if (arg->access == Access::Literal)
            continue;
        if (arg->access != Access::Variable || variableSlot(*arg)->isObject())
            return false;
    }
    return true;
}

const Value *Engine::Private::elementInPlace(const Expr &expr)
{
    const Value *pSlot = variableSlot(expr);
    if (!pSlot->isArray())
        return nullptr;
    if (const Value *pItem = itemInPlace(*pSlot, expr.args))
        return pItem;
    Subscripts subscripts = evalSubscripts(expr.args);
    pSlot = variableSlot(expr);
    return &pSlot->at(elementIndex(*pSlot, subscripts));
}

// The item of a one-dimensional array at a subscript that is a literal or a variable holding
// a whole number, read without evaluating anything; null for anything else, and where the
// subscript is out of range, for the general path to raise the error.
const Value *Engine::Private::itemInPlace(const Value &array, const std::vector<ExprPtr> &args)
{
    if (args.size() != 1)
        return nullptr;
    const Expr &arg = *args[0];
    if (arg.access != Access::Literal && arg.access != Access::Variable)
        return nullptr;
    const Value *pSubscript = valueInPlace(arg);
    if (!isWholeNumber(*pSubscript))
        return nullptr;
    return array.itemAt(pSubscript->rawInt());
}

Subscripts Engine::Private::evalSubscripts(const std::vector<ExprPtr> &args)
{
    Subscripts subscripts;
    for (const ExprPtr &arg : args) {
        // A literal or a variable is read where it lives; anything else is evaluated.
        const Value *pValue = arg->access == Access::Literal || arg->access == Access::Variable
                ? valueInPlace(*arg)
                : nullptr;
        subscripts.append(pValue && !pValue->isObject() ? pValue->toLong()
                                                        : evalPlain(*arg).toLong());
    }
    return subscripts;
}

int Engine::Private::elementIndex(const Value &array, const Subscripts &subscripts)
{
    if (!array.isArray())
        fail(errors::TypeMismatch, "Type mismatch");
    int iIndex = array.flatIndex(subscripts.constData(), subscripts.size());
    if (iIndex < 0)
        fail(errors::SubscriptOutOfRange, "Subscript out of range");
    return iIndex;
}

Value Engine::Private::evalName(const Expr &expr)
{
    switch (expr.binding) {
    case Binding::Constant:
        if (expr.bParens && !expr.args.empty())
            fail(errors::TypeMismatch, "Type mismatch");
        return expr.literal;
    case Binding::Local:
    case Binding::Global: {
        const Value &value = *variableSlot(expr);
        if (!expr.bParens)
            return value;
        if (value.isArray()) {
            if (const Value *pItem = itemInPlace(value, expr.args))
                return *pItem;
            Subscripts subscripts = evalSubscripts(expr.args);
            const Value &array = *variableSlot(expr);
            return array.at(elementIndex(array, subscripts));
        }
        if (value.isObject() && value.object()) {
            ObjectPtr object = value.object();
            return callHost(object, QString(), expr.args, false);
        }
        if (expr.args.empty())
            return value;
        fail(errors::TypeMismatch, "Type mismatch");
    }
    case Binding::Procedure: {
        ArgumentList list = evalArguments(expr.args);
        return callProcedure(*expr.pProcedure, list);
    }
    case Binding::Native:
        return callNative(*expr.pNative, expr.args);
    case Binding::Builtin:
        return callBuiltin(*expr.pBuiltin, expr.args);
    case Binding::Undefined:
        raiseError(errors::VariableUndefined,
                   QStringLiteral("Variable is undefined: '%1'").arg(expr.name));
    case Binding::Unresolved:
        break;
    }
    fail(errors::TypeMismatch, "Type mismatch");
}

Value Engine::Private::evalMember(const Expr &expr)
{
    Value object = eval(*expr.pObject);
    if (!object.isObject())
        raiseError(errors::ObjectRequired, QStringLiteral("Object required: '%1'").arg(expr.name));
    if (!object.object())
        fail(errors::ObjectVariableNotSet, "Object variable not set");
    return callHost(object.object(), expr.name, expr.args, false);
}

Value Engine::Private::evalIndex(const Expr &expr)
{
    Value base = eval(*expr.pObject);
    if (base.isArray()) {
        Subscripts subscripts = evalSubscripts(expr.args);
        return base.at(elementIndex(base, subscripts));
    }
    if (base.isObject() && base.object())
        return callHost(base.object(), QString(), expr.args, false);
    fail(errors::TypeMismatch, "Type mismatch");
}

ArgumentList Engine::Private::evalArguments(const std::vector<ExprPtr> &args)
{
    ArgumentList list;
    list.resize(int(args.size()));
    for (size_t i = 0; i < args.size(); ++i) {
        const Expr &arg = *args[i];
        ArgValue &argValue = list[int(i)];
        if (arg.kind == Expr::Kind::Name
            && (arg.binding == Binding::Local || arg.binding == Binding::Global)) {
            Value *pSlot = variableSlot(arg);
            if (!arg.bParens) {
                argValue.pReference = pSlot;
                continue;
            }
            if (pSlot->isArray()) {
                argValue.subscripts = evalSubscripts(arg.args);
                pSlot = variableSlot(arg);
                argValue.value = pSlot->at(elementIndex(*pSlot, argValue.subscripts));
                argValue.pArray = pSlot;
                continue;
            }
        }
        argValue.value = eval(arg);
    }
    return list;
}

void Engine::Private::toHostArguments(ArgumentList &list, Arguments &args)
{
    if (list.isEmpty())
        return;
    args.reserve(list.size());
    for (ArgValue &arg : list) {
        if (arg.pReference)
            args.appendReference(arg.pReference);
        else if (arg.pArray)
            args.appendCopyBack(arg.value);
        else
            args.append(arg.value);
    }
}

void Engine::Private::writeBackElement(const ArgValue &arg, const Value &value)
{
    if (!arg.pArray || !arg.pArray->isArray())
        return;
    int iIndex = arg.pArray->flatIndex(arg.subscripts.constData(), arg.subscripts.size());
    if (iIndex >= 0)
        arg.pArray->itemRef(iIndex) = value;
}

void Engine::Private::writeBack(const ArgumentList &list, const Arguments &args)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].pArray)
            writeBackElement(list[i], args.value(i));
    }
}

Value Engine::Private::callProcedure(Procedure &procedure, ArgumentList &list)
{
    if (list.size() != int(procedure.params.size()))
        raiseError(errors::WrongNumberOfArguments,
                   QStringLiteral("Wrong number of arguments or invalid property assignment: "
                                  "'%1'")
                           .arg(procedure.name));
    checkStack();
    if (iDepth >= limits.maxCallDepth)
        fail(errors::OutOfStackSpace, "Out of stack space");
    step();

    Frame frame;
    frame.storage.resize(procedure.iFrameSize);
    frame.variables.resize(procedure.iFrameSize);
    for (int i = 0; i < frame.storage.size(); ++i)
        frame.variables[i] = &frame.storage[i];
    for (int i = 0; i < list.size(); ++i) {
        int iSlot = i + 1;
        ArgValue &arg = list[i];
        if (procedure.params[size_t(i)].bByVal) {
            frame.storage[iSlot] = arg.pReference ? *arg.pReference : arg.value;
        } else if (arg.pReference) {
            frame.variables[iSlot] = arg.pReference;
        } else {
            frame.storage[iSlot] = arg.value;
        }
    }

    struct Restore
    {
        Private &d;
        Frame *pSaved;
        int iSavedLine, iSavedColumn;
        ~Restore()
        {
            d.pFrame = pSaved;
            --d.iDepth;
        }
    } restore {*this, pFrame, iLine, iColumn};
    pFrame = &frame;
    ++iDepth;
    execBlock(procedure.body);
    iLine = restore.iSavedLine;
    iColumn = restore.iSavedColumn;

    for (int i = 0; i < list.size(); ++i) {
        if (list[i].pArray && !procedure.params[size_t(i)].bByVal)
            writeBackElement(list[i], frame.storage[i + 1]);
    }
    return procedure.bFunction ? std::move(frame.storage[0]) : Value();
}

Value Engine::Private::callHost(const ObjectPtr &object, const QString &strName,
                                const std::vector<ExprPtr> &args, bool bMethod)
{
    checkStack();
    ArgumentList list = evalArguments(args);
    Arguments hostArgs;
    toHostArguments(list, hostArgs);
    ObjectPtr keep = object; // the call may drop the script's last reference
    Value result
            = bMethod ? keep->callMethod(strName, hostArgs) : keep->getProperty(strName, hostArgs);
    writeBack(list, hostArgs);
    if (result.isString() && result.rawString().size() > limits.maxStringLength)
        fail(errors::OutOfStringSpace, "Out of string space");
    return checked(std::move(result));
}

Value Engine::Private::callNative(const NativeFunction &function, const std::vector<ExprPtr> &args)
{
    checkStack();
    ArgumentList list = evalArguments(args);
    Arguments hostArgs;
    toHostArguments(list, hostArgs);
    Value result = function(hostArgs);
    writeBack(list, hostArgs);
    return checked(std::move(result));
}

Value Engine::Private::callBuiltin(const Builtin &builtin, const std::vector<ExprPtr> &args)
{
    int iCount = int(args.size());
    if (iCount < builtin.minArgs || iCount > builtin.maxArgs)
        raiseError(errors::WrongNumberOfArguments,
                   QStringLiteral("Wrong number of arguments or invalid property assignment: "
                                  "'%1'")
                           .arg(QString::fromLatin1(builtin.name)));
    checkStack();
    // Arguments are read in place where nothing evaluated after them can run script code;
    // otherwise each is evaluated into a value of its own, in order.
    bool bInPlace = true;
    for (const ExprPtr &arg : args)
        bInPlace = bInPlace && runsNoCode(*arg);
    QVarLengthArray<const Value *, 6> pointers(iCount);
    QVarLengthArray<Value, 6> values;
    if (bInPlace) {
        for (int i = 0; i < iCount; ++i)
            pointers[i] = valueInPlace(*args[size_t(i)]); // never null where no code runs
    } else {
        values.reserve(iCount); // never grows further: the pointers stay valid
        for (int i = 0; i < iCount; ++i) {
            values.append(eval(*args[size_t(i)]));
            pointers[i] = &values.last();
        }
    }
    Value result = builtin.function(builtinContext, BuiltinArgs(pointers.constData()), iCount);
    if (result.isString() && result.rawString().size() > limits.maxStringLength)
        fail(errors::OutOfStringSpace, "Out of string space");
    return checked(std::move(result));
}

// ---------------------------------------------------------------------------------------------
// Entry points

Outcome Engine::Private::run(const std::function<Value()> &body)
{
    Outcome outcome;
    // A host object may call into the engine while it runs: the inner run shares the bounds
    // of the outer one and leaves its state as it found it.
    const bool bNested = pStackBase != nullptr;
    Frame *pSavedFrame = pFrame;
    const int iSavedDepth = iDepth;
    const int iSavedLine = iLine;
    const int iSavedColumn = iColumn;
    char cBase = 0;
    if (!bNested) {
        pStackBase = &cBase;
        iSteps = 0;
        timer.start();
        iDepth = 0;
        pHeldBytes = heldValueBytesCounter();
        iMemoryBase = *pHeldBytes;
    }
    iLine = 0;
    iColumn = 0;
    pFrame = nullptr;
    builtinContext.maxStringLength = limits.maxStringLength;
    builtinContext.maxArrayItems = limits.maxArrayItems;
    auto setError = [&](qint32 iNumber, const QString &strDescription) {
        outcome.ok = false;
        outcome.value = Value();
        outcome.error.kind = ScriptError::Kind::Runtime;
        outcome.error.number = iNumber;
        outcome.error.description = strDescription;
        outcome.error.scriptName = strScriptName;
        outcome.error.line = iLine;
        outcome.error.column = iColumn;
    };
    try {
        outcome.value = body();
        outcome.ok = true;
    } catch (const RuntimeError &error) {
        setError(error.number, error.description);
    } catch (const std::bad_alloc &) {
        setError(errors::OutOfMemory, QStringLiteral("Out of memory"));
    } catch (const std::exception &exception) {
        setError(errors::InvalidProcedureCall, QString::fromLocal8Bit(exception.what()));
    }
    pFrame = pSavedFrame;
    iDepth = iSavedDepth;
    iLine = iSavedLine;
    iColumn = iSavedColumn;
    if (!bNested)
        pStackBase = nullptr;
    return outcome;
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

void Engine::registerFunction(const QString &strName, NativeFunction function)
{
    QString strKey = strName.toLower();
    d->natives.push_back(std::make_unique<NativeFunction>(std::move(function)));
    d->nativeByKey.insert(strKey, d->natives.back().get());
}

void Engine::registerObject(const QString &strName, const Value &object)
{
    d->objectByKey.insert(strName.toLower(), object);
}

Outcome Engine::load(const QString &strText, const QString &strScriptName)
{
    if (d->pStackBase) {
        // Called from a host object while the script runs: the running script stays.
        Outcome busy;
        busy.error.kind = ScriptError::Kind::Runtime;
        busy.error.number = errors::InvalidProcedureCall;
        busy.error.description = QStringLiteral("The script is running");
        busy.error.scriptName = strScriptName;
        return busy;
    }
    d->bLoaded = false;
    d->program.reset();
    d->procedureByKey.clear();
    d->globalByKey.clear();
    d->globals.clear();
    d->strScriptName = strScriptName;

    Outcome outcome;
    auto syntaxError = [&](qint32 iNumber, const QString &strDescription, int iLine, int iColumn) {
        outcome.error.kind = ScriptError::Kind::Syntax;
        outcome.error.number = iNumber;
        outcome.error.description = strDescription;
        outcome.error.scriptName = strScriptName;
        outcome.error.line = iLine;
        outcome.error.column = iColumn;
        d->program.reset();
        d->procedureByKey.clear();
        d->globalByKey.clear();
        d->globals.clear();
        return outcome;
    };
    if (strText.size() > d->limits.maxSourceLength)
        return syntaxError(errors::OutOfMemory, QStringLiteral("Script text too long"), 0, 0);

    std::unique_ptr<Program> program(new Program);
    ParseLimits parseLimits;
    parseLimits.maxNesting = d->limits.maxNesting;
    LexError error;
    try {
        if (!parseProgram(strText, parseLimits, *program, error))
            return syntaxError(error.number, error.description, error.line, error.column);
        d->program = std::move(program);
        d->bindProgram(*d->program);
    } catch (const RuntimeError &bindError) {
        return syntaxError(bindError.number, bindError.description, 0, 0);
    } catch (const std::bad_alloc &) {
        return syntaxError(errors::OutOfMemory, QStringLiteral("Out of memory"), 0, 0);
    }

    Private *p = d.get();
    outcome = d->run([p]() {
        p->execBlock(p->program->globalCode);
        return Value();
    });
    if (!outcome.ok) {
        d->program.reset();
        d->procedureByKey.clear();
        d->globalByKey.clear();
        d->globals.clear();
        return outcome;
    }
    d->bLoaded = true;
    return outcome;
}

bool Engine::isLoaded() const
{
    return d->bLoaded;
}

Outcome Engine::call(const QString &strFunction, const QVector<Value> &arguments)
{
    Outcome outcome;
    outcome.error.scriptName = d->strScriptName;
    if (!d->bLoaded) {
        outcome.error.kind = ScriptError::Kind::Runtime;
        outcome.error.number = errors::ObjectDoesNotSupport;
        outcome.error.description = QStringLiteral("No script is loaded");
        return outcome;
    }
    Procedure *pProcedure = d->procedureByKey.value(strFunction.toLower(), nullptr);
    if (!pProcedure) {
        outcome.error.kind = ScriptError::Kind::Runtime;
        outcome.error.number = errors::ObjectDoesNotSupport;
        outcome.error.description
                = QStringLiteral("Object doesn't support this property or method: '%1'")
                          .arg(strFunction);
        return outcome;
    }
    Private *p = d.get();
    return d->run([p, pProcedure, &arguments]() {
        ArgumentList list;
        for (const Value &argument : arguments) {
            ArgValue arg;
            arg.value = argument;
            list.append(arg);
        }
        return p->callProcedure(*pProcedure, list);
    });
}

bool Engine::hasProcedure(const QString &strName) const
{
    return d->bLoaded && d->procedureByKey.contains(strName.toLower());
}

QVector<QPair<QString, int>> Engine::procedures() const
{
    QVector<QPair<QString, int>> list;
    if (!d->bLoaded)
        return list;
    for (const auto &procedure : d->program->procedures)
        list.append({procedure->name, int(procedure->params.size())});
    return list;
}

Value Engine::globalValue(const QString &strName) const
{
    if (!d->bLoaded)
        return Value();
    auto it = d->globalByKey.constFind(strName.toLower());
    if (it == d->globalByKey.constEnd())
        return Value();
    return d->globals[size_t(it.value())];
}

} // namespace vbscript
