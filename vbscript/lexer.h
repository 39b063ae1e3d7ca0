#ifndef VBSCRIPT_LEXER_H
#define VBSCRIPT_LEXER_H

#include "vbscript/value.h"

#include <QString>

#include <vector>

namespace vbscript {

enum class Keyword {
    None,
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Default,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Erase,
    Error,
    Exit,
    Explicit,
    False,
    For,
    Function,
    Get,
    GoTo,
    If,
    Imp,
    In,
    Is,
    Let,
    Loop,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Preserve,
    Private,
    Property,
    Public,
    ReDim,
    Resume,
    Select,
    Set,
    Step,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
};

enum class TokenType {
    End, // end of the text
    NewLine, // a line end or ":"
    Identifier, // also keywords: see Token::keyword
    Number,
    String,
    Operator,
};

struct Token
{
    TokenType type = TokenType::End;
    Keyword keyword = Keyword::None;
    QString text; // identifier as written, string contents, operator
    QString key; // identifier in lower case
    Value number;
    int line = 1;
    int column = 1;
    bool bColon = false; // a NewLine made by ":"
};

struct LexError
{
    int line = 0;
    int column = 0;
    qint32 number = 0;
    QString description;
};

// Splits script text into tokens; line continuations and comments are dropped.
// False on an unterminated string or an invalid character.
bool tokenize(const QString &strText, std::vector<Token> &tokens, LexError &error);

} // namespace vbscript

#endif // VBSCRIPT_LEXER_H
