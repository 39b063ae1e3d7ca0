#ifndef VBSCRIPT_NUMBERTEXT_H
#define VBSCRIPT_NUMBERTEXT_H

#include <QString>

namespace vbscript {

enum class NumberText {
    Number,
    NotANumber, // the conversion raises a type mismatch
    Overflow // a number too large for a Double
};

// Reads a string as the language's conversions to a number do: the system's locale-aware number
// parser, in US English. Blanks and, once each, "+", "-", "$" and "(" may stand before the
// number; blanks and, once each, "+" (without a leading "+"), "-" (without a leading "-"), "$"
// and the ")" that closes the "(" may follow it. A minus sign or the parentheses make it
// negative. The number holds digits with at most one "." and thousands separators "," anywhere
// after its first character, and an exponent ("e", an optional sign and digits). "&H" and "&O"
// introduce hexadecimal and octal numbers, which take no signs. The text ends at a NUL
// character.
NumberText parseNumber(const QString &str, double &dResult);

} // namespace vbscript

#endif // VBSCRIPT_NUMBERTEXT_H
