#include "feedserver.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

FeedServer::FeedServer(quint16 iPort)
{
    listen(QHostAddress::LocalHost, iPort);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

FeedServer::~FeedServer()
{
    if (!m_bProxying)
        return;
    if (m_bHadProxy)
        qputenv("http_proxy", m_oldProxy);
    else
        qunsetenv("http_proxy");
}

void FeedServer::becomeProxy()
{
    if (!m_bProxying) {
        m_bHadProxy = qEnvironmentVariableIsSet("http_proxy");
        m_oldProxy = qgetenv("http_proxy");
        m_bProxying = true;
    }
    qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(serverPort()));
    qunsetenv("no_proxy");
}

void FeedServer::setFile(const QString &strPath, const QByteArray &body, int iStatus)
{
    File file;
    file.body = body;
    file.iStatus = iStatus;
    m_files.insert(strPath, file);
}

void FeedServer::setMode(const QString &strPath, Mode mode, const QByteArray &body)
{
    File file;
    file.body = body;
    file.mode = mode;
    m_files.insert(strPath, file);
}

void FeedServer::answer(QTcpSocket *socket)
{
    if (socket->property("answered").toBool())
        return;
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);

    // "GET http://host/path HTTP/1.1": the path of the absolute URI names the file.
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString strPath = requestLine.size() > 1
            ? QUrl::fromEncoded(requestLine.at(1)).path(QUrl::FullyDecoded)
            : QString();
    m_lstRequests.append(strPath);

    const auto found = m_files.constFind(strPath);
    if (found == m_files.constEnd()) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const File file = found.value();
    const QByteArray streaming = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
    switch (file.mode) {
    case Mode::Serve:
        socket->write("HTTP/1.1 " + QByteArray::number(file.iStatus)
                      + " Answer\r\nContent-Length: " + QByteArray::number(file.body.size())
                      + "\r\nConnection: close\r\n\r\n" + file.body);
        socket->disconnectFromHost();
        break;
    case Mode::Stall:
        break;
    case Mode::Trickle: {
        socket->write(streaming);
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
        timer->start(50);
        break;
    }
    case Mode::Flood:
        socket->write(streaming);
        connect(socket, &QTcpSocket::bytesWritten, socket, [socket] { flood(socket); });
        flood(socket);
        break;
    case Mode::Truncate:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(file.body.size())
                      + "\r\nConnection: close\r\n\r\n" + file.body.left(file.body.size() / 2));
        socket->disconnectFromHost();
        break;
    case Mode::Redirect:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + file.body
                      + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        break;
    }
}

void FeedServer::flood(QTcpSocket *socket)
{
    if (socket->bytesToWrite() < 256 * 1024)
        socket->write(QByteArray(256 * 1024, 'x'));
}
