#include "platform/scriptfonts.h"

namespace platform {

// Debian's Noto faces (fonts-noto-cjk, fonts-noto-ui-core); each CJK variant draws the shared
// Han characters as its own language writes them, and the Arabic one is the face made for user
// interfaces, whose lines are no taller than the other scripts'.
QString scriptFontFamily(QLocale::Script script)
{
    switch (script) {
    case QLocale::SimplifiedHanScript:
        return QStringLiteral("Noto Sans CJK SC");
    case QLocale::TraditionalHanScript:
        return QStringLiteral("Noto Sans CJK TC");
    case QLocale::JapaneseScript:
        return QStringLiteral("Noto Sans CJK JP");
    case QLocale::KoreanScript:
        return QStringLiteral("Noto Sans CJK KR");
    case QLocale::ArabicScript:
        return QStringLiteral("Noto Sans Arabic UI");
    default:
        return QString();
    }
}

} // namespace platform
