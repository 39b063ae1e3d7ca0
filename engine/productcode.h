#ifndef PRODUCTCODE_H
#define PRODUCTCODE_H

#include <QString>

// A Windows Installer product code as MsiExec takes it.
namespace ProductCode {

// True only for "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with hexadecimal digits, of either
// case, and nothing around it.
bool isValid(const QString &text);

} // namespace ProductCode

#endif // PRODUCTCODE_H
