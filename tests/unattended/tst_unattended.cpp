// The unattended mode as a deployment tool meets it: the real program, started with no display,
// on a stand-in machine with the real stand-in package and MsiExec.
#include "demomachine.h"
#include "platform/registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
const QString c_strProductCode = QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");
const QString c_strPackageKey
        = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");

// The demo machine with the package's registry values at hand.
class Machine : public DemoMachine
{
public:
    using DemoMachine::DemoMachine;

    QString value(const QString &strName) const
    {
        return platform::readRegistryString(c_strPackageKey, strName);
    }
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
    void reportThatCannotBeWrittenFailsTheRun();
    void reportGoesOnlyWhereAsked();
    void systemDriveThatCannotBeUsedWritesNothing_data();
    void systemDriveThatCannotBeUsedWritesNothing();
    void floodingSetupProgramCannotFillMemory();
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

void TestUnattended::reportThatCannotBeWrittenFailsTheRun()
{
    Machine machine({{"seconds", 2}, {"rebootStatus", "YES"}});
    QTemporaryDir folder;
    const QString strReport = folder.path() + "/report.json";
    QProcess process;
    machine.start(process, {"/quiet", "/report", strReport});
    // The folder goes away while the setup program runs.
    QTRY_VERIFY_WITH_TIMEOUT(!machine.installLog().isEmpty(), 60000);
    QVERIFY(folder.remove());
    QVERIFY(process.waitForFinished(60000));
    // The install went well, but what was asked for is missing: no restart either.
    QCOMPARE(process.exitCode(), status(1603));
    QVERIFY(machine.restartLog().isEmpty());
    QVERIFY(process.readAllStandardError().contains("could not be written"));
    QVERIFY(!QFileInfo::exists(strReport));
    QVERIFY(StandInMachine::readFile(machine.logFolder() + "/Zorva_Chipset_Unattended.log")
                    .contains("exit code 1603: the report"));
    QVERIFY(machine.installLog().contains("MainEngineThread is returning 0"));
}

void TestUnattended::reportGoesOnlyWhereAsked()
{
    Machine machine;
    QTemporaryDir folder;
    const QString strTarget = folder.path() + "/target.json";
    StandInMachine::writeFile(strTarget, "kept");
    QVERIFY(QDir(folder.path()).mkpath("elsewhere"));
    const QString strFifo = folder.path() + "/fifo";
    const QString strDevice = folder.path() + "/full";
    QCOMPARE(::mkfifo(QFile::encodeName(strFifo).constData(), 0600), 0);
    // The system's "full" device, made here.
    const bool bDevice
            = ::mknod(QFile::encodeName(strDevice).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    QVERIFY(QFile::link(strTarget, folder.path() + "/link.json"));
    QVERIFY(QFile::link(folder.path() + "/missing.json", folder.path() + "/dangling.json"));
    QVERIFY(QFile::link(folder.path() + "/elsewhere", folder.path() + "/linked"));
    const struct
    {
        QString strPath;
        const char *pszMessage;
    } cases[] = {
            {strFifo, "not a regular file"},
            {strDevice, "not a regular file"},
            {folder.path() + "/link.json", "is a link"},
            {folder.path() + "/dangling.json", "is a link"},
            {folder.path() + "/linked/report.json", "folder of"},
            {folder.path() + "/" + QString(300, 'r') + ".json", "too long"},
    };
    for (const auto &reportCase : cases) {
        if (reportCase.strPath == strDevice && !bDevice)
            continue;
        const Outcome outcome = machine.run({"/list", "/report", reportCase.strPath});
        QCOMPARE(outcome.iExitCode, status(87));
        QVERIFY2(outcome.standardError.contains(reportCase.pszMessage),
                 outcome.standardError.constData());
    }
    // A name whose bytes the system's encoding does not hold is not written under another.
    QProcess shell;
    machine.start(shell,
                  {"-c", "exec \"$0\" /list /report \"$1/$(printf 'r\\351.json')\"", PROGRAM_PATH,
                   folder.path()},
                  "/bin/sh");
    QCOMPARE(DemoMachine::finish(shell).iExitCode, status(87));

    // Each path is as it was, and nothing was written anywhere.
    struct stat fifoStatus;
    QVERIFY(::lstat(QFile::encodeName(strFifo).constData(), &fifoStatus) == 0
            && S_ISFIFO(fifoStatus.st_mode));
    struct stat deviceStatus;
    QVERIFY(!bDevice
            || (::lstat(QFile::encodeName(strDevice).constData(), &deviceStatus) == 0
                && S_ISCHR(deviceStatus.st_mode)));
    QVERIFY(QFileInfo(folder.path() + "/link.json").isSymLink());
    QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("kept"));
    QVERIFY(QFileInfo(folder.path() + "/dangling.json").isSymLink());
    QVERIFY(!QFileInfo::exists(folder.path() + "/missing.json"));
    QCOMPARE(QDir(folder.path() + "/elsewhere").entryList(QDir::Files | QDir::Hidden),
             QStringList());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 5);

    // A regular file is replaced whole. What a killed write of it left goes; another file's
    // stays.
    const auto leftover = [&folder](const QByteArray &name) {
        return QStringLiteral("%1/.ChipsetInstaller-%2-abcdef.tmp")
                .arg(folder.path(),
                     QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(8));
    };
    StandInMachine::writeFile(leftover("target.json"), "half a report");
    StandInMachine::writeFile(leftover("other.json"), "half another report");
    const Outcome listed = machine.run({"/list", "/report", strTarget});
    QCOMPARE(listed.iExitCode, 0);
    QCOMPARE(machine.report(strTarget)["action"].toString(), "list");
    QVERIFY(!QFileInfo::exists(leftover("target.json")));
    QVERIFY(QFileInfo::exists(leftover("other.json")));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 6);
}

void TestUnattended::systemDriveThatCannotBeUsedWritesNothing_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<bool>("set");
    QTest::newRow("unset") << QString() << false;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("relative") << "drive" << true;
    QTest::newRow("a file") << "file" << true;
}

void TestUnattended::systemDriveThatCannotBeUsedWritesNothing()
{
    QFETCH(QString, drive);
    QFETCH(bool, set);
    Machine machine;
    QTemporaryDir work;
    StandInMachine::writeFile(work.path() + "/file", "a file");
    const bool bRootLogFolder = QFileInfo::exists("/Zorva");
    QProcessEnvironment environment = machine.headless();
    environment.remove("SystemDrive");
    if (set)
        environment.insert("SystemDrive", drive == "file" ? work.path() + "/file" : drive);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(work.path());
    process.start(PROGRAM_PATH, {"/quiet", "/report", machine.reportPath()});
    const Outcome outcome = DemoMachine::finish(process);
    QCOMPARE(outcome.iExitCode, status(87));
    QVERIFY2(outcome.standardError.contains("SystemDrive"), outcome.standardError.constData());
    QCOMPARE(machine.report()["exitCode"].toInt(), 87);
    QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList {"file"});
    QCOMPARE(QFileInfo::exists("/Zorva"), bRootLogFolder);
}

void TestUnattended::floodingSetupProgramCannotFillMemory()
{
    // Far more output than the program may hold: its data is bounded to 256 MB.
    Machine machine({{"outputMegabytes", 300}});
    QProcess process;
    machine.start(process, {"-c", "ulimit -d 262144 && exec \"$0\" /quiet", PROGRAM_PATH},
                  "/bin/sh");
    const Outcome outcome = DemoMachine::finish(process);
    QCOMPARE(outcome.iExitCode, 0);
    QVERIFY(machine.installLog().contains("MainEngineThread is returning 0"));
}

QTEST_GUILESS_MAIN(TestUnattended)
#include "tst_unattended.moc"
