#ifndef VBSCRIPT_TEXTSEARCH_H
#define VBSCRIPT_TEXTSEARCH_H

#include <QString>

namespace vbscript {

// QString::indexOf(strNeedle, iFrom, cs), with a fast path for a case-insensitive search of
// plain ASCII text (the usual hardware identifiers). Text with other characters, where Unicode
// case folding may match an ASCII letter (KELVIN SIGN and "k"), takes indexOf itself.
int findText(const QString &strHaystack, const QString &strNeedle, int iFrom,
             Qt::CaseSensitivity cs);

} // namespace vbscript

#endif // VBSCRIPT_TEXTSEARCH_H
