#ifndef PRODUCTCODE_H
#define PRODUCTCODE_H

#include <QString>

// A Windows Installer product code as MsiExec takes it.
namespace ProductCode {

// True only for "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with hexadecimal digits, of either
// case, and nothing around it.
bool isValid(const QString &text);

// The product's uninstall entry, "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\<code>",
// which Windows Installer keeps while the product is installed.
QString uninstallKey(const QString &strCode);

// Whether the product's uninstall entry is there.
bool isInstalled(const QString &strCode);

} // namespace ProductCode

#endif // PRODUCTCODE_H
