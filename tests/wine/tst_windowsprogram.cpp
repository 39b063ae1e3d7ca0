// The program built for Windows (build/windows/package), 32-bit, run under wine's WoW64 in a
// 64-bit prefix, so that it sees the registry through the redirector as on 64-bit Windows: each
// test on a machine of its own, a fresh copy of the template prefix under an X server of its
// own, with the package under "C:\Program Files\Zorva Chipset Installer" (a path with blanks)
// and the devices described in wine's registry, where wine's Win32_PnPEntity finds them. The
// registry is read back in the 64-bit view, where the 32-bit program's "SOFTWARE\<key>" is
// "SOFTWARE\WOW6432Node\<key>". Waits on
// conditions that take a screenshot or start wine's reg go through QTest::qWaitFor, whose bound
// is time: QTRY_* counts its polls as if each took no time, and under load ran for minutes.
#include "regentries.h"
#include "winesession.h"

#include <QImage>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString c_strPackageKey = QStringLiteral(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
// The 64-bit view's key of the same name, which a 32-bit program never writes.
const QString c_strUnredirectedKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zorva");
const QString c_strProductCode = QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");
// The package's Windows Installer registration, which a 32-bit package keeps in the 32-bit view.
const QString c_strRegistrationKey
        = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                         "CurrentVersion\\Uninstall\\")
        + c_strProductCode;
const QString c_strProgramFolder = QStringLiteral("Program Files/Zorva Chipset Installer");
const QString c_strWindowTitle = QStringLiteral("Zorva Chipset Software Installer");
const QString c_strSmartInstallerTitle = QStringLiteral("Zorva Software Installer");
const QString c_strLogFolder = QStringLiteral("Zorva/Chipset_Driver_Installer/Logs");
// The adapters for wine's differences that the program appends to its script under wine.
const QString c_strAdapters = QStringLiteral("wine-adapters.vbs");
// The bound of a wait for the program: generous, for a start on a loaded machine.
constexpr int c_iProgramTimeoutMs = 180000;

bool runTool(const QString &strProgram, const QStringList &arguments, QByteArray *pOutput = nullptr,
             const QString &strDisplay = QString())
{
    QProcess process;
    if (!strDisplay.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), strDisplay);
        process.setProcessEnvironment(environment);
    }
    process.start(strProgram, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return false;
    if (pOutput)
        *pOutput = process.readAllStandardOutput();
    return true;
}

// The centre of the footer's Install button (the same place in both modes) in a window of the
// installer drawn at a scale, and the place of the loading page's warning icon.
QPoint installButton(const QRect &window, double dScale = 1.0)
{
    // Above its caption, which spans the button's middle.
    return window.topLeft()
            + QPoint(window.width() - qRound((16 + 37) * dScale),
                     window.height() - qRound((37 + 15) * dScale));
}

QRect warningIcon(const QRect &window)
{
    return QRect(window.x() + 20, window.y() + window.height() - 75 + 29, 16, 16);
}

bool isInstallGreen(QRgb colour)
{
    return qGreen(colour) > qRed(colour) + 60 && qGreen(colour) > qBlue(colour) + 60;
}

// The warning icon's amber.
bool showsWarningIcon(const QImage &image, const QRect &icon)
{
    for (int y = icon.top(); y <= icon.bottom(); ++y)
        for (int x = icon.left(); x <= icon.right(); ++x) {
            const QRgb colour = image.pixel(x, y);
            if (qRed(colour) > 200 && qGreen(colour) > 140 && qGreen(colour) < 220
                && qBlue(colour) < 60)
                return true;
        }
    return false;
}

// Wholly on wine's screen and centred, as the program places its window in normal mode.
bool isCentred(const QRect &window, const QRect &screen)
{
    return screen.contains(window) && window.width() >= 640 && window.height() >= 400
            && qAbs(window.center().x() - screen.center().x()) <= 2
            && qAbs(window.center().y() - screen.center().y()) <= 2;
}

QByteArray readSource(const char *pszPath)
{
    QFile file(QStringLiteral(SOURCE_DIR "/") + QLatin1String(pszPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

// A wine machine of a test's own: the template prefix copied (its files hard-linked, but the
// registry files, which wine rewrites, copied), its X server, and the package in place.
class WindowsMachine
{
public:
    bool make(QString *pstrError, const QSize &screen = QSize(1280, 1024))
    {
        m_screen = QRect(QPoint(0, 0), screen);
        if (!m_folder.isValid()) {
            *pstrError = QStringLiteral("no temporary folder");
            return false;
        }
        const QString strPrefix = m_folder.filePath(QStringLiteral("prefix"));
        if (!runTool(QStringLiteral("cp"),
                     {QStringLiteral("-al"), QStringLiteral(WINDOWS_TEMPLATE_PREFIX), strPrefix})) {
            *pstrError = QStringLiteral("the template prefix cannot be copied");
            return false;
        }
        const QStringList top = QDir(strPrefix).entryList(QDir::Files | QDir::Hidden);
        for (const QString &strFile : top) {
            const QString strPath = strPrefix + QLatin1Char('/') + strFile;
            if (!QFile::remove(strPath)
                || !QFile::copy(QStringLiteral(WINDOWS_TEMPLATE_PREFIX "/") + strFile, strPath)) {
                *pstrError = QStringLiteral("cannot copy ") + strFile;
                return false;
            }
        }
        QFile adapters(m_folder.filePath(c_strAdapters));
        if (!adapters.open(QIODevice::WriteOnly)
            || adapters.write(readSource("tests/wine/detection/registryadapters.vbs") + "\r\n"
                              + readSource("tests/wine/detection/activeqthost.vbs"))
                    <= 0) {
            *pstrError = QStringLiteral("the script's adapters cannot be written");
            return false;
        }
        adapters.close();
        m_session.reset(new WineSession(strPrefix));
        if (!m_session->startDisplay(pstrError, screen))
            return false;
        const QString strFolder = programFolder();
        QDir().mkpath(strFolder);
        for (const char *pszPart : {"Bin", "Packages", "Tools"}) {
            if (!runTool(QStringLiteral("cp"),
                         {QStringLiteral("-r"), QStringLiteral(WINDOWS_PACKAGE_DIR "/") + pszPart,
                          strFolder})) {
                *pstrError = QStringLiteral("the package cannot be copied");
                return false;
            }
        }
        return true;
    }

    WineSession &session() { return *m_session; }
    QRect screen() const { return m_screen; }
    QString driveC() const { return m_folder.filePath(QStringLiteral("prefix/drive_c")); }
    QString programFolder() const { return driveC() + QLatin1Char('/') + c_strProgramFolder; }
    QString windowsProgram() const
    {
        return QStringLiteral("C:\\") + QString(c_strProgramFolder).replace('/', '\\')
                + QStringLiteral("\\Bin\\ChipsetInstaller.exe");
    }

    // The stand-in parent installer of the package's Tools folder, which starts the
    // installer of Bin in smart-installer mode.
    QString windowsParent() const
    {
        return QStringLiteral("C:\\") + QString(c_strProgramFolder).replace('/', '\\')
                + QStringLiteral("\\Tools\\ParentInstaller.exe");
    }

    // An environment variable for the programs started from now on.
    void setEnvironment(const QString &strName, const QString &strValue)
    {
        m_extraEnvironment.insert(strName, strValue);
    }

    // Starts the installer, or another Windows program; it runs until the test ends it.
    QProcess *start(const QStringList &arguments) { return start(windowsProgram(), arguments); }
    QProcess *start(const QString &strProgram, const QStringList &arguments)
    {
        auto *pProcess = new QProcess;
        m_programs.emplace_back(pProcess);
        QProcessEnvironment environment = m_session->environment();
        // Wine hands QT_* variables to no Windows program; WINEQT_X reaches it as QT_X.
        environment.insert(QStringLiteral("WINEQT_QUICK_BACKEND"), QStringLiteral("software"));
        environment.insert(QStringLiteral("WINEQT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        for (const QString &strName : m_extraEnvironment.keys())
            environment.insert(strName, m_extraEnvironment.value(strName));
        // The adapters for wine's differences, which the program reads under wine only.
        environment.insert(QStringLiteral("CHIPSETINSTALLER_WINE_SCRIPT_APPENDIX"),
                           WineSession::windowsPath(m_folder.filePath(c_strAdapters)));
        pProcess->setProcessEnvironment(environment);
        pProcess->start(WineSession::loader(), QStringList {strProgram} + arguments);
        return pProcess;
    }

    // The stand-in MsiExec in System32 is loaded rather than wine's built-in one, and finds
    // its Qt DLLs in the package's Tools folder.
    void useStandInMsiExec()
    {
        m_extraEnvironment.insert(QStringLiteral("WINEDLLOVERRIDES"),
                                  m_session->environment().value(QStringLiteral("WINEDLLOVERRIDES"))
                                          + QStringLiteral(";msiexec.exe=n"));
        m_extraEnvironment.insert(QStringLiteral("WINEPATH"),
                                  QStringLiteral("C:\\")
                                          + QString(c_strProgramFolder).replace('/', '\\')
                                          + QStringLiteral("\\Tools"));
    }

    // A value of the prefix's registry in the 64-bit view, as "wine reg query" shows it; null
    // when it is not there.
    QString registryValue(const QString &strKey, const QString &strName) const
    {
        const WineSession::Run run
                = m_session->run(QStringLiteral("reg"),
                                 {QStringLiteral("query"), strKey, QStringLiteral("/v"), strName,
                                  QStringLiteral("/reg:64")},
                                 60000);
        for (const QString &strLine : QString::fromUtf8(run.output).split(QLatin1Char('\n'))) {
            const QStringList fields = strLine.trimmed().split(QStringLiteral("    "));
            if (fields.size() >= 2 && fields[0].compare(strName, Qt::CaseInsensitive) == 0)
                return fields.size() > 2 ? fields[2].trimmed() : QStringLiteral("");
        }
        return QString();
    }

    bool registryKeyExists(const QString &strKey) const
    {
        const WineSession::Run run = m_session->run(
                QStringLiteral("reg"), {QStringLiteral("query"), strKey, QStringLiteral("/reg:64")},
                60000);
        return run.bFinished && run.iExitCode == 0;
    }

    // The X windows named so, as xdotool finds them.
    QStringList windows(const QString &strName) const
    {
        QByteArray output;
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QStringLiteral("^") + strName + QStringLiteral("$")},
                &output, display());
        return QString::fromLatin1(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // x, y, width and height of an X window.
    QRect geometry(const QString &strWindow) const
    {
        QByteArray output;
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), strWindow},
                &output, display());
        QMap<QString, int> values;
        for (const QString &strLine : QString::fromLatin1(output).split(QLatin1Char('\n')))
            values.insert(strLine.section(QLatin1Char('='), 0, 0),
                          strLine.section(QLatin1Char('='), 1).toInt());
        return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                     values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
    }

    // A click of the first button at a place of the screen.
    bool click(const QPoint &place) const
    {
        return runTool(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QString::number(place.x()),
                        QString::number(place.y()), QStringLiteral("click"), QStringLiteral("1")},
                       nullptr, display());
    }

    // The whole screen: wine draws a window's content into a child of the window found.
    QImage screenshot(const QString &strPath) const
    {
        runTool(QStringLiteral("import"),
                {QStringLiteral("-window"), QStringLiteral("root"), strPath}, nullptr, display());
        return QImage(strPath);
    }

    QString display() const { return m_session->environment().value(QStringLiteral("DISPLAY")); }

    ~WindowsMachine()
    {
        if (m_session)
            m_session->end();
        for (const auto &pProcess : m_programs) {
            pProcess->kill();
            pProcess->waitForFinished(5000);
        }
    }

private:
    QTemporaryDir m_folder {QStringLiteral(WINDOWS_MACHINES_DIR "/machine-XXXXXX")};
    QRect m_screen;
    std::unique_ptr<WineSession> m_session;
    QProcessEnvironment m_extraEnvironment;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

class TestWindowsProgram : public QObject
{
    Q_OBJECT

public:
    QString unavailableReason()
    {
        if (!QFileInfo::exists(QStringLiteral(WINDOWS_PACKAGE_DIR "/Bin/ChipsetInstaller.exe")))
            return QStringLiteral("no Windows build (scripts/build makes one where the Windows Qt "
                                  "toolkit can be had)");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            return QStringLiteral("no xdotool (Debian package xdotool)");
        return QString();
    }

private slots:
    void init();
    void cleanup() { m_machine.reset(); }
    void detectsAndShowsTheMainWindow();
    void showsTheChosenLanguage();
    void secondCopyShowsItsWarning();
    void installsForAParent();
    void installsUnattended();
    void answersACommandPrompt();
    void secondStartFindsTheInstalledPackage();
    void uninstallsThroughMsiExec();
    void scalesAt144Dpi();

private:
    // Wholly on the machine's screen and centred.
    std::function<bool(const QRect &)> centred() const
    {
        return [this](const QRect &window) { return isCentred(window, m_machine->screen()); };
    }
    void describeDevices();
    void installUnattended();
    void verifyPackageKey(const QString &strDeployed);
    bool waitForMainWindow(const std::function<bool(const QRect &)> &bPlaced,
                           const QString &strShot, QRect *pWindow,
                           const QString &strTitle = c_strWindowTitle);
    std::unique_ptr<WindowsMachine> m_machine;
    QString m_strLastSeen;
    double m_dScale = 1.0; // the scale the program draws at
};

void TestWindowsProgram::init()
{
    m_dScale = 1.0;
    m_machine.reset(new WindowsMachine);
    QString strError;
    QVERIFY2(m_machine->make(&strError), qPrintable(strError));
}

void TestWindowsProgram::describeDevices()
{
    QString strEntries = regKey(QStringLiteral("HKEY_CURRENT_USER\\Software\\Wine"))
            + regString(QStringLiteral("Version"), QStringLiteral("win10"))
            + QStringLiteral("\r\n");
    for (const QString &strDevice : {c_strGpio2Device, c_strPciDevice, c_strSqpDevice})
        strEntries += deviceKey(strDevice);
    QVERIFY2(m_machine->session().importRegistry(strEntries), "regedit did not take the entries");
}

// Start-up runs the detection script through ActiveQt on wine's VBScript engine and offers
// the drivers of the described devices; then the main window shows on wine's screen.
void TestWindowsProgram::detectsAndShowsTheMainWindow()
{
    describeDevices();
    m_machine->start({});
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/main-window.png");
    QRect window;
    QVERIFY2(waitForMainWindow(centred(), strShot, &window), qPrintable(m_strLastSeen));
    const QString strSupported = QStringLiteral("SupportedDrivers");
    QTest::qWaitFor(
            [&] { return !m_machine->registryValue(c_strPackageKey, strSupported).isNull(); },
            10000);
    QCOMPARE(m_machine->registryValue(c_strPackageKey, strSupported),
             QStringLiteral("PCI,GPIO2,SQP"));

    // The script ran to its end on wine's objects; the adapters say where wine differs.
    QFile log(m_machine->driveC() + QLatin1Char('/') + c_strLogFolder + "/Device_ID.log");
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString strLog = QString::fromLatin1(log.readAll());
    for (const QString &strLine : strLog.split(QLatin1Char('\n'))) {
        if (strLine.contains(QLatin1String(" :: wine difference: ")))
            qInfo("%s", qPrintable(strLine.section(QStringLiteral(" :: "), 1)));
    }
    QVERIFY2(strLog.contains(QLatin1String("ReadXMLValues : Zorva SQP Driver found")),
             qPrintable(strLog));

    // The page shows many colours (a blank or black window has one or two). The screenshot
    // stays in the build tree.
    QVERIFY(QTest::qWaitFor(
            [&] { return colourCount(m_machine->screenshot(strShot).copy(window)) > 200; }, 30000));
}

// The pages in the language the program chooses (named here as tests name it): the German
// translation is compiled into the Windows program and installed before the first page, whose
// title is already German.
void TestWindowsProgram::showsTheChosenLanguage()
{
    describeDevices();
    m_machine->setEnvironment(QStringLiteral("CHIPSETINSTALLER_LANGUAGE"), QStringLiteral("de-DE"));
    m_machine->start({});
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/language-de.png");
    QRect window;
    QVERIFY2(waitForMainWindow(centred(), strShot, &window,
                               QStringLiteral("Zorva Chipsatzsoftware-Installationsprogramm")),
             qPrintable(m_strLastSeen));
    QVERIFY(QTest::qWaitFor(
            [&] { return colourCount(m_machine->screenshot(strShot).copy(window)) > 200; }, 30000));
}

// A second copy finds the first one's named mutex and keeps to the loading page, with the
// warning and its amber icon where the first copy's footer has its Cancel button.
void TestWindowsProgram::secondCopyShowsItsWarning()
{
    describeDevices();
    m_machine->start({});
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/second-copy.png");
    QRect window;
    QVERIFY2(waitForMainWindow(centred(), strShot, &window), qPrintable(m_strLastSeen));
    QVERIFY(!showsWarningIcon(QImage(strShot), warningIcon(window)));

    // The second window opens over the first, in the same place.
    m_machine->start({});
    QVERIFY(QTest::qWaitFor(
            [&] {
                return m_machine->windows(c_strWindowTitle).size() == 2
                        && showsWarningIcon(m_machine->screenshot(strShot), warningIcon(window));
            },
            c_iProgramTimeoutMs));
}

// In smart-installer mode between two Windows processes: the stand-in parent starts the
// installer, hears that its main window is loaded (9), sends the position, where the window
// then shows, and after a click on Install hears of the start (4) and the success (5); the
// installer ends by itself and leaves the parent's error values empty.
void TestWindowsProgram::installsForAParent()
{
    describeDevices();
    const QPoint position(120, 90);
    QProcess *pParent = m_machine->start(m_machine->windowsParent(),
                                         {QStringLiteral("--x"), QString::number(position.x()),
                                          QStringLiteral("--y"), QString::number(position.y())});
    const auto placed = [position](const QRect &window) {
        return window.topLeft() == position && window.width() >= 640 && window.height() >= 400;
    };
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/smart-installer.png");
    QRect window;
    QVERIFY2(waitForMainWindow(placed, strShot, &window, c_strSmartInstallerTitle),
             qPrintable(m_strLastSeen + QStringLiteral("\n")
                        + QString::fromLocal8Bit(pParent->peek(1 << 16))));
    QVERIFY(m_machine->click(installButton(window)));

    QTRY_VERIFY_WITH_TIMEOUT(pParent->state() == QProcess::NotRunning, c_iProgramTimeoutMs);
    const QStringList lines = QString::fromLocal8Bit(pParent->readAllStandardOutput())
                                      .remove(QLatin1Char('\r'))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList events;
    for (const QString &strLine : lines)
        if (strLine.startsWith(QLatin1String("event code=")))
            events.append(strLine.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('='), 1));
    QVERIFY2(events == QStringList({"9", "4", "5"}), qPrintable(lines.join('\n')));
    QVERIFY2(lines.contains(QStringLiteral("child exit 0")), qPrintable(lines.join('\n')));

    verifyPackageKey(QStringLiteral("Drivers,PCI,GPIO2,SQP"));
    QCOMPARE(m_machine->registryValue(c_strPackageKey, QStringLiteral("ErrorCode")),
             QStringLiteral(""));
    QCOMPARE(m_machine->registryValue(c_strPackageKey, QStringLiteral("ErrorString")),
             QStringLiteral(""));
    QFile log(m_machine->driveC() + QLatin1Char('/') + c_strLogFolder
              + QStringLiteral("/Zorva_Chipset_IODrivers.log"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(QString::fromUtf8(log.readAll())
                    .contains(QLatin1String("MainEngineThread is returning 0")));
}

// Waits until the installer's main window is where bPlaced wants it and drawn. Wine maps a
// window before it moves it, and the loading page before the main window has the same title
// and place, so the windows are searched, measured and looked at until one shows the footer's
// Install button, which the loading page has not.
bool TestWindowsProgram::waitForMainWindow(const std::function<bool(const QRect &)> &bPlaced,
                                           const QString &strShot, QRect *pWindow,
                                           const QString &strTitle)
{
    QDeadlineTimer deadline(c_iProgramTimeoutMs);
    while (!deadline.hasExpired()) {
        m_strLastSeen = QStringLiteral("no window named ") + strTitle;
        for (const QString &strWindow : m_machine->windows(strTitle)) {
            const QRect window = m_machine->geometry(strWindow);
            m_strLastSeen = QStringLiteral("window %1x%2 at %3,%4")
                                    .arg(window.width())
                                    .arg(window.height())
                                    .arg(window.x())
                                    .arg(window.y());
            if (!bPlaced(window))
                continue;
            const QRgb colour
                    = m_machine->screenshot(strShot).pixel(installButton(window, m_dScale));
            m_strLastSeen += QStringLiteral(", Install button's place ") + QColor(colour).name();
            if (isInstallGreen(colour)) {
                *pWindow = window;
                return true;
            }
        }
        QTest::qWait(250);
    }
    return false;
}

// The package key's values, written by the program and the stand-in setup program (both 32-bit)
// where the redirector puts them: under WOW6432Node in the 64-bit view, and nothing outside it.
void TestWindowsProgram::verifyPackageKey(const QString &strDeployed)
{
    QCOMPARE(m_machine->registryValue(c_strPackageKey, QStringLiteral("SupportedDrivers")),
             QStringLiteral("PCI,GPIO2,SQP"));
    QVERIFY(!m_machine->registryValue(c_strPackageKey, QStringLiteral("InstallationPath"))
                     .isEmpty());
    QCOMPARE(m_machine->registryValue(c_strPackageKey, QStringLiteral("DeployedFeatures")),
             strDeployed);
    QVERIFY2(!m_machine->registryKeyExists(c_strUnredirectedKey),
             "a key was written to SOFTWARE\\Zorva of the 64-bit view");
}

// /quiet /norestart on the described devices; the exit code is the verdict on the log.
void TestWindowsProgram::installUnattended()
{
    QProcess *pInstall = m_machine->start({QStringLiteral("/quiet"), QStringLiteral("/norestart")});
    QTRY_VERIFY_WITH_TIMEOUT(pInstall->state() == QProcess::NotRunning, c_iProgramTimeoutMs);
    QCOMPARE(pInstall->exitStatus(), QProcess::NormalExit);
    QVERIFY2(pInstall->exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(pInstall->readAllStandardError())));
}

// /quiet installs the offered drivers through the Windows stand-in setup program: it gets
// the /v text as Windows splits the command line (the package folder's blanks inside one
// quoted property), and the exit code is the verdict on the log it writes.
void TestWindowsProgram::installsUnattended()
{
    describeDevices();
    installUnattended();

    QFile log(m_machine->driveC() + QLatin1Char('/') + c_strLogFolder
              + QStringLiteral("/Zorva_Chipset_IODrivers.log"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString strLog = QString::fromUtf8(log.readAll());
    const QString strBin = QStringLiteral("C:\\") + QString(c_strProgramFolder).replace('/', '\\')
            + QStringLiteral("\\Bin");
    for (const QString &strLine :
         {QStringLiteral("Command Line: QTLAUNCH=1 QTPATH=\"") + strBin,
          QStringLiteral("Adding QTPATH property. Its value is '") + strBin + QLatin1Char('\''),
          QStringLiteral("Adding SETPCI property. Its value is 'YES'."),
          QStringLiteral("Adding SETGPIO2 property. Its value is 'YES'."),
          QStringLiteral("Adding SETSQP property. Its value is 'YES'."),
          // Windows Installer shows nothing and never restarts by itself.
          QStringLiteral("Adding REBOOT property. Its value is 'ReallySuppress'."),
          QStringLiteral(" REBOOT=ReallySuppress /qn"),
          QStringLiteral("Feature: PCI; Installed: Absent")})
        QVERIFY2(strLog.contains(strLine), qPrintable(strLine + QStringLiteral("\n") + strLog));

    verifyPackageKey(QStringLiteral("Drivers,PCI,GPIO2,SQP"));
    // The parent's error values belong to smart-installer runs only.
    QVERIFY(m_machine->registryValue(c_strPackageKey, QStringLiteral("ErrorCode")).isNull());
}

// From a command prompt: /? prints into its console; another installer's switch ends the
// program with 87 and one line, without a window.
void TestWindowsProgram::answersACommandPrompt()
{
    const WineSession::Run help = m_machine->session().run(
            QStringLiteral("cmd"), {QStringLiteral("/c"), m_machine->windowsProgram(), "/?"});
    QVERIFY(help.bFinished);
    QCOMPARE(help.iExitCode, 0);
    QVERIFY2(help.output.contains("/passive") && help.output.contains("1618"),
             help.output.constData());

    QProcess *pSilent = m_machine->start({QStringLiteral("/S")});
    QTRY_VERIFY_WITH_TIMEOUT(pSilent->state() == QProcess::NotRunning, c_iProgramTimeoutMs);
    QCOMPARE(pSilent->exitCode(), 87);
    QVERIFY(pSilent->readAllStandardError().contains("unknown option \"/S\""));
    QVERIFY(m_machine->windows(c_strWindowTitle).isEmpty());
}

// After an install, a new start's detection script finds the package's values (through the
// redirector, on the 32-bit engine) and the program reads the installed versions that the
// package wrote under WOW6432Node\Zorva\<product>.
void TestWindowsProgram::secondStartFindsTheInstalledPackage()
{
    describeDevices();
    installUnattended();
    // Each feature's product, the subkey that holds its installed version.
    const QMap<QString, QString> products = {{"PCI", "Zorva PCI Driver"},
                                             {"GPIO2", "Zorva GPIO2 Driver"},
                                             {"SQP", "Zorva SQP Driver"}};
    QMap<QString, QString> installed;
    for (const QString &strFeature : products.keys()) {
        const QString strVersion = m_machine->registryValue(
                QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva\\")
                        + products.value(strFeature),
                QStringLiteral("ProductVersion"));
        QVERIFY2(!strVersion.isEmpty(), qPrintable(products.value(strFeature)));
        installed.insert(strFeature, strVersion);
    }

    const QString strLogPath
            = m_machine->driveC() + QLatin1Char('/') + c_strLogFolder + "/Device_ID.log";
    QVERIFY(QFile::remove(strLogPath));
    m_machine->start({});
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/second-start.png");
    QRect window;
    QVERIFY2(waitForMainWindow(centred(), strShot, &window), qPrintable(m_strLastSeen));
    QFile log(strLogPath);
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString strLog = QString::fromLatin1(log.readAll());
    QVERIFY2(strLog.contains(QLatin1String(
                     "The registry key exists indicating product already installed.")),
             qPrintable(strLog));
    QVERIFY2(strLog.contains(QLatin1String("DeployedFeatures value since product is already "
                                           "installed : Drivers,PCI,GPIO2,SQP")),
             qPrintable(strLog));
    m_machine->session().end();

    // The versions the program read, as /list reports them for each offered driver.
    const QString strReport = m_machine->driveC() + QStringLiteral("/report.json");
    QProcess *pList = m_machine->start({QStringLiteral("/list"), QStringLiteral("/report"),
                                        QStringLiteral("C:\\report.json")});
    QTRY_VERIFY_WITH_TIMEOUT(pList->state() == QProcess::NotRunning, c_iProgramTimeoutMs);
    QCOMPARE(pList->exitCode(), 0);
    QFile report(strReport);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QMap<QString, QString> reported;
    for (const QJsonValue &driver :
         QJsonDocument::fromJson(report.readAll())[QLatin1String("drivers")].toArray())
        reported.insert(driver[QLatin1String("feature")].toString(),
                        driver[QLatin1String("installedVersion")].toString());
    QCOMPARE(reported, installed);
}

// /U with /quiet removes the installed package through the Windows stand-in MsiExec put in
// place of wine's own in the prefix's System32.
void TestWindowsProgram::uninstallsThroughMsiExec()
{
    describeDevices();
    installUnattended();
    QVERIFY(!m_machine->registryValue(c_strRegistrationKey, QStringLiteral("DisplayName"))
                     .isEmpty());

    // The prefix's file is a hard link into the template: replaced, never written through.
    // A 32-bit program's System32 is the prefix's syswow64.
    const QString strMsiExec
            = m_machine->driveC() + QStringLiteral("/windows/syswow64/msiexec.exe");
    QVERIFY(QFile::remove(strMsiExec));
    QVERIFY(QFile::copy(m_machine->programFolder() + QStringLiteral("/Tools/MsiExec.exe"),
                        strMsiExec));
    m_machine->useStandInMsiExec();
    QProcess *pRemove = m_machine->start({QStringLiteral("/U"), c_strProductCode,
                                          QStringLiteral("/quiet"), QStringLiteral("/norestart")});
    QTRY_VERIFY_WITH_TIMEOUT(pRemove->state() == QProcess::NotRunning, c_iProgramTimeoutMs);

    QString strLog;
    for (const QFileInfo &file :
         QDir(m_machine->driveC() + QLatin1Char('/') + c_strLogFolder).entryInfoList(QDir::Files)) {
        QFile log(file.filePath());
        if (log.open(QIODevice::ReadOnly | QIODevice::Text))
            strLog += QString::fromUtf8(log.readAll());
    }
    QVERIFY2(strLog.contains(QLatin1String("Command Line: /x ") + c_strProductCode
                             + QLatin1String(" REMOVE=ALL /qn")),
             qPrintable(QString::fromLocal8Bit(pRemove->readAllStandardError())));
    QCOMPARE(pRemove->exitCode(), 0);
    QVERIFY(m_machine->registryValue(c_strRegistrationKey, QStringLiteral("DisplayName")).isNull());
    QVERIFY(m_machine->registryValue(c_strPackageKey, QStringLiteral("DeployedFeatures")).isNull());
    QVERIFY(!m_machine->registryKeyExists(
            QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva PCI Driver")));
}

// At 144 DPI (the prefix's LogPixels) the program draws at 1.5, as Windows scales it: on a
// 1920 x 1080 screen, 1280 x 720 at that scale, the window is 770 x 470 scaled by 1.5, wholly
// on the screen and centred. The screenshot shows whether any text is cut.
void TestWindowsProgram::scalesAt144Dpi()
{
    m_machine.reset(new WindowsMachine);
    QString strError;
    QVERIFY2(m_machine->make(&strError, QSize(1920, 1080)), qPrintable(strError));
    describeDevices();
    QVERIFY(m_machine->session().importRegistry(
            regKey(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\Desktop"))
            + QStringLiteral("\"LogPixels\"=dword:00000090\r\n")));
    m_dScale = 1.5;
    m_machine->start({});
    const QString strShot = QStringLiteral(WINDOWS_SCREENSHOTS_DIR "/install-page-144dpi.png");
    QRect window;
    QVERIFY2(waitForMainWindow(centred(), strShot, &window), qPrintable(m_strLastSeen));
    // 1.5 times the page's 770 x 470, with the few pixels wine's window adds; a scale rounded
    // to 2 would make it 1540 x 940.
    const QString strSize = QStringLiteral("%1 x %2").arg(window.width()).arg(window.height());
    QVERIFY2(qAbs(window.width() - 1155) <= 20 && qAbs(window.height() - 705) <= 45,
             qPrintable(strSize));
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QString strReason = WineSession::wow64UnavailableReason();
    if (strReason.isEmpty()
        && !QFileInfo::exists(QStringLiteral(WINDOWS_TEMPLATE_PREFIX "/" WINE_PREFIX_STAMP)))
        strReason = QStringLiteral("the template prefix was not made: windows_prefix_setup did "
                                   "not run or failed");
    TestWindowsProgram test;
    if (strReason.isEmpty())
        strReason = test.unavailableReason();
    if (!strReason.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(strReason));
        return WineSession::c_iSkipped;
    }
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowsprogram.moc"
