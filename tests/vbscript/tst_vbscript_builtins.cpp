// Number text, dates and text search, beyond the case files of cases/: the conversion of
// numeric strings against the nearest Double, the clock, and InStr's search against Qt's.
#include "scripttest.h"
#include "vbscript/numbertext.h"
#include "vbscript/textsearch.h"

#include <QRandomGenerator>

#include <QtTest>

class TestVbscriptBuiltins : public QObject
{
    Q_OBJECT

private slots:
    void numericStringsRoundOnce();
    void dates();
    void textSearchAgreesWithQt();
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

// The search's fast path gives what QString::indexOf gives, for either case rule, on texts
// long and short, with matches at every place, on both sides of each block of eight
// characters, with signs that differ from others in bit 0x20 alone ("\\" and "|"), and with
// characters that fold to ASCII ones (KELVIN SIGN, LONG S) or to none.
void TestVbscriptBuiltins::textSearchAgreesWithQt()
{
    const QString alphabet
            = QStringLiteral("aAbBkKsS_&0\\|") + QChar(0x212A) + QChar(0x017F) + QChar(0x00E9);
    QRandomGenerator random(23);
    auto text = [&](int iMaxLength, int iLetters) {
        QString str;
        for (int i = int(random.bounded(iMaxLength + 1)); i > 0; --i)
            str += alphabet.at(int(random.bounded(iLetters)));
        return str;
    };
    auto check = [](const QString &strHaystack, const QString &strNeedle, int iFrom) {
        for (const Qt::CaseSensitivity cs : {Qt::CaseInsensitive, Qt::CaseSensitive}) {
            const int iExpected = strHaystack.indexOf(strNeedle, iFrom, cs);
            const int iFound = vbscript::findText(strHaystack, strNeedle, iFrom, cs);
            if (iFound != iExpected)
                return QStringLiteral("\"%1\" in \"%2\" from %3: %4, not %5")
                        .arg(strNeedle, strHaystack)
                        .arg(iFrom)
                        .arg(iFound)
                        .arg(iExpected);
        }
        return QString();
    };
    // A KELVIN SIGN at every place of texts of every length up to three blocks.
    for (int iLength = 1; iLength <= 24; ++iLength)
        for (int iAt = 0; iAt < iLength; ++iAt)
            for (const char *pszNeedle : {"k", "ak", "aak", "ka", "b"})
                for (int iFrom = 0; iFrom <= qMin(iLength, 9); ++iFrom) {
                    QString strHaystack(iLength, QLatin1Char('a'));
                    strHaystack[iAt] = QChar(0x212A);
                    const QString strProblem = check(strHaystack, pszNeedle, iFrom);
                    if (!strProblem.isEmpty())
                        QFAIL(qPrintable(strProblem));
                }
    for (int iRound = 0; iRound < 40000; ++iRound) {
        // Mostly ASCII, so that the fast path runs; one round in four may hold any letter.
        const int iLetters = iRound % 4 == 0 ? alphabet.size() : 13;
        const QString strHaystack = text(40, iLetters);
        const QString strNeedle
                = iRound % 3 == 0 ? strHaystack.mid(int(random.bounded(41)), 4) : text(4, iLetters);
        const int iFrom = int(random.bounded(strHaystack.size() + 2));
        const QString strProblem = check(strHaystack, strNeedle, iFrom);
        if (!strProblem.isEmpty())
            QFAIL(qPrintable(strProblem));
    }
}

QTEST_GUILESS_MAIN(TestVbscriptBuiltins)
#include "tst_vbscript_builtins.moc"
