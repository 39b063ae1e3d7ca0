#ifndef VBSCRIPT_PARSER_H
#define VBSCRIPT_PARSER_H

#include "vbscript/ast.h"
#include "vbscript/lexer.h"

namespace vbscript {

struct ParseLimits
{
    int maxNesting = 200; // nested blocks and parentheses
    int maxExpressionDepth = 1000; // height of one expression tree
};

// Parses script text into a program; false with the error's place and text otherwise.
bool parseProgram(const QString &strText, const ParseLimits &limits, Program &program,
                  LexError &error);

} // namespace vbscript

#endif // VBSCRIPT_PARSER_H
