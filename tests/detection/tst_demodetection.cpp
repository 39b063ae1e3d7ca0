#include "engine/drivers.h"
#include "standinmachine.h"

#include <QtTest>

// Drivers built on the demo machine, with the real detection script.
class DemoDrivers : public Drivers
{
public:
    explicit DemoDrivers(const QString &strApplicationDir)
        : Drivers({QStringLiteral("ChipsetInstaller")}, strApplicationDir)
    { }
};

class TestDemoDetection : public QObject
{
    Q_OBJECT

private slots:
    void demoMachineOffersTheDetectedDrivers();
};

void TestDemoDetection::demoMachineOffersTheDetectedDrivers()
{
    StandInMachine machine;
    QVERIFY(QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath()));
    QTemporaryDir bin;
    QVERIFY(QFile::copy(SOURCE_DIR "/package/info.xml", bin.path() + "/info.xml"));

    DemoDrivers drivers(bin.path());
    QCOMPARE(drivers.getNumberOfDrivers(), 10);
    QStringList names;
    for (int i = 0; i < drivers.getNumberOfDrivers(); ++i) {
        names << drivers.getName(i);
        QVERIFY(!drivers.getVersion(i).isEmpty());
    }
    QCOMPARE(names.removeDuplicates(), 0);
    QVERIFY(names.contains("Zorva PCI Device Driver"));
    QVERIFY(names.contains("Zorva SMBus Driver")); // the catalog's name, not the product's
    const QByteArray log = StandInMachine::readFile(
            machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs/Device_ID.log");
    QVERIFY(log.contains(" :: ReadXMLValues : Zorva SMBUS Drivern found\r\n"));
}

QTEST_GUILESS_MAIN(TestDemoDetection)
#include "tst_demodetection.moc"
