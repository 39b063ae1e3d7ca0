#include "platform/registry.h"
#include "standinmachine.h"

#include <QtTest>

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void valuesRoundTripAndMissingReadEmpty();
    void namesIgnoreCase();
    void subkeysAreListed();
    void damagedHiveIsNeverRewritten_data();
    void damagedHiveIsNeverRewritten();
    void otherValuesSurviveAWrite();
    void keyAndValueMayNotShareAName();
    void noMachineMeansNoRegistry();
};

void TestRegistry::valuesRoundTripAndMissingReadEmpty()
{
    StandInMachine machine;
    const QString key = "HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers";
    QCOMPARE(platform::readRegistryString(key, "SupportedDrivers"), QString());
    QVERIFY(platform::writeRegistryString(key, "SupportedDrivers", "PCI,SQP"));
    QCOMPARE(platform::readRegistryString(key, "SupportedDrivers"), QString("PCI,SQP"));
    QCOMPARE(platform::readRegistryString(key, "Missing"), QString());
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Nowhere", "SupportedDrivers"),
             QString());

    // Objects are keys and strings are values in the file itself.
    const QJsonObject hive
            = QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath())).object();
    QCOMPARE(hive["SOFTWARE"]
                     .toObject()["Zorva"]
                     .toObject()["Zorva_Chipset_IODrivers"]
                     .toObject()["SupportedDrivers"]
                     .toString(),
             QString("PCI,SQP"));
}

void TestRegistry::namesIgnoreCase()
{
    StandInMachine machine;
    machine.writeHive(
            R"({"SOFTWARE": {"Zorva": {"Zorva_Chipset_IODrivers": {"REBOOTSTATUS": "YES"}}}})");
    QCOMPARE(platform::readRegistryString("hklm\\software\\zorva\\ZORVA_CHIPSET_IODRIVERS",
                                          "rebootstatus"),
             QString("YES"));
    QVERIFY(platform::writeRegistryString("HKLM\\Software\\ZORVA\\zorva_chipset_iodrivers",
                                          "RebootStatus", "NO"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers",
                                          "REBOOTSTATUS"),
             QString("NO"));
    QVERIFY(platform::RegistryKey::open("HKEY_LOCAL_MACHINE\\software\\ZORVA").isOpen());
}

void TestRegistry::subkeysAreListed()
{
    StandInMachine machine;
    machine.writeHive(R"({"SOFTWARE": {"WOW6432Node": {"Zorva": {
        "Zorva PCI Driver": {"ProductVersion": "1.0.0.5"},
        "Zorva SQP Driver": {"ProductVersion": "2.1"},
        "Empty Product": {},
        "Version": "not a key"}}}})");
    const platform::RegistryKey key
            = platform::RegistryKey::open("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\");
    QVERIFY(key.isOpen());
    QStringList names = key.subkeyNames();
    names.sort();
    QCOMPARE(names, QStringList({"Empty Product", "Zorva PCI Driver", "Zorva SQP Driver"}));
    QVERIFY(!platform::RegistryKey::open("HKLM\\SOFTWARE\\Missing").isOpen());
    QVERIFY(platform::registrySubkeys("HKLM\\SOFTWARE\\Missing").isEmpty());

    // A key without values is kept when another value is written.
    QVERIFY(platform::writeRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Driver",
                                          "ProductVersion", "1.0.0.6"));
    names = platform::registrySubkeys("HKLM\\SOFTWARE\\WOW6432Node\\Zorva");
    QVERIFY(names.contains("Empty Product"));
}

void TestRegistry::damagedHiveIsNeverRewritten_data()
{
    QTest::addColumn<QByteArray>("hive");
    QTest::newRow("truncated") << QByteArray(R"({"SOFTWARE": {"Zorva": )");
    QTest::newRow("array") << QByteArray("[1, 2, 3]");
    QTest::newRow("garbage") << QByteArray("\x00\xff\xfe garbage", 12);
}

void TestRegistry::damagedHiveIsNeverRewritten()
{
    QFETCH(QByteArray, hive);
    StandInMachine machine;
    machine.writeHive(hive);
    const QString key = "HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers";
    QCOMPARE(platform::readRegistryString(key, "SupportedDrivers"), QString());
    QVERIFY(!platform::writeRegistryString(key, "SupportedDrivers", "PCI"));
    QVERIFY(!platform::RegistryKey::open("HKLM\\SOFTWARE").isOpen());
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
}

void TestRegistry::otherValuesSurviveAWrite()
{
    StandInMachine machine;
    machine.writeHive(R"({"SOFTWARE": {"Other": {"Number": 7, "List": ["a", "b"], "Flag": true},
                          "Zorva": {"Zorva_Chipset_IODrivers": {"InstallationPath": "C:\\Zorva"}}}})");
    QVERIFY(platform::writeRegistryString("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers",
                                          "ErrorCode", "1603"));
    const QJsonObject software
            = QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath()))
                      .object()["SOFTWARE"]
                      .toObject();
    QCOMPARE(software["Other"].toObject()["Number"].toInt(), 7);
    QCOMPARE(software["Other"].toObject()["List"].toArray().size(), 2);
    QCOMPARE(software["Other"].toObject()["Flag"].toBool(), true);
    const QJsonObject package = software["Zorva"].toObject()["Zorva_Chipset_IODrivers"].toObject();
    QCOMPARE(package["InstallationPath"].toString(), QString("C:\\Zorva"));
    QCOMPARE(package["ErrorCode"].toString(), QString("1603"));
}

void TestRegistry::keyAndValueMayNotShareAName()
{
    StandInMachine machine;
    machine.writeHive(R"({"SOFTWARE": {"Zorva": {"Product": {"ProductVersion": "1"}}}})");
    const QByteArray before = StandInMachine::readFile(machine.hivePath());
    QVERIFY(!platform::writeRegistryString("HKLM\\SOFTWARE\\Zorva", "Product", "value"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva\\Product", "ProductVersion"),
             QString("1"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), before);
}

void TestRegistry::noMachineMeansNoRegistry()
{
    StandInMachine machine;
    qunsetenv("SystemDrive");
    QVERIFY(!platform::writeRegistryString("HKLM\\SOFTWARE\\Zorva", "Value", "x"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva", "Value"), QString());
    QVERIFY(!QFile::exists("/Windows/System32/config/HKLM.json"));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
