
#include "platform/hivefile.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/xmlguard.h"
#include "standinmachine.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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
    void noKeyBelowAValue();
    void noMachineMeansNoRegistry();
    void pathsAndNamesFollowTheSharedRules_data();
    void pathsAndNamesFollowTheSharedRules();
    void deepNamesAreNeverWritten_data();
    void deepNamesAreNeverWritten();
    void keysUpToTheDepthLimitRoundTrip();
    void writerRefusesWhatItCannotReadBack();
    void largeHiveRoundTrips();
    void sixtyFourBitMachineShowsThe32BitView();
    void fifosReadAsMissing();
    void hiveThatCannotBeWrittenBackExactlyIsKept_data();
    void hiveThatCannotBeWrittenBackExactlyIsKept();
};

namespace {
// A 32-bit machine: the hive is seen as it is, without the redirection of a 64-bit one.
class Machine32 : public StandInMachine
{
public:
    Machine32()
    {
        writeDescription(QJsonObject {{"os", QJsonObject {{"cpuArchitecture", "i386"}}}});
    }
};

const QString c_strPackageKey = QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");

// A hive holding the package key and, under SOFTWARE, one value whose name has iParts parts
// separated by "/".
QByteArray hiveWithSlashedName(int iParts)
{
    QJsonObject package {{"InstallationPath", "C:\\Zorva"}};
    QJsonObject software {{"Zorva", QJsonObject {{"Zorva_Chipset_IODrivers", package}}}};
    QStringList parts;
    for (int i = 0; i < iParts; ++i)
        parts.append(QStringLiteral("a"));
    software.insert(parts.join('/'), "x");
    return QJsonDocument(QJsonObject {{"SOFTWARE", software}}).toJson(QJsonDocument::Compact);
}
} // namespace

void TestRegistry::valuesRoundTripAndMissingReadEmpty()
{
    Machine32 machine;
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
    Machine32 machine;
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
    Machine32 machine;
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
    Machine32 machine;
    machine.writeHive(hive);
    const QString key = "HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers";
    QCOMPARE(platform::readRegistryString(key, "SupportedDrivers"), QString());
    QVERIFY(!platform::writeRegistryString(key, "SupportedDrivers", "PCI"));
    QVERIFY(!platform::RegistryKey::open("HKLM\\SOFTWARE").isOpen());
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
}

void TestRegistry::otherValuesSurviveAWrite()
{
    Machine32 machine;
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
    Machine32 machine;
    machine.writeHive(R"({"SOFTWARE": {"Zorva": {"Product": {"ProductVersion": "1"}}}})");
    const QByteArray before = StandInMachine::readFile(machine.hivePath());
    QVERIFY(!platform::writeRegistryString("HKLM\\SOFTWARE\\Zorva", "Product", "value"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva\\Product", "ProductVersion"),
             QString("1"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), before);
}

void TestRegistry::noKeyBelowAValue()
{
    Machine32 machine;
    machine.writeHive(R"({"SOFTWARE": {"Zorva": "a value"}})");
    const QByteArray before = StandInMachine::readFile(machine.hivePath());
    QVERIFY(!platform::writeRegistryString("HKLM\\SOFTWARE\\zorva\\Product", "Version", "1"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), before);
    // The refused write leaves nothing behind that would spoil the next one.
    QVERIFY(platform::writeRegistryString("HKLM\\SOFTWARE\\Other", "Version", "2"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Other", "Version"), QString("2"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE", "Zorva"), QString("a value"));
}

void TestRegistry::noMachineMeansNoRegistry()
{
    Machine32 machine;
    qunsetenv("SystemDrive");
    QVERIFY(!platform::writeRegistryString("HKLM\\SOFTWARE\\Zorva", "Value", "x"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva", "Value"), QString());
    QVERIFY(!QFile::exists("/Windows/System32/config/HKLM.json"));
}

void TestRegistry::pathsAndNamesFollowTheSharedRules_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    // Written ones land in HKLM\SOFTWARE\Zorva.
    QTest::newRow("long root name, any case") << "hkey_local_machine\\SOFTWARE\\Zorva"
                                              << "V" << true;
    QTest::newRow("empty names skipped") << "HKLM\\\\SOFTWARE\\\\Zorva\\"
                                         << "V" << true;
    QTest::newRow("slash as separator") << "HKLM\\SOFTWARE/Zorva"
                                        << "V" << true;
    QTest::newRow("root") << "HKLM"
                          << "V" << false;
    QTest::newRow("root with separator") << "HKEY_LOCAL_MACHINE\\"
                                         << "V" << false;
    QTest::newRow("other hive") << "HKCU\\SOFTWARE\\Zorva"
                                << "V" << false;
    QTest::newRow("root name prefix") << "HKLMX\\SOFTWARE\\Zorva"
                                      << "V" << false;
    QTest::newRow("relative") << "SOFTWARE\\Zorva"
                              << "V" << false;
    QTest::newRow("empty value name") << "HKLM\\SOFTWARE\\Zorva"
                                      << "" << false;
    QTest::newRow("slash in value name") << "HKLM\\SOFTWARE\\Zorva"
                                         << "a/V" << false;
}

// The registry's rules are written once for both back ends; here against the stand-in.
void TestRegistry::pathsAndNamesFollowTheSharedRules()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(bool, written);
    Machine32 machine;
    machine.writeHive(R"({"SOFTWARE": {"Zorva": {"Old": "1"}}})");
    const QByteArray before = StandInMachine::readFile(machine.hivePath());
    QCOMPARE(platform::writeRegistryString(key, name, "x"), written);
    QCOMPARE(platform::readRegistryString(key, name), written ? QString("x") : QString());
    if (written) {
        QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva", name), QString("x"));
        QVERIFY(platform::removeRegistryValue(key, name));
    } else {
        QVERIFY(!platform::removeRegistryValue(key, name));
        if (name == "V") // the key itself is refused, and so is its removal
            QVERIFY(!platform::removeRegistryKey(key));
    }
    // Not even the root's removal takes the keys below it.
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva", "Old"), QString("1"));
    if (!written)
        QCOMPARE(StandInMachine::readFile(machine.hivePath()), before);
}

void TestRegistry::deepNamesAreNeverWritten_data()
{
    QTest::addColumn<int>("parts");
    // Saved as nesting, 1,100 levels are more than the reader takes; 60,000 once overflowed
    // the stack of the writer.
    QTest::newRow("1,100 parts") << 1100;
    QTest::newRow("60,000 parts") << 60000;
}

void TestRegistry::deepNamesAreNeverWritten()
{
    QFETCH(int, parts);
    Machine32 machine;
    const QByteArray hive = hiveWithSlashedName(parts);
    machine.writeHive(hive);
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "InstallationPath"),
             QString("C:\\Zorva"));
    QVERIFY(!platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "InstallationPath"),
             QString("C:\\Zorva"));
}

void TestRegistry::keysUpToTheDepthLimitRoundTrip()
{
    Machine32 machine;
    QStringList levels {"HKLM"};
    for (int i = 0; i < platform::hivefile::c_iMaxKeyDepth; ++i)
        levels.append(QString::number(i % 10));
    QVERIFY(platform::writeRegistryString(levels.join('\\'), "Deepest", "yes"));
    QCOMPARE(platform::readRegistryString(levels.join('\\'), "Deepest"), QString("yes"));
    // One level more is refused, and the hive stays as it was.
    const QByteArray before = StandInMachine::readFile(machine.hivePath());
    levels.append("x");
    QVERIFY(!platform::writeRegistryString(levels.join('\\'), "TooDeep", "no"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), before);
    QVERIFY(platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));
    levels.removeLast();
    QCOMPARE(platform::readRegistryString(levels.join('\\'), "Deepest"), QString("yes"));
}

void TestRegistry::writerRefusesWhatItCannotReadBack()
{
    QStringList parts;
    for (int i = 0; i <= platform::hivefile::c_iMaxKeyDepth; ++i)
        parts.append("k");
    const QList<QSettings::SettingsMap> refused = {
            {{parts.join('/') + "/v", "x"}},
            {{"a/b", "x"}, {"a/b/c", "y"}},
            {{"a/b/c", "x"}, {"a/b", "y"}},
    };
    for (const QSettings::SettingsMap &map : refused) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(!platform::hivefile::canWrite(map));
        QVERIFY(!platform::hivefile::write(buffer, map));
        QVERIFY(buffer.data().isEmpty());
    }
    parts.removeLast();
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(platform::hivefile::write(buffer, {{parts.join('/') + "/v", "x"}}));
    buffer.seek(0);
    QSettings::SettingsMap map;
    QVERIFY(platform::hivefile::read(buffer, map));
    QCOMPARE(map.value(parts.join('/') + "/v").toString(), QString("x"));
}

void TestRegistry::largeHiveRoundTrips()
{
    // Many keys, values among keys at several levels, and keys without values.
    Machine32 machine;
    QJsonObject products;
    for (int i = 0; i < 3000; ++i) {
        QJsonObject product {{"ProductVersion", QString::number(i)}};
        if (i % 7 == 0)
            product.insert("Features", QJsonObject {{"PCI", "1"}, {"Empty", QJsonObject()}});
        products.insert(QStringLiteral("Product %1").arg(i), product);
        products.insert(QStringLiteral("Value %1").arg(i), QString::number(i));
    }
    const QJsonObject hive {
            {"SOFTWARE", QJsonObject {{"WOW6432Node", QJsonObject {{"Zorva", products}}}}}};
    machine.writeHive(QJsonDocument(hive).toJson());
    QVERIFY(platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));

    QJsonObject expected = hive;
    QJsonObject software = expected["SOFTWARE"].toObject();
    software.insert(
            "Zorva",
            QJsonObject {{"Zorva_Chipset_IODrivers", QJsonObject {{"SupportedDrivers", "PCI"}}}});
    expected.insert("SOFTWARE", software);
    QCOMPARE(QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath())).object(),
             expected);
}

void TestRegistry::sixtyFourBitMachineShowsThe32BitView()
{
    StandInMachine machine;
    machine.writeDescription(QJsonObject {{"os", QJsonObject {{"cpuArchitecture", "x86_64"}}}});
    // What a 64-bit program wrote: outside the 32-bit view.
    machine.writeHive(R"({"SOFTWARE": {"Zorva": {"Zorva_Chipset_IODrivers": {"A": "64"}}}})");
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "A"), QString());
    QVERIFY(platform::writeRegistryString(c_strPackageKey, "InstallationPath", "C:\\Zorva"));
    QVERIFY(platform::writeRegistryString(
            "HKLM\\software\\wow6432node\\Zorva\\Zorva_Chipset_IODrivers", "DeployedFeatures",
            "Drivers,PCI"));
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "DeployedFeatures"),
             QString("Drivers,PCI"));
    QCOMPARE(platform::registrySubkeys("HKLM\\SOFTWARE\\Zorva"),
             QStringList {"Zorva_Chipset_IODrivers"});
    const QJsonObject software
            = QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath()))
                      .object()["SOFTWARE"]
                      .toObject();
    QCOMPARE(software["Zorva"].toObject()["Zorva_Chipset_IODrivers"].toObject(),
             (QJsonObject {{"A", "64"}}));
    QCOMPARE(
            software["WOW6432Node"]
                    .toObject()["Zorva"]
                    .toObject()["Zorva_Chipset_IODrivers"]
                    .toObject(),
            (QJsonObject {{"InstallationPath", "C:\\Zorva"}, {"DeployedFeatures", "Drivers,PCI"}}));
    QVERIFY(platform::removeRegistryKey(c_strPackageKey));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers\\", "A"),
             QString());
    QVERIFY(StandInMachine::readFile(machine.hivePath()).contains("\"A\""));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"

void TestRegistry::fifosReadAsMissing()
{
    alarm(20); // opening a FIFO without a writer waits for ever
    StandInMachine machine;
    for (const QString &strPath : {machine.hivePath(), machine.descriptionPath()})
        QVERIFY(::mkfifo(QFile::encodeName(strPath), 0600) == 0);
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "InstallationPath"), QString());
    QVERIFY(!platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));
    QVERIFY(!platform::RegistryKey::open("HKLM\\SOFTWARE").isOpen());
    QVERIFY(QFileInfo(machine.hivePath()).isReadable() && !QFileInfo(machine.hivePath()).isFile());
    QVERIFY(platform::machineDescription().isEmpty());
    QByteArray data;
    QVERIFY(!platform::readXmlSource(machine.descriptionPath(), &data));
    alarm(0);
}

void TestRegistry::hiveThatCannotBeWrittenBackExactlyIsKept_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::newRow("control character name") << QByteArray(R"({"\u0001": "x", "\u0007": "y"})");
    QTest::newRow("key of a default value only") << QByteArray(R"({"Key": {"": "default"}})");
    QTest::newRow("slash in a name") << QByteArray(R"({"a/b": "x"})");
    QTest::newRow("integer beyond 2^53") << QByteArray(R"({"Big": 9007199254740993})");
    QTest::newRow("names differing in case") << QByteArray(R"({"Name": "1", "NAME": "2"})");
}

void TestRegistry::hiveThatCannotBeWrittenBackExactlyIsKept()
{
    QFETCH(QByteArray, other);
    Machine32 machine;
    const QByteArray hive = R"({"SOFTWARE": {"Other": )" + other
            + R"(, "Zorva": {"Zorva_Chipset_IODrivers": {"InstallationPath": "C:\\Zorva"}}}})";
    machine.writeHive(hive);
    QCOMPARE(platform::readRegistryString(c_strPackageKey, "InstallationPath"),
             QString("C:\\Zorva"));
    QVERIFY(!platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));
    QVERIFY(!platform::removeRegistryValue(c_strPackageKey, "InstallationPath"));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);

    // What does write back exactly, integers up to 2^53 among it, is still rewritten.
    machine.writeHive(R"({"SOFTWARE": {"Other": {"Exact": 9007199254740992, "Tab\t": "x"}}})");
    QVERIFY(platform::writeRegistryString(c_strPackageKey, "SupportedDrivers", "PCI"));
    const QJsonObject other2 = QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath()))
                                       .object()["SOFTWARE"]
                                       .toObject()["Other"]
                                       .toObject();
    QCOMPARE(other2["Exact"].toDouble(), 9007199254740992.0);
    QCOMPARE(other2["Tab\t"].toString(), QString("x"));
}
