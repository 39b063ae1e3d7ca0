// Number text and dates, beyond the case files of cases/: the conversion of numeric strings
// against the nearest Double, and the clock.
#include "scripttest.h"
#include "vbscript/numbertext.h"

#include <QtTest>

class TestVbscriptBuiltins : public QObject
{
    Q_OBJECT

private slots:
    void numericStringsRoundOnce();
    void dates();
};

// Every numeric string gives the Double nearest to its value, whether it is short enough to be
// computed directly or not.
void TestVbscriptBuiltins::numericStringsRoundOnce()
{
    QRandomGenerator random(17110);
    for (int iRound = 0; iRound < 20000; ++iRound) {
        QString digits;
        const int iDigits = 1 + int(random.bounded(24));
        for (int i = 0; i < iDigits; ++i)
            digits += QChar('0' + int(random.bounded(10)));
        const int iPoint = int(random.bounded(iDigits + 1));
        const int iExponent = int(random.bounded(61)) - 30;
        const QString plain
                = digits.left(iPoint) + '.' + digits.mid(iPoint) + 'e' + QString::number(iExponent);
        // The same number with thousands separators in the integer part.
        QString grouped = digits.left(iPoint);
        for (int i = grouped.size() - 3; i > 0; i -= 3)
            grouped.insert(i, ',');
        grouped += '.' + digits.mid(iPoint) + 'E' + QString::number(iExponent);
        bool bOk = false;
        const double dExpected = plain.toDouble(&bOk);
        QVERIFY(bOk);
        double d = 0;
        QCOMPARE(int(vbscript::parseNumber(grouped, d)), int(vbscript::NumberText::Number));
        QVERIFY2(d == dExpected, qPrintable(grouped));
    }
}

void TestVbscriptBuiltins::dates()
{
    QCOMPARE(scripttest::evaluate("FormatDateTime(CDate(\"2026-12-08 14:05:03\"), vbGeneralDate)"),
             QStringLiteral("String:12/8/2026 2:05:03 PM"));
    QCOMPARE(scripttest::evaluate("CStr(CDate(\"2026-12-08\"))"),
             QStringLiteral("String:12/8/2026"));
    QCOMPARE(scripttest::evaluate("CStr(CDate(\"0:05:03\"))"),
             QStringLiteral("String:12:05:03 AM"));
    QCOMPARE(scripttest::evaluate("FormatDateTime(CDate(\"2000-01-02 13:00\"), vbShortTime)"),
             QStringLiteral("String:13:00"));
    QCOMPARE(scripttest::evaluate("FormatDateTime(CDate(\"2000-01-02 13:00\"), vbLongDate)"),
             QStringLiteral("String:Sunday, January 2, 2000"));
    QCOMPARE(scripttest::evaluate("Year(CDate(\"2000-01-02\")) & Month(CDate(\"2000-01-02\"))"),
             QStringLiteral("String:20001"));
    QCOMPARE(scripttest::evaluate("TypeName(Now) & TypeName(Date) & TypeName(Time)"),
             QStringLiteral("String:DateDateDate"));

    // Now is the local time.
    QTime before = QTime::currentTime();
    QString strMinutes = scripttest::evaluate("Hour(Now) * 60 + Minute(Now)");
    QTime after = QTime::currentTime();
    int iMinutes = strMinutes.mid(strMinutes.indexOf(':') + 1).toInt();
    QVERIFY2(iMinutes == before.hour() * 60 + before.minute()
                     || iMinutes == after.hour() * 60 + after.minute(),
             qPrintable(strMinutes));
    QCOMPARE(scripttest::evaluate("Year(Now) = Year(Date)"), QStringLiteral("Boolean:True"));

    // Now in the general date format, as the detection log writes it.
    QString strNow = scripttest::evaluate("FormatDateTime(Now, vbGeneralDate)");
    QVERIFY2(QRegularExpression(QStringLiteral("^String:\\d{1,2}/\\d{1,2}/\\d{4} "
                                               "\\d{1,2}:\\d{2}:\\d{2} [AP]M$"))
                     .match(strNow)
                     .hasMatch(),
             qPrintable(strNow));
    QString strDateTime = scripttest::evaluate("Date & \" \" & Time");
    QVERIFY2(QRegularExpression(QStringLiteral("^String:\\d{1,2}/\\d{1,2}/\\d{4} "
                                               "\\d{1,2}:\\d{2}:\\d{2} [AP]M$"))
                     .match(strDateTime)
                     .hasMatch(),
             qPrintable(strDateTime));
}

QTEST_GUILESS_MAIN(TestVbscriptBuiltins)
#include "tst_vbscript_builtins.moc"
