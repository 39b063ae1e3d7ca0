#include "platform/scriptfonts.h"

namespace platform {

// Debian's Noto faces (fonts-noto-cjk, fonts-noto-core); each CJK variant draws the shared Han
// characters as its own language writes them.
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
        return QStringLiteral("Noto Sans Arabic");
    default:
        return QString();
    }
}

} // namespace platform
