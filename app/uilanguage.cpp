#include "app/uilanguage.h"

#include "platform/scriptfonts.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QTranslator>

namespace uilanguage {

namespace {
const QString c_strTranslationFolder = QStringLiteral(":/i18n/");
const QString c_strTranslationPrefix = QStringLiteral("ChipsetInstaller_");
const QString c_strTranslationSuffix = QStringLiteral(".qm");

// Qt reads the layout direction from the translation whenever one is installed or removed.
//: Translate this string to the string "LTR" in left-to-right languages or to "RTL" in
//: right-to-left languages (such as Arabic) to get the pages mirrored.
const char *const c_pszLayoutDirection
        = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The families of the bundled faces (resources/fonts), in their regular and medium weights.
const char *const c_apszBundledFamilies[] = {"Lato", "Lato Medium"};

bool isLanguage(const QLocale &locale)
{
    return locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage;
}
} // namespace

Choice choose(const QStringList &lstDisplayLanguages, const QStringList &lstTranslations)
{
    for (const QString &strTag : lstDisplayLanguages) {
        const QLocale locale(strTag.trimmed());
        if (!isLanguage(locale))
            continue;
        if (locale.language() == QLocale::English)
            return Choice {QString(), locale};
        // A translation serves every country of its language and script: pt-PT reads the
        // Brazilian one, and zh-HK, whose script is Traditional, the Traditional one.
        for (const QString &strCode : lstTranslations) {
            const QLocale translation(strCode);
            if (translation.language() == locale.language()
                && translation.script() == locale.script())
                return Choice {strCode, locale};
        }
    }
    return Choice();
}

QStringList translations()
{
    QStringList lstCodes;
    const QStringList lstFiles = QDir(c_strTranslationFolder)
                                         .entryList({c_strTranslationPrefix + QLatin1Char('*')
                                                     + c_strTranslationSuffix},
                                                    QDir::Files, QDir::Name);
    for (const QString &strFile : lstFiles)
        lstCodes << strFile.mid(c_strTranslationPrefix.size(),
                                strFile.size() - c_strTranslationPrefix.size()
                                        - c_strTranslationSuffix.size());
    return lstCodes;
}

QStringList displayLanguages()
{
    const QString strChosen = qEnvironmentVariable("CHIPSETINSTALLER_LANGUAGE");
    if (!strChosen.trimmed().isEmpty())
        return strChosen.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return QLocale::system().uiLanguages();
}

const Choice &current()
{
    static const Choice choice = choose(displayLanguages(), translations());
    return choice;
}

void apply(const Choice &choice)
{
    static QTranslator *s_pTranslator = nullptr;
    if (s_pTranslator) {
        QCoreApplication::removeTranslator(s_pTranslator);
        delete s_pTranslator;
        s_pTranslator = nullptr;
    }
    QLocale::setDefault(choice.locale);
    if (!choice.strTranslation.isEmpty()) {
        s_pTranslator = new QTranslator(QCoreApplication::instance());
        if (s_pTranslator->load(c_strTranslationFolder + c_strTranslationPrefix
                                + choice.strTranslation + c_strTranslationSuffix))
            QCoreApplication::installTranslator(s_pTranslator);
    }
    // As Qt itself sets it at each change of translation (the English source has none).
    QGuiApplication::setLayoutDirection(
            QCoreApplication::translate("QGuiApplication", c_pszLayoutDirection)
                            == QLatin1String("RTL")
                    ? Qt::RightToLeft
                    : Qt::LeftToRight);
    // Where the bundled faces have no glyphs, the script's own font draws them, before any
    // fallback of Qt's, which may be another language's or a bitmap-era one.
    const QString strFamily = platform::scriptFontFamily(choice.locale.script());
    for (const char *pszFamily : c_apszBundledFamilies) {
        QFont::removeSubstitutions(QString::fromLatin1(pszFamily));
        if (!strFamily.isEmpty())
            QFont::insertSubstitution(QString::fromLatin1(pszFamily), strFamily);
    }
}

void install()
{
    apply(current());
}

QString englishName(const Choice &choice)
{
    if (choice.strTranslation.isEmpty())
        return QLocale::languageToString(QLocale::English);
    const QLocale translation(choice.strTranslation);
    if (translation.language() == QLocale::Chinese
        && translation.script() == QLocale::SimplifiedHanScript)
        return QStringLiteral("chinese_simplified");
    return QLocale::languageToString(translation.language());
}

} // namespace uilanguage
