#include "platform/network.h"

#include "platform/diskwrite.h"
#include "platform/machine.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace platform {

namespace {
constexpr int c_iMaxRedirects = 5;

bool routeTableHasDefaultRoute()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    routes.readLine(); // column names
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        if (fields.size() > 1 && fields.at(1) == "00000000")
            return true;
    }
    return false;
}

bool isSuccess(const QNetworkReply *reply)
{
    const int iStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return iStatus >= 200 && iStatus < 300;
}
} // namespace

bool hasDefaultRoute()
{
    const QJsonValue described = machineDescription()
                                         .value(QStringLiteral("network"))
                                         .toObject()
                                         .value(QStringLiteral("defaultRoute"));
    if (described.isBool())
        return described.toBool();
    return routeTableHasDefaultRoute();
}

bool downloadFile(const QString &strUrl, const QString &strDestination, int iTimeoutMs,
                  qint64 iMaxBytes)
{
    const QUrl url(strUrl, QUrl::TolerantMode);
    const QString strScheme = url.scheme();
    if (iTimeoutMs <= 0 || !url.isValid() || url.host().isEmpty()
        || (strScheme != QLatin1String("http") && strScheme != QLatin1String("https")))
        return false;

    QSaveFile file(strDestination);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    QNetworkAccessManager manager;
    const QList<QNetworkProxy> proxies
            = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    manager.setProxy(proxies.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy) : proxies.first());

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(c_iMaxRedirects);
    QNetworkReply *reply = manager.get(request);

    bool bFailed = false;
    const auto fail = [&] {
        bFailed = true;
        reply->abort();
    };
    const auto store = [&] {
        if (bFailed)
            return;
        if (!isSuccess(reply))
            return fail();
        const QByteArray data = reply->readAll();
        if (file.size() + data.size() > iMaxBytes || file.write(data) != data.size())
            fail();
    };

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::redirected, &loop, [&](const QUrl &target) {
        if (target.scheme() == strScheme)
            emit reply->redirectAllowed();
        else
            fail();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, store);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(iTimeoutMs, Qt::PreciseTimer, &loop, fail);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    store();
    const bool bComplete = !bFailed && reply->error() == QNetworkReply::NoError && isSuccess(reply);
    delete reply;
    // The body as it arrived, all of it on the disk, or the old file stays.
    if (!bComplete || !flushWhole(file, file.pos())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
