#include "engine/productcode.h"

#include <QRegularExpression>

namespace ProductCode {

bool isValid(const QString &text)
{
    static const QRegularExpression code(QRegularExpression::anchoredPattern(QStringLiteral(
            "\\{[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}\\}")));
    return code.match(text).hasMatch();
}

} // namespace ProductCode
