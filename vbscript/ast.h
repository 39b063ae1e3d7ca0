#ifndef VBSCRIPT_AST_H
#define VBSCRIPT_AST_H

#include "vbscript/hostobject.h"
#include "vbscript/value.h"

#include <QString>

#include <memory>
#include <vector>

namespace vbscript {

struct Procedure;
struct Builtin;

enum class BinaryOp {
    Imp,
    Eqv,
    Xor,
    Or,
    And,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Is,
    Concat,
    Add,
    Subtract,
    Mod,
    IntDivide,
    Multiply,
    Divide,
    Power,
};

enum class UnaryOp { Not, Negate, Plus };

// What a name stands for, decided once after parsing.
enum class Binding {
    Unresolved,
    Local, // slot in the procedure's frame
    Global, // slot in the script's globals
    Procedure, // a Function or Sub of the script
    Native, // a function registered by the host
    Builtin, // a built-in function
    Constant, // a built-in constant (the value is in Expr::literal)
    Undefined, // Option Explicit and not declared: error when evaluated
};

// How an expression's value can be read without evaluating it, decided once after parsing.
enum class Access : quint8 {
    Evaluated, // only by evaluating it
    Literal, // a literal or a constant: in Expr::literal
    Variable, // a variable's slot
    Element, // an array variable with subscripts: in place when it holds an array
};

struct Expr
{
    enum class Kind {
        Literal,
        Name, // identifier, with arguments when bParens
        Member, // pObject.name, with arguments when bParens
        Index, // pObject(args) where pObject is not a plain name or member
        Unary,
        Binary,
        Paren, // (expr): passes by value
    };

    Kind kind = Kind::Literal;
    int line = 0;
    int column = 0;
    int depth = 1; // height of the tree below, to bound evaluation recursion

    Value literal;
    QString name; // as written
    QString key; // lower case
    bool bParens = false; // an argument list was written (possibly empty)
    std::vector<std::unique_ptr<Expr>> args;
    std::unique_ptr<Expr> pObject; // Member and Index base; Unary operand; Binary left
    std::unique_ptr<Expr> pRight; // Binary right
    BinaryOp binaryOp = BinaryOp::Add;
    UnaryOp unaryOp = UnaryOp::Not;

    Binding binding = Binding::Unresolved;
    Access access = Access::Evaluated;
    int iSlot = -1;
    Procedure *pProcedure = nullptr;
    const Builtin *pBuiltin = nullptr;
    const NativeFunction *pNative = nullptr;
};

using ExprPtr = std::unique_ptr<Expr>;

struct Stmt;
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct DimItem
{
    QString name;
    QString key;
    int line = 0;
    int column = 0;
    bool bArray = false; // "x()" or "x(3)"
    std::vector<ExprPtr> bounds;
    ExprPtr pTarget; // for ReDim and Erase: the variable as a name expression
};

struct IfClause
{
    ExprPtr pCondition;
    Block body;
};

struct CaseClause
{
    std::vector<ExprPtr> values; // empty for Case Else
    bool bElse = false;
    Block body;
};

struct Stmt
{
    enum class Kind {
        Assign, // pTarget = pValue (bSet: Set)
        Call, // pTarget is the callee: a Name or Member, with its arguments
        Dim,
        ReDim,
        Erase,
        Const,
        If,
        For,
        ForEach,
        Do,
        While,
        Select,
        ExitDo,
        ExitFor,
        ExitProcedure,
        OptionExplicit,
        Nop,
    };

    Kind kind = Kind::Nop;
    int line = 0;
    int column = 0;

    ExprPtr pTarget;
    ExprPtr pValue;
    ExprPtr pFrom, pTo, pStep; // For
    bool bSet = false;
    bool bPreserve = false;
    bool bUntil = false; // Do: Until instead of While
    bool bPostTest = false; // Do: the condition stands after Loop
    std::vector<DimItem> dims; // Dim, ReDim, Erase, Const (bounds[0] holds a Const's value)
    std::vector<IfClause> clauses; // If and ElseIf
    Block elseBody;
    std::vector<CaseClause> cases;
    Block body;
};

struct Parameter
{
    QString name;
    QString key;
    bool bByVal = false;
};

struct Procedure
{
    QString name;
    QString key;
    bool bFunction = false;
    int line = 0;
    std::vector<Parameter> params;
    Block body;
    // Frame layout: slot 0 holds the result, parameters follow, then the locals.
    std::vector<QString> localKeys;
    int iFrameSize = 0;
};

struct Program
{
    bool bOptionExplicit = false;
    Block globalCode;
    std::vector<std::unique_ptr<Procedure>> procedures;
};

} // namespace vbscript

#endif // VBSCRIPT_AST_H
