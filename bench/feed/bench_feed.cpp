// Times the feed update against the local feed server. With "--stall" it also measures what a
// silent server costs with the shipped bounds (about 10 s and 30 s).
#include "feed/imagesettings.h"
#include "feedserver.h"
#include "standinmachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <cstdio>

namespace {
const QString c_strFeedPath = QStringLiteral("/chipset/feed/");

qint64 timeUpdate(const QString &strFolder)
{
    QElapsedTimer timer;
    timer.start();
    ImageSettings settings(strFolder);
    settings.toInitializeVariables();
    settings.getNumberOfImagesInDirectory();
    return timer.elapsed();
}

void report(const char *what, qint64 iMs)
{
    std::printf("%-46s %7lld ms\n", what, static_cast<long long>(iMs));
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool bStall = app.arguments().contains(QStringLiteral("--stall"));
    StandInMachine machine;
    FeedServer server;
    server.becomeProxy();

    const int iImages = 12;
    QJsonArray entries;
    for (int i = 0; i < iImages; ++i) {
        const QString strName = QStringLiteral("promo%1.png").arg(i, 2, 10, QLatin1Char('0'));
        entries.append(QJsonObject {{"ImgName", strName},
                                    {"ImgTitle", "Title"},
                                    {"ImgDescription", "Text"},
                                    {"ImgHypLink", "http://x.example/"}});
        server.setFile(c_strFeedPath + strName, QByteArray(256 * 1024, char('a' + i)));
    }
    server.setFile(c_strFeedPath + "ImageArray.json",
                   QJsonDocument(QJsonObject {{"Version", 1}, {"ImgData", entries}}).toJson());

    {
        QTemporaryDir folder;
        machine.writeDescription(QJsonObject {{"network", QJsonObject {{"defaultRoute", false}}}});
        report("offline start", timeUpdate(folder.path()));
        machine.writeDescription(QJsonObject {{"network", QJsonObject {{"defaultRoute", true}}}});
        report("feed update, 12 images of 256 KiB, first run", timeUpdate(folder.path()));
        report("feed update, same version again", timeUpdate(folder.path()));
    }
    if (bStall) {
        QTemporaryDir folder;
        server.setMode(c_strFeedPath + "ImageArray.json", FeedServer::Mode::Stall);
        report("silent descriptor, shipped bounds", timeUpdate(folder.path()));
        server.setFile(c_strFeedPath + "ImageArray.json",
                       QJsonDocument(QJsonObject {{"Version", 2}, {"ImgData", entries}}).toJson());
        for (int i = 0; i < iImages; ++i)
            server.setMode(c_strFeedPath
                                   + QStringLiteral("promo%1.png").arg(i, 2, 10, QLatin1Char('0')),
                           FeedServer::Mode::Trickle);
        report("endless images, shipped bounds", timeUpdate(folder.path()));
    }
    return 0;
}
