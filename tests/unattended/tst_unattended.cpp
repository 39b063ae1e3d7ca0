// The unattended mode as a deployment tool meets it: the real program, started with no display,
// on a stand-in machine with the real stand-in package and MsiExec.
#include "platform/registry.h"
#include "standinmachine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
const QString c_strProductCode = QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");
const QString c_strPackageKey
        = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");

// A Linux process's exit status keeps only the low 8 bits of the code: 3010 arrives as 194.
// The codes the program uses stay distinct there, and its report holds the whole code.
int status(int iExitCode)
{
    return iExitCode & 0xff;
}

struct Outcome
{
    int iExitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

// A stand-in machine with the demo machine's devices, the package's behaviour as given, and
// the stand-in MsiExec in its system folder.
class Machine : public StandInMachine
{
public:
    explicit Machine(const QJsonObject &package = QJsonObject(), bool bDevices = true)
    {
        QFile file(SOURCE_DIR "/package/machine.json");
        file.open(QIODevice::ReadOnly);
        QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
        QJsonObject behaviour {{"result", 0}, {"rebootStatus", "NO"}, {"seconds", 0}};
        for (auto it = package.begin(); it != package.end(); ++it)
            behaviour.insert(it.key(), it.value());
        description.insert("package", behaviour);
        if (!bDevices)
            description.insert("devices", QJsonObject());
        writeDescription(description);
        writeHive("{}");
        QFile::copy(MSIEXEC_PATH, drive() + "/Windows/System32/MsiExec.exe");
    }

    // The program's environment: no display of any kind.
    QProcessEnvironment headless() const
    {
        QProcessEnvironment environment = this->environment();
        for (const char *pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(pszName));
        return environment;
    }

    void start(QProcess &process, const QStringList &lstArguments) const
    {
        process.setProcessEnvironment(headless());
        process.start(PROGRAM_PATH, lstArguments);
    }

    Outcome run(const QStringList &lstArguments) const
    {
        QProcess process;
        start(process, lstArguments);
        Outcome outcome;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.iExitCode = process.exitCode();
        outcome.standardOutput = process.readAllStandardOutput();
        outcome.standardError = process.readAllStandardError();
        return outcome;
    }

    QString logFolder() const { return drive() + "/Zorva/Chipset_Driver_Installer/Logs"; }
    QByteArray installLog() const { return readFile(logFolder() + "/Zorva_Chipset_IODrivers.log"); }
    QByteArray uninstallLog() const
    {
        return readFile(logFolder() + "/Zorva_Chipset_IODrivers_Un.log");
    }
    QByteArray restartLog() const { return readFile(drive() + "/Windows/restart.log"); }
    QString value(const QString &strName) const
    {
        return platform::readRegistryString(c_strPackageKey, strName);
    }
    QString reportPath() const { return drive() + "/report.json"; }
    QJsonObject report() const { return QJsonDocument::fromJson(readFile(reportPath())).object(); }
};

// The line of a log that starts with the text.
QString lineOf(const QByteArray &log, const QString &strStart)
{
    for (const QByteArray &line : log.split('\n')) {
        const QString strLine = QString::fromUtf8(line).trimmed();
        const int p = strLine.indexOf(strStart);
        if (p >= 0)
            return strLine.mid(p);
    }
    return QString();
}

QStringList features(const QJsonArray &drivers, bool bSelected)
{
    QStringList lstFeatures;
    for (const QJsonValue &driver : drivers) {
        if (driver["selected"].toBool() == bSelected)
            lstFeatures.append(driver["feature"].toString());
    }
    return lstFeatures;
}
} // namespace

class TestUnattended : public QObject
{
    Q_OBJECT

private slots:
    void commandLineErrorsStartNothing_data();
    void commandLineErrorsStartNothing();
    void helpAndListChangeNothing();
    void installsEveryOfferedDriver();
    void installsOnlyTheNamedDrivers();
    void restartFollowsThePackage_data();
    void restartFollowsThePackage();
    void failedRunsExitWith1603_data();
    void failedRunsExitWith1603();
    void secondCopyExitsWith1618();
    void machineWithoutDevicesExitsWith1633();
    void uninstallThroughMsiExec();
    void unwritableReportKeepsTheExitCode();
};

void TestUnattended::commandLineErrorsStartNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString strMissing = QDir::tempPath() + "/no-such-folder-for-a-report/report.json";
    QTest::newRow("unknown option") << QStringList {"/quiet", "/passive"} << "unknown option";
    QTest::newRow("drivers without list") << QStringList {"/quiet", "/drivers"} << "/drivers needs";
    QTest::newRow("report without file") << QStringList {"/report", "/quiet"} << "/report needs";
    QTest::newRow("report in a missing folder")
            << QStringList {"/quiet", "/report", strMissing} << "does not exist";
    QTest::newRow("smart installer")
            << QStringList {"smartInstaller", "/QUIET"} << "smartInstaller";
    QTest::newRow("unknown feature")
            << QStringList {"/quiet", "/drivers", "PCI,NOSUCH"} << "not a driver of this package";
    QTest::newRow("hub companion")
            << QStringList {"/quiet", "/drivers", "USBHUB"} << "not a driver of this package";
    QTest::newRow("blank") << QStringList {"/quiet", "/drivers", "PCI, SQP"} << "blank";
    QTest::newRow("empty") << QStringList {"/quiet", "/drivers", "PCI,,SQP"} << "empty name";
    QTest::newRow("duplicate") << QStringList {"/quiet", "/drivers", "PCI,pci"} << "twice";
    QTest::newRow("product code with options")
            << QStringList {"/U", c_strProductCode + " /qn REBOOT=Force", "/quiet"}
            << "not a product code";
    QTest::newRow("quoted product code")
            << QStringList {"/U", "\"" + c_strProductCode + "\"", "/quiet"} << "not a product code";
    QTest::newRow("product code not hexadecimal")
            << QStringList {"/U", "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E4G}", "/quiet"}
            << "not a product code";
    QTest::newRow("product code with a line end")
            << QStringList {"/U", c_strProductCode + "\n", "/quiet"} << "not a product code";
    QTest::newRow("no product code") << QStringList {"/U", "/quiet"} << "/U needs";
    QTest::newRow("/U after an option")
            << QStringList {"/quiet", "/U", c_strProductCode} << "first on the command line";
    QTest::newRow("quiet and list") << QStringList {"/quiet", "/list"} << "together";
    QTest::newRow("norestart alone") << QStringList {"/norestart"} << "need /quiet or /list";
}

void TestUnattended::commandLineErrorsStartNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    Machine machine;
    const QByteArray hive = StandInMachine::readFile(machine.hivePath());
    // The report, where the row leaves it a place, is the one thing written. It follows the
    // mode arguments.
    const bool bReport = !arguments.contains("/report");
    const int iAt = arguments.value(0) == "/U" ? 2 : 0;
    if (bReport)
        arguments = arguments.mid(0, iAt) + QStringList {"/report", machine.reportPath()}
                + arguments.mid(iAt);
    const Outcome outcome = machine.run(arguments);
    QCOMPARE(outcome.iExitCode, status(87));
    if (bReport) {
        QCOMPARE(machine.report()["exitCode"].toInt(), 87);
        QVERIFY(machine.report()["error"].toString().contains(message));
    }
    const QList<QByteArray> lines = outcome.standardError.trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(message.toUtf8()), lines.first().constData());
    QVERIFY(outcome.standardOutput.isEmpty());
    QVERIFY(!QFileInfo::exists(machine.logFolder()));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
}

void TestUnattended::helpAndListChangeNothing()
{
    Machine machine;
    const Outcome help = machine.run({"/?"});
    QCOMPARE(help.iExitCode, 0);
    QVERIFY(help.standardOutput.contains("/drivers"));
    QVERIFY(help.standardError.isEmpty());

    // Options in any case; without /report the listing goes to standard output.
    const Outcome list = machine.run({"/LIST", "/Drivers", "pci,SATA"});
    QCOMPARE(list.iExitCode, 0);
    QVERIFY2(list.standardError.contains("left out") && list.standardError.contains("SATA"),
             list.standardError.constData());
    const QJsonObject report = QJsonDocument::fromJson(list.standardOutput).object();
    QCOMPARE(report["action"].toString(), "list");
    QCOMPARE(report["mode"].toString(), "install");
    QCOMPARE(report["exitCode"].toInt(), 0);
    QCOMPARE(report.value("operatingSystem")["productVersion"].toString(), "10");
    QCOMPARE(features(report["drivers"].toArray(), true), QStringList {"PCI"});
    QCOMPARE(report["notOffered"].toArray(), QJsonArray {"SATA"});
    QVERIFY(report["drivers"].toArray().size() > 1);
    QVERIFY(!report.contains("run"));
    QVERIFY(machine.installLog().isEmpty());
    QVERIFY(machine.value("DeployedFeatures").isEmpty());
}

void TestUnattended::installsEveryOfferedDriver()
{
    Machine machine;
    const QJsonObject listing
            = QJsonDocument::fromJson(machine.run({"/list"}).standardOutput).object();
    const QStringList lstOffered = features(listing["drivers"].toArray(), true);
    QVERIFY(lstOffered.size() >= 2);

    const Outcome outcome = machine.run({"/quiet", "/report", machine.reportPath()});
    QCOMPARE(outcome.iExitCode, 0);
    QVERIFY(outcome.standardOutput.isEmpty());
    QVERIFY(outcome.standardError.isEmpty());

    // The setup program received one property per driver, and a first install has no ADDLOCAL.
    const QString strCommand = lineOf(machine.installLog(), "Command Line:");
    for (const QString &strFeature : lstOffered)
        QVERIFY2(strCommand.contains(" SET" + strFeature + "=YES"), qPrintable(strCommand));
    QVERIFY(!strCommand.contains("ADDLOCAL"));
    QVERIFY(machine.value("DeployedFeatures").contains(lstOffered.first()));
    QCOMPARE(machine.value("SupportedDrivers").split(','), lstOffered);

    const QJsonObject report = machine.report();
    QCOMPARE(report["exitCode"].toInt(), 0);
    QCOMPARE(report["action"].toString(), "quiet");
    QCOMPARE(features(report["drivers"].toArray(), true), lstOffered);
    const QJsonObject run = report["run"].toObject();
    QVERIFY(run["commandLine"].toString().contains("Zorva_Chipset_Drivers.exe"));
    QVERIFY(run["commandLine"].toString().contains("/clone_wait"));
    QCOMPARE(run["log"].toString(), machine.logFolder() + "/Zorva_Chipset_IODrivers.log");
    QCOMPARE(run["verdict"].toString(), "success");
    QCOMPARE(run["restartRequired"].toBool(), false);
    QVERIFY(machine.restartLog().isEmpty());
}

void TestUnattended::installsOnlyTheNamedDrivers()
{
    Machine machine;
    QCOMPARE(machine.run({"/quiet", "/drivers", "SQP"}).iExitCode, 0);
    // Installed now: a second run adds its features through ADDLOCAL.
    const Outcome outcome
            = machine.run({"/quiet", "/drivers", "PCI,SATA", "/report", machine.reportPath()});
    QCOMPARE(outcome.iExitCode, 0);
    QVERIFY(outcome.standardError.contains("SATA"));
    const QString strCommand = lineOf(machine.installLog(), "Command Line:");
    QVERIFY2(strCommand.contains(" SETPCI=YES") && !strCommand.contains("SETSQP")
                     && strCommand.contains("ADDLOCAL=PCI "),
             qPrintable(strCommand));
    const QStringList lstDeployed = machine.value("DeployedFeatures").split(',');
    QVERIFY(lstDeployed.contains("PCI") && lstDeployed.contains("SQP"));
    const QJsonObject report = machine.report();
    QCOMPARE(report["notOffered"].toArray(), QJsonArray {"SATA"});
    for (const QJsonValue &driver : report["drivers"].toArray()) {
        if (driver["feature"] != "PCI")
            QCOMPARE(driver["reason"].toString(), "not named by /drivers");
    }
}

void TestUnattended::restartFollowsThePackage_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("privilege");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("restart") << QStringList {} << true << 1641 << true;
    QTest::newRow("norestart") << QStringList {"/NoRestart"} << true << 3010 << false;
    QTest::newRow("no privilege") << QStringList {} << false << 3010 << false;
}

void TestUnattended::restartFollowsThePackage()
{
    QFETCH(QStringList, options);
    QFETCH(bool, privilege);
    QFETCH(int, exitCode);
    QFETCH(bool, restarted);
    Machine machine({{"rebootStatus", "YES"}});
    if (!privilege) {
        QJsonObject description
                = QJsonDocument::fromJson(StandInMachine::readFile(machine.descriptionPath()))
                          .object();
        description.insert("shutdownPrivilege", false);
        machine.writeDescription(description);
    }
    const Outcome outcome
            = machine.run(QStringList {"/quiet", "/report", machine.reportPath()} + options);
    QCOMPARE(outcome.iExitCode, status(exitCode));
    QCOMPARE(machine.restartLog().contains("EWX_REBOOT"), restarted);
    QCOMPARE(outcome.standardError.isEmpty(), privilege);
    const QJsonObject report = machine.report();
    QCOMPARE(report["exitCode"].toInt(), exitCode);
    QCOMPARE(report.value("run")["restartRequired"].toBool(), true);
    QCOMPARE(report.value("run")["restart"].toString() == "started", restarted);
}

void TestUnattended::failedRunsExitWith1603_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("package fails") << 1603 << "failure";
    QTest::newRow("user cancel") << 1602 << "failure";
    QTest::newRow("code the verdict does not know") << 3010 << "failure";
    QTest::newRow("setup program missing") << 0 << "not started";
}

void TestUnattended::failedRunsExitWith1603()
{
    QFETCH(int, result);
    QFETCH(QString, verdict);
    Machine machine({{"result", result}});
    QString strProgram = PROGRAM_PATH;
    QTemporaryDir bin;
    if (verdict == "not started") {
        // A copy of the program without the package's Packages folder beside it.
        strProgram = bin.path() + "/Bin/ChipsetInstaller";
        QVERIFY(QDir(bin.path()).mkpath("Bin"));
        QVERIFY(QFile::copy(PROGRAM_PATH, strProgram));
        QVERIFY(QFile::copy(PACKAGE_BIN_DIR "/info.xml", bin.path() + "/Bin/info.xml"));
    }
    QProcess process;
    process.setProcessEnvironment(machine.headless());
    process.start(strProgram, {"/quiet", "/report", machine.reportPath()});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), status(1603));
    QCOMPARE(process.readAllStandardError().trimmed().count('\n'), 0);
    QCOMPARE(machine.report().value("run")["verdict"].toString(), verdict);
    QVERIFY(StandInMachine::readFile(machine.logFolder() + "/Zorva_Chipset_Unattended.log")
                    .contains("exit code 1603: "));
    QCOMPARE(machine.report()["exitCode"].toInt(), 1603);
}

void TestUnattended::secondCopyExitsWith1618()
{
    Machine machine({{"seconds", 3}});
    QProcess first;
    machine.start(first, {"/quiet"});
    // The first copy holds the single-instance lock while its setup program runs.
    QTRY_VERIFY_WITH_TIMEOUT(!machine.installLog().isEmpty(), 60000);
    const Outcome second = machine.run({"/quiet", "/report", machine.reportPath()});
    QCOMPARE(second.iExitCode, status(1618));
    QVERIFY(second.standardError.contains("another copy"));
    QCOMPARE(machine.report()["exitCode"].toInt(), 1618);
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
}

void TestUnattended::machineWithoutDevicesExitsWith1633()
{
    Machine machine(QJsonObject(), false);
    const Outcome outcome = machine.run({"/quiet", "/report", machine.reportPath()});
    QCOMPARE(outcome.iExitCode, status(1633));
    QVERIFY(outcome.standardError.contains("no driver"));
    QVERIFY(machine.installLog().isEmpty());
    QCOMPARE(machine.report()["drivers"].toArray().size(), 0);
    QCOMPARE(machine.report()["exitCode"].toInt(), 1633);
    // A listing of nothing is still a listing.
    QCOMPARE(machine.run({"/list"}).iExitCode, 0);
}

void TestUnattended::uninstallThroughMsiExec()
{
    Machine machine;
    QCOMPARE(machine.run({"/U", c_strProductCode, "/quiet"}).iExitCode, status(1605));
    QVERIFY(machine.uninstallLog().isEmpty());
    QCOMPARE(machine.run({"/quiet", "/drivers", "PCI,SQP,I2C"}).iExitCode, 0);

    // Part of it: the named features through "/i ... REMOVE=".
    QCOMPARE(machine.run({"/U", c_strProductCode.toLower(), "/quiet", "/drivers", "SQP,I2C",
                          "/report", machine.reportPath()})
                     .iExitCode,
             0);
    QString strCommand = lineOf(machine.uninstallLog(), "Command Line:");
    QCOMPARE(strCommand,
             "Command Line: /i " + c_strProductCode.toLower() + " REMOVE=SQP /qn /l*v "
                     + machine.logFolder() + "/Zorva_Chipset_IODrivers_Un.log");
    QJsonObject report = machine.report();
    QCOMPARE(report["mode"].toString(), "uninstall");
    QCOMPARE(report["notOffered"].toArray(), QJsonArray {"I2C"});
    QCOMPARE(report.value("run")["verdict"].toString(), "success");
    QVERIFY(!machine.value("DeployedFeatures").split(',').contains("SQP"));

    // The rest: the whole product.
    QCOMPARE(machine.run({"/U", c_strProductCode, "/quiet"}).iExitCode, 0);
    strCommand = lineOf(machine.uninstallLog(), "Command Line:");
    QVERIFY2(strCommand.startsWith("Command Line: /x " + c_strProductCode + " REMOVE=ALL /qn"),
             qPrintable(strCommand));
    QVERIFY(machine.value("DeployedFeatures").isEmpty());
    QCOMPARE(machine.run({"/U", c_strProductCode, "/quiet"}).iExitCode, status(1605));
}

void TestUnattended::unwritableReportKeepsTheExitCode()
{
    Machine machine({{"seconds", 2}});
    QTemporaryDir folder;
    const QString strReport = folder.path() + "/report.json";
    QProcess process;
    machine.start(process, {"/quiet", "/report", strReport});
    // The folder goes away while the setup program runs.
    QTRY_VERIFY_WITH_TIMEOUT(!machine.installLog().isEmpty(), 60000);
    QVERIFY(folder.remove());
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardError().contains("could not be written"));
    QVERIFY(!QFileInfo::exists(strReport));
}

QTEST_GUILESS_MAIN(TestUnattended)
#include "tst_unattended.moc"
