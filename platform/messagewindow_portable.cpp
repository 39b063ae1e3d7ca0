// Windows and their messages on the stand-in machine: a window of class C and title T is the
// local socket <runtime>/windows/C@T of the process that owns it. One request per connection:
//   u32 length of the rest, u32 message, u64 wParam, u8 kind,
//   kind 0: u64 lParam; kind 1: u64 dwData, u32 cbData, cbData bytes.
// The owner answers with the i64 result and closes the connection.
#include "platform/messagewindow.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr quint32 c_uiMaxRequest = 64 * 1024;
constexpr quint32 c_uiPlainBody = 4 + 8 + 1 + 8;
constexpr quint32 c_uiCopyDataHeader = 4 + 8 + 1 + 8 + 4;
constexpr int c_iRequestTimeoutMs = 2000;
constexpr int c_iConnectTimeoutMs = 2000;
constexpr int c_iAnswerTimeoutMs = 30000;

QString windowsFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/windows");
}

QString endpointPath(const QString &strClass, const QString &strTitle)
{
    const QString folder = windowsFolder();
    return folder.isEmpty() ? QString()
                            : folder + QLatin1Char('/') + strClass + QLatin1Char('@') + strTitle;
}

struct PeerCredentials
{
    bool bValid = false;
    pid_t pid = 0;
    uid_t uid = 0;
};

PeerCredentials peerOf(qintptr descriptor)
{
    PeerCredentials peer;
    struct ucred credentials = {};
    socklen_t length = sizeof(credentials);
    if (descriptor >= 0
        && ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0) {
        peer.bValid = true;
        peer.pid = credentials.pid;
        peer.uid = credentials.uid;
    }
    return peer;
}

// The sockets of windows found or owned, by handle.
QHash<WindowHandle, QString> &knownWindows()
{
    static QHash<WindowHandle, QString> windows;
    return windows;
}

// Parses a complete request; false when it is malformed.
bool parseRequest(const QByteArray &body, WindowMessage *pMessage)
{
    QDataStream stream(body);
    stream.setByteOrder(QDataStream::LittleEndian);
    quint8 kind = 0;
    stream >> pMessage->uiMessage >> pMessage->wParam >> kind;
    if (kind == 0) {
        stream >> pMessage->lParam;
        return stream.status() == QDataStream::Ok && quint32(body.size()) == c_uiPlainBody;
    }
    if (kind != 1 || pMessage->uiMessage != c_uiCopyDataMessage)
        return false;
    quint32 cbData = 0;
    stream >> pMessage->dwData >> cbData;
    if (stream.status() != QDataStream::Ok || quint32(body.size()) != c_uiCopyDataHeader + cbData)
        return false;
    pMessage->data = body.mid(int(c_uiCopyDataHeader));
    return true;
}

class Endpoint : public QObject
{
public:
    Endpoint(const QString &strPath, WindowProcedure procedure)
        : m_strPath(strPath)
        , m_procedure(std::move(procedure))
    {
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        connect(&m_server, &QLocalServer::newConnection, this, &Endpoint::accept);
    }

    bool listen()
    {
        // A socket left by a process that has ended is taken over; a live owner keeps it.
        QLocalSocket probe;
        probe.connectToServer(m_strPath);
        if (probe.waitForConnected(200))
            return false;
        QLocalServer::removeServer(m_strPath);
        return m_server.listen(m_strPath);
    }

    // The window's last message, as the system sends it while destroying a window.
    void destroy()
    {
        WindowMessage message;
        message.uiMessage = c_uiDestroyMessage;
        m_procedure(WindowHandle(::getpid()), message);
        close();
    }

    void close()
    {
        m_server.close();
        QFile::remove(m_strPath);
    }

private:
    void accept()
    {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            const PeerCredentials peer = peerOf(socket->socketDescriptor());
            if (!peer.bValid || peer.uid != ::geteuid()) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(c_iRequestTimeoutMs, socket, [socket] { socket->abort(); });
            read(socket);
        }
    }

    void read(QLocalSocket *socket)
    {
        if (socket->property("answered").toBool())
            return;
        if (socket->bytesAvailable() < 4)
            return;
        QByteArray lengthBytes = socket->peek(4);
        QDataStream lengthStream(lengthBytes);
        lengthStream.setByteOrder(QDataStream::LittleEndian);
        quint32 uiLength = 0;
        lengthStream >> uiLength;
        if (uiLength < c_uiPlainBody || uiLength > c_uiMaxRequest) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < qint64(4 + uiLength))
            return;
        socket->read(4);
        const QByteArray body = socket->read(uiLength);
        WindowMessage message;
        if (!parseRequest(body, &message)) {
            socket->abort();
            return;
        }
        socket->setProperty("answered", true);
        QPointer<QLocalSocket> guard(socket);
        const std::optional<qint64> result = m_procedure(WindowHandle(::getpid()), message);
        if (!guard)
            return;
        QByteArray answer;
        QDataStream stream(&answer, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::LittleEndian);
        stream << qint64(result.value_or(0));
        socket->write(answer);
        socket->flush();
        socket->disconnectFromServer();
    }

    QString m_strPath;
    WindowProcedure m_procedure;
    QLocalServer m_server;
};

QHash<WindowHandle, Endpoint *> &ownWindows()
{
    static QHash<WindowHandle, Endpoint *> windows;
    return windows;
}

qint64 send(WindowHandle hWindow, const QByteArray &body)
{
    const QString path = knownWindows().value(hWindow);
    if (path.isEmpty())
        return 0;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(c_iConnectTimeoutMs))
        return 0;
    QByteArray request;
    QDataStream stream(&request, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint32(body.size());
    request.append(body);
    socket.write(request);
    if (!socket.waitForBytesWritten(c_iConnectTimeoutMs))
        return 0;
    while (socket.bytesAvailable() < 8) {
        if (!socket.waitForReadyRead(c_iAnswerTimeoutMs))
            return 0;
    }
    QByteArray answer = socket.read(8);
    QDataStream answerStream(answer);
    answerStream.setByteOrder(QDataStream::LittleEndian);
    qint64 iResult = 0;
    answerStream >> iResult;
    return iResult;
}

} // namespace

quintptr moduleInstance()
{
    return 0;
}

WindowHandle createMessageWindow(const QString &strClass, const QString &strTitle, quintptr,
                                 WindowProcedure procedure)
{
    const QString folder = windowsFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)
        || !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return 0;
    const QString path = endpointPath(strClass, strTitle);
    Endpoint *endpoint = new Endpoint(path, std::move(procedure));
    if (!endpoint->listen()) {
        delete endpoint;
        return 0;
    }
    const WindowHandle handle = WindowHandle(::getpid());
    ownWindows().insert(handle, endpoint);
    return handle;
}

void destroyWindow(WindowHandle hWindow)
{
    if (Endpoint *endpoint = ownWindows().take(hWindow)) {
        endpoint->destroy();
        endpoint->deleteLater();
    }
}

void postQuitMessage(int iExitCode)
{
    QCoreApplication::exit(iExitCode);
}

WindowHandle findWindow(const QString &strClass, const QString &strTitle)
{
    const QString path = endpointPath(strClass, strTitle);
    if (path.isEmpty())
        return 0;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(c_iConnectTimeoutMs))
        return 0;
    const PeerCredentials peer = peerOf(socket.socketDescriptor());
    socket.abort();
    if (!peer.bValid || peer.uid != ::geteuid() || peer.pid <= 0)
        return 0;
    const WindowHandle handle = WindowHandle(peer.pid);
    knownWindows().insert(handle, path);
    return handle;
}

qint64 sendMessage(WindowHandle hWindow, quint32 uiMessage, quint64 wParam, quint64 lParam)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << uiMessage << wParam << quint8(0) << lParam;
    return send(hWindow, body);
}

qint64 sendCopyData(WindowHandle hWindow, quint64 wParam, quint64 dwData, const QByteArray &data)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << c_uiCopyDataMessage << wParam << quint8(1) << dwData << quint32(data.size());
    body.append(data);
    return send(hWindow, body);
}

quint32 lastError()
{
    return 0;
}

} // namespace platform
