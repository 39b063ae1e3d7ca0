// Statements, procedures, arguments and host objects.
#include "scripttest.h"

#include <QtTest>

using scripttest::runBody;
using vbscript::Arguments;
using vbscript::Value;

namespace {

// A registry-like host object: GetStringValue(hive, key, name, out value) answers 0 and
// writes the value, or 1 and Null; Items enumerates three devices.
class FakeProvider : public vbscript::HostObject
{
public:
    QString typeName() const override { return QStringLiteral("SWbemObjectEx"); }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("Caption")))
            return Value(QStringLiteral("Fake OS"));
        if (nameIs(strName, QLatin1String("Count")))
            return Value(3);
        if (nameIs(strName, QLatin1String("Children")))
            return applyArguments(Value(shared_from_this()), args);
        if (strName.isEmpty()) {
            args.expectCount(1);
            return Value(QStringLiteral("item%1").arg(args[0].toLong()));
        }
        return HostObject::getProperty(strName, args);
    }

    void putProperty(const QString &strName, Arguments &args, const Value &value) override
    {
        if (!nameIs(strName, QLatin1String("Tag")) || args.count() != 0)
            unsupported(strName);
        m_tag = value;
    }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("GetStringValue"))) {
            args.expectCount(4);
            if (args[2].toString() == QLatin1String("Present")) {
                args.assign(3, Value(QStringLiteral("C:\\Program Files\\Zorva")));
                return Value(0);
            }
            args.assign(3, Value::null());
            return Value(1);
        }
        if (nameIs(strName, QLatin1String("Tag")))
            return m_tag;
        if (nameIs(strName, QLatin1String("Fail")))
            vbscript::raiseError(5, QStringLiteral("Invalid procedure call or argument"));
        if (nameIs(strName, QLatin1String("Self")))
            return Value(shared_from_this());
        return HostObject::callMethod(strName, args);
    }

    std::unique_ptr<vbscript::Enumerator> enumerate() override
    {
        QVector<Value> items;
        for (const char *psz : {"PCI\\VEN_ZV01&DEV_0001", "ACPI\\ZRVA0010\\0", "USB\\ROOT_HUB30"})
            items.append(Value(QString::fromLatin1(psz)));
        return std::make_unique<vbscript::ListEnumerator>(items);
    }

    Value m_tag;
};

vbscript::Outcome runWithHost(const QString &strText, const QString &strFunction = "T",
                              QStringList *pCreated = nullptr)
{
    static vbscript::Engine *pEngine = nullptr;
    delete pEngine;
    pEngine = new vbscript::Engine;
    pEngine->registerFunction("CreateObject", [pCreated](Arguments &args) {
        args.expectCount(1);
        if (pCreated)
            pCreated->append(args[0].toString());
        if (args[0].toString().compare("Fake.Provider", Qt::CaseInsensitive) != 0)
            vbscript::raiseError(vbscript::errors::CannotCreateObject,
                                 "ActiveX component can't create object");
        return Value(std::make_shared<FakeProvider>());
    });
    pEngine->registerFunction("GetObject", [](Arguments &args) {
        args.expectCount(1);
        return Value(std::make_shared<FakeProvider>());
    });
    vbscript::Outcome outcome = pEngine->load(strText, "HostTest");
    if (!outcome)
        return outcome;
    return pEngine->call(strFunction);
}

} // namespace

class TestVbscriptLanguage : public QObject
{
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void globalsAndProcedures();
    void byRefAndByVal();
    void arraysAreValues();
    void optionExplicit();
    void syntaxErrors_data();
    void syntaxErrors();
    void runtimeErrorEndsTheCall();
    void hostObjects();
    void hostOutArgument();
    void hostErrors();
    void entryPoint();
    void reentrantHost();
};

void TestVbscriptLanguage::statements_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *pszName, const char *pszBody, const char *pszExpected) {
        QTest::newRow(pszName) << QString::fromUtf8(pszBody) << QString::fromUtf8(pszExpected);
    };

    row("case-insensitive names", "Dim abc\nABC = 3\nt = aBc + 1", "Integer:4");
    row("comments", "t = 1 ' a comment\nRem another\nt = t + 1 : Rem after a colon", "Integer:2");
    row("line continuation", "t = \"a\" & _\n   \"b\" & _\n\"c\"", "String:abc");
    row("colon separator", "Dim a : a = 1 : t = a + 1", "Integer:2");
    row("block if",
        "Dim x : x = 5\nIf x > 3 Then\n t = \"big\"\nElseIf x > 1 Then\n t = \"mid\"\n"
        "Else\n t = \"small\"\nEnd If",
        "String:big");
    row("elseif",
        "Dim x : x = 2\nIf x > 3 Then\n t = \"big\"\nElseIf x > 1 Then\n t = \"mid\"\n"
        "Else\n t = \"small\"\nEnd If",
        "String:mid");
    row("else",
        "Dim x : x = 0\nIf x > 3 Then\n t = \"big\"\nElseIf x > 1 Then\n t = \"mid\"\n"
        "Else\n t = \"small\"\nEnd If",
        "String:small");
    row("single-line if", "If 1 = 1 Then t = \"yes\" Else t = \"no\"", "String:yes");
    row("single-line else", "If 1 = 2 Then t = \"yes\" Else t = \"no\"", "String:no");
    row("single-line statements", "If True Then t = 1 : t = t + 1", "Integer:2");
    row("single-line nested", "If True Then If False Then t = 1 Else t = 2", "Integer:2");
    row("null condition is false", "t = 0\nIf Null Then t = 1", "Integer:0");
    row("for", "Dim i\nFor i = 1 To 5\n t = t & i\nNext", "String:12345");
    row("for step", "Dim i\nFor i = 10 To 1 Step -3\n t = t & i & \",\"\nNext", "String:10,7,4,1,");
    row("for fractional step", "Dim i\nFor i = 0 To 1 Step 0.25\n t = t + 1\nNext", "Integer:5");
    row("for never runs", "Dim i\nt = 0\nFor i = 5 To 1\n t = 1\nNext", "Integer:0");
    row("for counter after loop", "Dim i\nFor i = 1 To 3\nNext\nt = i", "Integer:4");
    row("for next with name", "Dim i\nFor i = 1 To 2\n t = t & i\nNext i", "String:12");
    row("exit for", "Dim i\nFor i = 1 To 10\n If i = 3 Then Exit For\nNext\nt = i", "Integer:3");
    row("nested for",
        "Dim i, j\nFor i = 1 To 2\nFor j = 1 To 2\n t = t & i & j & \" \"\nNext\nNext",
        "String:11 12 21 22 ");
    row("for each array", "Dim x\nFor Each x In Array(\"a\", \"b\")\n t = t & x\nNext",
        "String:ab");
    row("for each empty array", "Dim x\nt = 0\nFor Each x In Array()\n t = 1\nNext", "Integer:0");
    row("for each exit",
        "Dim x\nFor Each x In Array(1, 2, 3)\n t = x\n If x = 2 Then Exit For\nNext", "Integer:2");
    row("for each non-collection", "Dim x\nFor Each x In 5\nNext", "Error:451");
    row("do while", "Dim i : i = 0\nDo While i < 3\n i = i + 1\nLoop\nt = i", "Integer:3");
    row("do until", "Dim i : i = 0\nDo Until i = 4\n i = i + 1\nLoop\nt = i", "Integer:4");
    row("loop while runs once", "Dim i : i = 10\nDo\n i = i + 1\nLoop While i < 3\nt = i",
        "Integer:11");
    row("loop until", "Dim i : i = 0\nDo\n i = i + 2\nLoop Until i >= 5\nt = i", "Integer:6");
    row("exit do", "Dim i\nDo\n i = i + 1\n If i = 7 Then Exit Do\nLoop\nt = i", "Integer:7");
    row("while wend", "Dim i\nWhile i < 5\n i = i + 1\nWend\nt = i", "Integer:5");
    row("select case",
        "Dim x : x = 3\nSelect Case x\nCase 1, 2\n t = \"low\"\nCase 3\n t = \"three\"\n"
        "Case Else\n t = \"other\"\nEnd Select",
        "String:three");
    row("select case list",
        "Select Case \"b\"\nCase \"a\", \"b\"\n t = 1\nCase Else\n t = 2\nEnd Select", "Integer:1");
    row("select case else", "Select Case 9\nCase 1\n t = 1\nCase Else\n t = 2\nEnd Select",
        "Integer:2");
    row("select case none", "t = 0\nSelect Case 9\nCase 1\n t = 1\nEnd Select", "Integer:0");
    row("select case strings are exact", "t = 0\nSelect Case \"A\"\nCase \"a\"\n t = 1\nEnd Select",
        "Integer:0");
    row("select case first match",
        "Select Case 1\nCase 1\n t = \"a\"\nCase 1\n t = \"b\"\nEnd Select", "String:a");
    row("dim array", "Dim a(2)\na(0) = \"x\" : a(2) = \"z\"\nt = UBound(a) & a(0) & a(1) & a(2)",
        "String:2xz");
    row("two dimensions", "Dim a(1, 2)\na(1, 2) = 5\nt = a(1, 2) + UBound(a, 2)", "Long:7");
    row("subscript out of range", "Dim a(2)\na(3) = 1", "Error:9");
    row("redim", "Dim a()\nReDim a(3)\nt = UBound(a)", "Long:3");
    row("redim preserve",
        "Dim a : a = Array(1, 2)\nReDim Preserve a(3)\nt = UBound(a) & a(1) & IsEmpty(a(3))",
        "String:32True");
    row("redim preserve shrinks",
        "Dim a : a = Array(1, 2, 3)\nReDim Preserve a(0)\nt = Join(a, \",\")", "String:1");
    row("redim clears", "Dim a : a = Array(1, 2)\nReDim a(1)\nt = IsEmpty(a(0))", "Boolean:True");
    row("growing array",
        "Dim a(), i\nReDim a(-1)\nFor i = 0 To 4\n ReDim Preserve a(UBound(a) + 1)\n"
        " a(UBound(a)) = i\nNext\nt = Join(a, \"\")",
        "String:01234");
    row("dynamic array without bounds", "Dim a()\nt = UBound(a)", "Error:9");
    row("redim preserve of unsized array", "Dim a()\nReDim Preserve a(2)\nt = UBound(a)", "Long:2");
    row("erase", "Dim a : a = Array(1)\nErase a\nt = IsArray(a)", "Boolean:True");
    row("const", "Const LIMIT = 10, NAME = \"n\"\nt = LIMIT & NAME", "String:10n");
    row("set nothing", "Dim o\nSet o = Nothing\nt = o Is Nothing", "Boolean:True");
    row("set needs object", "Dim o\nSet o = 1", "Error:424");
    row("member of non-object", "Dim o\nt = o.Name", "Error:424");
    row("member of nothing", "Dim o\nSet o = Nothing\nt = o.Name", "Error:91");
    row("implicit variable", "x = 4\nt = x * 2", "Integer:8");
    row("type mismatch", "t = \"a\" - 1", "Error:13");
    row("exit function", "t = 1\nExit Function\nt = 2", "Integer:1");
    row("string with quotes", "t = \"say \"\"hi\"\"\"", "String:say \"hi\"");
    row("let", "Let t = 5", "Integer:5");
    row("exit do inside for",
        "Dim i, j\nDo\n For i = 1 To 3\n  j = j + 1\n  If i = 2 Then Exit Do\n Next\nLoop\nt = j",
        "Integer:2");
    row("do inside select",
        "Select Case 1\nCase 1\n Do\n  t = t + 1\n Loop While t < 3\nEnd Select", "Integer:3");
}

void TestVbscriptLanguage::statements()
{
    QFETCH(QString, body);
    QFETCH(QString, expected);
    QCOMPARE(runBody(body), expected);
}

void TestVbscriptLanguage::globalsAndProcedures()
{
    const QString strGlobal = QStringLiteral("Dim g_count\n"
                                             "g_count = 10\n"
                                             "Function Twice(n)\n"
                                             "    Twice = n * 2\n"
                                             "End Function\n"
                                             "Sub Bump()\n"
                                             "    g_count = g_count + 1\n"
                                             "End Sub\n"
                                             "Function Fact(n)\n"
                                             "    If n <= 1 Then\n"
                                             "        Fact = 1\n"
                                             "    Else\n"
                                             "        Fact = n * Fact(n - 1)\n"
                                             "    End If\n"
                                             "End Function\n"
                                             "Function NoResult()\n"
                                             "End Function\n");
    QCOMPARE(runBody("t = Twice(21)", strGlobal), QStringLiteral("Integer:42"));
    QCOMPARE(runBody("Bump\nCall Bump\nCall Bump()\nt = g_count", strGlobal),
             QStringLiteral("Integer:13"));
    QCOMPARE(runBody("t = Fact(10)", strGlobal), QStringLiteral("Long:3628800"));
    QCOMPARE(runBody("t = IsEmpty(NoResult())", strGlobal), QStringLiteral("Boolean:True"));
    QCOMPARE(runBody("t = Twice(1, 2)", strGlobal), QStringLiteral("Error:450"));
    // A local Dim hides the global of the same name.
    QCOMPARE(runBody("Dim g_count\ng_count = 1\nt = g_count", strGlobal),
             QStringLiteral("Integer:1"));
    QCOMPARE(runBody("Quit\nt = g_count",
                     "Dim g_count\nPrivate Sub Quit()\n g_count = 1\n Exit Sub\n"
                     " g_count = 2\nEnd Sub"),
             QStringLiteral("Integer:1"));
    QCOMPARE(runBody("t = P + Q",
                     "Public P\nPrivate Q\nP = 1 : Q = 2\nPublic Function Unused()\nEnd Function"),
             QStringLiteral("Integer:3"));
    // A variable that the global code makes without Dim is global to procedures.
    QCOMPARE(runBody("Bump2\nt = implicitCount",
                     "implicitCount = 1\nSub Bump2()\n implicitCount = implicitCount + 1\nEnd Sub"),
             QStringLiteral("Integer:2"));
    // Procedures may be used before they are defined.
    QCOMPARE(runBody("t = Later()", "Function Later()\nLater = \"ok\"\nEnd Function"),
             QStringLiteral("String:ok"));
    // A script function shadows a host or built-in one.
    QCOMPARE(runBody("t = Len(\"abc\")", "Function Len(s)\nLen = -1\nEnd Function"),
             QStringLiteral("Integer:-1"));
}

void TestVbscriptLanguage::byRefAndByVal()
{
    const QString strGlobal = QStringLiteral(
            "Sub SetRef(x)\n x = \"changed\"\nEnd Sub\n"
            "Sub SetByRef(ByRef x)\n x = \"changed\"\nEnd Sub\n"
            "Sub SetVal(ByVal x)\n x = \"changed\"\nEnd Sub\n"
            "Sub Grow(a)\n ReDim Preserve a(UBound(a) + 1)\n a(UBound(a)) = \"new\"\nEnd Sub\n"
            "Function Inc(n)\n n = n + 1\n Inc = n\nEnd Function\n");
    QCOMPARE(runBody("Dim v : v = \"orig\"\nSetRef v\nt = v", strGlobal),
             QStringLiteral("String:changed"));
    QCOMPARE(runBody("Dim v : v = \"orig\"\nSetByRef v\nt = v", strGlobal),
             QStringLiteral("String:changed"));
    QCOMPARE(runBody("Dim v : v = \"orig\"\nSetVal v\nt = v", strGlobal),
             QStringLiteral("String:orig"));
    QCOMPARE(runBody("Dim v : v = \"orig\"\nCall SetRef(v)\nt = v", strGlobal),
             QStringLiteral("String:changed"));
    // Parentheses around an argument pass it by value.
    QCOMPARE(runBody("Dim v : v = \"orig\"\nSetRef (v)\nt = v", strGlobal),
             QStringLiteral("String:orig"));
    QCOMPARE(runBody("Dim v : v = \"orig\"\nSetRef(v)\nt = v", strGlobal),
             QStringLiteral("String:orig"));
    // An expression cannot be written back.
    QCOMPARE(runBody("Dim v : v = 1\nt = Inc(v + 0) & v", strGlobal), QStringLiteral("String:21"));
    QCOMPARE(runBody("Dim v : v = 1\nt = Inc(v) & v", strGlobal), QStringLiteral("String:22"));
    // Array elements and whole arrays are passed by reference.
    QCOMPARE(runBody("Dim a : a = Array(1, 2)\nSetRef a(1)\nt = a(1)", strGlobal),
             QStringLiteral("String:changed"));
    QCOMPARE(runBody("Dim a : a = Array(\"x\")\nGrow a\nt = Join(a, \",\")", strGlobal),
             QStringLiteral("String:x,new"));
    // A procedure's ReDim of a global array resizes the global.
    QCOMPARE(runBody("Append \"a\"\nAppend \"b\"\nt = Join(g_list, \",\") & UBound(g_list)",
                     "Dim g_list()\nReDim g_list(-1)\nSub Append(s)\n"
                     " ReDim Preserve g_list(UBound(g_list) + 1)\n g_list(UBound(g_list)) = s\nEnd "
                     "Sub"),
             QStringLiteral("String:a,b1"));
    // Globals are passed by reference too.
    QCOMPARE(runBody("SetRef g\nt = g", "Dim g\n" + strGlobal), QStringLiteral("String:changed"));
}

void TestVbscriptLanguage::arraysAreValues()
{
    QCOMPARE(runBody("Dim a, b\na = Array(1, 2)\nb = a\nb(0) = 9\nt = a(0) & b(0)"),
             QStringLiteral("String:19"));
    QCOMPARE(runBody("Dim a, x\na = Array(1, 2, 3)\nFor Each x In a\n a(2) = 0\n t = t & x\nNext"),
             QStringLiteral("String:123"));
    QCOMPARE(runBody("Dim a(1), b\nb = a\nReDim Preserve b(3)\nt = UBound(a) & UBound(b)"),
             QStringLiteral("String:13"));
}

void TestVbscriptLanguage::optionExplicit()
{
    vbscript::Engine engine;
    QVERIFY(engine.load("Option Explicit\nDim a\nFunction F()\n Dim b\n b = 1 : a = 2\n"
                        " F = a + b\nEnd Function\nFunction G()\n c = 1\nEnd Function\n"
                        "Function H()\n H = undeclared\nEnd Function\n"));
    QCOMPARE(scripttest::describe(engine.call("F").value), QStringLiteral("Integer:3"));
    vbscript::Outcome outcome = engine.call("G");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 500);
    QCOMPARE(outcome.error.line, 9);
    outcome = engine.call("H");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 500);
    // The name is only an error where it is executed.
    QVERIFY(engine.call("F"));
}

void TestVbscriptLanguage::syntaxErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("unterminated string") << "x = \"abc";
    QTest::newRow("missing end if") << "If x Then\n y = 1\n";
    QTest::newRow("missing next") << "For i = 1 To 2\n";
    QTest::newRow("missing end function") << "Function F()\n F = 1\n";
    QTest::newRow("nested function") << "Function F()\nFunction G()\nEnd Function\nEnd Function";
    QTest::newRow("stray end") << "End";
    QTest::newRow("bad operator") << "x = 1 +* 2";
    QTest::newRow("missing paren") << "x = (1 + 2";
    QTest::newRow("parentheses calling a sub") << "Sub S(a, b)\nEnd Sub\nS(1, 2)";
    QTest::newRow("dim twice") << "Dim a\nDim a";
    QTest::newRow("procedure twice") << "Sub S()\nEnd Sub\nSub S()\nEnd Sub";
    QTest::newRow("wrong next variable") << "For i = 1 To 2\nNext j";
    QTest::newRow("exit sub in function") << "Function F()\nExit Sub\nEnd Function";
    QTest::newRow("invalid character") << "x = 1 $ 2";
    QTest::newRow("keyword as variable") << "Dim If";
    QTest::newRow("class") << "Class C\nEnd Class";
}

void TestVbscriptLanguage::syntaxErrors()
{
    QFETCH(QString, text);
    vbscript::Engine engine;
    vbscript::Outcome outcome = engine.load(text, "Broken");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.kind, vbscript::ScriptError::Kind::Syntax);
    QVERIFY(outcome.error.number != 0);
    QVERIFY(!engine.isLoaded());
    QVERIFY(!engine.call("F"));
}

void TestVbscriptLanguage::runtimeErrorEndsTheCall()
{
    vbscript::Engine engine;
    QVERIFY(engine.load(
            "Dim g\nFunction F()\n g = \"before\"\n F = 1 / 0\n g = \"after\"\nEnd Function\n"
            "Function Outer()\n Outer = \"x\" & F()\nEnd Function"));
    vbscript::Outcome outcome = engine.call("Outer");
    QVERIFY(!outcome);
    QVERIFY(outcome.value.isEmpty());
    QCOMPARE(outcome.error.kind, vbscript::ScriptError::Kind::Runtime);
    QCOMPARE(outcome.error.number, 11);
    QCOMPARE(outcome.error.line, 4);
    QCOMPARE(engine.globalValue("G").toString(), QStringLiteral("before"));
    // The engine stays usable after an error.
    QVERIFY(engine.load("Function F()\n F = 2\nEnd Function"));
    QCOMPARE(engine.call("f").value.toString(), QStringLiteral("2"));

    // An error in the global code fails the load.
    QVERIFY(!engine.load("Dim a\na = 1 / 0\nFunction F()\nEnd Function"));
    QVERIFY(!engine.isLoaded());
}

void TestVbscriptLanguage::hostObjects()
{
    QStringList created;
    vbscript::Outcome outcome
            = runWithHost("Function T()\n"
                          " Dim o, item, s\n"
                          " Set o = CreateObject(\"Fake.Provider\")\n"
                          " s = o.Caption & \"|\" & o.caption & \"|\" & o.Count & \"|\" & o(2) & "
                          "\"|\" & TypeName(o)\n"
                          " For Each item In o\n"
                          "  s = s & \"|\" & item\n"
                          " Next\n"
                          " o.Tag = \"tagged\"\n"
                          " s = s & \"|\" & o.Tag & \"|\" & (o.Self Is o) & \"|\" & IsObject(o)\n"
                          " s = s & \"|\" & o.Children(1) & \"|\" & o.Children.Count\n"
                          " Set o = GetObject(\"winmgmts:\\\\.\\root\\cimv2\")\n"
                          " T = s & \"|\" & o.Caption\n"
                          "End Function",
                          "T", &created);
    QVERIFY2(outcome, qPrintable(outcome.error.toString()));
    QCOMPARE(outcome.value.toString(),
             QStringLiteral("Fake OS|Fake OS|3|item2|SWbemObjectEx|PCI\\VEN_ZV01&DEV_0001|"
                            "ACPI\\ZRVA0010\\0|USB\\ROOT_HUB30|tagged|True|True|item1|3|Fake OS"));
    QCOMPARE(created, QStringList {"Fake.Provider"});
}

void TestVbscriptLanguage::hostOutArgument()
{
    vbscript::Outcome outcome = runWithHost(
            "Const HKEY_LOCAL_MACHINE = &H80000002\n"
            "Function T()\n"
            " Dim o, strValue, iResult, a(1)\n"
            " Set o = GetObject(\"winmgmts:\\\\.\\root\\default:StdRegProv\")\n"
            " iResult = o.GetStringValue(HKEY_LOCAL_MACHINE, \"SOFTWARE\\Zorva\", \"Present\", "
            "strValue)\n"
            " T = iResult & \"|\" & strValue\n"
            " o.GetStringValue HKEY_LOCAL_MACHINE, \"SOFTWARE\\Zorva\", \"Missing\", strValue\n"
            " T = T & \"|\" & IsNull(strValue)\n"
            " Call o.GetStringValue(HKEY_LOCAL_MACHINE, \"k\", \"Present\", a(1))\n"
            " T = T & \"|\" & a(1)\n"
            " strValue = \"kept\"\n"
            " o.GetStringValue HKEY_LOCAL_MACHINE, \"k\", \"Present\", (strValue)\n"
            " T = T & \"|\" & strValue\n"
            "End Function");
    QVERIFY2(outcome, qPrintable(outcome.error.toString()));
    QCOMPARE(outcome.value.toString(),
             QStringLiteral("0|C:\\Program Files\\Zorva|True|C:\\Program Files\\Zorva|kept"));
}

void TestVbscriptLanguage::hostErrors()
{
    vbscript::Outcome outcome = runWithHost("Function T()\n Set o = CreateObject(\"No.Such\")\n"
                                            "End Function");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 429);

    outcome = runWithHost("Function T()\n Set o = GetObject(\"x\")\n o.Fail\nEnd Function");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 5);
    QCOMPARE(outcome.error.line, 3);

    outcome = runWithHost(
            "Function T()\n Set o = GetObject(\"x\")\n T = o.NoSuchMember\nEnd Function");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 438);

    outcome = runWithHost("Function T()\n Set o = GetObject(\"x\")\n T = o.GetStringValue(1)\n"
                          "End Function");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.number, 450);

    // Let-assignment of an object without a default value.
    outcome = runWithHost("Function T()\n T = GetObject(\"x\").Self\nEnd Function");
    QVERIFY(!outcome);
}

void TestVbscriptLanguage::entryPoint()
{
    vbscript::Engine engine;
    QVERIFY(engine.load("Function GetDeviceId(strPath)\n GetDeviceId = \" /SET\" & strPath\n"
                        "End Function\nSub S()\nEnd Sub",
                        "MyScript"));
    QVERIFY(engine.hasProcedure("getdeviceid"));
    QCOMPARE(engine.procedures(), (QVector<QPair<QString, int>> {{"GetDeviceId", 1}, {"S", 0}}));
    vbscript::Outcome outcome = engine.call("GetDeviceId", {Value(QStringLiteral("PCI"))});
    QVERIFY(outcome);
    QCOMPARE(outcome.value.toString(), QStringLiteral(" /SETPCI"));
    QCOMPARE(outcome.value.toVariant(), QVariant(QStringLiteral(" /SETPCI")));
    QVERIFY(engine.call("S").value.isEmpty());
    QCOMPARE(engine.call("GetDeviceId").error.number, 450);
    outcome = engine.call("Missing");
    QVERIFY(!outcome);
    QCOMPARE(outcome.error.scriptName, QStringLiteral("MyScript"));
}

namespace {
// Calls back into the engine that runs the script.
class Reentrant : public vbscript::HostObject
{
public:
    explicit Reentrant(vbscript::Engine &engine)
        : m_engine(engine)
    { }
    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("Load")))
            return Value(bool(m_engine.load("Function X()\nEnd Function")));
        vbscript::Outcome outcome = m_engine.call(args[0].toString(), {Value(5)});
        if (!outcome)
            vbscript::raiseError(outcome.error.number, outcome.error.description);
        return outcome.value;
    }
    vbscript::Engine &m_engine;
};
} // namespace

void TestVbscriptLanguage::reentrantHost()
{
    vbscript::Engine engine;
    engine.registerObject("Host", Value(std::make_shared<Reentrant>(engine)));
    QVERIFY(engine.load("Function Inner(n)\n Inner = n * 2\nEnd Function\n"
                        "Function Outer()\n Dim local : local = 1\n"
                        " Outer = Host.Call(\"Inner\") + local & Host.Load()\nEnd Function\n"
                        "Function Bad()\n Bad = Host.Call(\"Boom\")\nEnd Function\n"
                        "Function Boom(n)\n Boom = 1 / 0\nEnd Function"));
    vbscript::Outcome outcome = engine.call("Outer");
    QVERIFY2(outcome, qPrintable(outcome.error.toString()));
    QCOMPARE(outcome.value.toString(), QStringLiteral("11False"));
    QCOMPARE(engine.call("Bad").error.number, 11);
    QVERIFY(engine.hasProcedure("Inner")); // the running script was not replaced
}

QTEST_GUILESS_MAIN(TestVbscriptLanguage)
#include "tst_vbscript_language.moc"
