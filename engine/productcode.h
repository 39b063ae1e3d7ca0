#ifndef PRODUCTCODE_H
#define PRODUCTCODE_H

#include <QString>

// A Windows Installer product code as the program accepts it on its command line.
namespace ProductCode {

// True only for "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with hexadecimal digits, nothing
// before or after it.
bool isValid(const QString &text);

} // namespace ProductCode

#endif // PRODUCTCODE_H
