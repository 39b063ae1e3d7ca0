// Serves a folder as the image feed, for the demo: run it, then start the program with
// http_proxy=http://127.0.0.1:<port>. Without an ImageArray.json in the folder it describes every
// file there itself, with the given version.
//   feed_server <folder> [port] [version]
#include "feed/imagesettings.h"
#include "feedserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList lstArguments = app.arguments();
    if (lstArguments.size() < 2) {
        std::fprintf(stderr, "usage: feed_server <folder> [port] [version]\n");
        return 2;
    }
    const QDir folder(lstArguments.at(1));
    const quint16 iPort = lstArguments.size() > 2 ? lstArguments.at(2).toUShort() : 0;
    const double dVersion = lstArguments.size() > 3 ? lstArguments.at(3).toDouble() : 1;

    FeedServer server(iPort);
    if (!server.isListening()) {
        std::fprintf(stderr, "feed_server: cannot listen on port %u\n", iPort);
        return 1;
    }
    const QString strBase = QUrl(ImageSettings().feedBaseUrl()).path();
    QJsonArray entries;
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        QFile content(file.filePath());
        if (!content.open(QIODevice::ReadOnly))
            continue;
        server.setFile(strBase + file.fileName(), content.readAll());
        const QString strTopic = file.completeBaseName();
        entries.append(QJsonObject {
                {"ImgName", file.fileName()},
                {"ImgTitle", "Zorva " + strTopic + " update"},
                {"ImgDescription", "Served by the demo feed: " + strTopic + "."},
                {"ImgHypLink", "http://www.zorva-devices.example/chipset/" + strTopic}});
    }
    if (!folder.exists(QStringLiteral("ImageArray.json")))
        server.setFile(
                strBase + "ImageArray.json",
                QJsonDocument(QJsonObject {{"Version", dVersion}, {"ImgData", entries}}).toJson());

    std::printf("%u\n", server.serverPort());
    std::fflush(stdout);
    return app.exec();
}
