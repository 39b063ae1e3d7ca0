#include "feedserver.h"
#include "platform/network.h"
#include "standinmachine.h"

#include <QElapsedTimer>
#include <QTest>

class TestNetwork : public QObject
{
    Q_OBJECT

private:
    const QString c_strHost = QStringLiteral("http://promo.zorva-devices.example");

private slots:
    void defaultRouteFollowsTheMachineDescription()
    {
        StandInMachine machine;
        machine.writeDescription(QJsonObject {{"network", QJsonObject {{"defaultRoute", true}}}});
        QVERIFY(platform::hasDefaultRoute());
        machine.writeDescription(QJsonObject {{"network", QJsonObject {{"defaultRoute", false}}}});
        QVERIFY(!platform::hasDefaultRoute());
    }

    void downloadReplacesOnlyOnCompleteSuccess()
    {
        StandInMachine machine;
        FeedServer server;
        server.becomeProxy();
        QTemporaryDir folder;
        const QString strTarget = folder.path() + "/image.png";

        server.setFile("/new.png", "fresh");
        QVERIFY(platform::downloadFile(c_strHost + "/new.png", strTarget, 2000, 100));
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("fresh"));
        QCOMPARE(server.requests(), QStringList({"/new.png"}));

        server.setFile("/error.png", "error page", 500);
        QVERIFY(!platform::downloadFile(c_strHost + "/error.png", strTarget, 2000, 100));
        server.setMode("/cut.png", FeedServer::Mode::Truncate, "a longer body than half");
        QVERIFY(!platform::downloadFile(c_strHost + "/cut.png", strTarget, 2000, 100));
        server.setFile("/big.png", QByteArray(101, 'b'));
        QVERIFY(!platform::downloadFile(c_strHost + "/big.png", strTarget, 2000, 100));
        QVERIFY(!platform::downloadFile(c_strHost + "/missing.png", strTarget, 2000, 100));
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("fresh"));

        QVERIFY(!platform::downloadFile(c_strHost + "/missing.png", folder.path() + "/none.png",
                                        2000, 100));
        QVERIFY(!QFile::exists(folder.path() + "/none.png"));
        QVERIFY(!platform::downloadFile(c_strHost + "/new.png", folder.path() + "/no/such/x.png",
                                        2000, 100));
        QCOMPARE(QDir(folder.path())
                         .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"image.png"}));
    }

    void redirectsStayOnTheirScheme()
    {
        StandInMachine machine;
        FeedServer server;
        server.becomeProxy();
        QTemporaryDir folder;
        const QString strTarget = folder.path() + "/image.png";
        StandInMachine::writeFile(strTarget, "before");
        const QString strSecret = folder.path() + "/secret";
        StandInMachine::writeFile(strSecret, "local file");

        server.setFile("/moved.png", "moved here");
        server.setMode("/same.png", FeedServer::Mode::Redirect,
                       (c_strHost + "/moved.png").toUtf8());
        server.setMode("/file.png", FeedServer::Mode::Redirect, "file://" + strSecret.toUtf8());
        server.setMode("/https.png", FeedServer::Mode::Redirect,
                       "https://promo.zorva-devices.example/moved.png");

        QVERIFY(!platform::downloadFile(c_strHost + "/file.png", strTarget, 2000, 100));
        QVERIFY(!platform::downloadFile(c_strHost + "/https.png", strTarget, 2000, 100));
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("before"));
        QVERIFY(platform::downloadFile(c_strHost + "/same.png", strTarget, 2000, 100));
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("moved here"));

        QVERIFY(!platform::downloadFile("file://" + strSecret, strTarget, 2000, 100));
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("moved here"));
    }

    void downloadGivesUpInTime_data()
    {
        QTest::addColumn<int>("iMode");
        QTest::newRow("silent") << int(FeedServer::Mode::Stall);
        QTest::newRow("endless") << int(FeedServer::Mode::Trickle);
        QTest::newRow("flood") << int(FeedServer::Mode::Flood);
    }

    void downloadGivesUpInTime()
    {
        QFETCH(int, iMode);
        StandInMachine machine;
        FeedServer server;
        server.becomeProxy();
        QTemporaryDir folder;
        const QString strTarget = folder.path() + "/image.png";
        StandInMachine::writeFile(strTarget, "before");
        server.setMode("/slow.png", FeedServer::Mode(iMode));

        QElapsedTimer timer;
        timer.start();
        QVERIFY(!platform::downloadFile(c_strHost + "/slow.png", strTarget, 400, 4 * 1024 * 1024));
        QVERIFY(timer.elapsed() < 800);
        QCOMPARE(StandInMachine::readFile(strTarget), QByteArray("before"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"image.png"}));
    }
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "tst_network.moc"
