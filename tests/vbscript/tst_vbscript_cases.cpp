// The language cases of cases/, each run through vbsrun: what it prints and the error that ends
// it, as the file's comments say.
#include "casefile.h"

#include <QtTest>

class TestVbscriptCases : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
};

void TestVbscriptCases::cases_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = casefile::caseNames();
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestVbscriptCases::cases()
{
    QFETCH(QString, name);
    const QVector<casefile::Expectation> expectations = casefile::expectations(name);
    QVERIFY2(!expectations.isEmpty(), "the case says nothing of what it gives");
    QProcess vbsrun;
    vbsrun.start(QStringLiteral(VBSRUN),
                 {QStringLiteral("--prelude"), QStringLiteral(VBSCRIPT_PRELUDE),
                  casefile::casesDir() + QLatin1Char('/') + name});
    QVERIFY(vbsrun.waitForFinished(30000));
    const QByteArray errors = vbsrun.readAllStandardError();
    int iError = 0;
    if (vbsrun.exitCode() == 1) {
        const QRegularExpressionMatch match
                = QRegularExpression(QStringLiteral("\\((\\d+)\\)\\s*$")).match(errors);
        QVERIFY2(match.hasMatch(), errors.constData());
        iError = match.captured(1).toInt();
    } else {
        QVERIFY2(vbsrun.exitCode() == 0, errors.constData());
    }
    const QVector<QString> outcome = casefile::outcome(vbsrun.readAllStandardOutput(), iError);
    for (int i = 0; i < expectations.size(); ++i) {
        const QString line = QStringLiteral("line %1").arg(expectations.at(i).iLine);
        QVERIFY2(i < outcome.size(), qPrintable(line + ": nothing more was printed"));
        QCOMPARE(outcome.at(i) + " (" + line + ")",
                 casefile::expected(expectations.at(i)) + " (" + line + ")");
    }
    QCOMPARE(outcome.size(), expectations.size());
}

QTEST_GUILESS_MAIN(TestVbscriptCases)
#include "tst_vbscript_cases.moc"
