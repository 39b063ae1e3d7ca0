#include "vbscript/lexer.h"

#include <QHash>

namespace vbscript {

namespace {

const QHash<QString, Keyword> &keywords()
{
    static const QHash<QString, Keyword> table = {
            {QStringLiteral("and"), Keyword::And},
            {QStringLiteral("byref"), Keyword::ByRef},
            {QStringLiteral("byval"), Keyword::ByVal},
            {QStringLiteral("call"), Keyword::Call},
            {QStringLiteral("case"), Keyword::Case},
            {QStringLiteral("class"), Keyword::Class},
            {QStringLiteral("const"), Keyword::Const},
            {QStringLiteral("default"), Keyword::Default},
            {QStringLiteral("dim"), Keyword::Dim},
            {QStringLiteral("do"), Keyword::Do},
            {QStringLiteral("each"), Keyword::Each},
            {QStringLiteral("else"), Keyword::Else},
            {QStringLiteral("elseif"), Keyword::ElseIf},
            {QStringLiteral("empty"), Keyword::Empty},
            {QStringLiteral("end"), Keyword::End},
            {QStringLiteral("eqv"), Keyword::Eqv},
            {QStringLiteral("erase"), Keyword::Erase},
            {QStringLiteral("error"), Keyword::Error},
            {QStringLiteral("exit"), Keyword::Exit},
            {QStringLiteral("explicit"), Keyword::Explicit},
            {QStringLiteral("false"), Keyword::False},
            {QStringLiteral("for"), Keyword::For},
            {QStringLiteral("function"), Keyword::Function},
            {QStringLiteral("get"), Keyword::Get},
            {QStringLiteral("goto"), Keyword::GoTo},
            {QStringLiteral("if"), Keyword::If},
            {QStringLiteral("imp"), Keyword::Imp},
            {QStringLiteral("in"), Keyword::In},
            {QStringLiteral("is"), Keyword::Is},
            {QStringLiteral("let"), Keyword::Let},
            {QStringLiteral("loop"), Keyword::Loop},
            {QStringLiteral("mod"), Keyword::Mod},
            {QStringLiteral("new"), Keyword::New},
            {QStringLiteral("next"), Keyword::Next},
            {QStringLiteral("not"), Keyword::Not},
            {QStringLiteral("nothing"), Keyword::Nothing},
            {QStringLiteral("null"), Keyword::Null},
            {QStringLiteral("on"), Keyword::On},
            {QStringLiteral("option"), Keyword::Option},
            {QStringLiteral("or"), Keyword::Or},
            {QStringLiteral("preserve"), Keyword::Preserve},
            {QStringLiteral("private"), Keyword::Private},
            {QStringLiteral("property"), Keyword::Property},
            {QStringLiteral("public"), Keyword::Public},
            {QStringLiteral("redim"), Keyword::ReDim},
            {QStringLiteral("resume"), Keyword::Resume},
            {QStringLiteral("select"), Keyword::Select},
            {QStringLiteral("set"), Keyword::Set},
            {QStringLiteral("step"), Keyword::Step},
            {QStringLiteral("sub"), Keyword::Sub},
            {QStringLiteral("then"), Keyword::Then},
            {QStringLiteral("to"), Keyword::To},
            {QStringLiteral("true"), Keyword::True},
            {QStringLiteral("until"), Keyword::Until},
            {QStringLiteral("wend"), Keyword::Wend},
            {QStringLiteral("while"), Keyword::While},
            {QStringLiteral("with"), Keyword::With},
            {QStringLiteral("xor"), Keyword::Xor},
    };
    return table;
}

bool isIdentifierStart(QChar c)
{
    return c.isLetter();
}

bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A literal's Variant type: Integer, Long, else Double.
Value integerLiteral(qint64 i)
{
    if (i >= -32768 && i <= 32767)
        return Value::integer(qint16(i));
    if (i >= -2147483648LL && i <= 2147483647LL)
        return Value::longValue(qint32(i));
    return Value(double(i));
}

} // namespace

bool tokenize(const QString &strText, std::vector<Token> &tokens, LexError &error)
{
    const int iSize = strText.size();
    const QChar *p = strText.constData();
    int i = 0;
    int iLine = 1;
    int iLineStart = 0;

    auto fail = [&](int iNumber, const QString &strDescription) {
        error.line = iLine;
        error.column = i - iLineStart + 1;
        error.number = iNumber;
        error.description = strDescription;
        return false;
    };
    auto atStatementStart
            = [&]() { return tokens.empty() || tokens.back().type == TokenType::NewLine; };
    auto skipToLineEnd = [&]() {
        while (i < iSize && p[i] != QLatin1Char('\n') && p[i] != QLatin1Char('\r'))
            ++i;
    };

    while (i < iSize) {
        QChar c = p[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xA0)
            || c == QChar(0xFEFF)) {
            ++i;
            continue;
        }
        Token token;
        token.line = iLine;
        token.column = i - iLineStart + 1;

        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < iSize && p[i + 1] == QLatin1Char('\n'))
                ++i;
            ++i;
            token.type = TokenType::NewLine;
            tokens.push_back(std::move(token));
            ++iLine;
            iLineStart = i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            ++i;
            token.type = TokenType::NewLine;
            token.bColon = true;
            tokens.push_back(std::move(token));
            continue;
        }
        if (c == QLatin1Char('\'')) {
            skipToLineEnd();
            continue;
        }
        if (c == QLatin1Char('_')) {
            // Line continuation: "_" followed by nothing but blanks up to the line end.
            int j = i + 1;
            while (j < iSize && (p[j] == QLatin1Char(' ') || p[j] == QLatin1Char('\t')))
                ++j;
            if (j >= iSize || p[j] == QLatin1Char('\r') || p[j] == QLatin1Char('\n')) {
                i = j;
                if (i < iSize && p[i] == QLatin1Char('\r'))
                    ++i;
                if (i < iSize && p[i] == QLatin1Char('\n'))
                    ++i;
                ++iLine;
                iLineStart = i;
                continue;
            }
            return fail(1032, QStringLiteral("Invalid character"));
        }
        if (isIdentifierStart(c)) {
            int iStart = i;
            while (i < iSize && isIdentifierPart(p[i]))
                ++i;
            token.text = strText.mid(iStart, i - iStart);
            token.key = token.text.toLower();
            if (token.key == QLatin1String("rem") && atStatementStart()) {
                skipToLineEnd();
                continue;
            }
            token.type = TokenType::Identifier;
            token.keyword = keywords().value(token.key, Keyword::None);
            tokens.push_back(std::move(token));
            continue;
        }
        if (c == QLatin1Char('[')) {
            int iStart = ++i;
            while (i < iSize && p[i] != QLatin1Char(']') && p[i] != QLatin1Char('\n')
                   && p[i] != QLatin1Char('\r'))
                ++i;
            if (i >= iSize || p[i] != QLatin1Char(']'))
                return fail(1010, QStringLiteral("Expected identifier"));
            token.text = strText.mid(iStart, i - iStart);
            token.key = token.text.toLower();
            token.type = TokenType::Identifier;
            ++i;
            tokens.push_back(std::move(token));
            continue;
        }
        if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < iSize && p[i + 1].isDigit())) {
            int iStart = i;
            while (i < iSize && p[i].isDigit())
                ++i;
            bool bFloat = false;
            if (i < iSize && p[i] == QLatin1Char('.')) {
                bFloat = true;
                ++i;
                while (i < iSize && p[i].isDigit())
                    ++i;
            }
            if (i < iSize && (p[i] == QLatin1Char('e') || p[i] == QLatin1Char('E'))) {
                int j = i + 1;
                if (j < iSize && (p[j] == QLatin1Char('+') || p[j] == QLatin1Char('-')))
                    ++j;
                if (j < iSize && p[j].isDigit()) {
                    bFloat = true;
                    i = j;
                    while (i < iSize && p[i].isDigit())
                        ++i;
                }
            }
            if (i < iSize && isIdentifierStart(p[i]))
                return fail(1025, QStringLiteral("Expected end of statement"));
            QString strNumber = strText.mid(iStart, i - iStart);
            token.type = TokenType::Number;
            bool bOk = false;
            if (!bFloat) {
                qint64 iValue = strNumber.toLongLong(&bOk);
                if (bOk) {
                    token.number = integerLiteral(iValue);
                    tokens.push_back(std::move(token));
                    continue;
                }
            }
            double d = strNumber.toDouble(&bOk);
            if (!bOk)
                return fail(1025, QStringLiteral("Invalid number"));
            token.number = Value(d);
            tokens.push_back(std::move(token));
            continue;
        }
        if (c == QLatin1Char('&') && i + 1 < iSize
            && (p[i + 1].toUpper() == QLatin1Char('H') || p[i + 1].toUpper() == QLatin1Char('O'))) {
            int iBase = p[i + 1].toUpper() == QLatin1Char('H') ? 16 : 8;
            int iStart = i + 2;
            int j = iStart;
            while (j < iSize
                   && (iBase == 16 ? isxdigit(p[j].unicode() < 128 ? p[j].toLatin1() : 'x') != 0
                                   : (p[j] >= QLatin1Char('0') && p[j] <= QLatin1Char('7'))))
                ++j;
            if (j > iStart) {
                bool bOk = false;
                quint64 u = strText.mid(iStart, j - iStart).toULongLong(&bOk, iBase);
                if (!bOk || u > 0xFFFFFFFFULL)
                    return fail(6, QStringLiteral("Overflow"));
                i = j;
                if (i < iSize && p[i] == QLatin1Char('&'))
                    ++i; // a Long suffix
                token.type = TokenType::Number;
                if (u <= 0xFFFF)
                    token.number = Value::integer(qint16(quint16(u)));
                else
                    token.number = Value::longValue(qint32(quint32(u)));
                tokens.push_back(std::move(token));
                continue;
            }
        }
        if (c == QLatin1Char('"')) {
            QString str;
            ++i;
            bool bClosed = false;
            while (i < iSize) {
                if (p[i] == QLatin1Char('"')) {
                    if (i + 1 < iSize && p[i + 1] == QLatin1Char('"')) {
                        str += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    bClosed = true;
                    break;
                }
                if (p[i] == QLatin1Char('\n') || p[i] == QLatin1Char('\r'))
                    break;
                str += p[i++];
            }
            if (!bClosed)
                return fail(1033, QStringLiteral("Unterminated string constant"));
            token.type = TokenType::String;
            token.text = std::move(str);
            tokens.push_back(std::move(token));
            continue;
        }
        static const QString strTwo[]
                = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">="),
                   QStringLiteral("=<"), QStringLiteral("=>")};
        bool bTwo = false;
        if (i + 1 < iSize) {
            QString strPair = strText.mid(i, 2);
            for (const QString &strOp : strTwo) {
                if (strPair == strOp) {
                    token.type = TokenType::Operator;
                    token.text = strPair == QLatin1String("=<") ? QStringLiteral("<=")
                            : strPair == QLatin1String("=>")    ? QStringLiteral(">=")
                                                                : strPair;
                    i += 2;
                    bTwo = true;
                    break;
                }
            }
        }
        if (bTwo) {
            tokens.push_back(std::move(token));
            continue;
        }
        static const QString strOne = QStringLiteral("+-*/\\^&=<>(),.");
        if (strOne.contains(c)) {
            token.type = TokenType::Operator;
            token.text = QString(c);
            ++i;
            tokens.push_back(std::move(token));
            continue;
        }
        return fail(1032, QStringLiteral("Invalid character"));
    }
    Token newline;
    newline.type = TokenType::NewLine;
    newline.line = iLine;
    newline.column = i - iLineStart + 1;
    tokens.push_back(newline);
    Token end = newline;
    end.type = TokenType::End;
    tokens.push_back(end);
    return true;
}

} // namespace vbscript
