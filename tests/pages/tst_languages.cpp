// Every page in one of the program's languages, named by CHIPSETINSTALLER_LANGUAGE and installed
// as the program installs it, at both window sizes: no text cut, elided, overlapping or out of its
// panel; every letter drawn, the letters of a script the bundled faces lack by that script's own
// font; Arabic mirrored, its title's letters not spaced apart.
#include "app/uilanguage.h"
#include "layoutfaults.h"
#include "pagefixture.h"
#include "pagestates.h"
#include "platform/scriptfonts.h"

#include <QGuiApplication>
#include <QtTest>

namespace {
// The letters each script font is for.
QList<QChar::Script> lettersOf(QLocale::Script script)
{
    switch (script) {
    case QLocale::SimplifiedHanScript:
    case QLocale::TraditionalHanScript:
        return {QChar::Script_Han};
    case QLocale::JapaneseScript:
        return {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana};
    case QLocale::KoreanScript:
        return {QChar::Script_Hangul};
    case QLocale::ArabicScript:
        return {QChar::Script_Arabic};
    default:
        return {};
    }
}
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPage();
};

// As the program does: the language of CHIPSETINSTALLER_LANGUAGE, set by CTest for each.
void TestLanguages::initTestCase()
{
    uilanguage::install();
}

void TestLanguages::everyPage()
{
    const uilanguage::Choice &choice = uilanguage::current();
    const QString strFamily = platform::scriptFontFamily(choice.locale.script());
    const QList<QChar::Script> lstLetters = lettersOf(choice.locale.script());
    const bool bMirrored = choice.locale.textDirection() == Qt::RightToLeft;
    QCOMPARE(QGuiApplication::layoutDirection(), choice.locale.textDirection());

    QStringList lstFaults;
    visitPageStates(
            [&](const QString &strState, const PageFixture &page) {
                QQuickWindow *window = page.window();
                QStringList lstState;
                lstState << layoutFaults(window) << missingGlyphs(window);
                if (!lstLetters.isEmpty())
                    lstState << lettersInOtherFonts(window, lstLetters, strFamily);
                if (!choice.strTranslation.isEmpty()
                    && window->title().startsWith(QLatin1String("Zorva Chipset")))
                    lstState << QStringLiteral("the title is English: ") + window->title();
                // The header's close button at the reading's end; the title's letters spaced
                // only where they do not join.
                for (QQuickItem *pClose : page.items("closeButton"))
                    if (pClose->isVisible()
                        && (pClose->mapToScene(QPointF()).x() < window->width() / 2) != bMirrored)
                        lstState << QStringLiteral("the close button is on the wrong side");
                for (QQuickItem *pTitle : page.items("titleText"))
                    if (pTitle->parentItem()->objectName() == QLatin1String("titleArea")
                        && (pTitle->property("font").value<QFont>().letterSpacing() == 0)
                                != bMirrored)
                        lstState << QStringLiteral("the title's letters are spaced wrongly");
                lstState.removeAll(QString());
                if (!lstState.isEmpty())
                    lstFaults << strState + QStringLiteral(":\n")
                                    + lstState.join(QLatin1Char('\n'));
            },
            choice.strTranslation);
    for (const QString &strFault : qAsConst(lstFaults))
        qInfo().noquote() << strFault;
    QVERIFY2(lstFaults.isEmpty(),
             qPrintable(QString::number(lstFaults.size()) + QStringLiteral(" states with faults")));
}

PAGE_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
