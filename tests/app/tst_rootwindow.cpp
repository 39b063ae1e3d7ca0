#include "app/qmltypes.h"
#include "app/rootwindow.h"
#include "app/windowplacement.h"
#include "parentprocess.h"
#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <algorithm>

namespace {
const QString c_strMutexName = QStringLiteral("COMM-ZORVA-APPS-BRISK_DRIVER_INSTALLER");

// Holds the single-instance mutex in a process of its own.
class MutexHolder
{
public:
    explicit MutexHolder(const StandInMachine &machine)
    {
        m_process.setProcessEnvironment(machine.environment());
        m_process.start(QCoreApplication::applicationFilePath(), {"--hold-mutex"});
        m_process.waitForReadyRead(10000);
        m_bHeld = m_process.readAll().contains("held");
    }
    ~MutexHolder()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool held() const { return m_bHeld; }

private:
    QProcess m_process;
    bool m_bHeld = false;
};

// The demo machine: devices that detection finds.
void describeDemoMachine(const StandInMachine &machine)
{
    QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath());
    machine.writeHive("{}");
}

// Whether the page's item of that name is visible; a failed test where the page has none.
bool itemVisible(QObject *root, const char *pszName)
{
    QQuickItem *item = root->findChild<QQuickItem *>(pszName);
    QTest::qVerify(item, pszName, "the page has no item of that name", __FILE__, __LINE__);
    return item && item->isVisible();
}
} // namespace

class TestRootWindow : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceShowsTheWarning();
    void secondProgramLeavesTheFirstUntouched();
    void smartInstallerSecondCopyReportsLaunchFailure();
    void smartInstallerWithoutDriversReportsNoneFound();
    void smartInstallerThatCannotStartReportsLaunchFailure();
    void smartInstallerShowsAtTheParentsPosition_data();
    void smartInstallerShowsAtTheParentsPosition();
    void badPositionMessagesAreRefused();
    void closeMessagesAreAnsweredBeforeTheEnd_data();
    void closeMessagesAreAnsweredBeforeTheEnd();
    void positionOutsideEveryScreenIsBroughtOnOne_data();
    void positionOutsideEveryScreenIsBroughtOnOne();
    void placementChoosesTheNearestScreen_data();
    void placementChoosesTheNearestScreen();
};

void TestRootWindow::secondInstanceShowsTheWarning()
{
    StandInMachine machine;
    MutexHolder first(machine);
    QVERIFY(first.held());

    RootWindow *pRootWindow = RootWindow::instance();
    QVERIFY(pRootWindow);
    pRootWindow->loadLoader();
    QVERIFY(!pRootWindow->isSmartInstaller());
    QTRY_VERIFY(!pRootWindow->engine()->rootObjects().isEmpty());
    QObject *page = pRootWindow->engine()->rootObjects().first();
    QTRY_VERIFY(itemVisible(page, "warningText"));

    QCOMPARE(qobject_cast<QWindow *>(page)->isVisible(), true);
    QCOMPARE(page->findChild<QQuickItem *>("warningText")->property("text").toString(),
             QString("Another instance is running. Please close already running instance."));
    QVERIFY(itemVisible(page, "alertIcon"));
    QVERIFY(itemVisible(page, "closeInstallationButton"));
    QVERIFY(!itemVisible(page, "checkingText"));
    QVERIFY(!itemVisible(page, "cancelButton"));
    // Only the loading page: the main window was never loaded.
    QCOMPARE(pRootWindow->engine()->rootObjects().size(), 1);

    QMetaObject::invokeMethod(page, "insufficientMemory");
    QCOMPARE(page->findChild<QQuickItem *>("warningText")->property("text").toString(),
             QString("Unable to allocate memory. Kindly restart your machine."));
}

void TestRootWindow::secondProgramLeavesTheFirstUntouched()
{
    StandInMachine machine;
    describeDemoMachine(machine);
    const QString warning
            = "warning Another instance is running. Please close already running instance.";
    WatchedProcess first(machine);
    QVERIFY(first.start(QCoreApplication::applicationFilePath(), {"--installer"}));
    QVERIFY2(first.waitForLine("shown"), qPrintable(first.output()));

    WatchedProcess second(machine);
    QVERIFY(second.start(QCoreApplication::applicationFilePath(), {"--installer"}));
    QVERIFY2(second.waitForLine(warning), qPrintable(second.output()));
    QVERIFY(!second.output().contains("shown"));
    // The second stays on its warning; the first goes on showing its main window.
    QVERIFY(!second.waitForFinished(1000));
    QVERIFY(first.running());
    QVERIFY(!first.waitForLine("warning", 100));
}

void TestRootWindow::smartInstallerSecondCopyReportsLaunchFailure()
{
    StandInMachine machine;
    describeDemoMachine(machine);
    MutexHolder first(machine);
    QVERIFY(first.held());
    ParentProcess parent(machine);
    QVERIFY(parent.start({}));
    QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
    QCOMPARE(parent.events(), QStringList {"event code=7 message=1231 wparam=0 lparam=0"});
}

void TestRootWindow::smartInstallerWithoutDriversReportsNoneFound()
{
    StandInMachine machine;
    machine.writeDescription(QJsonObject {{"os",
                                           QJsonObject {{"Version", "10.0.19045"},
                                                        {"Caption", "Windows 10 Pro"},
                                                        {"BuildNumber", "19045"}}},
                                          {"devices", QJsonObject {}}});
    ParentProcess parent(machine);
    QVERIFY(parent.start({}));
    QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
    QCOMPARE(parent.events(), QStringList {"event code=8 message=1232 wparam=0 lparam=0"});
}

void TestRootWindow::smartInstallerThatCannotStartReportsLaunchFailure()
{
    // A machine that needs drivers, where a file stands in the way of the log folder: the start
    // failed, and the parent does not hear that no driver applies.
    StandInMachine machine;
    describeDemoMachine(machine);
    StandInMachine::writeFile(machine.drive() + "/Zorva", QByteArray());
    ParentProcess parent(machine);
    QVERIFY(parent.start({}));
    QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
    QCOMPARE(parent.events(), QStringList {"event code=7 message=1231 wparam=0 lparam=0"});
}

void TestRootWindow::smartInstallerShowsAtTheParentsPosition_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("position after the answer") << QStringList();
    // The installer waits in its send of event 9 meanwhile, and still takes the position.
    QTest::newRow("position inside the parent's handler") << QStringList {"--position-in-handler"};
}

void TestRootWindow::smartInstallerShowsAtTheParentsPosition()
{
    QFETCH(QStringList, options);
    StandInMachine machine;
    describeDemoMachine(machine);
    ParentProcess parent(machine);
    QVERIFY(parent.start(QStringList {"--program", QCoreApplication::applicationFilePath(), "--x",
                                      "300", "--y", "200", "--repeat-position", "2",
                                      "--close-after", "300"}
                         + options));
    QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
    const QString output = parent.output();
    QVERIFY2(output.contains("event code=9 message=1233"), qPrintable(output));
    QCOMPARE(output.count("position answered 1"), 2);
    const QRegularExpressionMatch first
            = QRegularExpression("position answered 1 in (\\d+) ms").match(output);
    QVERIFY2(first.captured(1).toInt() < 1000, qPrintable(output));
    // Shown only at the parent's position; a second position moves it again.
    QVERIFY2(output.contains("shown 300 200"), qPrintable(output));
    QVERIFY(output.contains("moved 310 200"));
    QVERIFY(!output.contains("loading page visible"));
    QVERIFY(output.contains("close answered 0"));
}

void TestRootWindow::badPositionMessagesAreRefused()
{
    StandInMachine machine;
    describeDemoMachine(machine);
    for (const QStringList &arguments :
         {QStringList {"--position-bytes", "4"}, QStringList {"--plain-position"}}) {
        ParentProcess parent(machine);
        QVERIFY(parent.start(QStringList {"--program", QCoreApplication::applicationFilePath(),
                                          "--close-after", "300"}
                             + arguments));
        QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
        QVERIFY(parent.output().contains("position answered 0"));
        QVERIFY(!parent.output().contains("shown"));
    }
}

void TestRootWindow::closeMessagesAreAnsweredBeforeTheEnd_data()
{
    QTest::addColumn<QByteArray>("message"); // little-endian
    QTest::newRow("WM_CLOSE") << QByteArray("10000000");
    QTest::newRow("WM_DESTROY") << QByteArray("02000000");
}

// A parent that knows only the wire format sends the message to the installer's hidden window:
// it gets the window procedure's answer, 0, as SendMessageW returns it, and the installer ends
// with 0.
void TestRootWindow::closeMessagesAreAnsweredBeforeTheEnd()
{
    QFETCH(QByteArray, message);
    StandInMachine machine;
    describeDemoMachine(machine);
    WatchedProcess installer(machine);
    QVERIFY(installer.start(QCoreApplication::applicationFilePath(), {"smartInstaller"}));

    // <runtime>/windows/class@title, or "#" and a hash of it where that is too long.
    const QByteArray name = "ChipsetEventWindowClass@Zorva:Chipset-CapturingWindow";
    QString strPath = machine.runtime() + "/windows/" + name;
    if (QFile::encodeName(strPath).size() >= 108)
        strPath = machine.runtime() + "/windows/#"
                + QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(32);
    QLocalSocket window; // connected once the installer has made its window
    QTRY_VERIFY_WITH_TIMEOUT(
            (window.abort(), window.connectToServer(strPath), window.waitForConnected(100)), 20000);

    // The length of the rest (21), the message, wParam 0, kind 0 (plain) and lParam 0.
    window.write(QByteArray::fromHex("15000000" + message + "0000000000000000" + "00"
                                     + "0000000000000000"));
    QVERIFY(window.waitForDisconnected(10000));
    QCOMPARE(window.readAll().toHex(), QByteArray("0000000000000000"));
    QVERIFY(installer.waitForFinished());
    QCOMPARE(installer.exitCode(), 0);
}

void TestRootWindow::positionOutsideEveryScreenIsBroughtOnOne_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("largest") << "2147483647"
                             << "2147483647";
    QTest::newRow("smallest") << "-2147483648"
                              << "-2147483648";
    QTest::newRow("far right") << "100000"
                               << "100";
    QTest::newRow("above") << "100"
                           << "-100000";
}

void TestRootWindow::positionOutsideEveryScreenIsBroughtOnOne()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    StandInMachine machine;
    describeDemoMachine(machine);
    ParentProcess parent(machine);
    QVERIFY(parent.start({"--program", QCoreApplication::applicationFilePath(), "--x=" + x,
                          "--y=" + y, "--close-after", "300"}));
    QVERIFY2(parent.waitForLine("child exit 0"), qPrintable(parent.output()));
    QVERIFY2(parent.output().contains(QRegularExpression("shown -?\\d+ -?\\d+ within a screen")),
             qPrintable(parent.output()));
    QVERIFY(parent.output().contains("event code=9 message=1233"));
}

void TestRootWindow::placementChoosesTheNearestScreen_data()
{
    QTest::addColumn<QPoint>("asked");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("placed");
    const QSize window(770, 470);
    QTest::newRow("inside") << QPoint(300, 200) << window << QPoint(300, 200);
    QTest::newRow("header partly on the right screen")
            << QPoint(3100, 100) << window << QPoint(3100, 100);
    QTest::newRow("header below the left screen")
            << QPoint(100, 1070) << window << QPoint(100, 1070);
    QTest::newRow("right of both") << QPoint(5000, 500) << window << QPoint(2430, 500);
    QTest::newRow("left of both, low") << QPoint(-5000, 2000) << window << QPoint(0, 610);
    QTest::newRow("below the right screen, header under its edge")
            << QPoint(2500, 1030) << window << QPoint(2430, 554);
    QTest::newRow("larger than the screen")
            << QPoint(-9000, -9000) << QSize(4000, 3000) << QPoint(0, 0);
}

void TestRootWindow::placementChoosesTheNearestScreen()
{
    QFETCH(QPoint, asked);
    QFETCH(QSize, size);
    QFETCH(QPoint, placed);
    // Two screens side by side, the right one smaller, the task bar at the foot of each.
    const QVector<QRect> areas {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(placeOnScreens(asked.x(), asked.y(), size, areas), placed);
}

// Runs the installer's own start-up in this process and reports, once each, what its windows
// show: the visible loading page and its warning, the main window's position.
static int runInstaller(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    registerQmlTypes();
    RootWindow *pRootWindow = RootWindow::instance();
    pRootWindow->loadLoader();
    QTimer watcher;
    QPoint shownAt(-1, -1);
    QSet<QString> reported;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QTextStream out(stdout);
        const auto reportOnce = [&](const QString &line) {
            if (!reported.contains(line)) {
                reported.insert(line);
                out << line << Qt::endl;
            }
        };
        for (QObject *object : pRootWindow->engine()->rootObjects()) {
            QWindow *window = qobject_cast<QWindow *>(object);
            if (!window || !window->isVisible())
                continue;
            if (object->metaObject()->indexOfSignal("windowLoaded()") >= 0) {
                reportOnce("loading page visible");
                const QQuickItem *warning = object->findChild<QQuickItem *>("warningText");
                if (warning && warning->isVisible())
                    reportOnce("warning " + warning->property("text").toString());
            } else if (shownAt.x() < 0) {
                shownAt = window->position();
                const QList<QScreen *> lstScreens = QGuiApplication::screens();
                const bool bWithin = std::any_of(
                        lstScreens.begin(), lstScreens.end(), [window](const QScreen *pScreen) {
                            return pScreen->availableGeometry().contains(window->geometry());
                        });
                out << "shown " << shownAt.x() << ' ' << shownAt.y()
                    << (bWithin ? " within a screen" : "") << Qt::endl;
            } else if (window->position() != shownAt) {
                shownAt = window->position();
                out << "moved " << shownAt.x() << ' ' << shownAt.y() << Qt::endl;
            }
        }
    });
    watcher.start(10);
    return application.exec();
}

int main(int argc, char *argv[])
{
    // The installer itself, in smart-installer mode or, with "--installer", in normal mode.
    if (argc > 1
        && (qstrcmp(argv[1], "smartInstaller") == 0 || qstrcmp(argv[1], "--installer") == 0))
        return runInstaller(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--hold-mutex") == 0) {
        QCoreApplication application(argc, argv);
        const bool bHeld
                = platform::createNamedMutex(c_strMutexName) == platform::NamedMutexResult::Created;
        QTextStream(stdout) << (bHeld ? "held" : "refused") << Qt::endl;
        QThread::sleep(60);
        return 0;
    }
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    registerQmlTypes();
    TestRootWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rootwindow.moc"
