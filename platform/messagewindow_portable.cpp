// Windows and their messages on the stand-in machine: a window of class C and title T is the
// local socket <runtime>/windows/C@T of the process that owns it, or <runtime>/windows/# and
// the first 32 hexadecimal digits of the SHA-256 of "C@T" where that path is too long for a
// socket address. One request per connection (platform/windowrequest.h); the owner answers
// with the i64 result and closes the connection.
#include "platform/messagewindow.h"

#include "platform/windowrequest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocalSocket>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int c_iRequestTimeoutMs = 2000;
constexpr int c_iConnectTimeoutMs = 2000;
constexpr int c_iAnswerTimeoutMs = 30000;
constexpr int c_iBacklog = 64;
// After accept fails for want of descriptors or memory, the window waits this long.
constexpr int c_iAcceptPauseMs = 50;

QString windowsFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/windows");
}

QString endpointPath(const QString &strClass, const QString &strTitle)
{
    const QString folder = windowsFolder();
    if (folder.isEmpty())
        return QString();
    const QString name = strClass + QLatin1Char('@') + strTitle;
    const QString path = folder + QLatin1Char('/') + name;
    if (QFile::encodeName(path).size() < int(sizeof(sockaddr_un::sun_path)))
        return path;
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256);
    return folder + QStringLiteral("/#") + QString::fromLatin1(digest.toHex().left(32));
}

// A window's socket holds a descriptor per connection: let the process have as many as the
// system allows it.
void raiseOpenFileLimit()
{
    struct rlimit limit = {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == limit.rlim_max)
        return;
    limit.rlim_cur = limit.rlim_max;
    if (::setrlimit(RLIMIT_NOFILE, &limit) == 0 || limit.rlim_max != RLIM_INFINITY)
        return;
    // An unlimited hard limit is bounded by the system's nr_open.
    QFile nrOpen(QStringLiteral("/proc/sys/fs/nr_open"));
    bool bOk = false;
    const rlim_t nMax
            = nrOpen.open(QIODevice::ReadOnly) ? nrOpen.readAll().trimmed().toULongLong(&bOk) : 0;
    if (bOk && nMax > 0) {
        limit.rlim_cur = nMax;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
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

// The listening socket of a window. It keeps listening whatever happens to a connection,
// including an accept that fails because the process has no descriptor left.
class Endpoint : public QObject
{
public:
    Endpoint(const QString &strPath, WindowProcedure procedure)
        : m_strPath(strPath)
        , m_procedure(std::move(procedure))
    { }

    ~Endpoint() override { close(); }

    bool listen()
    {
        // A socket left by a process that has ended is taken over; a live owner keeps it.
        QLocalSocket probe;
        probe.connectToServer(m_strPath);
        if (probe.waitForConnected(200))
            return false;
        const QByteArray path = QFile::encodeName(m_strPath);
        struct sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        if (path.size() >= int(sizeof(address.sun_path)))
            return false;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QFile::remove(m_strPath);
        m_iListener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_iListener < 0)
            return false;
        if (::bind(m_iListener, reinterpret_cast<const sockaddr *>(&address), sizeof(address))
            != 0) {
            close();
            return false;
        }
        m_bBound = true;
        if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0
            || ::listen(m_iListener, c_iBacklog) != 0) {
            close();
            return false;
        }
        m_notifier.reset(new QSocketNotifier(m_iListener, QSocketNotifier::Read));
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &Endpoint::acceptPending);
        return true;
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
        if (m_iListener < 0)
            return;
        m_notifier.reset();
        ::close(m_iListener);
        m_iListener = -1;
        if (m_bBound)
            QFile::remove(m_strPath);
    }

private:
    void acceptPending()
    {
        // Bounded, so that a flood of connections leaves the event loop its turn.
        for (int i = 0; i < c_iBacklog && m_iListener >= 0; ++i) {
            const int iDescriptor
                    = ::accept4(m_iListener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (iDescriptor < 0) {
                if (errno == EINTR || errno == ECONNABORTED)
                    continue;
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    pauseAccepting();
                return;
            }
            const PeerCredentials peer = peerOf(iDescriptor);
            if (m_iConnections >= windowrequest::c_iMaxConnections || !peer.bValid
                || peer.uid != ::geteuid()) {
                ::close(iDescriptor);
                continue;
            }
            serve(iDescriptor);
        }
    }

    // Out of descriptors or memory: the connections waiting are taken a little later.
    void pauseAccepting()
    {
        m_notifier->setEnabled(false);
        QTimer::singleShot(c_iAcceptPauseMs, this, [this] {
            if (m_notifier)
                m_notifier->setEnabled(true);
        });
    }

    void serve(int iDescriptor)
    {
        auto *socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(iDescriptor)) {
            ::close(iDescriptor);
            delete socket;
            return;
        }
        ++m_iConnections;
        connect(socket, &QObject::destroyed, this, [this] { --m_iConnections; });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(c_iRequestTimeoutMs, socket, [socket] { socket->abort(); });
        read(socket);
    }

    void read(QLocalSocket *socket)
    {
        if (socket->property("answered").toBool())
            return;
        WindowMessage message;
        const QByteArray received = socket->peek(
                std::min<qint64>(socket->bytesAvailable(), 4 + windowrequest::c_uiMaxLength));
        switch (windowrequest::parse(received, &message)) {
        case windowrequest::Parse::Incomplete:
            return;
        case windowrequest::Parse::Malformed:
            socket->abort();
            return;
        case windowrequest::Parse::Complete:
            break;
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
    int m_iListener = -1;
    bool m_bBound = false; // the socket at m_strPath is this one's
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_iConnections = 0;
};

QHash<WindowHandle, Endpoint *> &ownWindows()
{
    static QHash<WindowHandle, Endpoint *> windows;
    return windows;
}

qint64 send(WindowHandle hWindow, const QByteArray &request)
{
    const QString path = knownWindows().value(hWindow);
    if (path.isEmpty())
        return 0;
    // One deadline for the whole exchange: an answer that trickles in byte by byte ends there too.
    const QDeadlineTimer deadline(c_iAnswerTimeoutMs);
    const auto remainingMs = [&deadline](int iBoundMs) {
        return int(std::min<qint64>(iBoundMs, deadline.remainingTime()));
    };
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(remainingMs(c_iConnectTimeoutMs)))
        return 0;
    socket.write(request);
    if (!socket.waitForBytesWritten(remainingMs(c_iConnectTimeoutMs)))
        return 0;
    while (socket.bytesAvailable() < 8) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remainingMs(c_iAnswerTimeoutMs)))
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
    raiseOpenFileLimit();
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
    return send(hWindow, windowrequest::plainRequest(uiMessage, wParam, lParam));
}

qint64 sendCopyData(WindowHandle hWindow, quint64 wParam, quint64 dwData, const QByteArray &data)
{
    return send(hWindow, windowrequest::copyDataRequest(wParam, dwData, data));
}

quint32 lastError()
{
    return 0;
}

} // namespace platform
