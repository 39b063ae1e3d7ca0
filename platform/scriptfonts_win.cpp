#include "platform/scriptfonts.h"

namespace platform {

// The user-interface fonts that Windows itself uses for these scripts (Windows 7 and later);
// they are Windows' own and not shipped with the program.
QString scriptFontFamily(QLocale::Script script)
{
    switch (script) {
    case QLocale::SimplifiedHanScript:
        return QStringLiteral("Microsoft YaHei");
    case QLocale::TraditionalHanScript:
        return QStringLiteral("Microsoft JhengHei");
    case QLocale::JapaneseScript:
        return QStringLiteral("Yu Gothic UI");
    case QLocale::KoreanScript:
        return QStringLiteral("Malgun Gothic");
    case QLocale::ArabicScript:
        return QStringLiteral("Segoe UI");
    default:
        return QString();
    }
}

} // namespace platform
