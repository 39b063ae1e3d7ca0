#include "engine/productcode.h"

#include <QRegularExpression>

namespace ProductCode {

bool isValid(const QString &text)
{
    static const QRegularExpression pattern(
            QStringLiteral("\\A\\{[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-"
                           "9A-Fa-f]{12}\\}\\z"));
    return pattern.match(text).hasMatch();
}

} // namespace ProductCode
