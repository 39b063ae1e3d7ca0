#ifndef UILANGUAGE_H
#define UILANGUAGE_H

#include <QLocale>
#include <QString>
#include <QStringList>

// The language of the pages: the first of the user's display languages (Windows' preferred
// UI languages, most preferred first) that the program has a translation for, English where
// English comes first, and English where none of them has one.
namespace uilanguage {

struct Choice
{
    // The translation's code ("de", "pt_BR", "zh_TW"); empty for English, the source.
    QString strTranslation;
    // The user's own locale for that language ("de_AT" for de-AT): numbers and direction.
    QLocale locale {QLocale::English, QLocale::UnitedStates};
};

// Chooses among the translations' codes for the display languages, given as BCP 47 tags
// ("de-DE") or locale names ("de_DE"). Chinese goes by script: zh-TW, zh-HK, zh-MO and
// zh-Hant get Traditional, every other Chinese Simplified.
Choice choose(const QStringList &lstDisplayLanguages, const QStringList &lstTranslations);

// The codes of the translations compiled into the program.
QStringList translations();

// The user's display languages; for tests and screenshots the environment variable
// CHIPSETINSTALLER_LANGUAGE (tags separated by commas) takes their place.
QStringList displayLanguages();

// The choice for this user, made once.
const Choice &current();

// Makes a choice the pages' language, in place of one made before: its translator, its locale
// as the default one, its layout direction, and its script's font where the bundled faces
// have no glyphs.
void apply(const Choice &choice);

// Applies the current choice; before the first page loads.
void install();

// The choice's language by its English name as Utility::getlanguage() gives it: "German",
// "chinese_simplified" for Simplified Chinese, "Chinese" for Traditional, "English".
QString englishName(const Choice &choice);

} // namespace uilanguage

#endif // UILANGUAGE_H
