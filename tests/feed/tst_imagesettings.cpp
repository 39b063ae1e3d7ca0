#include "feed/imagesettings.h"
#include "feedserver.h"
#include "standinmachine.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString c_strFeedPath = QStringLiteral("/chipset/feed/");

QJsonObject entry(const QString &strName)
{
    return QJsonObject {{"ImgName", strName},
                        {"ImgTitle", "Title " + strName},
                        {"ImgDescription", "About " + strName},
                        {"ImgHypLink", "http://www.zorva-devices.example/" + strName}};
}

// A PNG of a header and an empty image stream, whose header declares the size given.
QByteArray pngDeclaring(quint32 uWidth, quint32 uHeight)
{
    const auto crc = [](const QByteArray &bytes) {
        quint32 uCrc = 0xFFFFFFFFu;
        for (const char ch : bytes) {
            uCrc ^= uchar(ch);
            for (int k = 0; k < 8; ++k)
                uCrc = (uCrc >> 1) ^ (0xEDB88320u & (0u - (uCrc & 1u)));
        }
        return ~uCrc;
    };
    const auto big = [](quint32 u) {
        const char bytes[] = {char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
        return QByteArray(bytes, 4);
    };
    const auto chunk = [&](const char *type, const QByteArray &data) {
        const QByteArray body = QByteArray(type) + data;
        return big(quint32(data.size())) + body + big(crc(body));
    };
    return QByteArray("\x89PNG\r\n\x1a\n", 8)
            + chunk("IHDR", big(uWidth) + big(uHeight) + QByteArray("\x08\x02\x00\x00\x00", 5))
            + chunk("IDAT", QByteArray::fromHex("789c030000000001")) + chunk("IEND", {});
}

QByteArray descriptor(const QJsonValue &version, const QStringList &lstNames)
{
    QJsonArray entries;
    for (const QString &strName : lstNames)
        entries.append(entry(strName));
    return QJsonDocument(QJsonObject {{"Version", version}, {"ImgData", entries}}).toJson();
}
} // namespace

class TestImageSettings : public QObject
{
    Q_OBJECT

private:
    // A stand-in machine with a default route, an empty program folder whose DefaultImages
    // holds four images, and the feed server as the proxy.
    void freshMachine(bool bOnline = true, int iDefaultImages = 4)
    {
        m_server.reset();
        m_folder.reset(new QTemporaryDir);
        m_machine.reset(new StandInMachine);
        m_machine->writeDescription(
                QJsonObject {{"network", QJsonObject {{"defaultRoute", bOnline}}}});
        QDir(folder()).mkpath("DefaultImages");
        for (int i = 0; i < iDefaultImages; ++i)
            StandInMachine::writeFile(folder() + QString("/DefaultImages/default%1.png").arg(i),
                                      "default");
        m_server.reset(new FeedServer);
        m_server->becomeProxy();
    }

    QString folder() const { return m_folder->path(); }

    void serveFeed(const QByteArray &descriptorText, const QStringList &lstImages = {})
    {
        m_server->setFile(c_strFeedPath + "ImageArray.json", descriptorText);
        for (const QString &strName : lstImages)
            m_server->setFile(c_strFeedPath + strName, "image " + strName.toUtf8());
    }

    std::unique_ptr<ImageSettings> run(int iBoundMs = 2000, int iTotalMs = 5000)
    {
        std::unique_ptr<ImageSettings> settings(new ImageSettings(folder()));
        settings->setTimeLimits({iBoundMs, iBoundMs, iTotalMs});
        settings->toInitializeVariables();
        return settings;
    }

    QStringList listed(ImageSettings &settings)
    {
        QStringList lstNames;
        const int iCount = settings.getNumberOfImagesInDirectory();
        for (int i = 0; i < iCount; ++i)
            lstNames.append(QFileInfo(settings.getImagePath(i)).fileName());
        return lstNames;
    }

    bool exists(const QString &strRelative) const
    {
        return QFile::exists(folder() + "/" + strRelative);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<StandInMachine> m_machine;
    std::unique_ptr<FeedServer> m_server;

private slots:
    void offlineShowsDefaults()
    {
        freshMachine(false);
        serveFeed(descriptor(1, {"a.png", "b.png", "c.png"}), {"a.png", "b.png", "c.png"});
        auto settings = run();

        QCOMPARE(listed(*settings),
                 QStringList({"default3.png", "default2.png", "default1.png", "default0.png"}));
        QCOMPARE(settings->getImagePath(0), folder() + "/DefaultImages/default3.png");
        ImageSettings defaults(folder());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(settings->getImageTitle(i), defaults.getImageTitle(-1));
            QCOMPARE(settings->getImageLink(i), defaults.getImageLink(-1));
            QCOMPARE(settings->getImageDescription(i), defaults.getImageDescription(-1));
        }
        QCOMPARE(defaults.getImageTitle(0).split(' ').size(), 3);
        QVERIFY(m_server->requests().isEmpty());
        QVERIFY(!exists("ImageArray.json") && !exists("GlobalImages"));
    }

    void feedImagesShownInDescendingOrderWithEntryTexts()
    {
        freshMachine();
        serveFeed(descriptor(1, {"a.png", "b.png", "c.png"}), {"a.png", "b.png", "c.png"});
        auto settings = run();

        QCOMPARE(listed(*settings), QStringList({"c.png", "b.png", "a.png"}));
        QCOMPARE(settings->getImagePath(0), folder() + "/GlobalImages/c.png");
        QCOMPARE(settings->getImageTitle(0), QString("Title a.png"));
        QCOMPARE(settings->getImageDescription(1), QString("About b.png"));
        QCOMPARE(settings->getImageLink(2), QString("http://www.zorva-devices.example/c.png"));
        QCOMPARE(StandInMachine::readFile(folder() + "/GlobalImages/a.png"),
                 QByteArray("image a.png"));
        QVERIFY(exists("ImageArray.json") && !exists("old_ImageArray.json"));
        QCOMPARE(m_server->requests().first(), c_strFeedPath + "ImageArray.json");

        ImageSettings defaults(folder());
        QCOMPARE(settings->getImageTitle(-1), defaults.getImageTitle(0));
        QCOMPARE(settings->getImageTitle(3), defaults.getImageTitle(0));
        QCOMPARE(settings->getImageDescription(3), defaults.getImageDescription(0));
        QCOMPARE(settings->getImageLink(-1), defaults.getImageLink(0));
        QCOMPARE(settings->getImagePath(-1), QString());
    }

    void olderFeedFilesStayInTheListing()
    {
        freshMachine();
        QDir(folder()).mkpath("GlobalImages");
        StandInMachine::writeFile(folder() + "/GlobalImages/Zold.png", "old");
        StandInMachine::writeFile(folder() + "/GlobalImages/.1hidden.png", "old");
        QFile::link(folder() + "/GlobalImages/Zold.png", folder() + "/GlobalImages/zlink.png");
        const QStringList lstNames {"p1.png", "p2.png", "p3.png", "p4.png", "p5.png"};
        serveFeed(descriptor(2, lstNames), lstNames);
        auto settings = run();

        QCOMPARE(listed(*settings),
                 QStringList({"p5.png", "p4.png", "p3.png", "p2.png", "p1.png", "Zold.png",
                              ".1hidden.png"}));
        QCOMPARE(settings->getImageTitle(4), QString("Title p5.png"));
        QCOMPARE(settings->getImageTitle(5), settings->getImageTitle(-1));
        QCOMPARE(settings->getImageLink(6), settings->getImageLink(-1));
    }

    void fewFeedFilesFallBackToDefaultsWithFeedTexts()
    {
        freshMachine();
        serveFeed(descriptor(1, {"a.png", "b.png"}), {"a.png", "b.png"});
        auto settings = run();

        QCOMPARE(settings->getNumberOfImagesInDirectory(), 4);
        QVERIFY(settings->getImagePath(0).startsWith(folder() + "/DefaultImages/"));
        QCOMPARE(settings->getImageTitle(1), QString("Title b.png"));
        QCOMPARE(settings->getImageTitle(2), settings->getImageTitle(-1));
        QVERIFY(exists("GlobalImages/a.png"));
    }

    void fewDefaultsAreStillCounted()
    {
        freshMachine(true, 2);
        auto settings = run(); // the server answers 404 for the descriptor
        QCOMPARE(settings->getNumberOfImagesInDirectory(), 2);
        QVERIFY(!exists("ImageArray.json"));
        QCOMPARE(settings->getImagePath(2), QString());
    }

    void descriptorRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("bFeedUsed");
        QTest::addColumn<QString>("strTitle0"); // "-" for the default title

        const QStringList lstThree {"a.png", "b.png", "c.png"};
        QTest::newRow("valid") << descriptor(1, lstThree) << true << "Title a.png";
        QTest::newRow("version zero") << descriptor(0, lstThree) << true << "Title a.png";
        QTest::newRow("version as string") << descriptor("3", lstThree) << true << "Title a.png";
        QTest::newRow("negative version") << descriptor(-1, lstThree) << false << "-";
        QTest::newRow("no version")
                << QByteArray(R"({"ImgData": [{"ImgName": "a.png"}]})") << false << "-";
        QTest::newRow("no ImgData") << QByteArray(R"({"Version": 1})") << false << "-";
        QTest::newRow("not JSON") << QByteArray("Version=1\nImgData=a.png") << false << "-";
        QTest::newRow("array at top")
                << QByteArray(R"([{"Version": 1, "ImgData": []}])") << false << "-";
        QTest::newRow("ImgData not an array")
                << QByteArray(R"({"Version": 1, "ImgData": {"ImgName": "a.png"}})") << true << "-";
        QTest::newRow("element not an object")
                << QByteArray(R"({"Version": 1, "ImgData": ["a.png", 7]})") << true << "";
        QTest::newRow("keys of the wrong type")
                << QByteArray(R"({"Version": 1, "ImgData": [{"ImgName": 1, "ImgTitle": true}]})")
                << true << "";
        QTest::newRow("entry without a title")
                << QByteArray(R"({"Version": 1, "ImgData": [{"ImgName": "a.png"}]})") << true << "";
        QTest::newRow("text after a NUL byte")
                << descriptor(1, lstThree).append('\0').append("garbage") << true << "Title a.png";
        QByteArray huge = descriptor(1, lstThree);
        huge.insert(1, QByteArray(1024 * 1024, ' '));
        QTest::newRow("larger than 1 MiB") << huge << false << "-";
    }

    void descriptorRules()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, bFeedUsed);
        QFETCH(QString, strTitle0);

        freshMachine();
        QDir(folder()).mkpath("GlobalImages");
        for (const char *name : {"x.png", "y.png", "z.png"})
            StandInMachine::writeFile(folder() + "/GlobalImages/" + name, "kept");
        StandInMachine::writeFile(folder() + "/ImageArray.json", descriptor(0, {}));
        serveFeed(text, {"a.png", "b.png", "c.png"});
        auto settings = run();

        settings->getNumberOfImagesInDirectory();
        QCOMPARE(settings->getImagePath(0).contains("/GlobalImages/"), bFeedUsed);
        QCOMPARE(exists("old_ImageArray.json"), !bFeedUsed);
        QCOMPARE(settings->getImageTitle(0),
                 strTitle0 == "-" ? settings->getImageTitle(-1) : strTitle0);
    }

    void olderFeedKeepsPreviousDescriptorAndShowsItsTexts()
    {
        freshMachine();
        StandInMachine::writeFile(folder() + "/old_ImageArray.json", descriptor(0.5, {}));
        serveFeed(descriptor("3", {"a.png", "b.png", "c.png"}), {"a.png", "b.png", "c.png"});
        auto settings = run();

        QVERIFY(!settings->compareVersionNumbers());
        QVERIFY(settings->getImagePath(0).contains("/DefaultImages/"));
        QCOMPARE(settings->getImageTitle(0), QString("Title a.png"));
        QVERIFY(exists("old_ImageArray.json"));
        QVERIFY(!exists("GlobalImages"));
        QCOMPARE(m_server->requests().size(), 1);
    }

    void sameVersionTwiceFetchesAgain()
    {
        freshMachine();
        const QStringList lstNames {"a.png", "b.png", "c.png"};
        serveFeed(descriptor(4, lstNames), lstNames);
        run();
        m_server->clearRequests();
        auto settings = run();

        QCOMPARE(m_server->requests().size(), 4);
        QVERIFY(!exists("old_ImageArray.json"));
        QVERIFY(exists("ImageArray.json"));
        QCOMPARE(listed(*settings), QStringList({"c.png", "b.png", "a.png"}));
    }

    void keptPreviousDescriptorBlocksTheRename()
    {
        freshMachine();
        const QStringList lstNames {"a.png", "b.png", "c.png"};
        StandInMachine::writeFile(folder() + "/ImageArray.json", descriptor(1, {}));
        StandInMachine::writeFile(folder() + "/old_ImageArray.json", descriptor(5, {}));

        serveFeed(descriptor(2, lstNames), lstNames);
        run();
        QCOMPARE(StandInMachine::readFile(folder() + "/old_ImageArray.json"), descriptor(5, {}));
        QCOMPARE(StandInMachine::readFile(folder() + "/ImageArray.json"), descriptor(2, lstNames));

        // The download fails: the earlier ImageArray.json, still in place, is read instead.
        m_server->removeFile(c_strFeedPath + "ImageArray.json");
        auto settings = run();
        QCOMPARE(settings->getImageTitle(0), QString("Title a.png"));
        QVERIFY(settings->getImagePath(0).contains("/DefaultImages/"));

        serveFeed(descriptor(5, lstNames), lstNames);
        settings = run();
        QVERIFY(!exists("old_ImageArray.json"));
        QVERIFY(settings->getImagePath(0).contains("/GlobalImages/"));
    }

    void failedDescriptorDownloadAfterRenameShowsDefaults()
    {
        freshMachine();
        StandInMachine::writeFile(folder() + "/ImageArray.json", descriptor(1, {"a.png"}));
        m_server->setFile(c_strFeedPath + "ImageArray.json", "server trouble", 500);
        auto settings = run();

        QVERIFY(!exists("ImageArray.json"));
        QVERIFY(exists("old_ImageArray.json"));
        QCOMPARE(settings->getImageTitle(0), settings->getImageTitle(-1));
        QVERIFY(settings->getImagePath(0).contains("/DefaultImages/"));
    }

    void readOnlyDescriptorCountsAsAbsent()
    {
        if (geteuid() == 0)
            QSKIP("root opens read-only files for writing");
        freshMachine();
        StandInMachine::writeFile(folder() + "/ImageArray.json", descriptor(1, {"a.png"}));
        QFile::setPermissions(folder() + "/ImageArray.json", QFile::ReadOwner);
        ImageSettings settings(folder());
        settings.setTimeLimits({500, 500, 1000});
        settings.toInitializeVariables(); // no feed served: the read-only file stays put
        QCOMPARE(settings.getImageTitle(0), settings.getImageTitle(-1));
    }

    void namesOutsideTheImageFolderAreNotFetched_data()
    {
        QTest::addColumn<QString>("strName");
        for (const char *pszName : {"../escape.png",
                                    "sub/x.png",
                                    "..\\x.png",
                                    "C:x.png",
                                    "x.png:stream",
                                    "nul.png",
                                    "COM1",
                                    "",
                                    ".",
                                    "..",
                                    "COM0",
                                    "LPT0.png",
                                    "com\u00b9",
                                    "COM\u00b2.jpg",
                                    "LPT\u00b3",
                                    "conin$",
                                    "CONOUT$.png",
                                    "x.png.",
                                    "x.png ",
                                    "...",
                                    " ",
                                    "a<b.png",
                                    "a|b.png",
                                    "a?.png",
                                    "a*.png",
                                    "a\".png",
                                    "tab\t.png",
                                    "PRN .txt"})
            QTest::newRow(pszName) << QString::fromUtf8(pszName);
    }

    void namesOutsideTheImageFolderAreNotFetched()
    {
        QFETCH(QString, strName);
        freshMachine();
        serveFeed(descriptor(1, {strName, "ok.png"}), {"ok.png"});
        m_server->setFile(c_strFeedPath + strName, "escaped");
        auto settings = run();

        QCOMPARE(m_server->requests(),
                 QStringList({c_strFeedPath + "ImageArray.json", c_strFeedPath + "ok.png"}));
        QVERIFY(!exists("escape.png"));
        QCOMPARE(QDir(folder() + "/GlobalImages").entryList(QDir::Files | QDir::Hidden),
                 QStringList({"ok.png"}));
        QCOMPARE(settings->getImageTitle(0), "Title " + strName);
    }

    void plantedFifosAndLinksNeitherBlockNorLeadOut()
    {
        alarm(20); // a FIFO opened for reading waits for ever
        freshMachine();
        const QStringList lstNames {"a.png", "b.png", "c.png"};
        QTemporaryDir outside;
        const QString victim = outside.path() + "/victim";
        StandInMachine::writeFile(victim, "precious");
        QDir(outside.path()).mkpath("etc");
        for (const char *name : {"passwd", "shadow", "group"})
            StandInMachine::writeFile(outside.path() + "/etc/" + name, "secret");
        QVERIFY(::mkfifo(QFile::encodeName(folder() + "/old_ImageArray.json"), 0600) == 0);
        QVERIFY(QFile::link(victim, folder() + "/ImageArray.json"));
        QVERIFY(QFile::link(outside.path() + "/etc", folder() + "/GlobalImages"));
        QVERIFY(QFile::link(victim, outside.path() + "/etc/a.png"));
        serveFeed(descriptor(1, lstNames), lstNames);
        auto settings = run();

        QCOMPARE(StandInMachine::readFile(victim), QByteArray("precious"));
        QCOMPARE(QDir(outside.path() + "/etc").entryList(QDir::Files | QDir::System).size(), 4);
        QVERIFY(!QFileInfo(folder() + "/GlobalImages").isSymLink());
        QVERIFY(!QFileInfo(folder() + "/ImageArray.json").isSymLink());
        QCOMPARE(listed(*settings), QStringList({"c.png", "b.png", "a.png"}));
        QCOMPARE(StandInMachine::readFile(folder() + "/GlobalImages/a.png"),
                 QByteArray("image a.png"));

        // A link planted again among the images is replaced by the download too.
        QFile::remove(folder() + "/GlobalImages/b.png");
        QVERIFY(QFile::link(victim, folder() + "/GlobalImages/b.png"));
        settings = run();
        QCOMPARE(StandInMachine::readFile(victim), QByteArray("precious"));
        QCOMPARE(StandInMachine::readFile(folder() + "/GlobalImages/b.png"),
                 QByteArray("image b.png"));
        alarm(0);
    }

    void imagesTooLargeToShowAreNoImages()
    {
        freshMachine();
        const QStringList lstNames {"a.png", "b.png", "c.png"};
        serveFeed(descriptor(1, lstNames));
        m_server->setFile(c_strFeedPath + "a.png", pngDeclaring(20000, 20000));
        m_server->setFile(c_strFeedPath + "b.png", pngDeclaring(9000, 100));
        m_server->setFile(c_strFeedPath + "c.png", pngDeclaring(1200, 400));
        auto settings = run();

        QVERIFY(exists("GlobalImages/a.png"));
        QCOMPARE(settings->getNumberOfImagesInDirectory(), 4); // the defaults: one image left
        QVERIFY(settings->getImagePath(0).contains("/DefaultImages/"));
        settings->getDirectoryInformation(folder() + "/GlobalImages");
        QCOMPARE(settings->getImagePath(0), folder() + "/GlobalImages/c.png");
        QCOMPARE(settings->getImagePath(1), QString());
    }

    void storeKeepsTheNewestFeedWithinItsBound()
    {
        freshMachine();
        QDir(folder()).mkpath("GlobalImages");
        const QByteArray large(7 * 1024 * 1024, 'x');
        // Older images, the first of them the newest.
        StandInMachine::writeFile(folder() + "/GlobalImages/old1.png",
                                  QByteArray(3 * 1024 * 1024, 'o'));
        StandInMachine::writeFile(folder() + "/GlobalImages/old2.png", large);
        const QDateTime earlier = QDateTime::currentDateTime().addDays(-1);
        QFile old2(folder() + "/GlobalImages/old2.png");
        QVERIFY(old2.open(QIODevice::ReadWrite)
                && old2.setFileTime(earlier, QFileDevice::FileModificationTime));
        old2.close();
        const QStringList lstNames {"n1.png", "n2.png", "n3.png", "n4.png", "n5.png", "huge.png"};
        serveFeed(descriptor(1, lstNames));
        for (const QString &strName : lstNames)
            m_server->setFile(c_strFeedPath + strName, large);
        m_server->setFile(c_strFeedPath + "huge.png", QByteArray(9 * 1024 * 1024, 'h'));
        auto settings = run(5000, 20000);

        QStringList lstKept = QDir(folder() + "/GlobalImages").entryList(QDir::Files);
        QCOMPARE(lstKept, QStringList({"n1.png", "n2.png", "n3.png", "n4.png", "old1.png"}));
        qint64 iTotal = 0;
        for (const QString &strName : lstKept)
            iTotal += QFileInfo(folder() + "/GlobalImages/" + strName).size();
        QVERIFY(iTotal <= 32 * 1024 * 1024);
        QCOMPARE(settings->getNumberOfImagesInDirectory(), 5);
    }

    void failedImageDownloadKeepsOlderCopy()
    {
        freshMachine();
        QDir(folder()).mkpath("GlobalImages");
        StandInMachine::writeFile(folder() + "/GlobalImages/a.png", "older a");
        StandInMachine::writeFile(folder() + "/GlobalImages/b.png", "older b");
        serveFeed(descriptor(1, {"a.png", "b.png", "c.png"}), {"c.png"});
        m_server->setFile(c_strFeedPath + "a.png", "not found page", 404);
        m_server->setMode(c_strFeedPath + "b.png", FeedServer::Mode::Truncate, "whole new b");
        auto settings = run();

        QCOMPARE(StandInMachine::readFile(folder() + "/GlobalImages/a.png"), QByteArray("older a"));
        QCOMPARE(StandInMachine::readFile(folder() + "/GlobalImages/b.png"), QByteArray("older b"));
        QCOMPARE(QDir(folder() + "/GlobalImages").entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void stallingServerCostsNoMoreThanTheBounds_data()
    {
        QTest::addColumn<QString>("strStalled");
        QTest::addColumn<int>("iMode");
        QTest::newRow("silent descriptor") << "ImageArray.json" << int(FeedServer::Mode::Stall);
        QTest::newRow("endless descriptor") << "ImageArray.json" << int(FeedServer::Mode::Trickle);
        QTest::newRow("silent images") << "*" << int(FeedServer::Mode::Stall);
        QTest::newRow("endless images") << "*" << int(FeedServer::Mode::Trickle);
        QTest::newRow("flooding images") << "*" << int(FeedServer::Mode::Flood);
    }

    void stallingServerCostsNoMoreThanTheBounds()
    {
        QFETCH(QString, strStalled);
        QFETCH(int, iMode);
        freshMachine();
        const QStringList lstNames {"a.png", "b.png", "c.png", "d.png", "e.png"};
        serveFeed(descriptor(1, lstNames), {});
        const QStringList lstStalled = strStalled == "*" ? lstNames : QStringList {strStalled};
        for (const QString &strName : lstStalled)
            m_server->setMode(c_strFeedPath + strName, FeedServer::Mode(iMode));

        QElapsedTimer timer;
        timer.start();
        auto settings = run(300, 800);
        const qint64 iElapsed = timer.elapsed();

        // One bound for the descriptor; the images together stop at the total bound.
        QVERIFY2(iElapsed < (strStalled == "*" ? 800 : 300) + 400,
                 qPrintable(QString::number(iElapsed)));
        if (FeedServer::Mode(iMode) != FeedServer::Mode::Flood) // the size cap ends a flood
            QVERIFY(iElapsed >= 250);
        QCOMPARE(settings->getNumberOfImagesInDirectory(), 4);
        QVERIFY(settings->getImagePath(0).contains("/DefaultImages/"));
        QVERIFY(QDir(folder() + "/GlobalImages").entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void instanceUsesTheProgramFolder()
    {
        StandInMachine machine;
        machine.writeDescription(QJsonObject {{"network", QJsonObject {{"defaultRoute", false}}}});
        ImageSettings *pSettings = ImageSettings::instance();
        QVERIFY(pSettings);
        QCOMPARE(ImageSettings::instance(), pSettings);
        QCOMPARE(pSettings->getPresentWorkingDirectory(), QCoreApplication::applicationDirPath());
        QVERIFY(!pSettings->isInternetConnected());
    }
};

QTEST_GUILESS_MAIN(TestImageSettings)
#include "tst_imagesettings.moc"
