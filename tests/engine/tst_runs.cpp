// Install and uninstall runs: their command lines, and whole runs through the stand-in
// package setup program and MsiExec.
#include "enginetestsupport.h"

#include "engine/commandline.h"

#include <QtTest>

class RunsTest : public QObject
{
    Q_OBJECT

private slots:
    void examplePackageCommands();
    void installCommand_data();
    void installCommand();
    void uninstallCommand_data();
    void uninstallCommand();
    void onlyAProductCodeStartsMsiExec_data();
    void onlyAProductCodeStartsMsiExec();
    void uninstallFromDriveWithBlanks();
    void childThatNeverStarts();
    void failedRunSaysWhy_data();
    void failedRunSaysWhy();
    void earlierRunsLogIsNoResult();
    void runWithNothingToDoIsNotStarted();
    void setupProgramReadsItsCommandLine_data();
    void setupProgramReadsItsCommandLine();
    void installFromFolderWithBlanks();
    void wholeInstallThenUninstall();
    void partialUninstallAndUnknownProduct();
    void failingPackage();
    void childKilledMidRun();
};

namespace {
const QString c_strExampleDir = QStringLiteral("C:\\Pkg\\Bin");
const QString c_strProductCode = QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");

bool waitForEnd(TestDrivers &drivers)
{
    return drivers.procInstaller.state() == QProcess::NotRunning
            || drivers.procInstaller.waitForFinished(30000);
}

// Starts the install run and waits for its end: its progress, or 0 when it did not start.
int runInstall(TestDrivers &drivers)
{
    return drivers.installClicked() == 1 && waitForEnd(drivers) ? drivers.updateProgress() : 0;
}

QByteArray readLog(const QString &strPath)
{
    return StandInMachine::readFile(strPath);
}

// The properties a verbose log says Windows Installer received, as NAME=VALUE.
QStringList receivedProperties(const QString &strLogPath)
{
    static const QRegularExpression change(
            QStringLiteral("PROPERTY CHANGE: Adding (\\S+) property\\. Its value is '(.*)'\\.\r?$"),
            QRegularExpression::MultilineOption);
    QStringList lstProperties;
    auto it = change.globalMatch(QString::fromUtf8(readLog(strLogPath)));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        lstProperties.append(match.captured(1) + '=' + match.captured(2));
    }
    return lstProperties;
}

QString installLogPath(const StandInMachine &machine)
{
    return machine.drive() + "/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers.log";
}

// How a Windows program splits its command line into arguments.
QStringList splitAsWindows(const QString &strLine)
{
    QStringList lstArguments;
    QString strArgument;
    bool bArgument = false;
    bool bQuoted = false;
    for (int i = 0; i < strLine.size(); ++i) {
        const QChar ch = strLine.at(i);
        if (ch == '\\') {
            int iCount = 0;
            while (i < strLine.size() && strLine.at(i) == '\\') {
                ++iCount;
                ++i;
            }
            const bool bQuoteFollows = i < strLine.size() && strLine.at(i) == '"';
            strArgument += QString(bQuoteFollows ? iCount / 2 : iCount, '\\');
            if (bQuoteFollows && iCount % 2)
                strArgument += '"';
            else
                --i;
            bArgument = true;
        } else if (ch == '"') {
            bQuoted = !bQuoted;
            bArgument = true;
        } else if ((ch == ' ' || ch == '\t') && !bQuoted) {
            if (bArgument)
                lstArguments.append(strArgument);
            strArgument.clear();
            bArgument = false;
        } else {
            strArgument += ch;
            bArgument = true;
        }
    }
    if (bArgument)
        lstArguments.append(strArgument);
    return lstArguments;
}
} // namespace

void RunsTest::examplePackageCommands()
{
    const QString strProperties = QStringLiteral("SETPCI=YES SETUSBCNTRL=YES SETUSBHUB=YES ");
    const commandline::Command notInstalled = commandline::packageCommand(
            c_strExampleDir, strProperties, QString(), QLatin1Char('\\'));
    QCOMPARE(notInstalled.commandLine(),
             QStringLiteral("\"C:\\Pkg\\Bin\\..\\Packages\\Zorva_Chipset_Drivers.exe\" /S "
                            "/v\"QTLAUNCH=1 QTPATH=\\\"C:\\Pkg\\Bin\\\" SETPCI=YES SETUSBCNTRL=YES "
                            "SETUSBHUB=YES /qr\" /clone_wait"));
    QCOMPARE(notInstalled.lstArguments,
             (QStringList {"/S",
                           "/vQTLAUNCH=1 QTPATH=\"C:\\Pkg\\Bin\" SETPCI=YES SETUSBCNTRL=YES "
                           "SETUSBHUB=YES /qr",
                           "/clone_wait"}));
    const commandline::Command installed = commandline::packageCommand(
            c_strExampleDir, strProperties, QStringLiteral("ADDLOCAL=PCI,USBCNTRL,USBHUB"),
            QLatin1Char('\\'));
    QCOMPARE(installed.commandLine(),
             QStringLiteral("\"C:\\Pkg\\Bin\\..\\Packages\\Zorva_Chipset_Drivers.exe\" /S "
                            "/v\"QTLAUNCH=1 QTPATH=\\\"C:\\Pkg\\Bin\\\" SETPCI=YES SETUSBCNTRL=YES "
                            "SETUSBHUB=YES ADDLOCAL=PCI,USBCNTRL,USBHUB /qr\" /clone_wait"));

    // Windows splits the command line into the arguments the stand-in receives: the whole "/v"
    // text is one argument, with the folder as a quoted property value, whatever the folder.
    for (const QString &strDir :
         {QStringLiteral("C:\\My Pkg\\Bin"), QStringLiteral("C:\\Program Files (x86)\\Zorva\\"),
          QStringLiteral("C:\\"), QStringLiteral("/tmp/a \"b\" \\\"c\\")}) {
        const commandline::Command command
                = commandline::packageCommand(strDir, "SETPCI=YES ", QString(), '\\');
        QCOMPARE(splitAsWindows(command.strNativeArguments), command.lstArguments);
        QCOMPARE(command.lstArguments.at(1),
                 "/vQTLAUNCH=1 QTPATH=\"" + QString(strDir).replace("\"", "\"\"")
                         + "\" SETPCI=YES /qr");
    }

    QCOMPARE(QProcess::splitCommand(
                     QStringLiteral("C:\\Windows\\System32\\MsiExec.exe /i {product-code} "
                                    "REMOVE=PCI,I2C /qn /l*v "
                                    "C:/Zorva/Chipset_Driver_Installer/Logs/"
                                    "Zorva_Chipset_IODrivers_Un.log")),
             (QStringList {
                     "C:\\Windows\\System32\\MsiExec.exe", "/i", "{product-code}", "REMOVE=PCI,I2C",
                     "/qn", "/l*v",
                     "C:/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers_Un.log"}));
}

void RunsTest::installCommand_data()
{
    QTest::addColumn<QString>("detected");
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("tail");

    QTest::newRow("not installed") << " /SETPCI /SETUSBCNTRL" << QStringList() << false
                                   << "SETPCI=YES SETUSBCNTRL=YES SETUSBHUB=YES /qr\" /clone_wait";
    QTest::newRow("installed")
            << " /SETPCI /SETUSBCNTRL" << QStringList() << true
            << "SETPCI=YES SETUSBCNTRL=YES SETUSBHUB=YES ADDLOCAL=PCI,USBCNTRL,USBHUB /qr\" "
               "/clone_wait";
    QTest::newRow("hub companions")
            << " /SETUSBCNTRL_CW /SETUSBCNTRL_MW" << QStringList() << true
            << "SETUSBCNTRL_CW=YES SETUSBHUB_CW=YES SETUSBCNTRL_MW=YES SETUSBHUB_MW=YES "
               "ADDLOCAL=USBCNTRL_CW,USBHUB_CW,USBCNTRL_MW,USBHUB_MW /qr\" /clone_wait";
    QTest::newRow("unchecked and rowless")
            << " /SETPCI /SETNOROW /SETSQP" << QStringList {"/SETPCI"} << true
            << "SETSQP=YES ADDLOCAL=SQP /qr\" /clone_wait";
    QTest::newRow("nothing checked, installed")
            << " /SETPCI" << QStringList {"/SETPCI"} << true << "/qr\" /clone_wait";
}

void RunsTest::installCommand()
{
    QFETCH(QString, detected);
    QFETCH(QStringList, unchecked);
    QFETCH(bool, installed);
    QFETCH(QString, tail);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    if (installed)
        platform::writeRegistryString(c_strWowKey, "InstallationPath", "C:\\Zorva");
    PackageLayout layout;
    ScriptReply reply(detected);
    TestDrivers drivers({}, layout.bin());
    for (const QString &strSwitch : unchecked)
        drivers.setCheckboxStatus(drivers.position(strSwitch), false);
    QCOMPARE(drivers.installClicked(), 0); // no setup program in this layout
    QCOMPARE(drivers.isRunning(), 0);
    const QString strDir = QDir::toNativeSeparators(layout.bin());
    const QString strHead = QLatin1Char('"') + strDir
            + QDir::toNativeSeparators("/../Packages/Zorva_Chipset_Drivers.exe")
            + "\" /S /v\"QTLAUNCH=1 QTPATH=\\\"" + strDir + "\\\" ";
    QVERIFY2(drivers.strPackageCommand.startsWith(strHead), qPrintable(drivers.strPackageCommand));
    QCOMPARE(drivers.strPackageCommand.mid(strHead.size()), tail);
}

void RunsTest::uninstallCommand_data()
{
    QTest::addColumn<QString>("deployed");
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QString>("arguments");

    QTest::newRow("all") << "Drivers,PCI,I2C,SQP" << QStringList()
                         << " /x {product-code} REMOVE=ALL";
    QTest::newRow("one unchecked")
            << "Drivers,PCI,SQP,USBCNTRL,USBHUB,SMF" << QStringList {"/SETSQP"}
            << " /i {product-code} REMOVE=PCI,SMF";
    QTest::newRow("rowless stays whole")
            << "Drivers,USBHUB,USBHUB_CW,PCI" << QStringList {"/SETUSBHUB_CW"}
            << " /x {product-code} REMOVE=ALL";
    QTest::newRow("none checked") << "Drivers,PCI" << QStringList {"/SETPCI"}
                                  << " /i {product-code} REMOVE=";
}

void RunsTest::uninstallCommand()
{
    QFETCH(QString, deployed);
    QFETCH(QStringList, unchecked);
    QFETCH(QString, arguments);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    platform::writeRegistryString(c_strWowKey, "DeployedFeatures", deployed);
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), c_strProductCode}, layout.bin());
    drivers.getNumberOfDrivers();
    for (const QString &strSwitch : unchecked)
        drivers.setCheckboxStatus(drivers.position(strSwitch), false);
    QCOMPARE(drivers.uninstallAllDrivers(), unchecked.isEmpty() || arguments.contains("/x"));
    // A second press builds the same command again.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(drivers.uninstallClicked(), 0); // no MsiExec on this machine
        QCOMPARE(drivers.strMsiExecCommand,
                 commandline::msiExecPath(machine.drive())
                         + QString(arguments).replace("{product-code}", c_strProductCode)
                         + " /qn /l*v " + machine.drive()
                         + "/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers_Un.log");
    }
}

void RunsTest::onlyAProductCodeStartsMsiExec_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("options after the code") << c_strProductCode + " /qn REBOOT=Force";
    QTest::newRow("no braces") << QString(c_strProductCode).mid(1, 36);
    QTest::newRow("not hexadecimal") << QString(c_strProductCode).replace('E', 'G');
    QTest::newRow("line break after") << c_strProductCode + "\n";
    QTest::newRow("missing") << QString();
}

void RunsTest::onlyAProductCodeStartsMsiExec()
{
    QFETCH(QString, code);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    QVERIFY(installMsiExec(machine));
    platform::writeRegistryString(c_strWowKey, "DeployedFeatures", "Drivers,PCI");
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), code}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
    QCOMPARE(drivers.uninstallClicked(), 0);
    QCOMPARE(drivers.isRunning(), 0);
    QVERIFY(!QFileInfo::exists(drivers.strUninstallLogPath));
    // Lower-case digits are a product code too.
    TestDrivers lower({QStringLiteral("/U"), c_strProductCode.toLower()}, layout.bin());
    lower.getNumberOfDrivers();
    QCOMPARE(lower.uninstallClicked(), 1);
    QVERIFY(waitForEnd(lower));
}

void RunsTest::uninstallFromDriveWithBlanks()
{
    StandInMachine machine;
    // The log folder lies below the drive, so its path holds a blank too.
    const QString strDrive = machine.drive() + "/System Drive";
    QVERIFY(QDir().mkpath(strDrive + "/Windows/System32/config"));
    qputenv("SystemDrive", QFile::encodeName(strDrive));
    QVERIFY(QFile::copy(MSIEXEC_PATH, strDrive + "/Windows/System32/MsiExec.exe"));
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    {
        ScriptReply reply(QStringLiteral(" /SETPCI"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(runInstall(drivers), 100);
    }
    TestDrivers drivers({QStringLiteral("/U"), c_strProductCode}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
    QCOMPARE(drivers.uninstallClicked(), 1);
    QVERIFY2(drivers.strMsiExecCommand.endsWith(
                     " /l*v \"" + strDrive
                     + "/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers_Un.log\""),
             qPrintable(drivers.strMsiExecCommand));
    QVERIFY(waitForEnd(drivers));
    QCOMPARE(drivers.updateProgress(), 100);
    QCOMPARE(platform::readRegistryString(c_strWowKey, "InstallationPath"), QString());
}

void RunsTest::childThatNeverStarts()
{
    StandInMachine machine;
    PackageLayout layout;
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({}, layout.bin());
    QCOMPARE(drivers.isRunning(), 0);
    QCOMPARE(drivers.installClicked(), 0);
    QCOMPARE(drivers.isRunning(), 0);
    // No log was written: nothing readable to judge.
    QCOMPARE(drivers.updateProgress(), -2);
}

void RunsTest::failedRunSaysWhy_data()
{
    QTest::addColumn<bool>("install");
    // What lies where the run's program is looked for: nothing, a file that cannot be run, or
    // a program that ends without a log.
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sentence");
    const QByteArray noLog = "#!/bin/sh\nexit 0\n";
    QTest::addRow("setup program missing") << true << QByteArray() << false << "programMissing"
                                           << "The setup program was not found.";
    QTest::addRow("setup program cannot be run")
            << true << QByteArray("MZ") << false << "notStarted"
            << "The setup program could not be started.";
    QTest::addRow("setup program leaves no log")
            << true << noLog << true << "noLog"
            << "The setup program ended without writing its log.";
    QTest::addRow("MsiExec missing") << false << QByteArray() << false << "programMissing"
                                     << "MsiExec was not found.";
    QTest::addRow("MsiExec leaves no log") << false << noLog << true << "noLog"
                                           << "MsiExec ended without writing its log.";
}

// An earlier run's successful log is there: the failed run must neither pass for it nor offer it.
void RunsTest::failedRunSaysWhy()
{
    QFETCH(bool, install);
    QFETCH(QByteArray, program);
    QFETCH(bool, executable);
    QFETCH(QString, kind);
    QFETCH(QString, sentence);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    StandInMachine::writeFile(layout.bin() + "/info.xml",
                              StandInMachine::readFile(PACKAGE_BIN_DIR "/info.xml"));
    const QString strProgram
            = install ? layout.setupProgram() : machine.drive() + "/Windows/System32/MsiExec.exe";
    if (!program.isEmpty()) {
        StandInMachine::writeFile(strProgram, program);
        QFile(strProgram)
                .setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    }
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers(install ? QStringList() : QStringList {"/U", c_strProductCode},
                        layout.bin());
    if (!install)
        QVERIFY(drivers.getNumberOfDrivers() >= 0);
    const QString strLog = install ? drivers.strInstallLogPath : drivers.strUninstallLogPath;
    StandInMachine::writeFile(strLog,
                              "MSI (c) [10:00:01:000]: MainEngineThread is returning 0\r\n");
    QVERIFY(drivers.runLogWritten());

    const int iStarted = install ? drivers.installClicked() : drivers.uninstallClicked();
    QCOMPARE(iStarted, executable ? 1 : 0);
    QVERIFY(waitForEnd(drivers));
    QCOMPARE(drivers.updateProgress(), -2);
    QCOMPARE(drivers.getRunFailure().value("kind").toString(), kind);
    QCOMPARE(drivers.runFailure().sentence(), sentence);
    // The report's line names the program or the log it looked for.
    QVERIFY2(drivers.runFailure().text().startsWith(sentence + ' '),
             qPrintable(drivers.runFailure().text()));
    QVERIFY(!drivers.runLogWritten());
}

void RunsTest::earlierRunsLogIsNoResult()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    const QByteArray success
            = "MSI (c) (1C:2C) [10:00:01:000]: MainEngineThread is returning 0\r\n";
    {
        ScriptReply reply(QStringLiteral(" /SETPCI"));
        TestDrivers drivers({}, layout.bin());
        StandInMachine::writeFile(drivers.strInstallLogPath, success);
        QCOMPARE(drivers.installClicked(), 0); // no setup program
        QCOMPARE(drivers.updateProgress(), -2);

        // The same engine object with the package in place: the run writes its own log.
        QVERIFY(layout.addPackage());
        QCOMPARE(runInstall(drivers), 100);
    }
    TestDrivers drivers({"/U", "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}"}, layout.bin());
    drivers.getNumberOfDrivers();
    StandInMachine::writeFile(drivers.strUninstallLogPath, success);
    QCOMPARE(drivers.uninstallClicked(), 0); // no MsiExec on this machine
    QCOMPARE(drivers.updateProgress(), -2);
}

void RunsTest::runWithNothingToDoIsNotStarted()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    QVERIFY(installMsiExec(machine));
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    {
        ScriptReply reply(QStringLiteral(" /SETPCI /SETNOROW"));
        TestDrivers drivers({}, layout.bin());
        drivers.setCheckboxStatus(drivers.position("/SETPCI"), false);
        QCOMPARE(drivers.installClicked(), 0);
        QCOMPARE(drivers.isRunning(), 0);
        QVERIFY(!QFileInfo::exists(drivers.strInstallLogPath));
        QCOMPARE(drivers.updateProgress(), -2);

        drivers.setCheckboxStatus(drivers.position("/SETPCI"), true);
        QCOMPARE(runInstall(drivers), 100);
    }
    TestDrivers drivers({"/U", "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}"}, layout.bin());
    QCOMPARE(drivers.getNumberOfDrivers(), 1);
    drivers.setCheckboxStatus(0, false);
    QCOMPARE(drivers.uninstallClicked(), 0);
    QCOMPARE(drivers.isRunning(), 0);
    QVERIFY(!QFileInfo::exists(drivers.strUninstallLogPath));
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI"));
}

void RunsTest::setupProgramReadsItsCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("properties");

    QTest::newRow("folder with blanks")
            << QStringList {"/S", "/vQTLAUNCH=1 QTPATH=\"/x y/Bin\" SETPCI=YES /qr", "/clone_wait"}
            << 0 << QStringList {"QTLAUNCH=1", "QTPATH=/x y/Bin", "SETPCI=YES"};
    QTest::newRow("doubled quote and empty value")
            << QStringList {"/s", "/v  A=\"say \"\"hi\"\" now\" B=\"\" C= /qn"} << 0
            << QStringList {"A=say \"hi\" now", "B=", "C="};
    QTest::newRow("text split at a blank")
            << QStringList {"/S", "/vQTLAUNCH=1 QTPATH=/x", "y/Bin SETPCI=YES /qr", "/clone_wait"}
            << 1639 << QStringList();
    QTest::newRow("unclosed quote")
            << QStringList {"/S", "/vQTPATH=\"/x y SETPCI=YES /qr"} << 1639 << QStringList();
    QTest::newRow("text after a closing quote")
            << QStringList {"/S", "/vQTPATH=\"/x\"y /qr"} << 1639 << QStringList();
    QTest::newRow("word that is no property")
            << QStringList {"/S", "/vQTLAUNCH=1 Bin SETPCI=YES /qr"} << 1639 << QStringList();
    QTest::newRow("option with a parameter")
            << QStringList {"/S", "/vSETPCI=YES /l*v log.txt"} << 1639 << QStringList();
    QTest::newRow("two texts") << QStringList {"/S", "/vSETPCI=YES", "/vSETSQP=YES"} << 1639
                               << QStringList();
}

void RunsTest::setupProgramReadsItsCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, result);
    StandInMachine machine;
    QProcess setup;
    setup.setProcessEnvironment(machine.environment());
    setup.start(QStringLiteral(SETUP_PROGRAM_PATH), arguments);
    QVERIFY(setup.waitForFinished(30000));
    QCOMPARE(setup.exitCode() != 0, result != 0); // the system keeps only 8 bits of it here
    QVERIFY(readLog(installLogPath(machine))
                    .contains("MainEngineThread is returning " + QByteArray::number(result)));
    QTEST(receivedProperties(installLogPath(machine)), "properties");
}

void RunsTest::installFromFolderWithBlanks()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout(QStringLiteral("Zorva Pkg (x86) XXXXXX"));
    QVERIFY(layout.addPackage());
    QVERIFY(layout.bin().contains(' '));
    QString strPciVersion;
    {
        ScriptReply reply(QStringLiteral(" /SETPCI /SETUSBCNTRL /SETGPIO2"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(drivers.getNumberOfDrivers(), 3);
        drivers.setCheckboxStatus(drivers.position("/SETGPIO2"), false);
        QCOMPARE(runInstall(drivers), 100);
        QCOMPARE(receivedProperties(drivers.strInstallLogPath),
                 (QStringList {"QTLAUNCH=1", "QTPATH=" + QDir::toNativeSeparators(layout.bin()),
                               "SETPCI=YES", "SETUSBCNTRL=YES", "SETUSBHUB=YES"}));
        strPciVersion = drivers.getVersion(drivers.position("/SETPCI"));
    }
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI,USBCNTRL,USBHUB"));
    // The versions come from the description in the folder that QTPATH names.
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Driver",
                                          "ProductVersion"),
             strPciVersion);
    QCOMPARE(strPciVersion, QStringLiteral("5.2.29.252"));
    {
        // With the package installed the features to add follow the properties.
        ScriptReply reply(QStringLiteral(" /SETGPIO2"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(runInstall(drivers), 100);
        QVERIFY(receivedProperties(drivers.strInstallLogPath).contains("ADDLOCAL=GPIO2"));
    }
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI,USBCNTRL,USBHUB,GPIO2"));
}

void RunsTest::wholeInstallThenUninstall()
{
    StandInMachine machine;
    machine.writeDescription(
            describeMachine(QStringLiteral("10"), QStringLiteral("x86_64"),
                            QJsonObject {{"result", 0}, {"rebootStatus", "YES"}, {"seconds", 0}}));
    QVERIFY(installMsiExec(machine));
    PackageLayout layout;
    QVERIFY(layout.addPackage());

    {
        ScriptReply reply(QStringLiteral(" /SETPCI /SETSQP /SETUSBCNTRL /SETGPIO2"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(drivers.getNumberOfDrivers(), 4);
        drivers.setCheckboxStatus(drivers.position("/SETGPIO2"), false);
        QCOMPARE(drivers.installClicked(), 1);
        QVERIFY(waitForEnd(drivers));
        QCOMPARE(drivers.isRunning(), 0);
        QCOMPARE(drivers.updateProgress(), 100);
        QVERIFY(drivers.isRestartRequired());
    }
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI,SQP,USBCNTRL,USBHUB"));
    QVERIFY(!platform::readRegistryString(c_strWowKey, "InstallationPath").isEmpty());
    QCOMPARE(platform::readRegistryString(c_strWowKey, "SupportedDrivers"),
             QStringLiteral("PCI,SQP,USBCNTRL,GPIO2"));
    const QString strProducts = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\");
    QCOMPARE(platform::registrySubkeys(strProducts).size(), 4); // the package key and 3 products
    QVERIFY(readLog(machine.drive()
                    + "/Zorva/Chipset_Driver_Installer/Logs/"
                      "Zorva_Chipset_IODrivers.log")
                    .contains("MainEngineThread is returning 0"));

    {
        // A second run adds a feature to the installed package.
        ScriptReply reply(QStringLiteral(" /SETGPIO2"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(drivers.installClicked(), 1);
        QVERIFY(drivers.strPackageCommand.contains("SETGPIO2=YES ADDLOCAL=GPIO2 /qr"));
        QVERIFY(waitForEnd(drivers));
        QCOMPARE(drivers.updateProgress(), 100);
    }
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI,SQP,USBCNTRL,USBHUB,GPIO2"));

    {
        TestDrivers drivers({"/U", "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}"}, layout.bin());
        drivers.getRegistryInfo(platform::RegistryKey::open(strProducts));
        QCOMPARE(drivers.getNumberOfDrivers(), 2);
        QCOMPARE(drivers.getName(0), QStringLiteral("Zorva PCI Device Driver"));
        QCOMPARE(drivers.getOldVersionNumber(0), drivers.getVersion(0));
        QVERIFY(!drivers.getOldVersionNumber(1).isEmpty());
        QCOMPARE(drivers.uninstallClicked(), 1);
        QVERIFY(drivers.strMsiExecCommand.contains(" /x {7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47} "
                                                   "REMOVE=ALL /qn /l*v "));
        QVERIFY(waitForEnd(drivers));
        QCOMPARE(drivers.updateProgress(), 100);
    }
    QCOMPARE(platform::readRegistryString(c_strWowKey, "InstallationPath"), QString());
    QCOMPARE(platform::readRegistryString(c_strWowKey, "DeployedFeatures"), QString());
    QCOMPARE(platform::registrySubkeys(strProducts), QStringList {"Zorva_Chipset_IODrivers"});
    QVERIFY(readLog(machine.drive()
                    + "/Zorva/Chipset_Driver_Installer/Logs/"
                      "Zorva_Chipset_IODrivers_Un.log")
                    .contains("MainEngineThread is returning 0"));
    QVERIFY(!QFileInfo::exists(machine.drive() + "/Program Files/Zorva/Chipset_IODrivers"));
}

void RunsTest::partialUninstallAndUnknownProduct()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("7sp1"), QStringLiteral("i386")));
    QVERIFY(installMsiExec(machine));
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    {
        ScriptReply reply(QStringLiteral(" /SETPCI /SETSQP /SETUSBCNTRL_CW"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(runInstall(drivers), 100);
        QVERIFY(!drivers.isRestartRequired());
    }
    QCOMPARE(platform::readRegistryString(c_strKey, "DeployedFeatures"),
             QStringLiteral("Drivers,PCI,SQP,USBCNTRL_CW,USBHUB_CW"));
    {
        TestDrivers drivers({"/U", "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}"}, layout.bin());
        QCOMPARE(drivers.getNumberOfDrivers(), 2);
        drivers.setCheckboxStatus(drivers.position("/SETSQP"), false);
        QCOMPARE(drivers.uninstallClicked(), 1);
        QVERIFY(drivers.strMsiExecCommand.contains(" /i {7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47} "
                                                   "REMOVE=PCI /qn"));
        QVERIFY(waitForEnd(drivers));
        QCOMPARE(drivers.updateProgress(), 100);
    }
    QCOMPARE(platform::readRegistryString(c_strKey, "DeployedFeatures"),
             QStringLiteral("Drivers,SQP,USBCNTRL_CW,USBHUB_CW"));
    QCOMPARE(platform::readRegistryString("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Driver",
                                          "ProductVersion"),
             QString());
    {
        TestDrivers drivers({"/U", "{00000000-0000-0000-0000-000000000000}"}, layout.bin());
        drivers.getNumberOfDrivers();
        QCOMPARE(drivers.uninstallClicked(), 1);
        QVERIFY(waitForEnd(drivers));
        QCOMPARE(drivers.updateProgress(), -1);
        QVERIFY(readLog(drivers.strUninstallLogPath)
                        .contains("MainEngineThread is returning 1605"));
    }
    QCOMPARE(platform::readRegistryString(c_strKey, "DeployedFeatures"),
             QStringLiteral("Drivers,SQP,USBCNTRL_CW,USBHUB_CW"));
}

void RunsTest::failingPackage()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10"), QStringLiteral("x86_64"),
                                             QJsonObject {{"result", 1603}, {"seconds", 0}}));
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({QStringLiteral("smartInstaller")}, layout.bin());
    QCOMPARE(drivers.installClicked(), 1);
    QVERIFY(waitForEnd(drivers));
    QCOMPARE(drivers.updateProgress(), -1);
    QCOMPARE(platform::readRegistryString(c_strWowKey, "ErrorCode"), QStringLiteral("1603"));
    QCOMPARE(platform::readRegistryString(c_strWowKey, "InstallationPath"), QString());
}

void RunsTest::childKilledMidRun()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10"), QStringLiteral("x86_64"),
                                             QJsonObject {{"result", 0}, {"seconds", 20}}));
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({}, layout.bin());
    // A log of an earlier successful run is replaced by the new run.
    StandInMachine::writeFile(drivers.strInstallLogPath, "MainEngineThread is returning 0\n");
    QCOMPARE(drivers.installClicked(), 1);
    QCOMPARE(drivers.isRunning(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(readLog(drivers.strInstallLogPath).contains("first install"), 10000);
    drivers.procInstaller.kill();
    QVERIFY(drivers.procInstaller.waitForFinished(10000));
    QCOMPARE(drivers.isRunning(), 0);
    QCOMPARE(drivers.updateProgress(), -1);
    QCOMPARE(platform::readRegistryString(c_strWowKey, "InstallationPath"), QString());
}

QTEST_GUILESS_MAIN(RunsTest)
#include "tst_runs.moc"
