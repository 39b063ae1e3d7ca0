#include "vbscript/parser.h"

namespace vbscript {

namespace {

struct SyntaxError
{
    int line;
    int column;
    qint32 number;
    QString description;
};

class Parser
{
public:
    Parser(std::vector<Token> &tokens, const ParseLimits &limits, Program &program)
        : m_tokens(tokens)
        , m_limits(limits)
        , m_program(program)
    { }

    void parse();

private:
    // Tokens
    const Token &peek(int iAhead = 0) const
    {
        size_t i = m_pos + size_t(iAhead);
        return i < m_tokens.size() ? m_tokens[i] : m_tokens.back();
    }
    const Token &advance()
    {
        const Token &token = peek();
        if (m_pos < m_tokens.size() - 1)
            ++m_pos;
        return token;
    }
    bool isKeyword(Keyword keyword, int iAhead = 0) const
    {
        const Token &token = peek(iAhead);
        return token.type == TokenType::Identifier && token.keyword == keyword;
    }
    bool isOperator(const char *psz, int iAhead = 0) const
    {
        const Token &token = peek(iAhead);
        return token.type == TokenType::Operator && token.text == QLatin1String(psz);
    }
    bool acceptKeyword(Keyword keyword)
    {
        if (!isKeyword(keyword))
            return false;
        advance();
        return true;
    }
    bool acceptOperator(const char *psz)
    {
        if (!isOperator(psz))
            return false;
        advance();
        return true;
    }
    bool atStatementEnd() const
    {
        TokenType type = peek().type;
        return type == TokenType::NewLine || type == TokenType::End
                || (m_iSingleLineIf > 0 && isKeyword(Keyword::Else));
    }
    [[noreturn]] void fail(qint32 iNumber, const QString &strDescription) const
    {
        const Token &token = peek();
        throw SyntaxError {token.line, token.column, iNumber, strDescription};
    }
    void expectKeyword(Keyword keyword, const char *pszName)
    {
        if (!acceptKeyword(keyword))
            fail(1002, QStringLiteral("Expected '%1'").arg(QLatin1String(pszName)));
    }
    void expectOperator(const char *psz)
    {
        if (!acceptOperator(psz)) {
            if (QLatin1String(psz) == QLatin1String(")"))
                fail(1006, QStringLiteral("Expected ')'"));
            if (QLatin1String(psz) == QLatin1String("("))
                fail(1005, QStringLiteral("Expected '('"));
            if (QLatin1String(psz) == QLatin1String("="))
                fail(1011, QStringLiteral("Expected '='"));
            fail(1002, QStringLiteral("Syntax error"));
        }
    }
    void expectStatementEnd()
    {
        if (!atStatementEnd())
            fail(1025, QStringLiteral("Expected end of statement"));
    }
    void skipNewLines()
    {
        while (peek().type == TokenType::NewLine)
            advance();
    }
    // Identifiers that are keywords only in some places may name variables.
    static bool isSoftKeyword(Keyword keyword)
    {
        switch (keyword) {
        case Keyword::None:
        case Keyword::Explicit:
        case Keyword::Error:
        case Keyword::Step:
        case Keyword::Property:
        case Keyword::Get:
        case Keyword::Preserve:
        case Keyword::Resume:
        case Keyword::Default:
            return true;
        default:
            return false;
        }
    }
    const Token &expectIdentifier()
    {
        const Token &token = peek();
        if (token.type != TokenType::Identifier || !isSoftKeyword(token.keyword))
            fail(1010, QStringLiteral("Expected identifier"));
        return advance();
    }

    struct NestingGuard
    {
        NestingGuard(Parser &parser)
            : m_parser(parser)
        {
            if (++m_parser.m_iNesting > m_parser.m_limits.maxNesting)
                m_parser.fail(1002, QStringLiteral("Nesting too deep"));
        }
        ~NestingGuard() { --m_parser.m_iNesting; }
        Parser &m_parser;
    };

    // Expressions
    ExprPtr makeExpr(Expr::Kind kind, const Token &token)
    {
        ExprPtr expr(new Expr);
        expr->kind = kind;
        expr->line = token.line;
        expr->column = token.column;
        return expr;
    }
    void setDepth(Expr &expr)
    {
        int iDepth = 0;
        if (expr.pObject)
            iDepth = qMax(iDepth, expr.pObject->depth);
        if (expr.pRight)
            iDepth = qMax(iDepth, expr.pRight->depth);
        for (const ExprPtr &arg : expr.args)
            iDepth = qMax(iDepth, arg->depth);
        expr.depth = iDepth + 1;
        if (expr.depth > m_limits.maxExpressionDepth)
            throw SyntaxError {expr.line, expr.column, 1002,
                               QStringLiteral("Expression too complex")};
    }
    ExprPtr binary(BinaryOp op, ExprPtr left, ExprPtr right, const Token &token)
    {
        ExprPtr expr = makeExpr(Expr::Kind::Binary, token);
        expr->binaryOp = op;
        expr->pObject = std::move(left);
        expr->pRight = std::move(right);
        setDepth(*expr);
        return expr;
    }
    ExprPtr unary(UnaryOp op, ExprPtr operand, const Token &token)
    {
        ExprPtr expr = makeExpr(Expr::Kind::Unary, token);
        expr->unaryOp = op;
        expr->pObject = std::move(operand);
        setDepth(*expr);
        return expr;
    }

    // The binary operators by precedence, loosest first; the operators of a level bind alike,
    // left to right. Each is a keyword or a sign. The level between And and the comparisons
    // has none: there Not prefixes its operand.
    struct BinaryOperator
    {
        int iLevel;
        Keyword keyword; // Keyword::None for a sign
        const char *pszSign;
        BinaryOp op;
    };
    static constexpr int c_iNotLevel = 5;
    static constexpr BinaryOperator c_aBinaryOperators[] = {
            {0, Keyword::Imp, nullptr, BinaryOp::Imp},
            {1, Keyword::Eqv, nullptr, BinaryOp::Eqv},
            {2, Keyword::Xor, nullptr, BinaryOp::Xor},
            {3, Keyword::Or, nullptr, BinaryOp::Or},
            {4, Keyword::And, nullptr, BinaryOp::And},
            {6, Keyword::Is, nullptr, BinaryOp::Is},
            {6, Keyword::None, "=", BinaryOp::Equal},
            {6, Keyword::None, "<>", BinaryOp::NotEqual},
            {6, Keyword::None, "<", BinaryOp::Less},
            {6, Keyword::None, ">", BinaryOp::Greater},
            {6, Keyword::None, "<=", BinaryOp::LessEqual},
            {6, Keyword::None, ">=", BinaryOp::GreaterEqual},
            {7, Keyword::None, "&", BinaryOp::Concat},
            {8, Keyword::None, "+", BinaryOp::Add},
            {8, Keyword::None, "-", BinaryOp::Subtract},
            {9, Keyword::Mod, nullptr, BinaryOp::Mod},
            {10, Keyword::None, "\\", BinaryOp::IntDivide},
            {11, Keyword::None, "*", BinaryOp::Multiply},
            {11, Keyword::None, "/", BinaryOp::Divide},
            // The script host binds a sign tighter than "^": -2^2 is 4.
            {12, Keyword::None, "^", BinaryOp::Power},
    };

    // The binary operator the next token is, or none; found once for each token.
    const BinaryOperator *nextBinaryOperator()
    {
        if (m_operatorPos == m_pos)
            return m_pOperator;
        m_operatorPos = m_pos;
        m_pOperator = nullptr;
        const Token &token = peek();
        if (token.type == TokenType::Identifier && token.keyword != Keyword::None) {
            for (const BinaryOperator &entry : c_aBinaryOperators) {
                if (!entry.pszSign && entry.keyword == token.keyword)
                    return m_pOperator = &entry;
            }
        } else if (token.type == TokenType::Operator && !token.text.isEmpty()
                   && token.text.size() <= 2) {
            // A sign has one or two letters.
            const QChar first = token.text.at(0);
            const QChar second = token.text.size() > 1 ? token.text.at(1) : QChar();
            for (const BinaryOperator &entry : c_aBinaryOperators) {
                if (entry.pszSign && first == QLatin1Char(entry.pszSign[0])
                    && second == QLatin1Char(entry.pszSign[1]))
                    return m_pOperator = &entry;
            }
        }
        return nullptr;
    }

    ExprPtr parseExpression() { return parseBinary(0); }
    // Operands joined by the binary operators of this level and the tighter ones: each
    // operator takes on its right the operators that bind tighter, so that those of one level
    // group left to right. Not prefixes an operand where an operand of And may stand.
    ExprPtr parseBinary(int iMinLevel)
    {
        ExprPtr left;
        if (iMinLevel <= c_iNotLevel && isKeyword(Keyword::Not)) {
            NestingGuard guard(*this);
            const Token &token = advance();
            left = unary(UnaryOp::Not, parseBinary(c_iNotLevel), token);
        } else {
            left = parseUnary();
        }
        for (const BinaryOperator *pOperator = nextBinaryOperator();
             pOperator && pOperator->iLevel >= iMinLevel; pOperator = nextBinaryOperator()) {
            const Token &token = advance();
            left = binary(pOperator->op, std::move(left), parseBinary(pOperator->iLevel + 1),
                          token);
        }
        return left;
    }
    ExprPtr parseUnary()
    {
        if (isOperator("-") || isOperator("+")) {
            NestingGuard guard(*this);
            const Token &token = advance();
            UnaryOp op = token.text == QLatin1String("-") ? UnaryOp::Negate : UnaryOp::Plus;
            return unary(op, parseUnary(), token);
        }
        return parsePostfix();
    }
    void parseArguments(Expr &expr)
    {
        NestingGuard guard(*this);
        expectOperator("(");
        expr.bParens = true;
        if (!isOperator(")")) {
            for (;;) {
                if (isOperator(",") || isOperator(")"))
                    fail(1002, QStringLiteral("Syntax error"));
                expr.args.push_back(parseExpression());
                if (!acceptOperator(","))
                    break;
            }
        }
        expectOperator(")");
        setDepth(expr);
    }
    ExprPtr parsePrimary()
    {
        const Token &token = peek();
        switch (token.type) {
        case TokenType::Number: {
            ExprPtr expr = makeExpr(Expr::Kind::Literal, token);
            expr->literal = token.number;
            advance();
            return expr;
        }
        case TokenType::String: {
            ExprPtr expr = makeExpr(Expr::Kind::Literal, token);
            expr->literal = Value(token.text);
            advance();
            return expr;
        }
        case TokenType::Operator:
            if (token.text == QLatin1String("(")) {
                NestingGuard guard(*this);
                ExprPtr expr = makeExpr(Expr::Kind::Paren, token);
                advance();
                expr->pObject = parseExpression();
                expectOperator(")");
                setDepth(*expr);
                return expr;
            }
            break;
        case TokenType::Identifier: {
            ExprPtr expr = makeExpr(Expr::Kind::Literal, token);
            switch (token.keyword) {
            case Keyword::True:
                expr->literal = Value(true);
                advance();
                return expr;
            case Keyword::False:
                expr->literal = Value(false);
                advance();
                return expr;
            case Keyword::Empty:
                advance();
                return expr;
            case Keyword::Null:
                expr->literal = Value::null();
                advance();
                return expr;
            case Keyword::Nothing:
                expr->literal = Value::nothing();
                advance();
                return expr;
            case Keyword::New:
                fail(1002, QStringLiteral("Classes are not supported"));
            default:
                break;
            }
            if (!isSoftKeyword(token.keyword))
                break;
            expr->kind = Expr::Kind::Name;
            expr->name = token.text;
            expr->key = token.key;
            advance();
            return expr;
        }
        default:
            break;
        }
        fail(1002, QStringLiteral("Syntax error"));
    }
    // A name followed by members and argument lists. *pLastArgs gets the token position of
    // the last argument list when the chain ends with one (-1 otherwise).
    ExprPtr parsePostfix(long *pLastArgs = nullptr)
    {
        ExprPtr expr = parsePrimary();
        if (pLastArgs)
            *pLastArgs = -1;
        if (expr->kind != Expr::Kind::Name)
            return expr;
        for (;;) {
            if (isOperator("(")) {
                long iStart = long(m_pos);
                if (!expr->bParens
                    && (expr->kind == Expr::Kind::Name || expr->kind == Expr::Kind::Member)) {
                    parseArguments(*expr);
                } else {
                    ExprPtr index = makeExpr(Expr::Kind::Index, peek());
                    index->pObject = std::move(expr);
                    parseArguments(*index);
                    expr = std::move(index);
                }
                if (pLastArgs)
                    *pLastArgs = iStart;
            } else if (isOperator(".")) {
                const Token &dot = advance();
                const Token &name = peek();
                if (name.type != TokenType::Identifier)
                    fail(1010, QStringLiteral("Expected identifier"));
                advance();
                ExprPtr member = makeExpr(Expr::Kind::Member, dot);
                member->name = name.text;
                member->key = name.key;
                member->pObject = std::move(expr);
                setDepth(*member);
                expr = std::move(member);
                if (pLastArgs)
                    *pLastArgs = -1;
            } else {
                return expr;
            }
        }
    }

    // Statements
    static bool isBlockEnd(const Token &token)
    {
        if (token.type == TokenType::End)
            return true;
        if (token.type != TokenType::Identifier)
            return false;
        switch (token.keyword) {
        case Keyword::End:
        case Keyword::Else:
        case Keyword::ElseIf:
        case Keyword::Next:
        case Keyword::Loop:
        case Keyword::Wend:
        case Keyword::Case:
            return true;
        default:
            return false;
        }
    }
    Block parseBlock()
    {
        NestingGuard guard(*this);
        Block block;
        for (;;) {
            skipNewLines();
            if (isBlockEnd(peek()))
                return block;
            if (StmtPtr stmt = parseStatement())
                block.push_back(std::move(stmt));
            if (peek().type != TokenType::End && peek().type != TokenType::NewLine)
                fail(1025, QStringLiteral("Expected end of statement"));
        }
    }
    StmtPtr makeStmt(Stmt::Kind kind, const Token &token)
    {
        StmtPtr stmt(new Stmt);
        stmt->kind = kind;
        stmt->line = token.line;
        stmt->column = token.column;
        return stmt;
    }
    ExprPtr nameExpr(const Token &token)
    {
        ExprPtr expr = makeExpr(Expr::Kind::Name, token);
        expr->name = token.text;
        expr->key = token.key;
        return expr;
    }
    void expectEnd(Keyword keyword, const char *pszName)
    {
        skipNewLines();
        if (!acceptKeyword(Keyword::End))
            fail(1002, QStringLiteral("Expected 'End %1'").arg(QLatin1String(pszName)));
        if (!acceptKeyword(keyword))
            fail(1002, QStringLiteral("Expected '%1'").arg(QLatin1String(pszName)));
    }

    StmtPtr parseStatement();
    StmtPtr parseDim(const Token &token, bool bReDim);
    StmtPtr parseConst(const Token &token);
    StmtPtr parseIf(const Token &token);
    StmtPtr parseFor(const Token &token);
    StmtPtr parseDo(const Token &token);
    StmtPtr parseSelect(const Token &token);
    StmtPtr parseAssignOrCall(const Token &token, bool bCallKeyword);
    void parseProcedure(bool bFunction);
    Block parseSingleLineBody();

    std::vector<Token> &m_tokens;
    const ParseLimits &m_limits;
    Program &m_program;
    size_t m_pos = 0;
    // The token position nextBinaryOperator() last looked at, and what it found there.
    size_t m_operatorPos = size_t(-1);
    const BinaryOperator *m_pOperator = nullptr;
    int m_iNesting = 0;
    int m_iSingleLineIf = 0;
    Procedure *m_pProcedure = nullptr;
};

StmtPtr Parser::parseDim(const Token &token, bool bReDim)
{
    StmtPtr stmt = makeStmt(bReDim ? Stmt::Kind::ReDim : Stmt::Kind::Dim, token);
    if (bReDim)
        stmt->bPreserve = acceptKeyword(Keyword::Preserve);
    for (;;) {
        const Token &name = expectIdentifier();
        DimItem item;
        item.name = name.text;
        item.key = name.key;
        item.line = name.line;
        item.column = name.column;
        if (bReDim)
            item.pTarget = nameExpr(name);
        if (acceptOperator("(")) {
            NestingGuard guard(*this);
            item.bArray = true;
            if (!isOperator(")")) {
                for (;;) {
                    item.bounds.push_back(parseExpression());
                    if (!acceptOperator(","))
                        break;
                }
            }
            expectOperator(")");
            if (item.bounds.size() > 60)
                fail(1002, QStringLiteral("Too many dimensions"));
        }
        if (bReDim && item.bounds.empty())
            fail(1005, QStringLiteral("Expected '('"));
        stmt->dims.push_back(std::move(item));
        if (!acceptOperator(","))
            break;
    }
    expectStatementEnd();
    return stmt;
}

StmtPtr Parser::parseConst(const Token &token)
{
    StmtPtr stmt = makeStmt(Stmt::Kind::Const, token);
    for (;;) {
        const Token &name = expectIdentifier();
        DimItem item;
        item.name = name.text;
        item.key = name.key;
        item.line = name.line;
        item.column = name.column;
        expectOperator("=");
        item.bounds.push_back(parseExpression());
        stmt->dims.push_back(std::move(item));
        if (!acceptOperator(","))
            break;
    }
    expectStatementEnd();
    return stmt;
}

Block Parser::parseSingleLineBody()
{
    // Statements separated by ":" up to the line end (or an Else of the same If).
    Block block;
    for (;;) {
        if (peek().type == TokenType::End)
            break;
        if (peek().type == TokenType::NewLine) {
            if (!peek().bColon)
                break;
            advance();
            continue;
        }
        if (isKeyword(Keyword::Else) || isBlockEnd(peek()))
            break;
        if (StmtPtr stmt = parseStatement())
            block.push_back(std::move(stmt));
        if (!atStatementEnd())
            fail(1025, QStringLiteral("Expected end of statement"));
    }
    return block;
}

StmtPtr Parser::parseIf(const Token &token)
{
    StmtPtr stmt = makeStmt(Stmt::Kind::If, token);
    IfClause clause;
    clause.pCondition = parseExpression();
    expectKeyword(Keyword::Then, "Then");
    if (peek().type != TokenType::NewLine && peek().type != TokenType::End) {
        // Single-line If
        NestingGuard guard(*this);
        ++m_iSingleLineIf;
        clause.body = parseSingleLineBody();
        stmt->clauses.push_back(std::move(clause));
        if (acceptKeyword(Keyword::Else))
            stmt->elseBody = parseSingleLineBody();
        --m_iSingleLineIf;
        return stmt;
    }
    int iSavedSingleLine = m_iSingleLineIf;
    m_iSingleLineIf = 0;
    clause.body = parseBlock();
    stmt->clauses.push_back(std::move(clause));
    for (;;) {
        if (acceptKeyword(Keyword::ElseIf)) {
            IfClause elseIf;
            elseIf.pCondition = parseExpression();
            expectKeyword(Keyword::Then, "Then");
            elseIf.body = parseBlock();
            stmt->clauses.push_back(std::move(elseIf));
            continue;
        }
        if (acceptKeyword(Keyword::Else)) {
            stmt->elseBody = parseBlock();
        }
        break;
    }
    expectEnd(Keyword::If, "If");
    m_iSingleLineIf = iSavedSingleLine;
    return stmt;
}

StmtPtr Parser::parseFor(const Token &token)
{
    int iSavedSingleLine = m_iSingleLineIf;
    m_iSingleLineIf = 0;
    StmtPtr stmt;
    if (acceptKeyword(Keyword::Each)) {
        stmt = makeStmt(Stmt::Kind::ForEach, token);
        stmt->pTarget = nameExpr(expectIdentifier());
        expectKeyword(Keyword::In, "In");
        stmt->pValue = parseExpression();
    } else {
        stmt = makeStmt(Stmt::Kind::For, token);
        stmt->pTarget = nameExpr(expectIdentifier());
        expectOperator("=");
        stmt->pFrom = parseExpression();
        expectKeyword(Keyword::To, "To");
        stmt->pTo = parseExpression();
        if (acceptKeyword(Keyword::Step))
            stmt->pStep = parseExpression();
    }
    expectStatementEnd();
    stmt->body = parseBlock();
    expectKeyword(Keyword::Next, "Next");
    if (peek().type == TokenType::Identifier && !isKeyword(Keyword::Else)) {
        const Token &name = advance();
        if (name.key != stmt->pTarget->key)
            fail(1002, QStringLiteral("Invalid 'Next' variable"));
    }
    m_iSingleLineIf = iSavedSingleLine;
    return stmt;
}

StmtPtr Parser::parseDo(const Token &token)
{
    int iSavedSingleLine = m_iSingleLineIf;
    m_iSingleLineIf = 0;
    StmtPtr stmt = makeStmt(Stmt::Kind::Do, token);
    if (isKeyword(Keyword::While) || isKeyword(Keyword::Until)) {
        stmt->bUntil = advance().keyword == Keyword::Until;
        stmt->pValue = parseExpression();
    }
    expectStatementEnd();
    stmt->body = parseBlock();
    expectKeyword(Keyword::Loop, "Loop");
    if (isKeyword(Keyword::While) || isKeyword(Keyword::Until)) {
        if (stmt->pValue)
            fail(1002, QStringLiteral("Syntax error"));
        stmt->bUntil = advance().keyword == Keyword::Until;
        stmt->bPostTest = true;
        stmt->pValue = parseExpression();
    }
    m_iSingleLineIf = iSavedSingleLine;
    return stmt;
}

StmtPtr Parser::parseSelect(const Token &token)
{
    int iSavedSingleLine = m_iSingleLineIf;
    m_iSingleLineIf = 0;
    expectKeyword(Keyword::Case, "Case");
    StmtPtr stmt = makeStmt(Stmt::Kind::Select, token);
    stmt->pValue = parseExpression();
    expectStatementEnd();
    skipNewLines();
    while (acceptKeyword(Keyword::Case)) {
        CaseClause clause;
        if (acceptKeyword(Keyword::Else)) {
            clause.bElse = true;
        } else {
            for (;;) {
                clause.values.push_back(parseExpression());
                if (!acceptOperator(","))
                    break;
            }
        }
        clause.body = parseBlock();
        bool bElse = clause.bElse;
        stmt->cases.push_back(std::move(clause));
        if (bElse)
            break;
    }
    expectEnd(Keyword::Select, "Select");
    m_iSingleLineIf = iSavedSingleLine;
    return stmt;
}

StmtPtr Parser::parseAssignOrCall(const Token &token, bool bCallKeyword)
{
    long iLastArgs = -1;
    ExprPtr target = parsePostfix(&iLastArgs);
    if (target->kind != Expr::Kind::Name && target->kind != Expr::Kind::Member
        && target->kind != Expr::Kind::Index)
        fail(1002, QStringLiteral("Syntax error"));
    if (!bCallKeyword && isOperator("=")) {
        advance();
        StmtPtr stmt = makeStmt(Stmt::Kind::Assign, token);
        stmt->pTarget = std::move(target);
        stmt->pValue = parseExpression();
        expectStatementEnd();
        return stmt;
    }
    StmtPtr stmt = makeStmt(Stmt::Kind::Call, token);
    if (bCallKeyword) {
        expectStatementEnd();
        if (target->kind == Expr::Kind::Index)
            fail(1002, QStringLiteral("Syntax error"));
        stmt->pTarget = std::move(target);
        return stmt;
    }
    if (atStatementEnd()) {
        if (target->kind == Expr::Kind::Index)
            fail(1002, QStringLiteral("Syntax error"));
        if (target->bParens && iLastArgs >= 0) {
            // "name (x)": the parentheses belong to the argument, which is passed by value.
            if (target->args.size() > 1)
                fail(1044, QStringLiteral("Cannot use parentheses when calling a Sub"));
            if (target->args.size() == 1) {
                ExprPtr paren = makeExpr(Expr::Kind::Paren, token);
                paren->pObject = std::move(target->args[0]);
                setDepth(*paren);
                target->args[0] = std::move(paren);
            }
        }
        stmt->pTarget = std::move(target);
        return stmt;
    }
    // Arguments without parentheses; an argument list parsed at the end of the callee is
    // really the start of the first argument.
    if (target->kind == Expr::Kind::Index)
        fail(1002, QStringLiteral("Syntax error"));
    if (iLastArgs >= 0) {
        m_pos = size_t(iLastArgs);
        target->args.clear();
    } else if (target->bParens) {
        fail(1025, QStringLiteral("Expected end of statement"));
    }
    target->bParens = true;
    for (;;) {
        if (isOperator(","))
            fail(1002, QStringLiteral("Syntax error"));
        target->args.push_back(parseExpression());
        if (!acceptOperator(","))
            break;
    }
    setDepth(*target);
    expectStatementEnd();
    stmt->pTarget = std::move(target);
    return stmt;
}

void Parser::parseProcedure(bool bFunction)
{
    if (m_pProcedure || m_iNesting > 1 || m_iSingleLineIf > 0)
        fail(1002, QStringLiteral("Syntax error"));
    const Token &name = expectIdentifier();
    std::unique_ptr<Procedure> procedure(new Procedure);
    procedure->name = name.text;
    procedure->key = name.key;
    procedure->bFunction = bFunction;
    procedure->line = name.line;
    for (const auto &other : m_program.procedures) {
        if (other->key == procedure->key)
            fail(1041, QStringLiteral("Name redefined"));
    }
    if (acceptOperator("(")) {
        if (!isOperator(")")) {
            for (;;) {
                Parameter param;
                if (acceptKeyword(Keyword::ByVal))
                    param.bByVal = true;
                else
                    acceptKeyword(Keyword::ByRef);
                const Token &paramName = expectIdentifier();
                param.name = paramName.text;
                param.key = paramName.key;
                if (acceptOperator("("))
                    expectOperator(")");
                for (const Parameter &other : procedure->params) {
                    if (other.key == param.key)
                        fail(1041, QStringLiteral("Name redefined"));
                }
                procedure->params.push_back(param);
                if (!acceptOperator(","))
                    break;
            }
        }
        expectOperator(")");
    }
    expectStatementEnd();
    m_pProcedure = procedure.get();
    procedure->body = parseBlock();
    expectEnd(bFunction ? Keyword::Function : Keyword::Sub, bFunction ? "Function" : "Sub");
    m_pProcedure = nullptr;
    m_program.procedures.push_back(std::move(procedure));
}

StmtPtr Parser::parseStatement()
{
    const Token &token = peek();
    if (token.type != TokenType::Identifier) {
        if (token.type == TokenType::Operator && token.text == QLatin1String("."))
            fail(1002, QStringLiteral("'With' is not supported"));
        fail(1002, QStringLiteral("Syntax error"));
    }
    switch (token.keyword) {
    case Keyword::Option: {
        advance();
        expectKeyword(Keyword::Explicit, "Explicit");
        if (m_pProcedure || m_iNesting > 1)
            fail(1002, QStringLiteral("Syntax error"));
        m_program.bOptionExplicit = true;
        expectStatementEnd();
        return nullptr;
    }
    case Keyword::Public:
    case Keyword::Private: {
        advance();
        if (m_pProcedure || m_iNesting > 1)
            fail(1002, QStringLiteral("Syntax error"));
        acceptKeyword(Keyword::Default);
        if (acceptKeyword(Keyword::Function)) {
            parseProcedure(true);
            return nullptr;
        }
        if (acceptKeyword(Keyword::Sub)) {
            parseProcedure(false);
            return nullptr;
        }
        if (isKeyword(Keyword::Const))
            return parseConst(advance());
        return parseDim(token, false);
    }
    case Keyword::Function:
        advance();
        parseProcedure(true);
        return nullptr;
    case Keyword::Sub:
        advance();
        parseProcedure(false);
        return nullptr;
    case Keyword::Dim:
        advance();
        return parseDim(token, false);
    case Keyword::ReDim:
        advance();
        return parseDim(token, true);
    case Keyword::Erase: {
        advance();
        StmtPtr stmt = makeStmt(Stmt::Kind::Erase, token);
        const Token &name = expectIdentifier();
        DimItem item;
        item.name = name.text;
        item.key = name.key;
        item.pTarget = nameExpr(name);
        stmt->dims.push_back(std::move(item));
        expectStatementEnd();
        return stmt;
    }
    case Keyword::Const:
        advance();
        return parseConst(token);
    case Keyword::Set: {
        advance();
        StmtPtr stmt = parseAssignOrCall(token, false);
        if (stmt->kind != Stmt::Kind::Assign)
            throw SyntaxError {token.line, token.column, 1011, QStringLiteral("Expected '='")};
        stmt->bSet = true;
        return stmt;
    }
    case Keyword::Let: {
        advance();
        StmtPtr stmt = parseAssignOrCall(token, false);
        if (stmt->kind != Stmt::Kind::Assign)
            throw SyntaxError {token.line, token.column, 1011, QStringLiteral("Expected '='")};
        return stmt;
    }
    case Keyword::Call:
        advance();
        return parseAssignOrCall(token, true);
    case Keyword::If:
        advance();
        return parseIf(token);
    case Keyword::For:
        advance();
        return parseFor(token);
    case Keyword::Do:
        advance();
        return parseDo(token);
    case Keyword::While: {
        advance();
        int iSavedSingleLine = m_iSingleLineIf;
        m_iSingleLineIf = 0;
        StmtPtr stmt = makeStmt(Stmt::Kind::While, token);
        stmt->pValue = parseExpression();
        expectStatementEnd();
        stmt->body = parseBlock();
        expectKeyword(Keyword::Wend, "Wend");
        m_iSingleLineIf = iSavedSingleLine;
        return stmt;
    }
    case Keyword::Select:
        advance();
        return parseSelect(token);
    case Keyword::Exit: {
        advance();
        StmtPtr stmt;
        if (acceptKeyword(Keyword::Do))
            stmt = makeStmt(Stmt::Kind::ExitDo, token);
        else if (acceptKeyword(Keyword::For))
            stmt = makeStmt(Stmt::Kind::ExitFor, token);
        else if (acceptKeyword(Keyword::Function)) {
            if (!m_pProcedure || !m_pProcedure->bFunction)
                fail(1002, QStringLiteral("Invalid 'Exit' statement"));
            stmt = makeStmt(Stmt::Kind::ExitProcedure, token);
        } else if (acceptKeyword(Keyword::Sub)) {
            if (!m_pProcedure || m_pProcedure->bFunction)
                fail(1002, QStringLiteral("Invalid 'Exit' statement"));
            stmt = makeStmt(Stmt::Kind::ExitProcedure, token);
        } else
            fail(1002, QStringLiteral("Syntax error"));
        expectStatementEnd();
        return stmt;
    }
    case Keyword::On:
        fail(1002, QStringLiteral("'On Error' is not supported"));
    case Keyword::Class:
        fail(1002, QStringLiteral("Classes are not supported"));
    case Keyword::With:
        fail(1002, QStringLiteral("'With' is not supported"));
    default:
        break;
    }
    if (!isSoftKeyword(token.keyword))
        fail(1002, QStringLiteral("Syntax error"));
    return parseAssignOrCall(token, false);
}

void Parser::parse()
{
    Block block = parseBlock();
    if (peek().type != TokenType::End)
        fail(1002, QStringLiteral("Syntax error"));
    m_program.globalCode = std::move(block);
}

} // namespace

bool parseProgram(const QString &strText, const ParseLimits &limits, Program &program,
                  LexError &error)
{
    std::vector<Token> tokens;
    if (!tokenize(strText, tokens, error))
        return false;
    try {
        Parser parser(tokens, limits, program);
        parser.parse();
    } catch (const SyntaxError &syntaxError) {
        error.line = syntaxError.line;
        error.column = syntaxError.column;
        error.number = syntaxError.number;
        error.description = syntaxError.description;
        program = Program();
        return false;
    }
    return true;
}

} // namespace vbscript
