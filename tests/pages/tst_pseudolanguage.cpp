// Every page in a pseudo-language whose texts are all longer than English, at both window
// sizes, left to right and mirrored: no text may be cut, elided, overlap another item or leave
// its panel. Translations are as long (German, French, Russian) and no longer.
#include "layoutfaults.h"
#include "pagefixture.h"
#include "pagestates.h"
#include "pseudotranslator.h"

#include <QGuiApplication>
#include <QtTest>

class TestPseudoLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pseudoTextsKeepArgumentsAndMarkup();
    void everyTextFits_data();
    void everyTextFits();
    void cleanupTestCase();

private:
    PseudoTranslator m_translator;
};

void TestPseudoLanguage::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestPseudoLanguage::pseudoTextsKeepArgumentsAndMarkup()
{
    QCOMPARE(PseudoTranslator::pseudo("Cancel"), QStringLiteral("[Çåñçéllörémï]"));
    const QString strLong = PseudoTranslator::pseudo("Click to %1 and <u>%2</u> of %n files.");
    QVERIFY(strLong.contains("%1") && strLong.contains("<u>%2</u>") && strLong.contains("%n"));
    const QString strQuestion = "Are you sure you want to quit the %1 ?";
    QVERIFY(PseudoTranslator::pseudo(strQuestion).size() >= 1.4 * strQuestion.size());
}

void TestPseudoLanguage::everyTextFits_data()
{
    QTest::addColumn<int>("direction");
    QTest::addRow("left to right") << int(Qt::LeftToRight);
    QTest::addRow("mirrored") << int(Qt::RightToLeft);
}

void TestPseudoLanguage::everyTextFits()
{
    QFETCH(int, direction);
    QGuiApplication::setLayoutDirection(Qt::LayoutDirection(direction));
    QStringList lstFaults;
    visitPageStates([&](const QString &strState, const PageFixture &page) {
        const QString strFaults = layoutFaults(page.window());
        if (!strFaults.isEmpty())
            lstFaults << strState + QStringLiteral(":\n") + strFaults;
    });
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    for (const QString &strFault : qAsConst(lstFaults))
        qInfo().noquote() << strFault;
    QVERIFY2(lstFaults.isEmpty(),
             qPrintable(QString::number(lstFaults.size()) + QStringLiteral(" states with faults")));
}

void TestPseudoLanguage::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

PAGE_TEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
