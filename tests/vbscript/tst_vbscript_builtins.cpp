// Operators, conversions and built-in functions, with the results the language gives.
#include "scripttest.h"
#include "vbscript/numbertext.h"

#include <QtTest>

class TestVbscriptBuiltins : public QObject
{
    Q_OBJECT

private slots:
    void expressions_data();
    void expressions();
    void numericStrings_data();
    void numericStrings();
    void numericStringsRoundOnce();
    void dates();
};

void TestVbscriptBuiltins::expressions_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *pszExpression, const char *pszExpected) {
        QTest::newRow(pszExpression)
                << QString::fromUtf8(pszExpression) << QString::fromUtf8(pszExpected);
    };

    // Arithmetic and its result types
    row("1 + 2", "Integer:3");
    row("32767 + 1", "Long:32768");
    row("2147483647 + 1", "Double:2147483648");
    row("\"5\" + 1", "Double:6");
    row("\"5\" + \"1\"", "String:51");
    row("Empty + Empty", "Integer:0");
    row("Empty + \"5\"", "String:5");
    row("True + True", "Integer:-2");
    row("10 / 4", "Double:2.5");
    row("10 / 5", "Double:2");
    row("7 \\ 2", "Integer:3");
    row("5.5 \\ 2", "Long:3");
    row("7 Mod 3", "Integer:1");
    row("-7 Mod 3", "Integer:-1");
    row("2 ^ 3 ^ 2", "Double:64");
    row("-2 ^ 2", "Double:4");
    row("-3 * 2", "Integer:-6");
    row("1000000 * 1000000", "Double:1000000000000");
    row("1 / 0", "Error:11");
    row("1 \\ 0", "Error:11");
    row("\"a\" * 2", "Error:13");
    row("0.1 + 0.2", "Double:0.3");
    row("1 / 3", "Double:0.333333333333333");
    row("1E15", "Double:1E+15");
    row("1E-5", "Double:1E-05");
    row("123456789012345", "Double:123456789012345");
    row("&HFF", "Integer:255");
    row("&HFFFF", "Integer:-1");
    row("&H10000", "Long:65536");

    // Precedence
    row("1 + 2 * 3", "Integer:7");
    row("(1 + 2) * 3", "Integer:9");
    row("\"a\" & 1 + 2 & \"b\"", "String:a3b");
    row("1 & 2 + 3", "String:15");
    row("Not 1 = 2", "Boolean:True");
    row("True Or False And False", "Boolean:True");
    row("3 = 1 + 2", "Boolean:True");
    row("2 * 3 Mod 4", "Integer:2");
    row("10 \\ 3 * 2", "Integer:1");

    // Logical and bitwise
    row("3 And 5", "Integer:1");
    row("3 Or 5", "Integer:7");
    row("3 Xor 5", "Integer:6");
    row("Not 0", "Integer:-1");
    row("Not True", "Boolean:False");
    row("True And 3", "Integer:3");
    row("True Eqv False", "Boolean:False");
    row("False Imp False", "Boolean:True");

    // Comparisons
    row("\"10\" < \"9\"", "Boolean:True");
    row("10 < 9", "Boolean:False");
    row("1 < \"2\"", "Boolean:True");
    row("5 = \"5\"", "Boolean:False");
    row("\"abc\" < \"abd\"", "Boolean:True");
    row("\"a\" = \"A\"", "Boolean:False");
    row("\"B\" < \"a\"", "Boolean:True");
    row("Empty = 0", "Boolean:True");
    row("Empty = \"\"", "Boolean:True");
    row("True = -1", "Boolean:True");
    row("3 = 3.0", "Boolean:True");
    row("2 >= 2", "Boolean:True");
    row("2 <> 2", "Boolean:False");
    row("Nothing Is Nothing", "Boolean:True");
    row("1 Is Nothing", "Error:424");

    // Null and Empty propagation
    row("Null", "Null");
    row("Null + 1", "Null");
    row("Null & \"a\"", "String:a");
    row("Null & Null", "Null");
    row("Null = 1", "Null");
    row("Null And False", "Boolean:False");
    row("Null And True", "Null");
    row("Null Or True", "Boolean:True");
    row("Not Null", "Null");
    row("Len(Null)", "Null");
    row("UCase(Null)", "Null");
    row("CStr(Null)", "Error:94");
    row("Empty & \"\"", "String:");
    row("-Empty", "Integer:0");

    // Strings
    row("Len(\"abc\")", "Long:3");
    row("Len(12)", "Long:2");
    row("Len(Empty)", "Long:0");
    row("Left(\"abc\", 2)", "String:ab");
    row("Left(\"abc\", 10)", "String:abc");
    row("Left(\"abc\", -1)", "Error:5");
    row("Right(\"abc\", 2)", "String:bc");
    row("Mid(\"abc\", 2)", "String:bc");
    row("Mid(\"abcdef\", 2, 3)", "String:bcd");
    row("Mid(\"abc\", 5)", "String:");
    row("Mid(\"abc\", 0)", "Error:5");
    row("InStr(1, \"abc\", \"B\", vbTextCompare)", "Long:2");
    row("InStr(\"abc\", \"B\")", "Long:0");
    row("InStr(\"abc\", \"b\")", "Long:2");
    row("InStr(2, \"abcabc\", \"a\")", "Long:4");
    row("InStr(5, \"abc\", \"c\")", "Long:0");
    row("InStr(\"abc\", \"\")", "Long:1");
    row("InStr(\"\", \"\")", "Long:0");
    row("InStr(1, \"ABC\", \"b\", vbBinaryCompare)", "Long:0");
    row("InStr(\"abc\", Null)", "Null");
    row("InStrRev(\"abcabc\", \"b\")", "Long:5");
    row("InStrRev(\"abcabc\", \"c\", 4)", "Long:3");
    row("InStrRev(\"ABC\", \"b\", -1, 1)", "Long:2");
    row("UCase(\"aBc\")", "String:ABC");
    row("LCase(\"aBc\")", "String:abc");
    row("Trim(\"  a b  \")", "String:a b");
    row("LTrim(\"  a \")", "String:a ");
    row("RTrim(\"  a \")", "String:  a");
    row("Replace(\"aAbA\", \"a\", \"x\")", "String:xAbA");
    row("Replace(\"aAbA\", \"a\", \"x\", 1, -1, vbTextCompare)", "String:xxbx");
    row("Replace(\"abcabc\", \"b\", \"\", 3)", "String:cac");
    row("Replace(\"aaa\", \"a\", \"b\", 1, 2)", "String:bba");
    row("Join(Split(\"a,b,,c\", \",\"), \"|\")", "String:a|b||c");
    row("UBound(Split(\"\"))", "Long:-1");
    row("UBound(Split(\"a b  c\"))", "Long:3");
    row("Split(\"a-b-c\", \"-\", 2)", "Array(String:a, String:b-c)");
    row("Split(\"aXbxc\", \"x\", -1, 1)", "Array(String:a, String:b, String:c)");
    row("Join(Array(1, \"b\", True))", "String:1 b True");
    row("Join(Array())", "String:");
    row("StrComp(\"a\", \"B\")", "Integer:1");
    row("StrComp(\"a\", \"B\", 1)", "Integer:-1");
    row("StrComp(\"a\", \"a\")", "Integer:0");
    row("StrReverse(\"abc\")", "String:cba");
    row("Space(3) & \"|\"", "String:   |");
    row("String(3, \"xy\")", "String:xxx");
    row("Chr(65) & Asc(\"a\")", "String:A97");
    row("Hex(255)", "String:FF");
    row("\"a\" & vbCrLf & \"b\"", "String:a\r\nb");

    // Conversions
    row("CStr(True)", "String:True");
    row("CStr(1.5)", "String:1.5");
    row("CStr(-0.5)", "String:-0.5");
    row("CInt(2.5)", "Integer:2");
    row("CInt(3.5)", "Integer:4");
    row("CInt(-2.5)", "Integer:-2");
    row("CInt(\"3\")", "Integer:3");
    row("CInt(40000)", "Error:6");
    row("CInt(\"x\")", "Error:13");
    row("CLng(\"12\")", "Long:12");
    row("CLng(\" &H10 \")", "Long:16");
    row("CDbl(\"1e3\")", "Double:1000");
    row("CDbl(\"1.5\")", "Double:1.5");
    row("CDbl(\"\")", "Error:13");
    row("CBool(\"true\")", "Boolean:True");
    row("CBool(0)", "Boolean:False");
    row("CBool(\"1\")", "Boolean:True");
    row("CBool(\"yes\")", "Error:13");
    // Numeric strings in the system's number format convert wherever a number is needed.
    row("\"17,110\" + 1", "Double:17111");
    row("\"(12)\" * 2", "Double:-24");
    row("CInt(\"1,000\")", "Integer:1000");
    row("CInt(\"(5)\")", "Integer:-5");
    row("CLng(\"$1,234.56-\")", "Long:-1235");
    row("CBool(\"(0)\")", "Boolean:False");
    row("Not \"1,0\"", "Long:-11");
    row("\"1,000\" \\ 3", "Long:333");
    row("CLng(\"17,110\") >= 17110", "Boolean:True");
    row("\"17,110\" = 17110", "Boolean:False"); // a string and a number are not converted

    // Math
    row("Abs(-3)", "Integer:3");
    row("Abs(-2.5)", "Double:2.5");
    row("Int(-2.5)", "Double:-3");
    row("Fix(-2.5)", "Double:-2");
    row("Int(7)", "Integer:7");
    row("Round(2.5)", "Double:2");
    row("Round(3.5)", "Double:4");
    row("Round(2.375, 2)", "Double:2.38");
    row("Sgn(-2)", "Integer:-1");
    row("Sqr(16)", "Double:4");

    // Types
    row("TypeName(Empty)", "String:Empty");
    row("TypeName(Null)", "String:Null");
    row("TypeName(Nothing)", "String:Nothing");
    row("TypeName(Array())", "String:Variant()");
    row("TypeName(1)", "String:Integer");
    row("TypeName(70000)", "String:Long");
    row("TypeName(1.5)", "String:Double");
    row("TypeName(\"\")", "String:String");
    row("TypeName(True)", "String:Boolean");
    row("VarType(Array())", "Integer:8204");
    row("VarType(\"a\")", "Integer:8");
    row("VarType(1)", "Integer:2");
    row("VarType(True)", "Integer:11");
    row("VarType(Nothing)", "Integer:9");
    row("IsNull(Null)", "Boolean:True");
    row("IsNull(Empty)", "Boolean:False");
    row("IsEmpty(Empty)", "Boolean:True");
    row("IsEmpty(\"\")", "Boolean:False");
    row("IsObject(Nothing)", "Boolean:True");
    row("IsObject(1)", "Boolean:False");
    row("IsArray(Array(1))", "Boolean:True");
    row("IsArray(\"a\")", "Boolean:False");
    row("IsNumeric(\"12\")", "Boolean:True");
    row("IsNumeric(\"1e5\")", "Boolean:True");
    row("IsNumeric(\"a\")", "Boolean:False");
    row("IsNumeric(\"\")", "Boolean:False");
    row("IsNumeric(Empty)", "Boolean:True");

    // Arrays
    row("UBound(Array())", "Long:-1");
    row("UBound(Array(1, 2, 3))", "Long:2");
    row("LBound(Array(1))", "Long:0");
    row("UBound(1)", "Error:13");
    row("Array(1, \"a\")(1)", "String:a");
    row("Array(1)(1)", "Error:9");
    row("Filter(Array(\"ab\", \"cd\", \"xb\"), \"b\")", "Array(String:ab, String:xb)");

    // Dates as values
    row("IsDate(\"2000-01-02\")", "Boolean:True");
    row("IsDate(\"x\")", "Boolean:False");
    row("Weekday(CDate(\"2000-01-02\"))", "Integer:1");
    row("Hour(CDate(\"13:04:05\")) & Minute(CDate(\"13:04:05\")) & Second(CDate(\"13:04:05\"))",
        "String:1345");
    row("CDate(\"x\")", "Error:13");
    row("CDate(\"2000-01-02\") + 1 = CDate(\"2000-01-03\")", "Boolean:True");
    row("Oct(8)", "String:10");
    row("ChrW(AscW(\"z\"))", "String:z");

    // Constants and arguments
    row("vbTextCompare", "Integer:1");
    row("vbBinaryCompare", "Integer:0");
    row("vbGeneralDate", "Integer:0");
    row("Len()", "Error:450");
    row("Left(\"a\")", "Error:450");
}

void TestVbscriptBuiltins::expressions()
{
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    QCOMPARE(scripttest::evaluate(expression), expected);
}

namespace {
// The text as a string expression; characters outside printable ASCII through ChrW.
QString stringExpression(const QString &text)
{
    QStringList parts;
    QString literal;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
            literal += ch == '"' ? QStringLiteral("\"\"") : QString(ch);
            continue;
        }
        if (!literal.isEmpty())
            parts << '"' + literal + '"';
        literal.clear();
        parts << QStringLiteral("ChrW(%1)").arg(ch.unicode());
    }
    if (!literal.isEmpty() || parts.isEmpty())
        parts << '"' + literal + '"';
    return parts.join(" & ");
}
} // namespace

// Strings that the conversion to a number accepts, with their value, and the ones it refuses.
// The rows follow what wine's cscript gives, apart from the marked ones.
void TestVbscriptBuiltins::numericStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number"); // CDbl's answer
    auto row = [](const QString &text, const char *pszNumber) {
        QTest::newRow(qPrintable(stringExpression(text))) << text << QString(pszNumber);
    };

    // Thousands separators anywhere after the first character of the number
    row("17,110", "Double:17110");
    row("1,000,000", "Double:1000000");
    row("5,", "Double:5");
    row("1,234.5", "Double:1234.5");
    row("12,34", "Double:1234");
    row("1,,2", "Double:12");
    row("0,5", "Double:5");
    row("000,1", "Double:1");
    row("1.000,5", "Double:1.0005");
    row(".,1", "Double:0.1");
    row("1,e3", "Double:1000");
    row("1e,3", "Double:1000");
    row("1.,e,3,", "Double:1000");
    row(",5", "Error:13");
    row("-,5", "Error:13");
    row("$,5", "Error:13");
    row("1 ,000", "Error:13");
    row("1\u00A0000", "Error:13");
    row("12 ,", "Error:13"); // wine: 12

    // Signs before or after, parentheses, the currency sign
    row("12-", "Double:-12");
    row("12 -", "Double:-12");
    row("- 12", "Double:-12");
    row("+12", "Double:12");
    row("12+", "Double:12");
    row("+-12", "Double:-12");
    row("12-+", "Double:-12");
    row("12.-", "Double:-12");
    row("1e3-", "Double:-1000");
    row("(12)", "Double:-12");
    row("( 12 )", "Double:-12");
    row("-(12)", "Double:-12");
    row("(-12)", "Double:-12");
    row("(12-)", "Double:-12");
    row("(12)+", "Double:-12");
    row("(1e3)", "Double:-1000");
    row("$12", "Double:12");
    row("$ 12", "Double:12");
    row("12$", "Double:12");
    row("$12$", "Double:12");
    row("$-12", "Double:-12");
    row("-$12", "Double:-12");
    row("$(12)", "Double:-12");
    row("(12$)", "Double:-12");
    row("$1,000.50", "Double:1000.5");
    row("($1,234.56)", "Double:-1234.56");
    row("$1,234.56-", "Double:-1234.56");
    row("--12", "Error:13");
    row("-12-", "Error:13");
    row("+12+", "Error:13");
    row("(12", "Error:13");
    row("12)", "Error:13");
    row("12)-", "Error:13");
    row("((12))", "Error:13");
    row("$$12", "Error:13");
    row("$", "Error:13");
    row("()", "Error:13");
    row("2-1", "Error:13");
    row("(12))", "Error:13"); // wine: -12
    row("12--", "Error:13"); // wine: -12
    row("12++", "Error:13"); // wine: 12
    row("12$$", "Error:13"); // wine: 12

    // Decimal point and exponent
    row(".5", "Double:0.5");
    row("5.", "Double:5");
    row("1.e3", "Double:1000");
    row("1E+3", "Double:1000");
    row("1e-3", "Double:0.001");
    row("1.5e2", "Double:150");
    row("1,000,000.5e2", "Double:100000050");
    row("1e0003", "Double:1000");
    row("1e-400", "Double:0");
    row("1E400", "Error:6");
    row(".", "Error:13");
    row("1..2", "Error:13");
    row("1.2.3", "Error:13");
    row("1e", "Error:13");
    row("1e+", "Error:13");
    row("e3", "Error:13");
    row(".e3", "Error:13");
    row("1e 3", "Error:13");
    row("1e3.5", "Error:13");
    row("1e3e2", "Error:13");
    row("1e--3", "Error:13"); // wine: 0.001
    row("1e3,0", "Error:13"); // wine: 10000

    // Blanks around the number, the text's end at a NUL character
    row(" 12 ", "Double:12");
    row("\t12\r\n", "Double:12");
    row("\u00A012\u000B", "Double:12");
    row(QString("12") + QChar(0) + "5", "Double:12");
    row("1 2", "Error:13");
    row("", "Error:13");

    // Hexadecimal and octal take no signs
    row(" &H10 ", "Double:16");
    row("&O17", "Double:15");
    row("&10", "Error:13");
    row("-&H10", "Error:13"); // wine: 16
    row("(&H10)", "Error:13"); // wine: 16

    // Other notations
    row("0x10", "Error:13");
    row("1_000", "Error:13");
    row("1'000", "Error:13");
    row("12%", "Error:13");
    row("1d2", "Error:13");
    row("Inf", "Error:13");
    row("NaN", "Error:13");
    row("\u20AC12", "Error:13");
}

void TestVbscriptBuiltins::numericStrings()
{
    QFETCH(QString, text);
    QFETCH(QString, number);
    const QString expression = stringExpression(text);
    QCOMPARE(scripttest::evaluate("CDbl(" + expression + ")"), number);
    // Arithmetic and IsNumeric convert the same way.
    QCOMPARE(scripttest::evaluate("(" + expression + ") - 0"), number);
    QCOMPARE(scripttest::evaluate("IsNumeric(" + expression + ")"),
             number.startsWith("Double") ? "Boolean:True" : "Boolean:False");
}

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
