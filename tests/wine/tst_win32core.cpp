// The Win32 core of the platform services, run for real: test programs built with MinGW-w64
// around platform/win32 run under wine and check themselves (see programs/); this test runs
// each and compares what only this machine can tell.
#include "feedserver.h"
#include "winesession.h"

#include <QtTest>

class TestWin32Core : public QObject
{
    Q_OBJECT

public:
    QString unavailableReason();

private slots:
    void messageWindowsBetweenTwoProcesses();
    void namedMutexBetweenInstances();
    void installedProductsFromTheRegistry();
    void routeTableOfTheMachine();
    void routeTableOfANetworkOfItsOwn();
    void downloadThroughUrlmon_data();
    void downloadThroughUrlmon();
    void shutdownPrivilege();
    void reparsePoints();
    void modulePath();
    void monitorDpi_data();
    void monitorDpi();

private:
    static QString program(const QString &strName);
    void runChecks(const QString &strName);

    WineSession m_session;
};

QString TestWin32Core::program(const QString &strName)
{
    return QStringLiteral(WINE_PROGRAMS_DIR "/") + strName + QStringLiteral(".exe");
}

// The test programs, and a display for the windows of messageWindowsBetweenTwoProcesses.
QString TestWin32Core::unavailableReason()
{
    if (!QFileInfo::exists(program(QStringLiteral("messagewindows"))))
        return QStringLiteral("the test programs were not built: no i686-w64-mingw32-g++ "
                              "(Debian package g++-mingw-w64-i686)");
    const QString strWow64 = WineSession::wow64UnavailableReason();
    if (!strWow64.isEmpty())
        return strWow64;
    QString strError;
    if (!m_session.startDisplay(&strError))
        return strError;
    return QString();
}

// A program of programs/ that checks itself: it reports each failed check on its standard
// error and exits with their number.
void TestWin32Core::runChecks(const QString &strName)
{
    const WineSession::Run run = m_session.run(program(strName), {});
    QVERIFY2(run.bFinished, "the program did not end");
    QVERIFY2(run.iExitCode == 0, run.errors.constData());
}

void TestWin32Core::messageWindowsBetweenTwoProcesses()
{
    runChecks(QStringLiteral("messagewindows"));
}

void TestWin32Core::namedMutexBetweenInstances()
{
    runChecks(QStringLiteral("namedmutex"));
}

void TestWin32Core::installedProductsFromTheRegistry()
{
    runChecks(QStringLiteral("installedproducts"));
}

// wine reads the route table of this machine; /proc/net/route tells what it should find.
void TestWin32Core::routeTableOfTheMachine()
{
    QFile table(QStringLiteral("/proc/net/route"));
    if (!table.open(QIODevice::ReadOnly))
        QSKIP("no /proc/net/route");
    bool bDefaultRoute = false;
    table.readLine();
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        bDefaultRoute = bDefaultRoute || fields.value(1) == "00000000";
    }

    const WineSession::Run run = m_session.run(program(QStringLiteral("routetable")), {});
    QVERIFY2(run.bFinished && run.iExitCode == 0, run.errors.constData());
    QCOMPARE(QString::fromUtf8(run.output).trimmed(),
             QString(bDefaultRoute ? "default route: yes" : "default route: no"));
}

// A network of the test's own: wine in a network namespace whose route table the test writes,
// first a route that is not a default one, then a default route. The routes are read by a process
// of the wine session, so the session is one of its own too, in a copy of the prefix.
void TestWin32Core::routeTableOfANetworkOfItsOwn()
{
    const QString strUnshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    const QString strIp = QStandardPaths::findExecutable(
            QStringLiteral("ip"),
            {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/bin")});
    if (strUnshare.isEmpty() || strIp.isEmpty())
        QSKIP("no unshare or ip (Debian packages util-linux and iproute2)");
    QStringList launcher;
    for (const QStringList &namespaces :
         QList<QStringList> {{QStringLiteral("--net")},
                             {QStringLiteral("--map-root-user"), QStringLiteral("--net")}}) {
        QProcess probe;
        probe.start(strUnshare, namespaces + QStringList {QStringLiteral("true")});
        if (probe.waitForFinished(30000) && probe.exitCode() == 0) {
            launcher = QStringList {strUnshare} + namespaces;
            break;
        }
    }
    if (launcher.isEmpty())
        QSKIP("no network namespace can be made here");

    QTemporaryDir copy(WineSession::prefix() + QStringLiteral("-XXXXXX"));
    QVERIFY(copy.isValid());
    QProcess copying;
    copying.start(QStringLiteral("cp"),
                  {QStringLiteral("-a"), WineSession::prefix() + "/.", copy.path()});
    QVERIFY(copying.waitForFinished(120000) && copying.exitCode() == 0);

    // "$@" is wine and the program.
    const QString strScript
            = QStringLiteral("ip link set lo up && ip route add 10.9.0.0/16 dev lo && \"$@\" && "
                             "ip route add default dev lo && \"$@\"");
    launcher << QStringLiteral("env") << "PATH=" + QFileInfo(strIp).path() + ":/usr/bin:/bin"
             << QStringLiteral("sh") << QStringLiteral("-c") << strScript << QStringLiteral("sh");
    const WineSession isolated(copy.path());
    const WineSession::Run run
            = isolated.run(program(QStringLiteral("routetable")), {}, 120000, launcher);
    QVERIFY2(run.bFinished && run.iExitCode == 0, run.errors.constData());
    QCOMPARE(QString::fromUtf8(run.output).simplified(),
             QString("default route: no default route: yes"));
}

void TestWin32Core::downloadThroughUrlmon_data()
{
    QTest::addColumn<int>("iMode"); // FeedServer::Mode
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("iStatus");
    QTest::addColumn<int>("iTimeoutMs");
    QTest::addColumn<QByteArray>("expected"); // the file afterwards; "before" when kept

    const int iServe = int(FeedServer::Mode::Serve);
    const int iRedirect = int(FeedServer::Mode::Redirect);
    QTest::newRow("whole body") << iServe << QByteArray("fresh") << 200 << 5000
                                << QByteArray("fresh");
    QTest::newRow("empty body") << iServe << QByteArray() << 200 << 5000 << QByteArray();
    QTest::newRow("error status") << iServe << QByteArray("oops") << 500 << 5000
                                  << QByteArray("before");
    QTest::newRow("not found") << iServe << QByteArray("gone") << 404 << 5000
                               << QByteArray("before");
    QTest::newRow("larger than allowed")
            << iServe << QByteArray(101, 'x') << 200 << 5000 << QByteArray("before");
    QTest::newRow("cut short") << int(FeedServer::Mode::Truncate) << QByteArray(64, 'x') << 200
                               << 5000 << QByteArray("before");
    QTest::newRow("redirect on the scheme")
            << iRedirect << QByteArray("/moved.png") << 302 << 5000 << QByteArray("moved here");
    QTest::newRow("redirect to https")
            << iRedirect << QByteArray("https://promo.zorva-devices.example/moved.png") << 302
            << 5000 << QByteArray("before");
    QTest::newRow("silent server")
            << int(FeedServer::Mode::Stall) << QByteArray() << 200 << 1500 << QByteArray("before");
    QTest::newRow("endless body") << int(FeedServer::Mode::Trickle) << QByteArray() << 200 << 1500
                                  << QByteArray("before");
}

// URLDownloadToFileW of wine's urlmon against a server of the test's own on 127.0.0.1.
void TestWin32Core::downloadThroughUrlmon()
{
    QFETCH(int, iMode);
    QFETCH(QByteArray, body);
    QFETCH(int, iStatus);
    QFETCH(int, iTimeoutMs);
    QFETCH(QByteArray, expected);

    FeedServer server;
    QVERIFY(server.isListening());
    const QByteArray host = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    server.setFile(QStringLiteral("/moved.png"), "moved here");
    if (FeedServer::Mode(iMode) == FeedServer::Mode::Redirect && body.startsWith('/'))
        body.prepend(host);
    if (FeedServer::Mode(iMode) == FeedServer::Mode::Serve)
        server.setFile(QStringLiteral("/image.png"), body, iStatus);
    else
        server.setMode(QStringLiteral("/image.png"), FeedServer::Mode(iMode), body);

    QTemporaryDir folder;
    QFile target(folder.filePath(QStringLiteral("image.png")));
    QVERIFY(target.open(QIODevice::WriteOnly) && target.write("before") == 6);
    target.close();

    const WineSession::Run run = m_session.run(
            program(QStringLiteral("download")),
            {QString::fromLatin1(host + "/image.png"), WineSession::windowsPath(target.fileName()),
             QString::number(iTimeoutMs), QStringLiteral("100")});
    QVERIFY2(run.bFinished, "the download did not end");
    QCOMPARE(run.iExitCode, expected == "before" ? 1 : 0);
    QVERIFY2(run.output.trimmed().toInt() < iTimeoutMs + 1000, run.output.constData());
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), expected);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"image.png"}));
}

void TestWin32Core::shutdownPrivilege()
{
    runChecks(QStringLiteral("shutdownprivilege"));
}

void TestWin32Core::reparsePoints()
{
    runChecks(QStringLiteral("reparsepoints"));
}

void TestWin32Core::modulePath()
{
    const QString strProgram = program(QStringLiteral("modulepath"));
    const WineSession::Run run = m_session.run(strProgram, {});
    QVERIFY2(run.bFinished && run.iExitCode == 0, run.errors.constData());
    QCOMPARE(QString::fromUtf8(run.output).trimmed(), WineSession::windowsPath(strProgram));
}

void TestWin32Core::monitorDpi_data()
{
    QTest::addColumn<int>("iDpi");
    QTest::newRow("96 dots per inch") << 96;
    QTest::newRow("144 dots per inch") << 144;
}

// wine takes the screen's DPI from the registry, as Windows' display settings set it.
void TestWin32Core::monitorDpi()
{
    QFETCH(int, iDpi);
    const QString strDesktop = QStringLiteral("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n");
    QVERIFY(m_session.importRegistry(
            strDesktop
            + QStringLiteral("\"LogPixels\"=dword:%1\r\n").arg(iDpi, 8, 16, QLatin1Char('0'))));
    const WineSession::Run run
            = m_session.run(program(QStringLiteral("windowdpi")), {QString::number(iDpi)});
    QVERIFY(m_session.importRegistry(strDesktop + QStringLiteral("\"LogPixels\"=-\r\n")));
    QVERIFY2(run.bFinished, "the program did not end");
    QVERIFY2(run.iExitCode == 0, run.errors.constData());
}

WINE_TEST_MAIN(TestWin32Core)
#include "tst_win32core.moc"
