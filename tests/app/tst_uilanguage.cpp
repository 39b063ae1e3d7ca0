// The pages' language: the first of the user's display languages that the program has, and
// what choosing it changes.
#include "app/uilanguage.h"

#include <QFont>
#include <QGuiApplication>
#include <QtTest>

class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void everyTranslationIsCompiledIn();
    void firstDisplayLanguageTheProgramHas_data();
    void firstDisplayLanguageTheProgramHas();
    void testsNameTheLanguagesInTheEnvironment();
    void applyingAChoiceReplacesTheOneBefore();
};

void TestUiLanguage::everyTranslationIsCompiledIn()
{
    QCOMPARE(uilanguage::translations(),
             QStringList(
                     {"ar", "de", "es", "fr", "ja", "ko", "pt_BR", "ru", "tr", "zh_CN", "zh_TW"}));
}

void TestUiLanguage::firstDisplayLanguageTheProgramHas_data()
{
    QTest::addColumn<QStringList>("displayLanguages");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("englishName");
    QTest::newRow("English first") << QStringList {"en-US", "de-DE"} << ""
                                   << "en_US"
                                   << "English";
    QTest::newRow("German first") << QStringList {"de-DE", "en-US"} << "de"
                                  << "de_DE"
                                  << "German";
    QTest::newRow("another country") << QStringList {"de-AT"} << "de"
                                     << "de_AT"
                                     << "German";
    QTest::newRow("locale name") << QStringList {"fr_CA"} << "fr"
                                 << "fr_CA"
                                 << "French";
    QTest::newRow("Portugal reads Brazil's") << QStringList {"pt-PT"} << "pt_BR"
                                             << "pt_PT"
                                             << "Portuguese";
    QTest::newRow("the first the program has")
            << QStringList {"sv-SE", "hi-IN", "ja-JP", "de-DE"} << "ja"
            << "ja_JP"
            << "Japanese";
    QTest::newRow("none the program has") << QStringList {"sv-SE", "hi-IN"} << ""
                                          << "en_US"
                                          << "English";
    QTest::newRow("no language at all") << QStringList {"", "*", "C", "x-pirate"} << ""
                                        << "en_US"
                                        << "English";
    QTest::newRow("Arabic") << QStringList {"ar-SA"} << "ar"
                            << "ar_SA"
                            << "Arabic";
    for (const char *pszChinese : {"zh-CN", "zh-SG", "zh", "zh-Hans"})
        QTest::newRow(pszChinese) << QStringList {pszChinese} << "zh_CN"
                                  << QLocale(pszChinese).name() << "chinese_simplified";
    for (const char *pszChinese : {"zh-TW", "zh-HK", "zh-MO", "zh-Hant"})
        QTest::newRow(pszChinese) << QStringList {pszChinese} << "zh_TW"
                                  << QLocale(pszChinese).name() << "Chinese";
}

void TestUiLanguage::firstDisplayLanguageTheProgramHas()
{
    QFETCH(QStringList, displayLanguages);
    QFETCH(QString, translation);
    QFETCH(QString, locale);
    QFETCH(QString, englishName);
    const uilanguage::Choice choice
            = uilanguage::choose(displayLanguages, uilanguage::translations());
    QCOMPARE(choice.strTranslation, translation);
    QCOMPARE(choice.locale.name(), locale);
    QCOMPARE(uilanguage::englishName(choice), englishName);
}

void TestUiLanguage::testsNameTheLanguagesInTheEnvironment()
{
    qputenv("CHIPSETINSTALLER_LANGUAGE", "ko-KR,en-US");
    QCOMPARE(uilanguage::displayLanguages(), QStringList({"ko-KR", "en-US"}));
    qunsetenv("CHIPSETINSTALLER_LANGUAGE");
    QCOMPARE(uilanguage::displayLanguages(), QLocale::system().uiLanguages());
}

void TestUiLanguage::applyingAChoiceReplacesTheOneBefore()
{
    const QStringList lstTranslations = uilanguage::translations();
    uilanguage::apply(uilanguage::choose({"ar-SA"}, lstTranslations));
    QCOMPARE(QCoreApplication::translate("Uninstall", "Uninstall"), QString("إلغاء التثبيت"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(QLocale().name(), QString("ar_SA"));
    // Qt keeps the substitutes' names in lower case.
    QCOMPARE(QFont::substitutes("Lato"), QStringList {"noto sans arabic ui"});

    uilanguage::apply(uilanguage::choose({"ja-JP"}, lstTranslations));
    QCOMPARE(QCoreApplication::translate("Uninstall", "Uninstall"), QString("アンインストール"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(QFont::substitutes("Lato Medium"), QStringList {"noto sans cjk jp"});

    uilanguage::apply(uilanguage::choose({"en-GB"}, lstTranslations));
    QCOMPARE(QCoreApplication::translate("Uninstall", "Uninstall"), QString("Uninstall"));
    QCOMPARE(QLocale().name(), QString("en_GB"));
    QVERIFY(QFont::substitutes("Lato").isEmpty());
}

QTEST_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
