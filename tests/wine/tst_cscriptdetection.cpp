// The program's detection script on a real script host: wine's 32-bit cscript under WoW64 (the
// engine of the 32-bit program, which sees the registry through the redirector), with wine's WMI,
// WScript.Shell, Scripting.FileSystemObject and Microsoft.XMLDOM. The devices are described in
// the registry of the prefix, where wine's Win32_PnPEntity finds them; the script's text is the
// program's own, followed by detection/registryadapters.vbs and the host of detection/winehost.vbs
// (which says where wine differs from Windows and how the host bridges it).
#include "regentries.h"
#include "winesession.h"

#include <QtTest>

namespace {

const QString c_strPackageDescription = QStringLiteral("C:/Zorva/Bin/info.xml");
const QString c_strLogFolder = QStringLiteral("Zorva/Chipset_Driver_Installer/Logs");

// The messages of Device_ID.log, without the date and time in front of each.
QStringList logMessages(const QString &strPath, QString *pstrBadLine)
{
    QFile log(strPath);
    QStringList messages;
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return messages;
    for (const QString &strLine : QString::fromLatin1(log.readAll()).split(QLatin1Char('\n'))) {
        if (strLine.isEmpty())
            continue;
        const int iSeparator = strLine.indexOf(QStringLiteral(" :: "));
        if (iSeparator <= 0 && pstrBadLine->isEmpty())
            *pstrBadLine = strLine;
        messages.append(strLine.mid(iSeparator + 4));
    }
    return messages;
}

} // namespace

class TestCscriptDetection : public QObject
{
    Q_OBJECT

public:
    // The script runs on the 32-bit script host, as in the 32-bit program.
    QString unavailableReason() { return WineSession::wow64UnavailableReason(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void detectsTheDescribedDevices_data();
    void detectsTheDescribedDevices();
    void missingLogFolderEndsTheScript();

private:
    void importRegistry(const QString &strEntries);
    WineSession::Run runScript();
    QString logPath() const
    {
        return WineSession::driveC() + "/" + c_strLogFolder + "/Device_ID.log";
    }

    WineSession m_session;
    QTemporaryDir m_folder;
};

void TestCscriptDetection::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(QDir(WineSession::driveC()).mkpath(QStringLiteral("Zorva/Bin")));
    QFile::remove(WineSession::driveC() + "/Zorva/Bin/info.xml");
    QVERIFY(QFile::copy(QStringLiteral(SOURCE_DIR "/package/info.xml"),
                        WineSession::driveC() + "/Zorva/Bin/info.xml"));

    QFile script(QStringLiteral(SOURCE_DIR "/resources/QT_BRISK-IO_Drivers.vbs"));
    QFile adapters(QStringLiteral(SOURCE_DIR "/tests/wine/detection/registryadapters.vbs"));
    QFile host(QStringLiteral(SOURCE_DIR "/tests/wine/detection/winehost.vbs"));
    QFile combined(m_folder.filePath(QStringLiteral("detect.vbs")));
    QVERIFY(script.open(QIODevice::ReadOnly) && adapters.open(QIODevice::ReadOnly)
            && host.open(QIODevice::ReadOnly));
    QVERIFY(combined.open(QIODevice::WriteOnly));
    combined.write(script.readAll() + "\r\n" + adapters.readAll() + "\r\n" + host.readAll());
    combined.close();

    importRegistry(deviceKey(c_strGpio2Device) + deviceKey(c_strPciDevice)
                   + deviceKey(c_strSqpDevice));
}

void TestCscriptDetection::cleanupTestCase()
{
    const QString strEnum = QStringLiteral("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\");
    importRegistry(regKey("-" + strEnum + "ACPI\\ZRVA0010")
                   + regKey("-" + strEnum + "PCI\\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00")
                   + regKey("-" + strEnum + "PCI\\VEN_ZV01&DEV_5201&SUBSYS_00000000&REV_00")
                   + regKey(QStringLiteral("-HKEY_LOCAL_MACHINE\\SOFTWARE\\Zorva"))
                   + regKey(QStringLiteral("-HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva"))
                   + regKey(QStringLiteral("HKEY_CURRENT_USER\\Software\\Wine"))
                   + QStringLiteral("\"Version\"=-\r\n"));
}

void TestCscriptDetection::importRegistry(const QString &strEntries)
{
    QVERIFY2(m_session.importRegistry(strEntries), "regedit did not take the entries");
}

WineSession::Run TestCscriptDetection::runScript()
{
    return m_session.run(QStringLiteral("C:\\windows\\syswow64\\cscript.exe"),
                         {QStringLiteral("//nologo"),
                          WineSession::windowsPath(m_folder.filePath(QStringLiteral("detect.vbs"))),
                          c_strPackageDescription});
}

void TestCscriptDetection::detectsTheDescribedDevices_data()
{
    QTest::addColumn<QString>("strWindows"); // wine's name of the Windows version
    QTest::addColumn<QString>("strVersion"); // the start of the version WMI reports
    QTest::addColumn<QString>("strDeployed"); // "DeployedFeatures"; none: not installed
    QTest::addColumn<QString>("strPciNote");
    QTest::addColumn<bool>("bBuildLine"); // the line about SETPSHED

    QTest::newRow("Windows 7") << "win7"
                               << "6.1." << QString() << " since WIN7 OS." << false;
    QTest::newRow("Windows 10") << "win10"
                                << "10.0." << QString() << " since WIN10 OS." << true;
    QTest::newRow("Windows 10, package installed") << "win10"
                                                   << "10.0."
                                                   << "Drivers,PCI,GPIO2,SQP"
                                                   << " since WIN10 OS." << true;
}

void TestCscriptDetection::detectsTheDescribedDevices()
{
    QFETCH(QString, strWindows);
    QFETCH(QString, strVersion);
    QFETCH(QString, strDeployed);
    QFETCH(QString, strPciNote);
    QFETCH(bool, bBuildLine);

    // The 32-bit package's key, which the 32-bit script sees as SOFTWARE\Zorva\..., is in the
    // 64-bit view's WOW6432Node. Where the package is not installed, the key of the same name in
    // the 64-bit view holds values that the script must not see.
    const QString strPackageKey = QStringLiteral(
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
    const QString strNativeKey
            = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");
    QString strEntries = regKey(QStringLiteral("HKEY_CURRENT_USER\\Software\\Wine"))
            + regString(QStringLiteral("Version"), strWindows) + QStringLiteral("\r\n")
            + regKey(QStringLiteral("-HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva"))
            + QStringLiteral("\r\n")
            + regKey(QStringLiteral("-HKEY_LOCAL_MACHINE\\SOFTWARE\\Zorva"))
            + QStringLiteral("\r\n");
    strEntries += regKey(strDeployed.isNull() ? strNativeKey : strPackageKey)
            + regString(QStringLiteral("InstallationPath"),
                        QStringLiteral("C:\\Program Files (x86)\\Zorva\\"))
            + regString(QStringLiteral("DeployedFeatures"),
                        strDeployed.isNull() ? QStringLiteral("Drivers,PCI") : strDeployed);
    importRegistry(strEntries);
    QVERIFY(QDir(WineSession::driveC()).mkpath(c_strLogFolder));
    QFile::remove(logPath());

    const WineSession::Run run = runScript();
    QVERIFY2(run.bFinished, "cscript did not end");
    const QString strOutput = QString::fromUtf8(run.output);
    for (const QString &strLine : strOutput.split(QLatin1Char('\n'))) {
        if (strLine.startsWith(QLatin1String("wine difference: ")))
            qInfo("%s", qPrintable(strLine.trimmed()));
    }
    QVERIFY2(strOutput.contains(QStringLiteral("GetDeviceId returned String [ /SETPCI /SETGPIO2 "
                                               "/SETSQP]")),
             qPrintable(strOutput));

    QString strBadLine;
    const QStringList messages = logMessages(logPath(), &strBadLine);
    QVERIFY2(strBadLine.isEmpty(), qPrintable("a line without date and time: " + strBadLine));
    QVERIFY2(messages.value(0).startsWith(QLatin1String(" OS Caption is : Microsoft Windows")),
             qPrintable(messages.value(0)));
    QVERIFY2(messages.value(1).startsWith(" OS Version is : " + strVersion),
             qPrintable(messages.value(1)));

    QStringList expected;
    if (strDeployed.isNull())
        expected << "The registry key does not exist.Product not yet installed."
                 << "SetUninstall value is : 0: Product Installtion.";
    else
        expected << "The registry key exists indicating product already installed."
                 << "SetUninstall value is : 1: Product Uninstalltion."
                 << "DeployedFeatures value since product is already installed : " + strDeployed;
    if (bBuildLine)
        expected << "Setting property SETPSHED since OS WIN10 with Windows build number greater "
                    "than or equal to the recomended value of 17110.";
    const QString strStars(64, QLatin1Char('*'));
    expected << "Enlisting drivers under USB node in Device Manager" << strStars
             << "Enlisting drivers under 'Storage Controllers' node in Device Manager" << strStars
             << "Enlisting drivers under 'system devices' node(PNP) in Device Manager" << strStars
             << "Device ID: " + c_strGpio2Device
             << " Found with device id " + c_strGpio2Device + ".Hence setting property SETGPIO2"
             << "Device ID: " + c_strPciDevice
             << " Found with device id " + c_strPciDevice + ".Hence setting property SETPCI"
                    + strPciNote
             << "Device ID: " + c_strSqpDevice
             << " Found with device id " + c_strSqpDevice + ".Hence setting property SETSQP"
             << "Enlisting drivers under 'IDE ATA\\ATAPI Controllers' node in Device Manager"
             << strStars << "Enlisting drivers under 'Network Adaptors' node in Device Manager"
             << strStars << "File found at : " + c_strPackageDescription + ". Proceeding to read."
             << "ReadXMLValues : Zorva PCI Device Driver found"
             << "ReadXMLValues : Zorva GPIO2 Driver found"
             << "ReadXMLValues : Zorva SQP Driver found";

    // In this order; a rule's line begins with the device's Name, which is wine's own
    // ("Wine PnP Device" for every device) and not checked.
    int iFrom = 2;
    for (const QString &strMessage : qAsConst(expected)) {
        const bool bRuleLine = strMessage.startsWith(QLatin1String(" Found with device id "));
        int iAt = iFrom;
        while (iAt < messages.size()
               && !(bRuleLine ? messages[iAt].endsWith(strMessage) : messages[iAt] == strMessage))
            ++iAt;
        QVERIFY2(iAt < messages.size(),
                 qPrintable("not logged after line " + QString::number(iFrom) + ": " + strMessage));
        iFrom = iAt + 1;
    }
}

// The script traps no errors: without its log folder, the first log line ends it, and the
// host receives no value.
void TestCscriptDetection::missingLogFolderEndsTheScript()
{
    QVERIFY(QDir(WineSession::driveC() + "/Zorva/Chipset_Driver_Installer").removeRecursively());
    const WineSession::Run run = runScript();
    QVERIFY2(run.bFinished, "cscript did not end");
    const QString strOutput = QString::fromUtf8(run.output);
    QVERIFY2(strOutput.contains(QLatin1String("script error")), qPrintable(strOutput));
    QVERIFY2(!strOutput.contains(QLatin1String("GetDeviceId returned")), qPrintable(strOutput));
    QVERIFY(!QFile::exists(logPath()));
}

WINE_TEST_MAIN(TestCscriptDetection)
#include "tst_cscriptdetection.moc"
