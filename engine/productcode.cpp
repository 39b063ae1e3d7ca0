#include "engine/productcode.h"

#include "platform/registry.h"

#include <QRegularExpression>

namespace ProductCode {

bool isValid(const QString &text)
{
    static const QRegularExpression code(QRegularExpression::anchoredPattern(QStringLiteral(
            "\\{[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}\\}")));
    return code.match(text).hasMatch();
}

QString uninstallKey(const QString &strCode)
{
    return QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\")
            + strCode;
}

bool isInstalled(const QString &strCode)
{
    return isValid(strCode) && platform::RegistryKey::open(uninstallKey(strCode)).isOpen();
}

} // namespace ProductCode
