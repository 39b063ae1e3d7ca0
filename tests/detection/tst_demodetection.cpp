#include "standinmachine.h"
#include "testdrivers.h"

#include <QJsonDocument>
#include <QtTest>

class TestDemoDetection : public QObject
{
    Q_OBJECT

private slots:
    void demoMachineOffersTheDetectedDrivers();
    void secondStartFindsTheInstallation();
};

void TestDemoDetection::demoMachineOffersTheDetectedDrivers()
{
    StandInMachine machine;
    QVERIFY(QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath()));
    QTemporaryDir bin;
    QVERIFY(QFile::copy(SOURCE_DIR "/package/info.xml", bin.path() + "/info.xml"));

    TestDrivers drivers({}, bin.path());
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

void TestDemoDetection::secondStartFindsTheInstallation()
{
    // The demo machine, its package quick.
    StandInMachine machine;
    QJsonObject description
            = QJsonDocument::fromJson(StandInMachine::readFile(SOURCE_DIR "/package/machine.json"))
                      .object();
    description.insert("package", QJsonObject {{"result", 0}, {"seconds", 0}});
    machine.writeDescription(description);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("Bin") && QDir(root.path()).mkpath("Packages"));
    const QString bin = root.path() + "/Bin";
    QVERIFY(QFile::copy(SOURCE_DIR "/package/info.xml", bin + "/info.xml"));
    QVERIFY(QFile::copy(SETUP_PROGRAM_PATH, root.path() + "/Packages/Zorva_Chipset_Drivers.exe"));
    const QString log = machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs/Device_ID.log";
    const QByteArray installed = "The registry key exists indicating product already installed.";
    {
        TestDrivers drivers({}, bin);
        QCOMPARE(drivers.getNumberOfDrivers(), 10);
        QCOMPARE(drivers.installClicked(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(drivers.isRunning(), 0, 20000);
        QCOMPARE(drivers.updateProgress(), 100);
        QVERIFY(drivers.isDriverAlreadyInstalled());
    }
    QVERIFY(!StandInMachine::readFile(log).contains(installed));
    TestDrivers drivers({}, bin);
    QVERIFY2(StandInMachine::readFile(log).contains(installed),
             StandInMachine::readFile(log).right(2000).constData());
}

QTEST_GUILESS_MAIN(TestDemoDetection)
#include "tst_demodetection.moc"
