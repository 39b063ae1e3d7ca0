// Faults as an administrator's or an attacker's machine meets them: the real program killed in
// the middle of its saves, and run on a full or a read-only disk.
#include "demomachine.h"
#include "feed/imagesettings.h"
#include "feedserver.h"

#include <QJsonArray>
#include <QtTest>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Why this process cannot mount file systems of its own; empty when it can. It mounts them in
// a mount namespace of its own, which it and its children alone see, and which ends with them.
QString g_strNoMounts;

QString enterPrivateMounts()
{
    if (::unshare(CLONE_NEWNS) != 0)
        return QStringLiteral("no mount namespace of its own (%1): run as root to test a full "
                              "or read-only disk")
                .arg(qt_error_string(errno));
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("mounts cannot be made private: %1").arg(qt_error_string(errno));
    return QString();
}

// A small memory file system over a folder, for as long as the object lives.
class SmallDisk
{
public:
    SmallDisk(const QString &strPath, qint64 iBytes)
        : m_path(QFile::encodeName(strPath))
    {
        m_bMounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0,
                             ("size=" + QByteArray::number(iBytes)).constData())
                == 0;
    }
    ~SmallDisk()
    {
        if (m_bMounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }

    bool mounted() const { return m_bMounted; }

    qint64 freeBytes() const
    {
        struct statvfs space;
        return ::statvfs(m_path.constData(), &space) == 0 ? qint64(space.f_bfree) * space.f_frsize
                                                          : -1;
    }

    // Fills the disk with a file of its own until at most iLeftBytes are free.
    bool fill(qint64 iLeftBytes) const
    {
        QFile filler(QFile::decodeName(m_path) + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'f');
        while (freeBytes() > iLeftBytes && filler.write(block) == block.size() && filler.flush()) {
        }
        return freeBytes() <= iLeftBytes;
    }

    bool makeReadOnly() const
    {
        return ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    bool m_bMounted = false;
};

// The demo machine on a small disk of its own, with a hive of many values.
class MachineOnSmallDisk : public DemoMachine
{
public:
    explicit MachineOnSmallDisk(int iHiveValues)
        : m_disk(drive(), 4 * 1024 * 1024)
    {
        QDir(drive()).mkpath("Windows/System32/config");
        QDir(drive()).mkpath("Windows/System32/wbem");
        writeDemoDescription();
        QJsonObject values;
        for (int i = 0; i < iHiveValues; ++i)
            values.insert(QString("Value%1").arg(i), QString(4000, QChar('a' + i % 26)));
        writeHive(QJsonDocument(QJsonObject {{"SOFTWARE", QJsonObject {{"Other", values}}}})
                          .toJson());
    }

    const SmallDisk &disk() const { return m_disk; }

    // What the hive's folder holds besides the hive.
    QStringList besideTheHive() const
    {
        QStringList lstNames = QDir(QFileInfo(hivePath()).path())
                                       .entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                  | QDir::NoDotAndDotDot);
        lstNames.removeOne("HKLM.json");
        return lstNames;
    }

private:
    SmallDisk m_disk;
};

// What a test sees of the program run with the pause shim: stopped for good at the chosen
// moment of a save, then killed there.
struct Pause
{
    QString strAt; // FAULT_PAUSE_AT
    QString strProgram; // FAULT_PAUSE_PROGRAM
};

QProcessEnvironment pausing(QProcessEnvironment environment, const Pause &pause,
                            const QString &strMarker)
{
    environment.insert("LD_PRELOAD", PAUSE_SHIM_PATH);
    environment.insert("FAULT_PAUSE_AT", pause.strAt);
    environment.insert("FAULT_PAUSE_PROGRAM", pause.strProgram);
    environment.insert("FAULT_PAUSE_MARKER", strMarker);
    return environment;
}

// Starts the program paused as asked, kills the paused process (the program or its child) with
// SIGKILL and waits for the program's end. False when it never got there.
bool killInTheMiddle(QProcess &program, const QString &strMarker)
{
    QFile::remove(strMarker);
    if (!program.waitForStarted(30000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(strMarker) || StandInMachine::readFile(strMarker).isEmpty()) {
        if (timer.elapsed() > 60000 || program.waitForFinished(20))
            return false;
    }
    const qint64 iPid = StandInMachine::readFile(strMarker).trimmed().toLongLong();
    if (iPid <= 0 || ::kill(pid_t(iPid), SIGKILL) != 0)
        return false;
    return program.waitForFinished(60000);
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLeaveNothingBehind_data();
    void killedSavesLeaveNothingBehind();
    void killedDownloadLeavesNothingBehind();
    void fullDiskKeepsTheHiveWhole();
    void diskThatCannotBeWrittenIsAFailure_data();
    void diskThatCannotBeWrittenIsAFailure();
};

void TestFaults::killedSavesLeaveNothingBehind_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pauseAt");
    QTest::addColumn<QString>("program");
    // The temporary file is complete and about to replace the hive.
    QTest::newRow("start-up's registry value") << QStringList {"/list"} << "rename:HKLM.json."
                                               << "ChipsetInstaller";
    // The lock file that serialises the hive's writers is made but still empty: no process id
    // in it tells that its owner has ended.
    QTest::newRow("start-up's lock file") << QStringList {"/list"} << "write:HKLM.json.lock"
                                          << "ChipsetInstaller";
    QTest::newRow("install's result values") << QStringList {"/quiet"} << "rename:HKLM.json."
                                             << "Zorva_Chipset_Drivers.exe";
}

void TestFaults::killedSavesLeaveNothingBehind()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pauseAt);
    QFETCH(QString, program);
    DemoMachine machine;
    const QString strMarker = machine.runtime() + "/paused";
    for (int iRound = 0; iRound < 3; ++iRound) {
        QProcess paused;
        paused.setProcessEnvironment(pausing(machine.headless(), {pauseAt, program}, strMarker));
        paused.start(PROGRAM_PATH, arguments);
        QVERIFY2(killInTheMiddle(paused, strMarker), qPrintable(paused.readAllStandardError()));
    }

    // The next start takes the hive's lock at once, and leaves the hive alone beside nothing.
    QProcess next;
    machine.start(next, {"/list"});
    QVERIFY2(next.waitForFinished(20000), "the next start waited for a lock of a killed writer");
    QCOMPARE(next.exitCode(), 0);
    const QStringList lstLeft
            = QDir(QFileInfo(machine.hivePath()).path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(lstLeft, QStringList {"HKLM.json"});
    QVERIFY(QJsonDocument::fromJson(StandInMachine::readFile(machine.hivePath())).isObject());
}

void TestFaults::killedDownloadLeavesNothingBehind()
{
    DemoMachine machine;
    QJsonObject description
            = QJsonDocument::fromJson(StandInMachine::readFile(machine.descriptionPath())).object();
    description.insert("network", QJsonObject {{"defaultRoute", true}});
    machine.writeDescription(description);
    // A copy of the program, whose feed store lies beside it.
    QTemporaryDir package;
    const QString strBin = package.path() + "/Bin";
    QVERIFY(QDir(package.path()).mkpath("Bin/DefaultImages"));
    QVERIFY(QFile::copy(PROGRAM_PATH, strBin + "/ChipsetInstaller"));
    QVERIFY(QFile::copy(PACKAGE_BIN_DIR "/info.xml", strBin + "/info.xml"));
    FeedServer server;
    const QString strBase = QUrl(ImageSettings().feedBaseUrl()).path();
    server.setFile(
            strBase + "ImageArray.json",
            QJsonDocument(
                    QJsonObject {{"Version", 1},
                                 {"ImgData", QJsonArray {QJsonObject {{"ImgName", "offer.png"}}}}})
                    .toJson());
    server.setFile(strBase + "offer.png", QByteArray(200000, 'p'));
    server.becomeProxy();
    QProcessEnvironment environment = machine.environment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_QUICK_BACKEND", "software");
    // An older copy of the image is there, which the download replaces through a temporary
    // file beside it.
    const QString strStore = strBin + "/GlobalImages";
    QVERIFY(QDir(strBin).mkpath("GlobalImages"));
    StandInMachine::writeFile(strStore + "/offer.png", "older image");
    const QString strMarker = machine.runtime() + "/paused";

    QProcess paused;
    paused.setProcessEnvironment(pausing(
            environment, {"rename:GlobalImages/offer.png.", "ChipsetInstaller"}, strMarker));
    paused.start(strBin + "/ChipsetInstaller", QStringList());
    // The feed server answers from this event loop while the program downloads.
    QVERIFY(paused.waitForStarted(30000));
    QTRY_VERIFY_WITH_TIMEOUT(!StandInMachine::readFile(strMarker).isEmpty(), 60000);
    QVERIFY(::kill(pid_t(StandInMachine::readFile(strMarker).trimmed().toLongLong()), SIGKILL)
            == 0);
    QVERIFY(paused.waitForFinished(30000));
    // Killed with the new image complete beside the older one.
    const QStringList lstLeft = QDir(strStore).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(lstLeft.size(), 2);
    QVERIFY2(lstLeft.at(1).startsWith("offer.png."), qPrintable(lstLeft.at(1)));

    // The next start's feed update stores the image and removes what the killed one left.
    QProcess next;
    next.setProcessEnvironment(environment);
    next.start(strBin + "/ChipsetInstaller", QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(QDir(strStore).entryList(QDir::Files | QDir::Hidden),
                              QStringList {"offer.png"}, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(StandInMachine::readFile(strStore + "/offer.png").size(), 200000,
                              60000);
    next.kill();
    next.waitForFinished(30000);
}

void TestFaults::fullDiskKeepsTheHiveWhole()
{
    if (!g_strNoMounts.isEmpty())
        QSKIP(qPrintable(g_strNoMounts));
    // Room for detection's log, none for the start-up's new hive.
    MachineOnSmallDisk machine(150);
    QVERIFY(machine.disk().mounted());
    const QByteArray hive = StandInMachine::readFile(machine.hivePath());
    QVERIFY(machine.disk().fill(256 * 1024));
    QTemporaryDir reports;
    const QString strReport = reports.path() + "/report.json";
    const Outcome outcome = machine.run({"/list", "/report", strReport});
    QCOMPARE(outcome.iExitCode, status(1603));
    const QString strError = machine.report(strReport)["error"].toString();
    QVERIFY2(strError.contains("SupportedDrivers") && strError.contains("No space left on device"),
             qPrintable(strError));
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
    QCOMPARE(machine.besideTheHive(), QStringList());
}

void TestFaults::diskThatCannotBeWrittenIsAFailure_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("reportOnTheDisk"); // the exit code with a report on that disk
    QTest::newRow("full") << false << "No space left on device" << 1603;
    QTest::newRow("read-only") << true << "Read-only file system" << 87;
}

// Detection cannot write its log there: the run fails and says why, never as a machine that
// needs no driver (1633).
void TestFaults::diskThatCannotBeWrittenIsAFailure()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    QFETCH(int, reportOnTheDisk);
    if (!g_strNoMounts.isEmpty())
        QSKIP(qPrintable(g_strNoMounts));
    MachineOnSmallDisk machine(10);
    QVERIFY(machine.disk().mounted());
    const QByteArray hive = StandInMachine::readFile(machine.hivePath());
    QVERIFY(readOnly ? machine.disk().makeReadOnly() : machine.disk().fill(0));
    QTemporaryDir reports;
    const QString strReport = reports.path() + "/report.json";
    const Outcome quiet = machine.run({"/quiet", "/report", strReport});
    QCOMPARE(quiet.iExitCode, status(1603));
    QVERIFY2(quiet.standardError.contains("log folder")
                     && quiet.standardError.contains(reason.toUtf8()),
             quiet.standardError.constData());
    QCOMPARE(machine.report(strReport)["exitCode"].toInt(), 1603);

    const Outcome list = machine.run({"/list"});
    QCOMPARE(list.iExitCode, status(1603));
    const QJsonObject report = QJsonDocument::fromJson(list.standardOutput).object();
    QVERIFY2(report["error"].toString().contains(reason), list.standardOutput.constData());
    QCOMPARE(report["drivers"].toArray().size(), 0);

    // A report that the disk cannot take is said as such.
    const Outcome onTheDisk = machine.run({"/list", "/report", machine.drive() + "/list.json"});
    QCOMPARE(onTheDisk.iExitCode, status(reportOnTheDisk));
    QVERIFY2(onTheDisk.standardError.contains(reason.toUtf8()),
             onTheDisk.standardError.constData());
    QCOMPARE(StandInMachine::readFile(machine.hivePath()), hive);
    QCOMPARE(machine.besideTheHive(), QStringList());
}

int main(int argc, char *argv[])
{
    g_strNoMounts = enterPrivateMounts();
    QCoreApplication application(argc, argv);
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
