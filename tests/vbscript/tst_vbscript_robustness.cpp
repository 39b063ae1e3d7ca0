// Bad scripts end with an error, never with a crash or a hang.
#include "scripttest.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using vbscript::Engine;
using vbscript::Outcome;

namespace {

vbscript::Limits smallLimits()
{
    vbscript::Limits limits;
    limits.maxSteps = 200000;
    limits.maxStringLength = 1 << 20;
    limits.maxArrayItems = 1 << 18;
    return limits;
}

// What is wrong with the way a load or a call of the text ended: a failure must be an error of
// the language, numbered and described, at a place in the text. Empty when nothing is.
QString faultOf(const Outcome &outcome, const QString &strText)
{
    if (outcome)
        return QString();
    const vbscript::ScriptError &error = outcome.error;
    const bool bSyntax = error.kind == vbscript::ScriptError::Kind::Syntax;
    const bool bSyntaxNumber = error.number >= 1000 && error.number < 1100;
    // A limit may end a load or a call where no statement is at hand.
    const bool bLimit = error.number == vbscript::errors::OutOfMemory
            || error.number == vbscript::errors::OutOfStackSpace
            || error.number == vbscript::errors::StepLimitExceeded;
    if (error.description.isEmpty() || error.number <= 0
        || (bSyntax ? !bSyntaxNumber && !bLimit : bSyntaxNumber))
        return QStringLiteral("an error out of the language: ") + error.toString();
    const QStringList lstLines
            = QString(strText).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    const bool bInText = error.line >= 1 && error.line <= lstLines.size() && error.column >= 1
            && error.column <= lstLines.at(error.line - 1).size() + 1;
    if (!bInText && !(bLimit && error.line == 0))
        return QStringLiteral("an error outside the text: ") + error.toString();
    return QString();
}

// Loads the text and calls its functions F, G and Main: the first that ended other than as it
// may, with what is wrong (faultOf), or empty. Counts the texts that ran without an error.
QString loadAndCall(const QString &strText, int *piSucceeded)
{
    Engine engine;
    engine.setLimits(smallLimits());
    engine.registerFunction("CreateObject", [](vbscript::Arguments &) -> vbscript::Value {
        vbscript::raiseError(vbscript::errors::CannotCreateObject, "no objects here");
    });
    QList<Outcome> outcomes {engine.load(strText, "Fuzz")};
    for (const char *pszFunction : {"F", "G", "Main"}) {
        if (outcomes.first() && engine.hasProcedure(pszFunction))
            outcomes << engine.call(pszFunction, {vbscript::Value(1)});
    }
    bool bSucceeded = true;
    for (const Outcome &outcome : outcomes) {
        if (const QString strFault = faultOf(outcome, strText); !strFault.isEmpty())
            return strFault + QStringLiteral(" in:\n") + strText;
        bSucceeded = bSucceeded && outcome;
    }
    *piSucceeded += bSucceeded;
    return QString();
}

const char *const s_vocabulary[] = {
        "Dim",    "ReDim", "Preserve", "Set",     "Function",
        "Sub",    "End",   "If",       "Then",    "Else",
        "ElseIf", "For",   "Each",     "In",      "To",
        "Step",   "Next",  "Do",       "Loop",    "While",
        "Until",  "Wend",  "Select",   "Case",    "Exit",
        "Call",   "ByRef", "ByVal",    "And",     "Or",
        "Not",    "Is",    "Mod",      "Nothing", "Null",
        "Empty",  "True",  "False",    "Option",  "Explicit",
        "Const",  "x",     "y",        "a",       "F",
        "G",      "Main",  "Len",      "Mid",     "InStr",
        "Split",  "Join",  "UBound",   "Array",   "CreateObject",
        "(",      ")",     ",",        ".",       "=",
        "<",      ">",     "<>",       "+",       "-",
        "*",      "/",     "\\",       "&",       "^",
        ":",      "\n",    "\n",       "\n",      "1",
        "0",      "-1",    "3.5",      "\"s\"",   "\"\"",
        "&HFF",   "_\n",   "'c\n",     "x(1)",    "a.b",
        "F(x)",   "\"",    "#",        "[",       "]",
};

QString randomTokens(QRandomGenerator &random, int iCount)
{
    const int iVocabulary = int(sizeof(s_vocabulary) / sizeof(s_vocabulary[0]));
    QString str;
    for (int i = 0; i < iCount; ++i) {
        str += QString::fromLatin1(s_vocabulary[random.bounded(iVocabulary)]);
        str += QLatin1Char(' ');
    }
    return str;
}

const char s_validScript[]
        = "Option Explicit\n"
          "Dim g_list()\n"
          "ReDim g_list(-1)\n"
          "Function Add(strItem)\n"
          "    ReDim Preserve g_list(UBound(g_list) + 1)\n"
          "    g_list(UBound(g_list)) = strItem\n"
          "    Add = UBound(g_list)\n"
          "End Function\n"
          "Function F(n)\n"
          "    Dim i, s, parts\n"
          "    For i = 1 To 20 Step 2\n"
          "        If InStr(1, \"abcABC\", Chr(64 + i Mod 4), vbTextCompare) > 0 Then\n"
          "            s = s & \" /SET\" & i\n"
          "        ElseIf i > 10 Then\n"
          "            s = s & Mid(\"xyz\", 2)\n"
          "        Else\n"
          "            Call Add(CStr(i))\n"
          "        End If\n"
          "    Next\n"
          "    parts = Split(s, \" \")\n"
          "    Select Case UBound(parts)\n"
          "    Case 0, 1\n"
          "        F = \"few\"\n"
          "    Case Else\n"
          "        F = Join(parts, \",\") & Join(g_list, \";\")\n"
          "    End Select\n"
          "    Do While n < 5\n"
          "        n = n + 1\n"
          "    Loop\n"
          "End Function\n";

QString randomExpression(QRandomGenerator &random, int iDepth)
{
    static const char *const atoms[]
            = {"x",       "y",      "n",       "a",         "1",      "0",    "-2",
               "2.5",     "\"10\"", "\"abc\"", "\"\"",      "Empty",  "Null", "True",
               "Nothing", "a(1)",   "a(5)",    "UBound(a)", "&H7FFF", "32767"};
    static const char *const operators[]
            = {" + ", " - ", " * ",  " / ",   " \\ ", " Mod ", " ^ ", " & ",
               " = ", " < ", " <> ", " And ", " Or ", " Xor ", " Is "};
    static const char *const functions[]
            = {"Len",      "UCase", "CStr", "CInt",  "CLng", "CDbl",  "Trim", "IsNull", "IsEmpty",
               "TypeName", "Abs",   "Int",  "Split", "Join", "Array", "Not ", "-"};
    if (iDepth <= 0 || random.bounded(3) == 0)
        return QString::fromLatin1(atoms[random.bounded(int(sizeof(atoms) / sizeof(atoms[0])))]);
    switch (random.bounded(5)) {
    case 0:
    case 1:
        return randomExpression(random, iDepth - 1)
                + QString::fromLatin1(
                        operators[random.bounded(int(sizeof(operators) / sizeof(operators[0])))])
                + randomExpression(random, iDepth - 1);
    case 2:
        return QStringLiteral("(") + randomExpression(random, iDepth - 1) + QStringLiteral(")");
    case 3:
        return QStringLiteral("Mid(%1, %2, %3)")
                .arg(randomExpression(random, iDepth - 1), randomExpression(random, iDepth - 1),
                     randomExpression(random, iDepth - 1));
    default:
        return QString::fromLatin1(
                       functions[random.bounded(int(sizeof(functions) / sizeof(functions[0])))])
                + QStringLiteral("(") + randomExpression(random, iDepth - 1) + QStringLiteral(")");
    }
}

QString randomBlock(QRandomGenerator &random, int iDepth)
{
    QString str;
    int iCount = 1 + random.bounded(4);
    for (int i = 0; i < iCount; ++i) {
        QString strExpr = randomExpression(random, random.bounded(3));
        switch (iDepth > 0 ? random.bounded(9) : random.bounded(3)) {
        case 0:
            str += QStringLiteral("x = ") + strExpr + QLatin1Char('\n');
            break;
        case 1:
            str += QStringLiteral("y = H(") + strExpr + QStringLiteral(", x)\n");
            break;
        case 2:
            str += QStringLiteral("ReDim Preserve a(") + strExpr + QStringLiteral(")\n");
            break;
        case 3:
            str += QStringLiteral("If ") + strExpr + QStringLiteral(" Then\n")
                    + randomBlock(random, iDepth - 1) + QStringLiteral("Else\n")
                    + randomBlock(random, iDepth - 1) + QStringLiteral("End If\n");
            break;
        case 4:
            str += QStringLiteral("For Each y In a\n") + randomBlock(random, iDepth - 1)
                    + QStringLiteral("Next\n");
            break;
        case 5:
            str += QStringLiteral("Do While ") + strExpr + QLatin1Char('\n')
                    + randomBlock(random, iDepth - 1) + QStringLiteral("Loop\n");
            break;
        case 6:
            str += QStringLiteral("Select Case ") + strExpr + QStringLiteral("\nCase 1, \"b\"\n")
                    + randomBlock(random, iDepth - 1) + QStringLiteral("Case Else\n")
                    + randomBlock(random, iDepth - 1) + QStringLiteral("End Select\n");
            break;
        case 7:
            str += QStringLiteral("For n = ") + strExpr + QStringLiteral(" To 3\n")
                    + randomBlock(random, iDepth - 1) + QStringLiteral("Next\n");
            break;
        default:
            str += QStringLiteral("a(") + strExpr + QStringLiteral(") = F(x)\n");
            break;
        }
    }
    return str;
}

} // namespace

class TestVbscriptRobustness : public QObject
{
    Q_OBJECT

private slots:
    void deepRecursion();
    void endlessLoops_data();
    void endlessLoops();
    void timeLimit();
    void hugeValues_data();
    void hugeValues();
    void deepNesting_data();
    void deepNesting();
    void memoryBudget_data();
    void memoryBudget();
    void memoryIsGivenBack();
    void randomTexts_data();
    void randomTexts();
};

void TestVbscriptRobustness::deepRecursion()
{
    Engine engine;
    QVERIFY(engine.load("Function R(n)\n R = R(n + 1) + 1\nEnd Function\n"
                        "Function Nested(n)\n If n > 0 Then\n  If True Then\n"
                        "   Nested = \"(\" & Nested(n - 1) & (((1 + 2) * 3) & \")\")\n"
                        "  End If\n End If\nEnd Function"));
    Outcome outcome = engine.call("R", {vbscript::Value(0)});
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, vbscript::errors::OutOfStackSpace);
    outcome = engine.call("Nested", {vbscript::Value(100000)});
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, vbscript::errors::OutOfStackSpace);
    // Recursion within the bound works.
    outcome = engine.call("Nested", {vbscript::Value(100)});
    QVERIFY2(outcome, qPrintable(outcome.error.toString()));
    QVERIFY(outcome.value.toString().startsWith(QLatin1String("((((")));
}

void TestVbscriptRobustness::endlessLoops_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("do loop") << "Function F()\n Do\n Loop\nEnd Function";
    QTest::newRow("while") << "Function F()\n While True\n Wend\nEnd Function";
    QTest::newRow("step 0") << "Function F()\n Dim i\n For i = 1 To 2 Step 0\n Next\nEnd Function";
    QTest::newRow("counter reset")
            << "Function F()\n Dim i\n For i = 1 To 2\n i = 0\n Next\nEnd Function";
    QTest::newRow("loop until never") << "Function F()\n Do\n Loop Until False\nEnd Function";
    QTest::newRow("mutual recursion in loop")
            << "Function F()\n Do\n G\n Loop\nEnd Function\nSub G()\nEnd Sub";
    QTest::newRow("global code") << "Do\nLoop\nFunction F()\nEnd Function";
}

void TestVbscriptRobustness::endlessLoops()
{
    QFETCH(QString, text);
    Engine engine;
    vbscript::Limits limits;
    limits.maxSteps = 100000;
    engine.setLimits(limits);
    QElapsedTimer timer;
    timer.start();
    Outcome outcome = engine.load(text);
    if (outcome)
        outcome = engine.call("F");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, vbscript::errors::StepLimitExceeded);
    QVERIFY(timer.elapsed() < 5000);

    // Each call gets the full budget again.
    if (engine.isLoaded())
        QCOMPARE(engine.call("F").error.number, vbscript::errors::StepLimitExceeded);
}

void TestVbscriptRobustness::timeLimit()
{
    // Few steps, each of them slow: the wall-clock bound ends the call.
    Engine engine;
    vbscript::Limits limits;
    limits.maxMilliseconds = 300;
    engine.setLimits(limits);
    QVERIFY(engine.load("Function F()\n Dim s\n Do\n  s = Replace(Space(200000), \" \", \"ab\")\n"
                        " Loop\nEnd Function"));
    QElapsedTimer timer;
    timer.start();
    Outcome outcome = engine.call("F");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, vbscript::errors::StepLimitExceeded);
    QVERIFY(timer.elapsed() < 10000);
}

void TestVbscriptRobustness::hugeValues_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("error");
    QTest::newRow("doubling string") << "Dim s : s = \"x\"\nDo\n s = s & s\nLoop" << 14;
    QTest::newRow("adding strings") << "Dim s : s = \"x\"\nDo\n s = s + s\nLoop" << 14;
    QTest::newRow("space") << "t = Space(2000000000)" << 14;
    QTest::newRow("string") << "t = String(2000000000, \"x\")" << 14;
    QTest::newRow("replace growth")
            << "Dim s : s = String(1000, \"a\")\nDo\n s = Replace(s, \"a\", \"aa\")\nLoop" << 14;
    QTest::newRow("join growth")
            << "Dim s : s = String(1000, \"a\")\nDo\n s = Join(Array(s, s, s))\nLoop" << 14;
    QTest::newRow("redim huge") << "Dim a()\nReDim a(2000000000)" << 7;
    QTest::newRow("dim huge") << "Dim a(100000, 100000)" << 7;
    QTest::newRow("redim preserve huge")
            << "Dim a : a = Array(1)\nReDim Preserve a(2147483647)" << 7;
    QTest::newRow("negative bound") << "Dim a()\nReDim a(-5)" << 9;
    QTest::newRow("split huge") << "t = UBound(Split(String(1000000, \",\"), \",\"))" << 7;
    QTest::newRow("overflow") << "t = 1E+308 * 10" << 6;
    QTest::newRow("clng overflow") << "t = CLng(1E+20)" << 6;
    QTest::newRow("date overflow") << "t = CDate(1E+300)" << 6;
    QTest::newRow("date arithmetic overflow") << "t = CStr(CDate(\"2000-01-01\") + 1E+300)" << 6;
    QTest::newRow("date part overflow") << "t = Year(1E+300)" << 6;
}

void TestVbscriptRobustness::hugeValues()
{
    QFETCH(QString, body);
    QFETCH(int, error);
    Engine engine;
    vbscript::Limits limits = smallLimits();
    engine.setLimits(limits);
    QVERIFY(engine.load("Function T()\n" + body + "\nEnd Function"));
    Outcome outcome = engine.call("T");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, error);
}

// Each row asks for more than the default budget of 256 MB in strings or array slots, held at
// once; 16 MB strings stay within the bound of one string.
void TestVbscriptRobustness::memoryBudget_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("distinct strings") << "Function T()\nDim a(40), i\nFor i = 0 To 40\n"
                                         "a(i) = String(8000000, ChrW(65 + i))\nNext\nEnd Function";
    QTest::newRow("copies of one string")
            << "Function T()\nDim a(40), i, s\ns = String(8000000, \"x\")\n"
               "For i = 0 To 40\na(i) = s\nNext\nEnd Function";
    QTest::newRow("arrays") << "Function T()\nDim a(), b(), c()\nReDim a(4000000)\n"
                               "ReDim b(4000000)\nReDim c(4000000)\nEnd Function";
    QTest::newRow("recursion") << "Function T()\nT = F(40)\nEnd Function\n"
                                  "Function F(n)\nDim s : s = String(8000000, \"x\")\n"
                                  "If n > 0 Then F = F(n - 1)\nEnd Function";
    // Each left operand is held while the right one is evaluated, all in one statement.
    QString strNested = "1";
    for (int i = 0; i < 40; ++i)
        strNested = QStringLiteral("Len(String(8000000, \"x\") & %1)").arg(strNested);
    QTest::newRow("nested temporaries") << "Function T()\nT = " + strNested + "\nEnd Function";
    QTest::newRow("global strings") << "Dim a(40), i\nFor i = 0 To 40\n"
                                       "a(i) = String(8000000, ChrW(65 + i))\nNext";
}

void TestVbscriptRobustness::memoryBudget()
{
    QFETCH(QString, text);
    Engine engine;
    Outcome outcome = engine.load(text);
    if (outcome)
        outcome = engine.call("T");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, vbscript::errors::OutOfMemory);
}

void TestVbscriptRobustness::memoryIsGivenBack()
{
    // The table of the language's constants is made once, on first use, and lives on.
    QCOMPARE(scripttest::evaluate("vbCrLf"), QString("String:\r\n"));
    const qint64 iHeldBefore = vbscript::heldValueBytes();
    {
        Engine engine;
        QVERIFY(engine.load("Dim g : g = String(1000, \"g\")\n"
                            "Function Churn()\nDim i, s\nFor i = 1 To 60\n"
                            "s = String(8000000, ChrW(65 + i Mod 26)) & \"\"\nNext\n"
                            "Churn = Len(s)\nEnd Function\n"
                            "Function Hold(n)\nDim a(), i\nReDim a(n)\nFor i = 0 To n\n"
                            "a(i) = String(8000000, ChrW(65 + i Mod 26))\nNext\n"
                            "Hold = UBound(a)\nEnd Function"));
        // Strings made and dropped one after another never add up.
        Outcome outcome = engine.call("Churn");
        QVERIFY2(outcome, qPrintable(outcome.error.toString()));
        QCOMPARE(outcome.value.toLong(), 8000000);
        // What a failed call held is given back to the next one.
        QCOMPARE(engine.call("Hold", {vbscript::Value(40)}).error.number,
                 vbscript::errors::OutOfMemory);
        outcome = engine.call("Hold", {vbscript::Value(10)});
        QVERIFY2(outcome, qPrintable(outcome.error.toString()));
        QCOMPARE(engine.globalValue("g").toString().size(), 1000);
    }
    QCOMPARE(vbscript::heldValueBytes(), iHeldBefore);
}

void TestVbscriptRobustness::deepNesting_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("parentheses") << "x = " + QString(100000, '(') + "1" + QString(100000, ')');
    QTest::newRow("unclosed parentheses") << "x = " + QString(100000, '(');
    QTest::newRow("signs") << "x = " + QString(100000, '-') + "1";
    QTest::newRow("not") << "x = " + QString("Not ").repeated(50000) + "1";
    QTest::newRow("long sum") << "x = 1" + QString(" + 1").repeated(100000);
    QTest::newRow("long concat") << "x = \"a\"" + QString(" & x").repeated(100000);
    QTest::newRow("nested ifs") << QString("If True Then\n").repeated(20000) + "x = 1\n"
                    + QString("End If\n").repeated(20000);
    QTest::newRow("nested loops") << QString("Do\n").repeated(20000);
    QTest::newRow("nested calls") << "x = " + QString("Len(").repeated(50000) + "1"
                    + QString(")").repeated(50000);
    QTest::newRow("single-line ifs") << QString("If True Then ").repeated(50000) + "x = 1";
    QTest::newRow("member chain") << "x = a" + QString(".b").repeated(100000);
    QTest::newRow("index chain") << "x = a" + QString("(1)").repeated(100000);
    QTest::newRow("too long") << QString("x = 1\n").repeated(1000000);
}

void TestVbscriptRobustness::deepNesting()
{
    QFETCH(QString, text);
    Engine engine;
    engine.setLimits(smallLimits());
    Outcome outcome = engine.load(text);
    // Either a clean syntax error or a bounded run; never a crash.
    QVERIFY2(faultOf(outcome, text).isEmpty(), qPrintable(faultOf(outcome, text)));
    QCOMPARE(engine.isLoaded(), outcome.ok);
}

void TestVbscriptRobustness::randomTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("leastSucceeded");
    QTest::addColumn<int>("leastFailed");
    const int iVocabulary = int(sizeof(s_vocabulary) / sizeof(s_vocabulary[0]));
    QRandomGenerator random(20261208);
    QStringList lstTexts;
    for (int i = 0; i < 3000; ++i)
        lstTexts << randomTokens(random, 5 + random.bounded(120));
    QTest::newRow("token texts") << lstTexts << 0 << 0;

    // Programs from a small grammar: they mostly parse, and then run into all kinds of values
    // and run-time errors.
    random.seed(1899);
    lstTexts.clear();
    for (int i = 0; i < 1500; ++i) {
        lstTexts << QStringLiteral("Dim x, y, a\na = Array(1, \"b\", Null)\n")
                        + QStringLiteral("Function H(ByVal p, q)\n") + randomBlock(random, 2)
                        + QStringLiteral("H = p & q\nEnd Function\n")
                        + QStringLiteral("Function F(n)\n") + randomBlock(random, 3)
                        + QStringLiteral("F = x\nEnd Function\n");
    }
    QTest::newRow("programs") << lstTexts << 50 << 50;

    const QString strValid = QString::fromLatin1(s_validScript);
    QTest::newRow("valid script") << QStringList {strValid} << 1 << 0;
    random.seed(4711);
    lstTexts.clear();
    for (int i = 0; i < 2000; ++i) {
        QString strText = strValid;
        int iEdits = 1 + random.bounded(4);
        for (int iEdit = 0; iEdit < iEdits; ++iEdit) {
            int iPos = random.bounded(strText.size());
            int iLength = 1 + random.bounded(12);
            switch (random.bounded(4)) {
            case 0:
                strText.remove(iPos, iLength);
                break;
            case 1:
                strText.insert(iPos, strText.mid(random.bounded(strText.size()), iLength));
                break;
            case 2:
                strText.insert(iPos,
                               QString::fromLatin1(s_vocabulary[random.bounded(iVocabulary)]));
                break;
            default:
                strText[iPos] = QChar(ushort(random.bounded(32, 127)));
                break;
            }
        }
        lstTexts << strText;
    }
    QTest::newRow("mutated script") << lstTexts << 0 << 1;

    random.seed(99);
    lstTexts.clear();
    for (int i = 0; i < 1000; ++i) {
        QString strText;
        int iLength = random.bounded(400);
        for (int iChar = 0; iChar < iLength; ++iChar) {
            if (random.bounded(4) == 0)
                strText += QChar(ushort(random.bounded(1, 0xFFFF)));
            else
                strText += QChar(ushort(random.bounded(9, 127)));
        }
        lstTexts << strText;
    }
    QTest::newRow("characters") << lstTexts << 0 << 0;
}

// Each text ends as it may (faultOf), and some run and some fail where the row says so.
void TestVbscriptRobustness::randomTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(int, leastSucceeded);
    QFETCH(int, leastFailed);
    int iSucceeded = 0;
    for (const QString &strText : texts) {
        const QString strFault = loadAndCall(strText, &iSucceeded);
        QVERIFY2(strFault.isEmpty(), qPrintable(strFault));
    }
    QVERIFY(iSucceeded >= leastSucceeded);
    QVERIFY(texts.size() - iSucceeded >= leastFailed);
}

QTEST_GUILESS_MAIN(TestVbscriptRobustness)
#include "tst_vbscript_robustness.moc"
