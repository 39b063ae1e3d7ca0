#include "platform/scripthost/hostobjects.h"
#include "platform/scripthost/realmachine.h"
#include "standinmachine.h"
#include "vbscript/hostobject.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace vbscript;

namespace {

Value call(const Value &object, const QString &strName, const QVector<Value> &values = {})
{
    Arguments args(values);
    return object.object()->callMethod(strName, args);
}

Value get(const Value &object, const QString &strName, const QVector<Value> &values = {})
{
    Arguments args(values);
    return object.object()->getProperty(strName, args);
}

qint32 errorNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number;
    }
    return 0;
}

QVector<Value> items(const Value &collection)
{
    QVector<Value> result;
    auto enumerator = collection.object()->enumerate();
    Value item;
    while (enumerator->next(item))
        result.append(item);
    return result;
}

QJsonObject pnp(const QString &strId, const QString &strName)
{
    return QJsonObject {{"DeviceID", strId}, {"Name", strName}};
}

void writeTree(const QString &strRoot, const QMap<QString, QByteArray> &files)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = strRoot + "/" + it.key();
        QDir().mkpath(QFileInfo(path).path());
        StandInMachine::writeFile(path, it.value());
    }
}

} // namespace

class TestHostObjects : public QObject
{
    Q_OBJECT

private slots:
    void wmiMonikers_data();
    void wmiMonikers();
    void queriesAnswerTheDescribedInstances();
    void realMachineFromSysfs();
    void oddSysfsNeverFails();
    void operatingSystemFromOsRelease();
    void registryProviderAnswersValueAndCode();
    void shellExpandsAndReadsRegistry();
    void fileSystemAppendsButNeverCreatesFolders();
    void fileSystemRefusesFifosAndLinks();
    void xmlDocumentSelectsProducts();
    void xmlDocumentLoadFailures();
    void xmlNodeKinds_data();
    void xmlNodeKinds();
    void xmlDocumentRefusesHostileDocuments();
};

void TestHostObjects::wmiMonikers_data()
{
    QTest::addColumn<QString>("moniker");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<qint32>("error");
    QTest::newRow("plain") << "winmgmts:"
                           << "SWbemServicesEx" << 0;
    QTest::newRow("impersonate cimv2")
            << "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2"
            << "SWbemServicesEx" << 0;
    QTest::newRow("case") << "WinMgmts:\\\\LOCALHOST\\ROOT\\CIMV2"
                          << "SWbemServicesEx" << 0;
    QTest::newRow("registry provider") << "winmgmts:\\\\.\\root\\default:StdRegProv"
                                       << "SWbemObjectEx" << 0;
    QTest::newRow("remote") << "winmgmts:\\\\server7\\root\\cimv2"
                            << "" << 462;
    QTest::newRow("other namespace") << "winmgmts:\\\\.\\root\\wmi"
                                     << "" << qint32(0x8004100E);
    QTest::newRow("unknown class") << "winmgmts:\\\\.\\root\\default:NoSuchProv"
                                   << "" << qint32(0x80041002);
    QTest::newRow("not wmi") << "LDAP://zorva"
                             << "" << qint32(0x800401E4);
}

void TestHostObjects::wmiMonikers()
{
    QFETCH(QString, moniker);
    QFETCH(QString, typeName);
    QFETCH(qint32, error);
    StandInMachine machine;
    Value object;
    QCOMPARE(errorNumber([&] { object = hosts::getObject(moniker); }), error);
    if (!error)
        QCOMPARE(object.object()->typeName(), typeName);
}

void TestHostObjects::queriesAnswerTheDescribedInstances()
{
    StandInMachine machine;
    machine.writeDescription(QJsonObject {
            {"os",
             QJsonObject {{"Caption", "Microsoft Windows 10 Pro"}, {"Version", "10.0.19045"}}},
            {"devices",
             QJsonObject {{"Win32_PnPEntity",
                           QJsonArray {pnp("ACPI\\ZRVA0010\\0", "GPIO"),
                                       QJsonObject {{"DeviceID", "ROOT\\X"}}, "not an object"}},
                          {"Win32_ZorvaThing", QJsonArray {pnp("Z\\1", "thing")}}}}});
    const Value services = hosts::getObject("winmgmts:");

    const Value os = items(call(services, "InstancesOf", {"Win32_OperatingSystem"})).value(0);
    QCOMPARE(get(os, "caption").toString(), QString("Microsoft Windows 10 Pro"));
    QCOMPARE(get(os, "BuildNumber").toString(), QString("19045")); // derived from Version

    const Value devices = call(services, "ExecQuery", {"  select  *  FROM win32_pnpentity "});
    QCOMPARE(get(devices, "Count").toLong(), 2);
    const QVector<Value> list = items(devices);
    QCOMPARE(list.size(), 2);
    QCOMPARE(get(list[0], "DEVICEID").toString(), QString("ACPI\\ZRVA0010\\0"));
    QVERIFY(get(list[1], "Name").isNull());
    QCOMPARE(get(get(devices, "ItemIndex", {1}), "DeviceID").toString(), QString("ROOT\\X"));

    // Classes the description leaves out are empty; classes it adds are known.
    QCOMPARE(items(call(services, "ExecQuery", {"Select * from Win32_USBHub"})).size(), 0);
    QCOMPARE(items(call(services, "InstancesOf", {"Win32_ZorvaThing"})).size(), 1);
    QCOMPARE(errorNumber([&] { call(services, "InstancesOf", {"Win32_Nothing"}); }),
             qint32(0x80041010));
    QCOMPARE(
            errorNumber([&] { call(services, "ExecQuery", {"Select Name from Win32_PnPEntity"}); }),
            qint32(0x80041017));
    QCOMPARE(errorNumber(
                     [&] { call(services, "ExecQuery", {"Select * from Win32_PnPEntity; drop"}); }),
             qint32(0x80041017));
}

void TestHostObjects::realMachineFromSysfs()
{
    QTemporaryDir sys;
    writeTree(sys.path(),
              {{"bus/pci/devices/0000:00:14.0/vendor", "0x1d0f\n"},
               {"bus/pci/devices/0000:00:14.0/device", "0x0a1b\n"},
               {"bus/pci/devices/0000:00:14.0/subsystem_vendor", "0x1d0f\n"},
               {"bus/pci/devices/0000:00:14.0/subsystem_device", "0x0001\n"},
               {"bus/pci/devices/0000:00:14.0/revision", "0x02\n"},
               {"bus/pci/devices/0000:00:14.0/class", "0x0c0330\n"},
               {"bus/pci/devices/0000:02:00.1/vendor", "0x1d0f"},
               {"bus/pci/devices/0000:02:00.1/device", "0x0e00"},
               {"bus/pci/devices/0000:02:00.1/class", "0x020000"},
               {"bus/pci/devices/0000:03:00.0/vendor", "0x1d0f"},
               {"bus/pci/devices/0000:03:00.0/device", "0x0e01"},
               {"bus/pci/devices/0000:03:00.0/class", "0x010601"},
               {"bus/acpi/devices/ZRVA0010:00/hid", "ZRVA0010\n"},
               {"bus/acpi/devices/ZRVA0010:00/uid", "1\n"},
               {"bus/acpi/devices/ZRVA0020:00/hid", "ZRVA0020"},
               {"bus/acpi/devices/ZRVA0099:00/hid", "ZRVA0099"},
               {"bus/acpi/devices/ZRVA0099:00/status", "0"},
               {"bus/acpi/devices/LNXSYSTM:00/hid", "LNXSYSTM"},
               {"bus/usb/devices/usb2/speed", "5000\n"},
               {"bus/usb/devices/usb1/speed", "480\n"},
               {"bus/usb/devices/1-1/speed", "12\n"}});
    const QJsonObject devices = hosts::realDevices(sys.path());
    auto ids = [&devices](const char *strClass, const char *strProperty = "DeviceID") {
        QStringList result;
        for (const QJsonValue &device : devices.value(strClass).toArray())
            result << device.toObject().value(strProperty).toString();
        return result;
    };
    QCOMPARE(ids("Win32_PnPEntity"),
             QStringList({"PCI\\VEN_1D0F&DEV_0A1B&SUBSYS_00011D0F&REV_02\\3&000000&0&A0",
                          "PCI\\VEN_1D0F&DEV_0E00&SUBSYS_00000000&REV_00\\3&000002&0&01",
                          "PCI\\VEN_1D0F&DEV_0E01&SUBSYS_00000000&REV_00\\3&000003&0&00",
                          "ACPI\\ZRVA0010\\1", "ACPI\\ZRVA0020\\0", "USB\\ROOT_HUB20\\4&0001&0&0",
                          "USB\\ROOT_HUB30\\4&0002&0&0"}));
    QCOMPARE(ids("Win32_USBHub"),
             QStringList({ids("Win32_PnPEntity").at(0), "USB\\ROOT_HUB20\\4&0001&0&0",
                          "USB\\ROOT_HUB30\\4&0002&0&0"}));
    QCOMPARE(ids("Win32_IDEController"), QStringList {ids("Win32_PnPEntity").at(2)});
    QCOMPARE(ids("Win32_SCSIController"), QStringList());
    QCOMPARE(ids("Win32_NetworkAdapter"), QStringList {"0"});
    QCOMPARE(ids("Win32_NetworkAdapter", "PNPDeviceID"),
             QStringList {ids("Win32_PnPEntity").at(1)});
}

void TestHostObjects::oddSysfsNeverFails()
{
    QTemporaryDir sys;
    writeTree(sys.path(),
              {{"bus/pci/devices/garbage/vendor", "zz\n"},
               {"bus/pci/devices/garbage/device", "0x1"},
               {"bus/pci/devices/noclass/vendor", "0x1d0f"},
               {"bus/pci/devices/noclass/device", "0x0001"},
               {"bus/pci/devices/noclass/revision", QByteArray(5000, 'f')},
               {"bus/pci/devices/huge/vendor", "0x123456"},
               {"bus/pci/devices/huge/device", "0x0001"},
               {"bus/acpi/devices/bad/hid", "ZR\\VA\x01"},
               {"bus/acpi/devices/baduid/hid", "ZRVA0040"},
               {"bus/acpi/devices/baduid/uid", "a\\b"},
               {"bus/usb/devices/usbX/speed", "5000"}});
    const QJsonObject devices = hosts::realDevices(sys.path());
    QStringList ids;
    for (const QJsonValue &device : devices.value("Win32_PnPEntity").toArray())
        ids << device.toObject().value("DeviceID").toString();
    QCOMPARE(ids,
             QStringList({"PCI\\VEN_1D0F&DEV_0001&SUBSYS_00000000&REV_00\\3&0&0&0",
                          "ACPI\\ZRVA0040\\0"}));

    QVERIFY(hosts::realDevices(sys.path() + "/missing")
                    .value("Win32_PnPEntity")
                    .toArray()
                    .isEmpty());
    // Without a description WMI answers from the real machine, whatever it holds.
    StandInMachine machine;
    const Value services = hosts::getObject("winmgmts:");
    for (const char *name : {"Win32_PnPEntity", "Win32_USBHub", "Win32_SCSIController",
                             "Win32_IDEController", "Win32_NetworkAdapter"})
        for (const Value &device : items(call(services, "InstancesOf", {name})))
            QVERIFY(!get(device, "DeviceID").toString().isEmpty());
    const Value os = items(call(services, "InstancesOf", {"Win32_OperatingSystem"})).value(0);
    QVERIFY(!get(os, "Caption").toString().isEmpty());
    QVERIFY(!get(os, "BuildNumber").toString().isEmpty());
}

void TestHostObjects::operatingSystemFromOsRelease()
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/os-release";
    StandInMachine::writeFile(path,
                              "NAME=Zorvix\nPRETTY_NAME=\"Zorvix Linux 3.1\"\nVERSION_ID='3.1'\n"
                              "BUILD_ID=rolling\n# comment\n=odd\n");
    const QJsonObject os = hosts::realOperatingSystem(path);
    QCOMPARE(os.value("Caption").toString(), QString("Zorvix Linux 3.1"));
    QCOMPARE(os.value("Version").toString(), QString("3.1"));
    QCOMPARE(os.value("BuildNumber").toString(), QString("0"));
    const QJsonObject fallback = hosts::realOperatingSystem(folder.path() + "/none");
    QVERIFY(!fallback.value("Caption").toString().isEmpty());
    QVERIFY(!fallback.value("Version").toString().isEmpty());
}

void TestHostObjects::registryProviderAnswersValueAndCode()
{
    // On a 64-bit machine the provider reads the 32-bit view, as the program runs it.
    StandInMachine machine;
    machine.writeDescription(QJsonObject {{"os", QJsonObject {{"cpuArchitecture", "x86_64"}}}});
    machine.writeHive(
            R"({"SOFTWARE": {"WOW6432Node": {"Zorva": {"Zorva_Chipset_IODrivers": {"InstallationPath": "C:\\Zorva", "Empty": ""}}}}})");
    const Value provider = hosts::getObject("winmgmts:\\\\.\\root\\default:StdRegProv");
    const QString key = "SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers";
    for (const Value &root : {Value(2147483650.0), Value::longValue(qint32(0x80000002))}) {
        Value out = "untouched";
        Arguments args({root, key, "InstallationPath"});
        args.appendReference(&out);
        QCOMPARE(provider.object()->callMethod("GetStringValue", args).toLong(), 0);
        QCOMPARE(out.toString(), QString("C:\\Zorva"));

        Arguments empty({root, key, "Empty"});
        empty.appendReference(&out);
        QCOMPARE(provider.object()->callMethod("GetStringValue", empty).toLong(), 0);
        QCOMPARE(out.toString(), QString());
        QVERIFY(!out.isNull());

        Arguments missing({root, key, "DeployedFeatures"});
        missing.appendReference(&out);
        QCOMPARE(provider.object()->callMethod("GetStringValue", missing).toLong(), 2);
        QVERIFY(out.isNull());
    }
    Value out;
    Arguments currentUser({Value::longValue(qint32(0x80000001)), key, "InstallationPath"});
    currentUser.appendReference(&out);
    QCOMPARE(provider.object()->callMethod("GetStringValue", currentUser).toLong(), 2);
    QVERIFY(out.isNull());
}

void TestHostObjects::shellExpandsAndReadsRegistry()
{
    StandInMachine machine;
    machine.writeDescription(QJsonObject {{"os", QJsonObject {{"cpuArchitecture", "i386"}}}});
    machine.writeHive(
            R"({"SOFTWARE": {"Zorva": {"Zorva_Chipset_IODrivers": {"DeployedFeatures": "PCI,SQP"}}}})");
    const Value shell = hosts::createObject("wscript.shell");
    QCOMPARE(call(shell, "ExpandEnvironmentStrings", {"%systemdrive%\\Zorva"}).toString(),
             machine.drive() + "\\Zorva");
    QCOMPARE(call(shell, "ExpandEnvironmentStrings", {"%NO_SUCH_VARIABLE_ZV%, 100% %"}).toString(),
             QString("%NO_SUCH_VARIABLE_ZV%, 100% %"));
    QCOMPARE(call(shell, "RegRead",
                  {"HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers\\DeployedFeatures"})
                     .toString(),
             QString("PCI,SQP"));
    QCOMPARE(
            call(shell, "RegRead",
                 {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers\\DeployedFeatures"})
                    .toString(),
            QString("PCI,SQP"));
    for (const char *path :
         {"HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers\\InstallationPath",
          "HKCU\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers\\DeployedFeatures", "HKLM\\", ""})
        QCOMPARE(errorNumber([&] { call(shell, "RegRead", {path}); }), qint32(0x80070002));
    QCOMPARE(errorNumber([] { hosts::createObject("Zorva.Nothing"); }), errors::CannotCreateObject);
}

void TestHostObjects::fileSystemRefusesFifosAndLinks()
{
    alarm(20); // a FIFO opened for writing waits for a reader for ever
    StandInMachine machine;
    const Value fso = hosts::createObject("Scripting.FileSystemObject");
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    StandInMachine::writeFile(victim, "precious");
    const QString logs = machine.drive() + "/Logs";
    QDir(machine.drive()).mkpath("Logs");
    QVERIFY(::mkfifo(QFile::encodeName(logs + "/fifo.log"), 0600) == 0);
    QVERIFY(QFile::link(victim, logs + "/link.log"));
    QVERIFY(QFile::link(outside.path(), machine.drive() + "/LinkedLogs"));
    for (const QString &strLog :
         {logs + "/fifo.log", logs + "/link.log", machine.drive() + "/LinkedLogs/new.log"}) {
        for (const int iMode : {1, 2, 8}) {
            if (iMode == 1 && strLog.endsWith("link.log"))
                continue; // reading may follow a link
            const qint32 iError = errorNumber([&] {
                call(fso, "OpenTextFile", {strLog, iMode, true});
            });
            QVERIFY2(iError == 70 || (iError == 53 && iMode == 1), qPrintable(strLog));
        }
    }
    QCOMPARE(StandInMachine::readFile(victim), QByteArray("precious"));
    QVERIFY(!QFile::exists(outside.filePath("new.log")));
    alarm(0);
}

void TestHostObjects::fileSystemAppendsButNeverCreatesFolders()
{
    StandInMachine machine;
    const Value fso = hosts::createObject("Scripting.FileSystemObject");
    const QString log = machine.drive() + "\\Windows\\Device_ID.log";
    for (const char *line : {"first", "second"}) {
        const Value stream = call(fso, "OpenTextFile", {log, 8, true});
        call(stream, "WriteLine", {line});
        call(stream, "Close");
        QCOMPARE(errorNumber([&] { call(stream, "WriteLine", {"after close"}); }), 54);
    }
    QCOMPARE(StandInMachine::readFile(machine.drive() + "/Windows/Device_ID.log"),
             QByteArray("first\r\nsecond\r\n"));
    QVERIFY(call(fso, "FileExists", {log}).toBool());
    QVERIFY(!call(fso, "FileExists", {machine.drive() + "\\Windows"}).toBool());

    // An append after the log was removed makes it afresh rather than writing into the old one.
    QVERIFY(QFile::remove(machine.drive() + "/Windows/Device_ID.log"));
    const Value again = call(fso, "OpenTextFile", {log, 8, true});
    call(again, "writeLINE", {"third"}); // member names in any case
    call(again, "Close");
    QCOMPARE(StandInMachine::readFile(machine.drive() + "/Windows/Device_ID.log"),
             QByteArray("third\r\n"));
    const Value appended = call(fso, "OpenTextFile", {log, 8, true});
    call(appended, "WriteLine", {"fourth"});
    QCOMPARE(StandInMachine::readFile(machine.drive() + "/Windows/Device_ID.log"),
             QByteArray("third\r\nfourth\r\n"));
    call(appended, "Close");
    QVERIFY(QFile::remove(machine.drive() + "/Windows/Device_ID.log"));
    for (const char *line : {"first", "second"})
        StandInMachine::writeFile(
                machine.drive() + "/Windows/Device_ID.log",
                StandInMachine::readFile(machine.drive() + "/Windows/Device_ID.log") + line
                        + QByteArray("\r\n"));

    const Value reader = call(fso, "OpenTextFile", {log});
    QCOMPARE(call(reader, "ReadLine").toString(), QString("first"));
    QCOMPARE(errorNumber([&] { call(reader, "WriteLine", {"x"}); }), 54);
    QCOMPARE(call(reader, "ReadAll").toString(), QString("second\r\n"));
    QVERIFY(call(reader, "AtEndOfStream").toBool());
    QCOMPARE(errorNumber([&] { call(reader, "ReadLine"); }), 62);

    const QString missingFolder
            = machine.drive() + "\\Zorva\\Chipset_Driver_Installer\\Logs\\Device_ID.log";
    QCOMPARE(errorNumber([&] { call(fso, "OpenTextFile", {missingFolder, 8, true}); }), 76);
    QVERIFY(!QFileInfo::exists(machine.drive() + "/Zorva"));
    QCOMPARE(errorNumber([&] { call(fso, "OpenTextFile", {log + ".none", 1, false}); }), 53);
    QCOMPARE(errorNumber([&] {
                 call(fso, "OpenTextFile", {log, 3, true});
             }),
             errors::InvalidProcedureCall);
}

void TestHostObjects::xmlDocumentSelectsProducts()
{
    QTemporaryDir folder;
    StandInMachine::writeFile(folder.path() + "/info.xml", R"(<?xml version="1.0"?>
<Products>
    <Product><Name>  Zorva PCI Device Driver </Name><Version>1.2</Version></Product>
    <Other><Product><Name>nested</Name></Product></Other>
    <Product><Name>Zorva SQP <b>Driver</b></Name></Product>
</Products>)");
    const Value document = hosts::createObject("Microsoft.XMLDOM");
    Arguments noArgs;
    document.object()->putProperty("async", noArgs, false);
    QVERIFY(!get(document, "async").toBool());
    QString path = folder.path() + "/info.xml";
    path.replace('/', '\\');
    QVERIFY(call(document, "load", {path}).toBool());
    QCOMPARE(get(get(document, "parseError"), "errorCode").toLong(), 0);

    const Value root = get(document, "documentElement");
    const Value products = get(root, "selectNodes", {"Product"});
    QCOMPARE(get(products, "length").toLong(), 2);
    QStringList names;
    for (const Value &product : items(products))
        names << get(get(get(product, "childNodes"), "item", {0}), "Text").toString();
    QCOMPARE(names, QStringList({"Zorva PCI Device Driver", "Zorva SQP Driver"}));
    QVERIFY(get(get(root, "childNodes"), "item", {7}).isNothing());
    QVERIFY(get(products, "item", {-1}).isNothing());

    QCOMPARE(get(get(document, "selectNodes", {"//Product/Name"}), "length").toLong(), 3);
    QCOMPARE(get(get(document, "selectNodes", {"/Products/*/Product"}), "length").toLong(), 1);
    QCOMPARE(get(get(root, "selectNodes", {"Product/Name/.."}), "length").toLong(), 2);
    QCOMPARE(get(get(root, "selectSingleNode", {"Product/Version"}), "text").toString(),
             QString("1.2"));
    QVERIFY(get(root, "selectSingleNode", {"Missing"}).isNothing());
    for (const char *unsupported : {"Product[1]", "@id", "", "Product//", "text()"})
        QVERIFY(errorNumber([&] { get(root, "selectNodes", {unsupported}); }) != 0);
}

void TestHostObjects::xmlDocumentLoadFailures()
{
    QTemporaryDir folder;
    StandInMachine::writeFile(folder.path() + "/broken.xml", "<Products><Product>");
    const Value document = hosts::createObject("MSXML2.DOMDocument.6.0");
    QVERIFY(!call(document, "load", {folder.path() + "/missing.xml"}).toBool());
    QVERIFY(get(document, "documentElement").isNothing());
    QVERIFY(call(document, "loadXML", {"<A><Product/></A>"}).toBool());
    QVERIFY(!call(document, "load", {folder.path() + "/broken.xml"}).toBool());
    QVERIFY(get(document, "documentElement").isNothing());
    QVERIFY(get(get(document, "parseError"), "errorCode").toLong() != 0);
}

void TestHostObjects::xmlNodeKinds_data()
{
    QTest::addColumn<QVector<int>>(
            "path"); // child positions from the document: declaration, comment, P
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<int>("nodeType");
    QTest::addColumn<QString>("nodeName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nodeValue"); // "<Null>" for Null

    const QString null = "<Null>";
    QTest::newRow("document") << QVector<int>() << "DOMDocument" << 9 << "#document"
                              << "x Zorva I2C Driver   hello   world   a  b  c  d ent c   t  a&b"
                              << null;
    QTest::newRow("comment") << QVector<int> {1} << "IXMLDOMComment" << 8 << "#comment"
                             << " top "
                             << " top ";
    QTest::newRow("element") << QVector<int> {2, 0} << "IXMLDOMElement" << 1 << "A"
                             << "x" << null;
    QTest::newRow("text") << QVector<int> {2, 0, 0} << "IXMLDOMText" << 3 << "#text"
                          << "x"
                          << "x";
    QTest::newRow("element of CDATA") << QVector<int> {2, 1} << "IXMLDOMElement" << 1 << "Name"
                                      << " Zorva I2C Driver " << null;
    QTest::newRow("CDATA") << QVector<int> {2, 1, 0} << "IXMLDOMCDATASection" << 4
                           << "#cdata-section"
                           << " Zorva I2C Driver "
                           << " Zorva I2C Driver ";
    QTest::newRow("comment in an element")
            << QVector<int> {2, 2} << "IXMLDOMComment" << 8 << "#comment"
            << " Zorva I2C Driver "
            << " Zorva I2C Driver ";
    QTest::newRow("instruction") << QVector<int> {2, 3} << "IXMLDOMProcessingInstruction" << 7
                                 << "pi"
                                 << "some data  "
                                 << "some data  ";
    QTest::newRow("text with blanks") << QVector<int> {2, 4, 0} << "IXMLDOMText" << 3 << "#text"
                                      << "hello   world"
                                      << "  hello   world  ";
    QTest::newRow("mixed content") << QVector<int> {2, 5} << "IXMLDOMElement" << 1 << "M"
                                   << "a  b  c  d" << null;
    QTest::newRow("character reference in an element")
            << QVector<int> {2, 6} << "IXMLDOMElement" << 1 << "C"
            << "ent" << null;
    QTest::newRow("blanks around CDATA") << QVector<int> {2, 7} << "IXMLDOMElement" << 1 << "D"
                                         << " c   t" << null;
    QTest::newRow("empty CDATA") << QVector<int> {2, 8} << "IXMLDOMElement" << 1 << "E"
                                 << "" << null;
    QTest::newRow("character reference") << QVector<int> {2, 9, 0} << "IXMLDOMText" << 3 << "#text"
                                         << "a&b"
                                         << "a&b";
}

void TestHostObjects::xmlNodeKinds()
{
    QFETCH(QVector<int>, path);
    const Value document = hosts::createObject("Microsoft.XMLDOM");
    QVERIFY(call(document, "loadXML",
                 {"<?xml version=\"1.0\"?><!-- top -->"
                  "<P><A>x</A><Name><![CDATA[ Zorva I2C Driver ]]></Name>"
                  "<!-- Zorva I2C Driver --><?pi  some data  ?><T>  hello   world  </T>"
                  "<M> a <![CDATA[ b ]]> c <!-- x --> d <?p q?> </M><C>&#101;nt</C>"
                  "<D>  <![CDATA[ c ]]>  t  </D><E> <![CDATA[]]> </E><F>a&amp;b</F></P>"})
                    .toBool());
    Value node = document;
    for (int i : path)
        node = get(get(node, "childNodes"), "item", {i});
    QVERIFY(!node.isNothing());
    QTEST(node.typeName(), "typeName");
    QTEST(int(get(node, "nodeType").toLong()), "nodeType");
    QTEST(get(node, "nodeName").toString(), "nodeName");
    QTEST(get(node, "text").toString(), "text");
    const Value value = get(node, "nodeValue");
    QTEST(value.isNull() ? QString("<Null>") : value.toString(), "nodeValue");
}

void TestHostObjects::xmlDocumentRefusesHostileDocuments()
{
    // Too deep for the DOM parser's recursion, an entity that would expand to megabytes, and
    // more than 16 MiB.
    const QByteArray deep = "<A>" + QByteArray("<b>").repeated(25000)
            + QByteArray("</b>").repeated(25000) + "<Product/></A>";
    const QByteArray entity = "<!DOCTYPE A [<!ENTITY x \"" + QByteArray(1000, 'x')
            + "\">]><A><Product>" + QByteArray("&x;").repeated(1000) + "</Product></A>";
    const QByteArray large = "<A><Product/><!--" + QByteArray(16 * 1024 * 1024, 'x') + "--></A>";
    QTemporaryDir folder;
    for (const QByteArray &text : {deep, entity, large}) {
        StandInMachine::writeFile(folder.path() + "/info.xml", text);
        const Value document = hosts::createObject("Microsoft.XMLDOM");
        QVERIFY(!call(document, "load", {folder.path() + "/info.xml"}).toBool());
        QVERIFY(get(document, "documentElement").isNothing());
        QVERIFY(get(get(document, "parseError"), "errorCode").toLong() != 0);
        QVERIFY(!call(document, "loadXML", {QString::fromUtf8(text)}).toBool());
        QVERIFY(get(document, "documentElement").isNothing());
    }
}

QTEST_GUILESS_MAIN(TestHostObjects)
#include "tst_hostobjects.moc"
