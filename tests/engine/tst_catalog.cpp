// The catalog, the command line's modes, the offered list and the per-driver answers.
#include "enginetestsupport.h"

#include "engine/commandline.h"

#include <QJsonDocument>
#include <QtTest>

class CatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogAndLookup();
    void positionsOutsideTheList();
    void checkboxChangesOnlyItsRow();
    void modes_data();
    void modes();
    void detectionResult_data();
    void detectionResult();
    void smartInstallerWithoutDriversEnds();
    void installListKeepsDescribedDrivers();
    void uninstallList_data();
    void uninstallList();
    void versions();
    void keyChoiceByArchitecture_data();
    void keyChoiceByArchitecture();
    void paths();
    void logsAreNeverWrittenThroughLinks();
    void detectionLogIsBounded();
};

void CatalogTest::catalogAndLookup()
{
    StandInMachine machine;
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());

    QCOMPARE(drivers.vecCatalog.size(), 31);
    QCOMPARE(drivers.mapSwitchIndex.size(), 30);
    QList<int> lstSlots = drivers.mapSwitchIndex.values();
    std::sort(lstSlots.begin(), lstSlots.end());
    for (int i = 0; i < 30; ++i)
        QCOMPARE(lstSlots.at(i), i + 1);
    for (int i = 1; i <= 30; ++i)
        QVERIFY(drivers.vecCatalog.at(i).bChecked);
    QCOMPARE(drivers.mapSwitchIndex.value(QStringLiteral("/SETSQP")), 1);
    QCOMPARE(drivers.mapSwitchIndex.value(QStringLiteral("/SETPCI")), 2);
    QCOMPARE(drivers.vecCatalog.at(11).strDescription,
             QStringLiteral("Setup will install/uninstall USB3.0 Controller Driver"));
    QCOMPARE(drivers.vecCatalog.at(19).strDescription, drivers.vecCatalog.at(26).strDescription);

    drivers.lstDriverSwitches
            = QStringList {QStringLiteral("/setpci"), QStringLiteral("/SETPCI"),
                           QStringLiteral("/SETSATA"), QStringLiteral("/SETNONE")};
    QCOMPARE(drivers.getName(0), QString());
    QCOMPARE(drivers.isDriverUninstallable(0), false);
    QCOMPARE(drivers.getName(1), QStringLiteral("Zorva PCI Device Driver"));
    QCOMPARE(drivers.getButtonDescription(1),
             QStringLiteral("Setup will install/uninstall Zorva PCI Driver"));
    QCOMPARE(drivers.isDriverUninstallable(1), true);
    QCOMPARE(drivers.isDriverUninstallable(2), false);
    QCOMPARE(drivers.getName(3), QString());
    QCOMPARE(drivers.getButtonDescription(3), QString());
}

void CatalogTest::positionsOutsideTheList()
{
    StandInMachine machine;
    PackageLayout layout;
    layout.addPackage();
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
    const auto catalog = drivers.vecCatalog;
    for (int iIndex : {-1, 1, 2, 31, 1000, -1000}) {
        QCOMPARE(drivers.getName(iIndex), QString());
        QCOMPARE(drivers.getVersion(iIndex), QString());
        QCOMPARE(drivers.getButtonDescription(iIndex), QString());
        QCOMPARE(drivers.getOldVersionNumber(iIndex), QString());
        QCOMPARE(drivers.isDriverUninstallable(iIndex), false);
        drivers.setCheckboxStatus(iIndex, false);
    }
    for (int i = 1; i <= 30; ++i)
        QVERIFY(drivers.vecCatalog.at(i).bChecked);
    QCOMPARE(drivers.getName(0), QStringLiteral("Zorva PCI Device Driver"));
}

void CatalogTest::checkboxChangesOnlyItsRow()
{
    StandInMachine machine;
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    drivers.lstDriverSwitches = QStringList {QStringLiteral("/SETPCI"), QStringLiteral("/SETSATA"),
                                             QStringLiteral("/SETSQP")};
    drivers.setCheckboxStatus(drivers.position(QStringLiteral("/SETSATA")), false);
    for (int i = 1; i <= 30; ++i)
        QCOMPARE(drivers.vecCatalog.at(i).bChecked, i != 13);
    drivers.setCheckboxStatus(1, true);
    QVERIFY(drivers.vecCatalog.at(13).bChecked);
}

void CatalogTest::modes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("install");
    QTest::addColumn<bool>("uninstall");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QString>("productCode");

    // The readings' edge cases are tst_modearguments'.
    QTest::newRow("none") << QStringList() << true << false << false << QString();
    QTest::newRow("smart in lower case goes")
            << QStringList {"smartinstaller", "/U", "{A}"} << false << true << true << "{A}";
    QTest::newRow("uninstall without code")
            << QStringList {"/U"} << false << true << false << QString();
}

void CatalogTest::modes()
{
    QFETCH(QStringList, arguments);
    StandInMachine machine;
    PackageLayout layout;
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers(arguments, layout.bin());
    QTEST(drivers.isInstall(), "install");
    QTEST(drivers.isUninstall(), "uninstall");
    QTEST(drivers.isItSmartInstaller(), "smart");
    QTEST(drivers.strProductCode, "productCode");
    if (drivers.isInstall())
        QCOMPARE(drivers.lstDriverSwitches, QStringList {QStringLiteral("/SETPCI")});
}

void CatalogTest::detectionResult_data()
{
    QTest::addColumn<QVariant>("reply");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("supported");

    QTest::newRow("three") << QVariant(" /SETPCI /SETSQP /SETGPIO2")
                           << QStringList {"/SETPCI", "/SETSQP", "/SETGPIO2"} << "PCI,SQP,GPIO2";
    QTest::newRow("one") << QVariant(" /SETPCI") << QStringList {"/SETPCI"} << "PCI";
    QTest::newRow("empty") << QVariant(QString()) << QStringList() << QString();
    QTest::newRow("no value") << QVariant() << QStringList() << QString();
    QTest::newRow("no leading blank")
            << QVariant("/SETPCI /SETSQP") << QStringList {"/SETPCI", "/SETSQP"} << "PCI,SQP";
}

void CatalogTest::detectionResult()
{
    QFETCH(QVariant, reply);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    ScriptReply scriptReply(reply);
    TestDrivers drivers({}, layout.bin());
    QTEST(drivers.lstDriverSwitches, "offered");
    QTEST(drivers.strSupportedDrivers, "supported");
    // Stored while the engine is set up.
    QTEST(platform::readRegistryString(c_strWowKey, QStringLiteral("SupportedDrivers")),
          "supported");
}

void CatalogTest::smartInstallerWithoutDriversEnds()
{
    StandInMachine machine;
    QProcess child;
    child.setProcessEnvironment(machine.environment());
    child.start(QStringLiteral(SMART_EXIT_CHILD_PATH), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    // It ended before the supported drivers were stored.
    QVERIFY(!StandInMachine::readFile(machine.hivePath()).contains("SupportedDrivers"));
}

void CatalogTest::installListKeepsDescribedDrivers()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    layout.writeInfo(packageDescription(
            product("Zorva PCI Device Driver", "1.0", "Windows 10", "Zorva PCI Device Driver")
            + product("Zorva SQP Driver", "2.0", "Windows 10", "")));
    ScriptReply reply(QStringLiteral(" /SETPCI /SETSATA /SETNOROW /SETSQP"));
    TestDrivers drivers({}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
    QCOMPARE(drivers.lstDriverSwitches, QStringList {QStringLiteral("/SETPCI")});
    // Filtering again changes nothing.
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
}

void CatalogTest::uninstallList_data()
{
    QTest::addColumn<QString>("deployed");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<QStringList>("offered");

    QTest::newRow("example") << "Drivers,PCI,SQP,,USBCNTRL,USBHUB,GPIO2" << true
                             << QStringList {"/SETPCI", "/SETSQP"};
    QTest::newRow("two hubs") << "Drivers,USBHUB,USBHUB_CW,PCI" << true
                              << QStringList {"/SETUSBHUB_CW", "/SETPCI"};
    QTest::newRow("only the mw hub") << "USBHUB_MW,SMF" << true << QStringList {"/SETSMF"};
    QTest::newRow("unknown and duplicates") << ",,Drivers,Drivers,FOO,PCI,PCI,SATA,SATA" << true
                                            << QStringList {"/SETFOO", "/SETPCI"};
    QTest::newRow("one feature 20,000 times")
            << QString("PCI,").repeated(20000) << true << QStringList {"/SETPCI"};
    QTest::newRow("empty entries only") << ",,," << true << QStringList();
    QTest::newRow("no value") << QString() << false << QStringList();
}

void CatalogTest::uninstallList()
{
    QFETCH(QString, deployed);
    QFETCH(bool, hasValue);
    QFETCH(QStringList, offered);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    if (hasValue)
        platform::writeRegistryString(c_strWowKey, QStringLiteral("DeployedFeatures"), deployed);
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), offered.size());
    QCOMPARE(drivers.lstDriverSwitches, offered);
    // Rebuilt from the registry on every call.
    QCOMPARE(drivers.getNumberOfDrivers(), offered.size());
}

void CatalogTest::versions()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    platform::writeRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva SQP Driver",
                                  "ProductVersion", "5.1.2");
    platform::writeRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Driver",
                                  "ProductVersion", "7.7");
    platform::writeRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Device Driver",
                                  "ProductVersion", "wrong");
    PackageLayout layout;
    layout.writeInfo(
            packageDescription(product("a", "1.1", "Windows 10", "Zorva PCI Device Driver")
                               + product("b", "1.2", "Windows 8.1", "Zorva PCI Device Driver")
                               + product("c", "3.0", "Windows 10", "Zorva SQP Driver")));
    ScriptReply reply(QStringLiteral(" /SETPCI /SETSQP"));
    TestDrivers drivers({}, layout.bin());
    drivers.getRegistryInfo(
            platform::RegistryKey::open(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\")));
    QCOMPARE(drivers.getNumberOfDrivers(), 2);
    QCOMPARE(drivers.getVersion(0), QStringLiteral("1.1"));
    QCOMPARE(drivers.getVersion(1), QStringLiteral("3.0"));
    QCOMPARE(drivers.getOldVersionNumber(0), QStringLiteral("7.7"));
    QCOMPARE(drivers.getOldVersionNumber(1), QStringLiteral("5.1.2"));
}

void CatalogTest::keyChoiceByArchitecture_data()
{
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<bool>("wow");
    QTest::newRow("x86_64") << "x86_64" << true;
    QTest::newRow("i386") << "i386" << false;
    QTest::newRow("arm64") << "arm64" << false;
    QTest::newRow("upper case") << "X86_64" << false;
}

void CatalogTest::keyChoiceByArchitecture()
{
    QFETCH(QString, architecture);
    QFETCH(bool, wow);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10"), architecture));
    const QString strUsed = wow ? c_strWowKey : c_strKey;
    // The other key as the hive holds it: on x86_64 the program's own view never shows the
    // one outside WOW6432Node.
    const QStringList otherPath = wow
            ? QStringList {"Zorva", "Zorva_Chipset_IODrivers"}
            : QStringList {"WOW6432Node", "Zorva", "Zorva_Chipset_IODrivers"};
    const QJsonObject other {{"DeployedFeatures", "Drivers,SQP,SMF"}};
    QJsonObject key = other;
    for (int i = otherPath.size() - 1; i >= 0; --i)
        key = QJsonObject {{otherPath.at(i), key}};
    machine.writeHive(QJsonDocument(QJsonObject {{"SOFTWARE", key}}).toJson());
    const auto otherKey = [&machine, &otherPath] {
        QJsonObject key = QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath()))
                                  .object()["SOFTWARE"]
                                  .toObject();
        for (const QString &part : otherPath)
            key = key[part].toObject();
        return key;
    };
    platform::writeRegistryString(strUsed, "DeployedFeatures", "Drivers,PCI");
    platform::writeRegistryString(strUsed, "InstallationPath", "C:\\Zorva");
    platform::writeRegistryString(strUsed, "REBOOTSTATUS", "yes");
    PackageLayout layout;
    {
        TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
        QCOMPARE(drivers.getNumberOfDrivers(), 1);
        QVERIFY(drivers.isDriverAlreadyInstalled());
        QVERIFY(drivers.isRestartRequired());
    }
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({QStringLiteral("smartInstaller")}, layout.bin());
    QCOMPARE(platform::readRegistryString(strUsed, "SupportedDrivers"), QStringLiteral("PCI"));
    drivers.writeErrorStringsToRegistry(QStringLiteral("1603"));
    QCOMPARE(platform::readRegistryString(strUsed, "ErrorCode"), QStringLiteral("1603"));
    QCOMPARE(platform::readRegistryString(strUsed, "ErrorString"),
             QStringLiteral("MainEngineThread is returning failure"));
    QCOMPARE(otherKey(), other);
}

void CatalogTest::paths()
{
    QCOMPARE(commandline::logFolder(QString()),
             QStringLiteral("/Zorva/Chipset_Driver_Installer/Logs"));
    QCOMPARE(commandline::msiExecPath(QString()),
             QDir::toNativeSeparators(QStringLiteral("/Windows/System32/MsiExec.exe")));
    QCOMPARE(commandline::msiExecPath(QStringLiteral("C:")),
             QStringLiteral("C:") + QDir::toNativeSeparators("/Windows/System32/MsiExec.exe"));

    StandInMachine machine;
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QCOMPARE(drivers.strLogFolder, machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs");
    QCOMPARE(drivers.strInstallLogPath, drivers.strLogFolder + "/Zorva_Chipset_IODrivers.log");
    QCOMPARE(drivers.strUninstallLogPath, drivers.strLogFolder + "/Zorva_Chipset_IODrivers_Un.log");
    QVERIFY(QFileInfo(drivers.strLogFolder).isDir());
    QCOMPARE(drivers.strMsiExecCommand, commandline::msiExecPath(machine.drive()));
    QCOMPARE(drivers.strRegKeyWow, c_strWowKey);
    QCOMPARE(drivers.strRegKey, c_strKey);

    drivers.toCreateOrDeleteFolder(machine.drive() + "\\a\\b\\c", true);
    QVERIFY(QFileInfo(machine.drive() + "/a/b/c").isDir());
    drivers.toCreateOrDeleteFolder(machine.drive() + "/a/b/c", false);
    QVERIFY(!QFileInfo(machine.drive() + "/a").exists());
    QVERIFY(QFileInfo(machine.drive()).isDir());
}

void CatalogTest::logsAreNeverWrittenThroughLinks()
{
    StandInMachine machine;
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    StandInMachine::writeFile(victim, "precious");
    QVERIFY(QFile::link(outside.path(), machine.drive() + "/Zorva"));
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QVERIFY(!QFileInfo(machine.drive() + "/Zorva").isSymLink());
    QVERIFY(QFileInfo(drivers.strLogFolder).isDir());
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList {"victim"});

    // Links at the logs themselves go before detection or a run writes them.
    for (const QString &strLog :
         {drivers.strLogFolder + "/Device_ID.log", drivers.strInstallLogPath}) {
        QFile::remove(strLog);
        QVERIFY(QFile::link(victim, strLog));
        QVERIFY(commandline::makeLogFolder(drivers.strLogFolder, strLog));
        QVERIFY(!QFileInfo(strLog).isSymLink() && !QFileInfo::exists(strLog));
    }
    QCOMPARE(StandInMachine::readFile(victim), QByteArray("precious"));
}

// A log past 1 MiB keeps its last 256 KiB from a line start; one at the limit is left whole.
void CatalogTest::detectionLogIsBounded()
{
    StandInMachine machine;
    PackageLayout layout;
    const QString strFolder = machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs";
    QVERIFY(QDir().mkpath(strFolder));
    const QString strLog = strFolder + "/Device_ID.log";
    QByteArray atLimit;
    for (int i = 0; atLimit.size() < 1024 * 1024; ++i)
        atLimit += QByteArray("12/10/2026 09:00:00 :: line ") + QByteArray::number(i) + "\r\n";
    atLimit.truncate(1024 * 1024);
    for (const QByteArray &old : {atLimit, atLimit + atLimit.left(512 * 1024)}) {
        StandInMachine::writeFile(strLog, old);
        ScriptReply reply(QStringLiteral(" /SETPCI"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(drivers.lstDriverSwitches, QStringList {"/SETPCI"});
        const QByteArray kept = StandInMachine::readFile(strLog);
        if (old.size() == 1024 * 1024) {
            QCOMPARE(kept, old);
            continue;
        }
        QVERIFY2(kept.size() <= 256 * 1024 && kept.size() > 255 * 1024,
                 QByteArray::number(kept.size()));
        QVERIFY(old.endsWith(kept));
        QVERIFY(old.at(old.size() - kept.size() - 1) == '\n');
    }
}

QTEST_GUILESS_MAIN(CatalogTest)
#include "tst_catalog.moc"
