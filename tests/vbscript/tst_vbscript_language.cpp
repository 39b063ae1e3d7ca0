// The engine as its host sees it: loading, calls, errors and host objects. The language's
// statements and procedures are the case files of cases/.
#include "scripttest.h"

#include <QtTest>

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
    // The numbers of the others are in the case files.
    QTest::newRow("unterminated string") << "x = \"abc";
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
