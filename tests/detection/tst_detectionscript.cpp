#include "detectionmachine.h"

#include "platform/scripthost.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList switches(const QString &strResult)
{
    return strResult.split(' ', Qt::SkipEmptyParts);
}

} // namespace

class TestDetectionScript : public QObject
{
    Q_OBJECT

private slots:
    void windows10ClientOffersCarriedDrivers();
    void deviceSeenByTwoPassesIsListedOnce();
    void productOrderKeepsEveryUsbController();
    void productNamesAreTheFirstChildsRawText();
    void buildNumberInTheSystemsNumberFormat_data();
    void buildNumberInTheSystemsNumberFormat();
    void operatingSystemRules_data();
    void operatingSystemRules();
    void neverReportedSwitches();
    void installedPackage();
    void unreadablePackageDescription();
    void demoMachineOffersItsDrivers();
    void scriptHostFailuresGiveNoValue();
};

void TestDetectionScript::windows10ClientOffersCarriedDrivers()
{
    DetectionMachine machine = DetectionMachine::windows10();
    machine.addDevice("Win32_PnPEntity", "ACPI\\ZRVA0010\\0", "GPIO controller");
    for (const char *id : {"PCI\\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00\\3&1&0&0",
                           "PCI\\VEN_ZV01&DEV_5201\\3&1&0&8", "pci\\ven_zv01&dev_6201\\3&1&0&10",
                           "ACPI\\ZRVA00A0\\0", "ACPI\\ZRVA0050\\1", "ACPI\\ZRVA0060\\0",
                           "ACPI\\ZRVA0070\\0", "ACPI\\ZRVA0080\\0", "ACPI\\ZRVA0040\\0",
                           "PCI\\VEN_ZV01&DEV_6103\\3&1&0&18", "PCI\\VEN_ZV01&DEV_4301\\3&1&0&20",
                           "ACPI\\ZRVA0091\\0", "PCI\\VEN_ZV01&DEV_6301\\3&1&0&28",
                           "PCI\\VEN_ZV01&DEV_3601&SUBSYS_00000000&REV_A1\\3&1&0&30",
                           "PCI\\VEN_ZV01&DEV_4201\\3&1&0&38", "PCI\\VEN_8EAD&DEV_0001\\3&1&0&40"})
        machine.addPnp(id);
    machine.addDevice("Win32_SCSIController", "PCI\\VEN_ZV01&DEV_2101\\4&2&0&0", "RAID controller");
    machine.addDevice("Win32_NetworkAdapter", "PCI\\VEN_ZV01&DEV_6104\\4&3&0&0", "10G adapter");

    QStringList products = allProducts();
    products.removeAll("Zorva SRH Driver"); // detected, but not in the package
    const QString info = machine.writeInfo(products);
    QVERIFY(!QFileInfo::exists(machine.drive() + "/Zorva")); // a fresh machine

    QCOMPARE(machine.detect(),
             QString(" /SETQW4ACPI /SETQUILLPPKG /SETSMBUS /SETPCI /SETI2C /SETUART /SETGPIO2 "
                     "/SETGPIO3 /SETSQP /SETIOV_WT /SETVK_RAID /SETVK_WARDEN /SETCIR /SETSPI "
                     "/SETEMBCXP /SETUPEP /SETXGBE"));

    const QStringList lines
            = QString::fromLocal8Bit(StandInMachine::readFile(machine.logPath())).split("\r\n");
    QVERIFY(lines.size() > 100);
    QCOMPARE(lines.last(), QString());
    static const QRegularExpression stamp(R"(^\S.*\d.* :: .+$)");
    for (int i = 0; i < lines.size() - 1; ++i)
        QVERIFY2(stamp.match(lines[i]).hasMatch(), qPrintable(lines[i]));

    const QStringList log = machine.logMessages();
    const QStringList expected = {
            " OS Caption is : Microsoft Windows 10 Pro",
            " OS Version is : 10.0.19045",
            "The registry key does not exist.Product not yet installed.",
            "SetUninstall value is : 0: Product Installtion.",
            "Setting property SETPSHED since OS WIN10 with Windows build number greater than or "
            "equal "
            "to the recomended value of 17110.",
            "Enlisting drivers under USB node in Device Manager",
            "Enlisting drivers under 'Storage Controllers' node in Device Manager",
            "Device ID: PCI\\VEN_ZV01&DEV_2101\\4&2&0&0",
            "Checking or RAID Device ID as per new installer .",
            "RAID controller Found with device id PCI\\VEN_ZV01&DEV_2101\\4&2&0&0.Hence setting "
            "property SETVK_RAID",
            "RAID controller Found with device id PCI\\VEN_ZV01&DEV_2101\\4&2&0&0.Hence setting "
            "property SETVK_WARDEN",
            "Enlisting drivers under 'system devices' node(PNP) in Device Manager",
            "Device ID: ACPI\\ZRVA0010\\0",
            "GPIO controller Found with device id ACPI\\ZRVA0010\\0.Hence setting property "
            "SETGPIO2",
            "Device ID: PCI\\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00\\3&1&0&0",
            "Zorva device Found with device id "
            "PCI\\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00\\3&1&0&0"
            ".Hence setting property SETPCI since WIN10 OS.",
            "Zorva device Found with device id pci\\ven_zv01&dev_6201\\3&1&0&10.Hence setting "
            "property "
            "SETSMBUS since : Microsoft Windows 10 Pro",
            "Zorva device Found with device id PCI\\VEN_ZV01&DEV_6301\\3&1&0&28.Hence setting "
            "property "
            "SETIOV_WTas it in win10",
            "Zorva device Met conditions 'VEN_ZV01 DEV_3601 REV_A1 WIN10'.Hence setting property "
            "SETQUILLPPKG.",
            "Enlisting drivers under 'IDE ATA\\ATAPI Controllers' node in Device Manager",
            "Enlisting drivers under 'Network Adaptors' node in Device Manager",
            "10G adapter Found with device id PCI\\VEN_ZV01&DEV_6104\\4&3&0&0.Hence setting "
            "property SETXGBE",
            "File found at : " + info + ". Proceeding to read.",
            "ReadXMLValues : Value inside array :Zorva QW4 ACPI Driver is evaluated against : "
            "/SETVK_RAID",
            "ReadXMLValues : Zorva QW4 ACPI Driver found",
            "ReadXMLValues : Zorva SMBUS Drivern found",
            "ReadXMLValues : Zorva Gigabit Ethernet Driver found",
    };
    int iFrom = 0;
    for (const QString &message : expected) {
        const int iAt = log.indexOf(message, iFrom);
        QVERIFY2(iAt >= 0, qPrintable("missing or out of order: " + message));
        iFrom = iAt + 1;
    }
    QVERIFY(log.contains(QString(64, '*')));
    QVERIFY(!log.contains("ReadXMLValues : Zorva SRH Driver found"));
}

void TestDetectionScript::deviceSeenByTwoPassesIsListedOnce()
{
    DetectionMachine machine = DetectionMachine::windows7();
    machine.addDevice("Win32_USBHub", "PCI\\VEN_ZV01&DEV_1405&SUBSYS_00000000&REV_01\\3&1&0&A0");
    machine.addPnp("PCI\\VEN_ZV01&DEV_1405&SUBSYS_00000000&REV_01\\3&1&0&A0");
    machine.writeInfo({"Zorva PCI Device Driver", "CW USB 3.1 Driver"});
    QCOMPARE(machine.detect(), QString(" /SETUSBCNTRL_CW"));
    const QStringList log = machine.logMessages();
    QCOMPARE(log.filter("Hence setting property SETUSBCNTRL_CW").size(), 2);
    QCOMPARE(log.filter("CW USB 3.1 Driver is evaluated against : /SETUSBCNTRL_CW").size(), 2);
    QCOMPARE(log.filter("ReadXMLValues : CW USB 3.1 Driver found").size(), 1);
}

void TestDetectionScript::productOrderKeepsEveryUsbController()
{
    DetectionMachine machine = DetectionMachine::windows7();
    machine.addDevice("Win32_USBHub", "PCI\\VEN_ZV01&DEV_1101\\3&1&0&A0");
    machine.addDevice("Win32_USBHub", "PCI\\VEN_ZV01&DEV_1420\\3&1&0&A8");
    machine.addDevice("Win32_USBHub", "PCI\\VEN_ZV01&DEV_1201\\3&1&0&B0");
    // A switch that begins like one already in the result is still offered.
    machine.writeInfo(
            {"CW USB 3.1 Driver", "Zorva USB Driver for Merrow", "Zorva USB 3.0 Driver for RQ"});
    QCOMPARE(machine.detect(), QString(" /SETUSBCNTRL_CW /SETUSBCNTRL_MW /SETUSBCNTRL"));
    // Name tests that contain ignore case and surrounding text.
    machine.writeInfo({"ZORVA usb 3.0 Driver for RQ (x64)", "Zorva CW USB 3.1 Driver"});
    QCOMPARE(machine.detect(), QString(" /SETUSBCNTRL /SETUSBCNTRL_CW"));
}

void TestDetectionScript::productNamesAreTheFirstChildsRawText()
{
    DetectionMachine machine = DetectionMachine::windows10();
    for (const char *id : {"ACPI\\ZRVA0010\\0", "ACPI\\ZRVA0070\\0", "ACPI\\ZRVA0080\\0"})
        machine.addPnp(id); // GPIO2, I2C, UART
    QDir(machine.drive()).mkpath("Bin");
    // A comment's and a CDATA section's text is taken as it stands, blanks and all.
    StandInMachine::writeFile(machine.infoPath(), R"(<?xml version="1.0"?>
<Products>
    <Product><!-- Zorva GPIO2 Driver --><Name>Zorva Tools</Name></Product>
    <Product><Name><![CDATA[ Zorva I2C Driver ]]></Name></Product>
    <Product><Name><![CDATA[Zorva UART Driver]]></Name></Product>
    <Product><Name>  Zorva GPIO2 Driver  </Name></Product>
</Products>
)");
    QCOMPARE(machine.detect(), QString(" /SETUART /SETGPIO2"));
    QVERIFY(machine.logMessages().contains(
            "ReadXMLValues : Value inside array : Zorva GPIO2 Driver  is evaluated against : "
            "/SETGPIO2"));
}

void TestDetectionScript::buildNumberInTheSystemsNumberFormat_data()
{
    QTest::addColumn<QString>("buildNumber");
    QTest::addColumn<bool>("scheduler"); // the SETPSHED line is logged
    QTest::newRow("plain") << "17110" << true;
    QTest::newRow("thousands separator") << "17,110" << true;
    QTest::newRow("below the bound") << "17,109" << false;
    QTest::newRow("currency and blanks") << " $17,110.00 " << true;
    QTest::newRow("negative in parentheses") << "(17110)" << false;
    QTest::newRow("trailing minus") << "17110-" << false;
}

void TestDetectionScript::buildNumberInTheSystemsNumberFormat()
{
    QFETCH(QString, buildNumber);
    DetectionMachine machine = DetectionMachine::windows10();
    machine.setBuildNumber(buildNumber);
    machine.addPnp("ACPI\\ZRVA0010\\0");
    machine.writeInfo(allProducts());
    // Detection goes on to its result whichever way the number is written.
    QCOMPARE(machine.detect(), QString(" /SETGPIO2"));
    QTEST(!machine.logMessages().filter("Setting property SETPSHED").isEmpty(), "scheduler");
}

void TestDetectionScript::operatingSystemRules_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("deviceClass");
    QTest::addColumn<QString>("deviceId");
    QTest::addColumn<QString>("result");

    const QString win7 = "Microsoft Windows 7 Professional", v7 = "6.1.7601";
    const QString win81 = "Microsoft Windows 8.1 Pro", v81 = "6.3.9600";
    const QString win10 = "Microsoft Windows 10 Pro", v10 = "10.0.19045";
    const QString server = "Microsoft Windows Server 2019 Standard", vServer = "10.0.17763";
    const QString pnp = "Win32_PnPEntity";
    auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };

    row("PCI on 7") << win7 << v7 << pnp << "PCI\\VEN_ZV01&DEV_5102"
                    << " /SETPCI";
    row("PCI on 8.1 client") << win81 << v81 << pnp << "PCI\\VEN_ZV01&DEV_5102"
                             << "";
    row("PCI on 10 client") << win10 << v10 << pnp << "PCI\\VEN_ZV01&DEV_5103"
                            << " /SETPCI";
    row("PCI on 10 server") << server << vServer << pnp << "PCI\\VEN_ZV01&DEV_5101"
                            << "";
    row("I2C on 10 server") << server << vServer << pnp << "ACPI\\ZRVA0071\\0"
                            << "";
    row("UART on 10 server") << server << vServer << pnp << "ACPI\\ZRVA0081\\0"
                             << "";
    row("GPIO2 on 10 server") << server << vServer << pnp << "ACPI\\ZRVA0012\\0"
                              << "";
    row("I2C on 8.1 client") << win81 << v81 << pnp << "ACPI\\ZRVA0071\\0"
                             << " /SETI2C";
    row("SQP-A on server") << server << vServer << pnp << "PCI\\VEN_ZV01&DEV_5204"
                           << " /SETSQP";
    row("SQP-B on server") << server << vServer << pnp << "PCI\\VEN_ZV01&DEV_5205"
                           << "";
    row("SQP-B on client") << win10 << v10 << pnp << "PCI\\VEN_ZV01&DEV_5205"
                           << " /SETSQP";
    row("IOV-7 only on 7") << win7 << v7 << pnp << "PCI\\VEN_ZV01&DEV_6309"
                           << " /SETIOV_WT";
    row("IOV-7 only on 10") << win10 << v10 << pnp << "PCI\\VEN_ZV01&DEV_6310"
                            << "";
    row("IOV-10 on 8.1") << win81 << v81 << pnp << "PCI\\VEN_ZV01&DEV_6308"
                         << " /SETIOV_WT";
    row("SATA-B on 7") << win7 << v7 << "Win32_IDEController"
                       << "PCI\\VEN_ZV01&DEV_7212"
                       << " /SETSATA";
    row("SATA on 10") << win10 << v10 << "Win32_IDEController"
                      << "PCI\\VEN_ZV01&DEV_7201"
                      << "";
    row("MicroPEP on 7") << win7 << v7 << pnp << "ACPI\\ZRVA0053\\0"
                         << "";
    row("CXP on 7") << win7 << v7 << pnp << "PCI\\VEN_ZV01&DEV_4301"
                    << "";
    row("CXP on 8.1") << win81 << v81 << pnp << "PCI\\VEN_ZV01&DEV_4301"
                      << " /SETEMBCXP";
    row("filter revision") << win7 << v7 << pnp << "PCI\\VEN_ZV02&DEV_3602&SUBSYS_00000000&REV_F1"
                           << " /SETFILTERUSB";
    row("filter other revision") << win7 << v7 << pnp << "PCI\\VEN_ZV02&DEV_3602&REV_F2"
                                 << "";
    row("power plan second vendor") << win10 << v10 << pnp << "PCI\\VEN_ZV02&DEV_3601&REV_A2"
                                    << "";
    row("power plan on 7") << win7 << v7 << pnp << "PCI\\VEN_ZV01&DEV_3601&REV_A2"
                           << "";
    row("USB controllers only on 7") << win10 << v10 << "Win32_USBHub"
                                     << "PCI\\VEN_ZV01&DEV_1101"
                                     << "";
    row("USB 3.1 from USB3 in the PnP pass") << win7 << v7 << pnp << "PCI\\VEN_ZV01&DEV_1302"
                                             << " /SETUSB31";
    row("USB 3.1 from USB3 not in the hub pass") << win7 << v7 << "Win32_USBHub"
                                                 << "PCI\\VEN_ZV01&DEV_1302"
                                                 << "";
    row("USB 3.1 from USB5 in the hub pass") << win7 << v7 << "Win32_USBHub"
                                             << "PCI\\VEN_ZV01&DEV_1504"
                                             << " /SETUSB31";
    row("RAID outside storage") << win10 << v10 << pnp << "PCI\\VEN_ZV01&DEV_2101"
                                << "";
    row("gigabit on the network pass") << server << vServer << "Win32_NetworkAdapter"
                                       << "PCI\\VEN_ZV01&DEV_6105"
                                       << " /SETXGBE";
}

void TestDetectionScript::operatingSystemRules()
{
    QFETCH(QString, caption);
    QFETCH(QString, version);
    QFETCH(QString, deviceClass);
    QFETCH(QString, deviceId);
    QFETCH(QString, result);
    DetectionMachine machine(caption, version);
    machine.addDevice(deviceClass, deviceId);
    machine.writeInfo(allProducts());
    QCOMPARE(machine.detect(), result);
}

void TestDetectionScript::neverReportedSwitches()
{
    const QStringList never
            = {"/SETPSHED",         "/SETSMF",         "/SETGFX",      "/SETTS_RAID",
               "/SETTS_WARDENRAID", "/SETSERIAL",      "/SETSPBSMBUS", "/SETEFIX",
               "/SETCXP",           "/SETETHERNET",    "/SETEMMC",     "/SETEMMC_7",
               "/SETMINIIDE",       "/SETMINIIDE_SVR", "/SETXHCIREG",  "/SET31USB"};
    const QStringList ids
            = {"ACPI\\ZRVA0020\\0",      "ACPI\\ZRVA0030\\0",        "SWD\\ZRVASMF\\1",
               "ROOT\\ZRVAEFIX\\0000",   "PCI\\VEN_ZV01&DEV_4301",   "PCI\\VEN_ZV01&DEV_6101",
               "PCI\\VEN_ZV01&DEV_1301", "USB\\ROOT_HUB30\\4&1&0&0", "PCI\\VEN_ZV01&DEV_5101"};
    const QStringList ideIds
            = {"PCI\\VEN_ZV01&DEV_7101", "PCI\\VEN_ZV01&DEV_7102", "PCI\\VEN_ZV01&DEV_7305"};
    // One machine at a time: each points SystemDrive at its own folder.
    for (const char *os : {"7", "server"}) {
        std::unique_ptr<DetectionMachine> machine(
                new DetectionMachine(os == QLatin1String("7") ? DetectionMachine::windows7()
                                                              : DetectionMachine::server2016()));
        for (const QString &id : ids) {
            machine->addPnp(id);
            machine->addDevice("Win32_USBHub", id);
        }
        for (const QString &id : ideIds)
            machine->addDevice("Win32_IDEController", id);
        // Product names that equal the switches' feature names still find no output row.
        QStringList products = allProducts();
        for (const QString &name : never)
            products << name.mid(4) << "Zorva " + name.mid(4) + " Driver";
        machine->writeInfo(products);
        const QString result = machine->detect();
        for (const QString &name : never)
            QVERIFY2(!switches(result).contains(name), qPrintable(name + " in" + result));
        QVERIFY(!result.isEmpty());
        const QStringList log = machine->logMessages();
        for (const char *detected :
             {"SETSERIAL", "SETSPBSMBUS", "SETSMF", "SETEFIX", "SETETHERNET", "SETEMMC"})
            QVERIFY2(!log.filter(QString(".Hence setting property ") + detected).isEmpty(),
                     detected);
    }
}

void TestDetectionScript::installedPackage()
{
    // Where the package's own 32-bit setup wrote it on a 64-bit machine.
    const QByteArray key
            = R"({"SOFTWARE": {"WOW6432Node": {"Zorva": {"Zorva_Chipset_IODrivers": {%1}}}}})";
    DetectionMachine machine = DetectionMachine::server2016();
    machine.setArchitecture("x86_64");
    machine.addDevice("Win32_USBHub", "USB\\ROOT_HUB30\\4&2B1&0&0", "USB Root Hub (USB 3.0)");
    machine.addPnp("USB\\ROOT_HUB30\\4&2B1&0&0");
    machine.addPnp("PCI\\VEN_ZV01&DEV_6202");
    machine.writeInfo(allProducts());

    machine.writeHive(
            QString(key)
                    .arg(R"("InstallationPath": "C:\\Zorva", "DeployedFeatures": "PCI,XHCIREG")")
                    .toUtf8());
    QCOMPARE(machine.detect(), QString(" /SETSMBUS"));
    QStringList log = machine.logMessages();
    QVERIFY(log.contains("The registry key exists indicating product already installed."));
    QVERIFY(log.contains("SetUninstall value is : 1: Product Uninstalltion."));
    QVERIFY(log.contains(
            "DeployedFeatures value since product is already installed : PCI,XHCIREG"));
    QVERIFY(log.filter("SETXHCIREG").isEmpty());
    QVERIFY(log.filter("SETPSHED").isEmpty()); // build 14393

    // A key without DeployedFeatures reads as nothing deployed.
    QFile::remove(machine.logPath());
    machine.writeHive(QString(key).arg(R"("InstallationPath": "C:\\Zorva")").toUtf8());
    QCOMPARE(machine.detect(), QString(" /SETSMBUS"));
    log = machine.logMessages();
    QVERIFY(log.contains("DeployedFeatures value since product is already installed : "));
    QCOMPARE(log.filter("Hence setting property SETXHCIREG").size(), 2); // hub and PnP passes
}

void TestDetectionScript::unreadablePackageDescription()
{
    DetectionMachine machine = DetectionMachine::windows10();
    machine.addPnp("ACPI\\ZRVA0010\\0");
    const QString missing = machine.drive() + "/Bin/info.xml";
    QVERIFY(!machine.detect(missing).isValid());
    QVERIFY(machine.logMessages().contains("No file found at : " + missing));

    for (const QByteArray &text : {QByteArray("<Products><Product>"), QByteArray("<Products/>"),
                                   QByteArray("<Products><Product/></Products>")}) {
        QDir(machine.drive()).mkpath("Bin");
        StandInMachine::writeFile(missing, text);
        QVERIFY2(machine.detect(missing).toString().isEmpty(), text.constData());
    }
}

void TestDetectionScript::demoMachineOffersItsDrivers()
{
    StandInMachine machine;
    QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath());
    QObject owner;
    const QVariant reply
            = detection::runDetectionScript(&owner, SOURCE_DIR "/package/info.xml").reply;
    QStringList offered = switches(reply.toString());
    offered.sort();
    QCOMPARE(offered,
             QStringList({"/SETCIR", "/SETGPIO2", "/SETI2C", "/SETPCI", "/SETQW4ACPI", "/SETSMBUS",
                          "/SETSPI", "/SETSQP", "/SETUART", "/SETUPEP"}));
    QVERIFY(StandInMachine::readFile(machine.drive()
                                     + "/Zorva/Chipset_Driver_Installer/Logs/Device_ID.log")
                    .contains(" :: ReadXMLValues : Zorva SMBUS Drivern found"));
}

void TestDetectionScript::scriptHostFailuresGiveNoValue()
{
    QTemporaryDir folder;
    auto script = [&folder](const QByteArray &text) {
        StandInMachine::writeFile(folder.path() + "/s.vbs", text);
        return folder.path() + "/s.vbs";
    };
    QObject owner;
    QObject *pManager = platform::createScriptManager(&owner);
    QVERIFY(pManager);
    QVERIFY(!platform::loadScript(pManager, folder.path() + "/none.vbs", "MyScript"));
    QVERIFY(!platform::loadScript(pManager, script("Function F(\n"), "MyScript"));
    QVERIFY(!platform::callScript(nullptr, "F(QString)", {"x"}).isValid());

    QObject *pScript
            = platform::loadScript(pManager,
                                   script("Function F(a)\r\n F = a & \"!\"\r\nEnd Function\r\n"
                                          "Function G(a)\r\n G = 1 / 0\r\nEnd Function\r\n"),
                                   "MyScript");
    QVERIFY(pScript);
    QCOMPARE(pScript->parent(), pManager);
    QCOMPARE(platform::callScript(pScript, "F(QString)", {"x"}).toString(), QString("x!"));
    QVERIFY(!platform::callScript(pScript, "G(QString)", {"x"}).isValid());
    QVERIFY(!platform::callScript(pScript, "H(QString)", {"x"}).isValid());

    // The test seam answers instead of the script; the log folder is there either way.
    StandInMachine machine;
    detection::setScriptReplyFunction(
            [](const QString &strPath) { return QVariant(" /SETPCI " + strPath); });
    const detection::ScriptRun run = detection::runDetectionScript(&owner, "info");
    detection::setScriptReplyFunction({});
    QCOMPARE(run.reply.toString(), QString(" /SETPCI info"));
    QVERIFY(QFileInfo(machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs").isDir());
}

QTEST_GUILESS_MAIN(TestDetectionScript)
#include "tst_detectionscript.moc"
