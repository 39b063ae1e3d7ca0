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
#include <QThread>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include <poll.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int c_iRequestTimeoutMs = 2000;
constexpr int c_iConnectTimeoutMs = 2000; // of findWindow
// A send's whole exchange, connecting included; a full queue of connections is tried again
// this often within it.
constexpr int c_iExchangeTimeoutMs = 30000;
constexpr int c_iConnectRetryMs = 10;
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

class Endpoint;

// The endpoints of this process that are listening, whatever their handles.
QVector<Endpoint *> &listeningEndpoints()
{
    static QVector<Endpoint *> endpoints;
    return endpoints;
}

// One accepted connection: the bytes of its request so far, until it is answered or dropped.
struct Connection
{
    int iDescriptor = -1;
    QByteArray received;
    QDeadlineTimer deadline;
    bool bAnswering = false;
    std::unique_ptr<QSocketNotifier> notifier;
};

// What a wait inside a send watches besides its own socket.
struct WatchedSource
{
    QPointer<Endpoint> endpoint;
    std::shared_ptr<Connection> connection; // none for the listening socket
};

// The listening socket of a window. It keeps listening whatever happens to a connection,
// including an accept that fails because the process has no descriptor left. Its requests are
// served from the event loop, and from inside a send of the thread that owns it while that
// send waits.
class Endpoint : public QObject
{
public:
    Endpoint(const QString &strPath, WindowProcedure procedure)
        : m_strPath(strPath)
        , m_procedure(std::move(procedure))
    { }

    ~Endpoint() override
    {
        close();
        while (!m_connections.empty())
            drop(m_connections.back());
    }

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
        listeningEndpoints().append(this);
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

    // Stops listening. A request being answered keeps its connection until its answer is
    // sent: the message may be the one that ends the window (WM_CLOSE), and its sender waits
    // for the answer as SendMessageW does.
    void close()
    {
        listeningEndpoints().removeAll(this);
        const std::vector<std::shared_ptr<Connection>> connections = m_connections;
        for (const std::shared_ptr<Connection> &connection : connections) {
            if (!connection->bAnswering)
                drop(connection);
        }
        if (m_iListener < 0)
            return;
        m_notifier.reset();
        ::close(m_iListener);
        m_iListener = -1;
        if (m_bBound)
            QFile::remove(m_strPath);
    }

    // Adds what a waiting send should watch of this endpoint, and shortens the wait to the
    // next moment this endpoint has something to do. Connections past their time go first.
    void watch(std::vector<pollfd> *pDescriptors, std::vector<WatchedSource> *pSources,
               QDeadlineTimer *pWake)
    {
        const std::vector<std::shared_ptr<Connection>> connections = m_connections;
        for (const std::shared_ptr<Connection> &connection : connections) {
            if (connection->bAnswering)
                continue;
            if (connection->deadline.hasExpired()) {
                drop(connection);
                continue;
            }
            pDescriptors->push_back(pollfd {connection->iDescriptor, POLLIN, 0});
            pSources->push_back(WatchedSource {this, connection});
            *pWake = std::min(*pWake, connection->deadline);
        }
        if (m_iListener < 0)
            return;
        if (!m_acceptPause.hasExpired()) {
            *pWake = std::min(*pWake, m_acceptPause);
            return;
        }
        pDescriptors->push_back(pollfd {m_iListener, POLLIN, 0});
        pSources->push_back(WatchedSource {this, nullptr});
    }

    // A source that watch() added is ready.
    void ready(const std::shared_ptr<Connection> &connection)
    {
        if (!connection)
            acceptPending();
        else if (connection->iDescriptor >= 0 && !connection->bAnswering)
            read(connection);
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
            if (int(m_connections.size()) >= windowrequest::c_iMaxConnections || !peer.bValid
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
        m_acceptPause = QDeadlineTimer(c_iAcceptPauseMs);
        m_notifier->setEnabled(false);
        QTimer::singleShot(c_iAcceptPauseMs, this, [this] {
            if (m_notifier)
                m_notifier->setEnabled(true);
        });
    }

    void serve(int iDescriptor)
    {
        auto connection = std::make_shared<Connection>();
        connection->iDescriptor = iDescriptor;
        connection->deadline = QDeadlineTimer(c_iRequestTimeoutMs);
        connection->notifier.reset(new QSocketNotifier(iDescriptor, QSocketNotifier::Read));
        m_connections.push_back(connection);
        const std::weak_ptr<Connection> weak = connection;
        connect(connection->notifier.get(), &QSocketNotifier::activated, this, [this, weak] {
            if (const std::shared_ptr<Connection> held = weak.lock())
                ready(held);
        });
        QTimer::singleShot(c_iRequestTimeoutMs, this, [this, weak] {
            const std::shared_ptr<Connection> held = weak.lock();
            if (held && !held->bAnswering)
                drop(held);
        });
        read(connection);
    }

    void drop(const std::shared_ptr<Connection> &connection)
    {
        m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), connection),
                            m_connections.end());
        connection->notifier.reset();
        if (connection->iDescriptor >= 0)
            ::close(connection->iDescriptor);
        connection->iDescriptor = -1;
    }

    void read(const std::shared_ptr<Connection> &connection)
    {
        // No more than the longest request: what follows it is never looked at.
        const int iMax = int(4 + windowrequest::c_uiMaxLength);
        bool bEnded = false;
        while (connection->received.size() < iMax) {
            char buffer[4096];
            const ssize_t iRead = ::recv(
                    connection->iDescriptor, buffer,
                    size_t(std::min<int>(sizeof(buffer), iMax - connection->received.size())), 0);
            if (iRead > 0) {
                connection->received.append(buffer, int(iRead));
                continue;
            }
            if (iRead < 0 && errno == EINTR)
                continue;
            bEnded = iRead == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        WindowMessage message;
        switch (windowrequest::parse(connection->received, &message)) {
        case windowrequest::Parse::Incomplete:
            if (bEnded)
                drop(connection);
            return;
        case windowrequest::Parse::Malformed:
            drop(connection);
            return;
        case windowrequest::Parse::Complete:
            break;
        }
        answer(connection, message);
    }

    void answer(const std::shared_ptr<Connection> &connection, const WindowMessage &message)
    {
        connection->bAnswering = true;
        connection->notifier->setEnabled(false);
        QPointer<Endpoint> guard(this);
        const std::optional<qint64> result = m_procedure(WindowHandle(::getpid()), message);
        if (!guard || connection->iDescriptor < 0)
            return;
        QByteArray answer;
        QDataStream stream(&answer, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::LittleEndian);
        stream << qint64(result.value_or(0));
        // Eight bytes into a socket that has carried nothing the other way yet fit at once.
        ::send(connection->iDescriptor, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
        drop(connection);
    }

    QString m_strPath;
    WindowProcedure m_procedure;
    int m_iListener = -1;
    bool m_bBound = false; // the socket at m_strPath is this one's
    std::unique_ptr<QSocketNotifier> m_notifier;
    QDeadlineTimer m_acceptPause; // expired while accepting
    std::vector<std::shared_ptr<Connection>> m_connections;
};

QHash<WindowHandle, Endpoint *> &ownWindows()
{
    static QHash<WindowHandle, Endpoint *> windows;
    return windows;
}

// Waits until the descriptor (none when negative) is ready for the events or the deadline
// passes, serving meanwhile the requests to the endpoints this thread owns, and doing nothing
// else, as a thread inside SendMessageW handles the messages sent to its windows. False at the
// deadline.
bool waitServing(int iDescriptor, short events, const QDeadlineTimer &deadline)
{
    QThread *thread = QThread::currentThread();
    for (;;) {
        std::vector<pollfd> descriptors {pollfd {iDescriptor, events, 0}};
        std::vector<WatchedSource> sources;
        QDeadlineTimer wake = deadline;
        const QVector<Endpoint *> endpoints = listeningEndpoints();
        for (Endpoint *endpoint : endpoints) {
            if (endpoint->thread() == thread)
                endpoint->watch(&descriptors, &sources, &wake);
        }
        const qint64 iWaitMs = wake.remainingTime();
        const int iReady = ::poll(descriptors.data(), nfds_t(descriptors.size()),
                                  iWaitMs < 0 ? -1 : int(std::min<qint64>(iWaitMs, INT_MAX)));
        if (iReady < 0 && errno != EINTR)
            return false;
        if (iReady > 0 && descriptors.front().revents)
            return true;
        if (deadline.hasExpired())
            return false;
        // One source at a time: serving it may change what the others are.
        for (size_t i = 1; iReady > 0 && i < descriptors.size(); ++i) {
            const WatchedSource &source = sources.at(i - 1);
            if (descriptors.at(i).revents && source.endpoint) {
                source.endpoint->ready(source.connection);
                break;
            }
        }
    }
}

// Closes a descriptor when it goes.
struct ClosingDescriptor
{
    int iDescriptor;
    ~ClosingDescriptor()
    {
        if (iDescriptor >= 0)
            ::close(iDescriptor);
    }
};

// One exchange under one deadline: connecting, writing the request and reading the answer.
qint64 send(WindowHandle hWindow, const QByteArray &request)
{
    const QString path = knownWindows().value(hWindow);
    if (path.isEmpty())
        return 0;
    const QDeadlineTimer deadline(c_iExchangeTimeoutMs);
    const QByteArray encoded = QFile::encodeName(path);
    struct sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= int(sizeof(address.sun_path)))
        return 0;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const ClosingDescriptor socket {
            ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)};
    if (socket.iDescriptor < 0)
        return 0;
    // A window whose queue of connections is full is tried again a little later.
    while (::connect(socket.iDescriptor, reinterpret_cast<const sockaddr *>(&address),
                     sizeof(address))
           != 0) {
        if (errno != EAGAIN && errno != EINTR)
            return 0;
        waitServing(-1, 0, std::min(deadline, QDeadlineTimer(c_iConnectRetryMs)));
        if (deadline.hasExpired())
            return 0;
    }
    // A socket that cannot take more now, or has no answer yet, is waited for.
    const auto mustWait = [](ssize_t iResult) {
        return iResult < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    };
    for (int iWritten = 0; iWritten < request.size();) {
        const ssize_t iSent = ::send(socket.iDescriptor, request.constData() + iWritten,
                                     size_t(request.size() - iWritten), MSG_NOSIGNAL);
        if (iSent > 0)
            iWritten += int(iSent);
        else if (!mustWait(iSent) || !waitServing(socket.iDescriptor, POLLOUT, deadline))
            return 0;
    }
    QByteArray answer;
    while (answer.size() < 8) {
        char buffer[8];
        const ssize_t iRead = ::recv(socket.iDescriptor, buffer, size_t(8 - answer.size()), 0);
        if (iRead > 0)
            answer.append(buffer, int(iRead));
        else if (!mustWait(iRead) || !waitServing(socket.iDescriptor, POLLIN, deadline))
            return 0;
    }
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
