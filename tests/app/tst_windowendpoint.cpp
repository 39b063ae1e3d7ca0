// The stand-in machine's window endpoints under hostile conditions: a flood of idle
// connections, a process short of file descriptors, and a runtime folder whose path is too
// long for a socket address. The stand-in parent installer owns the window under test.
#include "parentprocess.h"
#include "platform/messagewindow.h"
#include "platform/windowrequest.h"

#include <QCryptographicHash>
#include <QtTest>

#include <atomic>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const QString c_strParentClass = QStringLiteral("INEventWindowClass");
const QString c_strParentTitle = QStringLiteral("Zorva:IN-CapturingWindow");
const QString c_strChildClass = QStringLiteral("ChipsetEventWindowClass");
const QString c_strChildTitle = QStringLiteral("Zorva:Chipset-CapturingWindow");

// Connections to a socket that say nothing; closed when the object goes.
class IdleConnections
{
public:
    ~IdleConnections()
    {
        for (const int iDescriptor : m_descriptors)
            ::close(iDescriptor);
    }

    // Opens iCount connections, waiting while the listener's queue is full, for at most 5 s;
    // answers how many connected.
    int open(const QString &strPath, int iCount)
    {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(strPath);
        memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QElapsedTimer timer;
        timer.start();
        int iConnected = 0;
        while (iConnected < iCount && timer.elapsed() < 5000) {
            const int iDescriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (iDescriptor < 0)
                break;
            if (::connect(iDescriptor, reinterpret_cast<sockaddr *>(&address), sizeof(address))
                == 0) {
                m_descriptors.push_back(iDescriptor);
                ++iConnected;
                continue;
            }
            ::close(iDescriptor);
            if (errno != EAGAIN)
                break;
            QThread::msleep(5);
        }
        return iConnected;
    }

    // How many of the connections the other side has closed within the time.
    int closedWithin(int iMs) const
    {
        QElapsedTimer timer;
        timer.start();
        std::vector<bool> closed(m_descriptors.size(), false);
        int iClosed = 0;
        while (timer.elapsed() < iMs) {
            for (size_t i = 0; i < m_descriptors.size(); ++i) {
                pollfd descriptor {m_descriptors[i], POLLIN, 0};
                char byte = 0;
                if (!closed[i] && ::poll(&descriptor, 1, 0) == 1
                    && ::recv(m_descriptors[i], &byte, 1, MSG_DONTWAIT) == 0) {
                    closed[i] = true;
                    ++iClosed;
                }
            }
            QThread::msleep(20);
        }
        return iClosed;
    }

private:
    std::vector<int> m_descriptors;
};

// A window of a process that answers each request one byte every iIntervalMs, on a thread of its
// own; the connection that findWindow() makes and drops goes unanswered.
class TricklingWindow
{
public:
    TricklingWindow(const QString &strPath, int iIntervalMs)
    {
        QDir().mkpath(QFileInfo(strPath).path());
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(strPath);
        memcpy(address.sun_path, path.constData(), size_t(path.size()));
        m_iListener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(m_iListener, reinterpret_cast<sockaddr *>(&address), sizeof(address));
        ::listen(m_iListener, 4);
        m_thread = std::thread([this, iIntervalMs] {
            while (!m_bStop) {
                pollfd listener {m_iListener, POLLIN, 0};
                if (::poll(&listener, 1, 100) != 1)
                    continue;
                const int iConnection = ::accept(m_iListener, nullptr, nullptr);
                char buffer[64];
                pollfd request {iConnection, POLLIN, 0};
                if (::poll(&request, 1, 1000) == 1 && ::recv(iConnection, buffer, 64, 0) > 0) {
                    for (int i = 0; i < 8 && !m_bStop; ++i) {
                        for (int iWaited = 0; iWaited < iIntervalMs && !m_bStop; iWaited += 50)
                            QThread::msleep(50);
                        ::send(iConnection, "\x01", 1, MSG_NOSIGNAL);
                    }
                }
                ::close(iConnection);
            }
        });
    }

    ~TricklingWindow()
    {
        m_bStop = true;
        m_thread.join();
        ::close(m_iListener);
    }

private:
    int m_iListener = -1;
    std::atomic<bool> m_bStop {false};
    std::thread m_thread;
};

QString parentEndpoint(const StandInMachine &machine)
{
    return machine.runtime() + "/windows/" + c_strParentClass + "@" + c_strParentTitle;
}

// Sends a plain message to the parent until it reports that it received it.
bool parentReceives(ParentProcess &parent, quint32 uiMessage)
{
    QElapsedTimer timer;
    timer.start();
    const QString line = QStringLiteral("message=%1 ").arg(uiMessage);
    while (timer.elapsed() < 15000) {
        const platform::WindowHandle hParent
                = platform::findWindow(c_strParentClass, c_strParentTitle);
        if (hParent)
            platform::sendMessage(hParent, uiMessage, 0, 0);
        if (parent.waitForLine(line, 500))
            return true;
    }
    return false;
}

// The soft and hard limits of open files of a process, as /proc reports them.
QString openFileLimits(qint64 iProcessId)
{
    QFile limits(QStringLiteral("/proc/%1/limits").arg(iProcessId));
    if (!limits.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : limits.readAll().split('\n')) {
        if (line.startsWith("Max open files"))
            return QString::fromLatin1(line.mid(26).simplified()).section(' ', 0, 1);
    }
    return QString();
}
} // namespace

class TestWindowEndpoint : public QObject
{
    Q_OBJECT

private slots:
    void excessConnectionsAreRefusedAtOnce();
    void floodOfIdleConnectionsLeavesTheWindow();
    void softLimitOfOpenFilesIsRaised();
    void longRuntimeFolderUsesTheShortName();
    void sendersServeTheirWindowsWhileTheyWait();
    void answerTricklingInEndsAtTheExchangeDeadline();
};

void TestWindowEndpoint::excessConnectionsAreRefusedAtOnce()
{
    StandInMachine machine;
    ParentProcess parent(machine);
    QVERIFY(parent.startWindowOnly());
    IdleConnections idle;
    const int iExcess = 8;
    QCOMPARE(idle.open(parentEndpoint(machine),
                       platform::windowrequest::c_iMaxConnections + iExcess),
             platform::windowrequest::c_iMaxConnections + iExcess);
    // Those held are dropped only after the request time of 2 s.
    QCOMPARE(idle.closedWithin(1500), iExcess);
}

void TestWindowEndpoint::floodOfIdleConnectionsLeavesTheWindow()
{
    // Fewer descriptors than connections held at once: accept fails while the flood lasts.
    StandInMachine machine;
    ParentProcess parent(machine);
    QVERIFY(parent.startWindowOnly({"prlimit", "--nofile=48:48"}));
    {
        IdleConnections flood;
        QVERIFY(flood.open(parentEndpoint(machine), 300) > 48);
        QTest::qWait(500);
    }
    QVERIFY(QFile::exists(parentEndpoint(machine)));
    QVERIFY2(parentReceives(parent, 1300), qPrintable(parent.output()));
}

void TestWindowEndpoint::softLimitOfOpenFilesIsRaised()
{
    StandInMachine machine;
    ParentProcess parent(machine);
    QVERIFY(parent.startWindowOnly({"prlimit", "--nofile=32:4096"}));
    QCOMPARE(openFileLimits(parent.processId()), QString("4096 4096"));
}

void TestWindowEndpoint::answerTricklingInEndsAtTheExchangeDeadline()
{
    // Eight bytes at 5 s each would take 40 s; the whole exchange has 30 s.
    StandInMachine machine;
    const TricklingWindow parent(parentEndpoint(machine), 5000);
    const platform::WindowHandle hParent = platform::findWindow(c_strParentClass, c_strParentTitle);
    QVERIFY(hParent);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(platform::sendMessage(hParent, 1300, 0, 0), qint64(0));
    QVERIFY2(timer.elapsed() >= 29000 && timer.elapsed() < 33000,
             qPrintable(QString::number(timer.elapsed())));
}

void TestWindowEndpoint::longRuntimeFolderUsesTheShortName()
{
    StandInMachine machine;
    // <runtime>/windows/C@T is longer than a socket address holds for both windows, and
    // <runtime>/windows/#<32 digits> is not.
    QString runtime = machine.runtime() + "/";
    runtime += QString(64 - runtime.size(), 'r');
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const auto shortName = [&runtime](const QString &strClass, const QString &strTitle) {
        return runtime + "/windows/#"
                + QCryptographicHash::hash((strClass + "@" + strTitle).toUtf8(),
                                           QCryptographicHash::Sha256)
                          .toHex()
                          .left(32);
    };

    ParentProcess parent(machine);
    parent.setEnvironmentValue("XDG_RUNTIME_DIR", runtime);
    QVERIFY2(parent.startWindowOnly(), qPrintable(parent.output()));
    QVERIFY(QFileInfo(shortName(c_strParentClass, c_strParentTitle)).exists());

    // This process plays the child: its window is found under the short name too, and the
    // parent answers "main window loaded" with the position.
    QList<QByteArray> positions;
    QVERIFY(platform::createMessageWindow(
            c_strChildClass, c_strChildTitle, platform::moduleInstance(),
            [&positions](platform::WindowHandle, const platform::WindowMessage &message) {
                positions.append(message.data);
                return std::optional<qint64>(1);
            }));
    QVERIFY(QFileInfo(shortName(c_strChildClass, c_strChildTitle)).exists());
    QVERIFY(parentReceives(parent, 1233));
    QTRY_COMPARE_WITH_TIMEOUT(positions.size(), 1, 10000);
    QCOMPARE(positions.first(), QByteArray::fromHex("2c010000c8000000")); // (300, 200)
    QVERIFY(parent.waitForLine("position answered 1"));
}

void TestWindowEndpoint::sendersServeTheirWindowsWhileTheyWait()
{
    // This process plays the child. It sends "main window loaded"; the parent sends the
    // position from inside its handler, while this process waits in its send; and the handler
    // of the position here sends event 3 back while the parent waits in its own send.
    StandInMachine machine;
    ParentProcess parent(machine);
    QVERIFY(parent.startWindowOnly({}, {"--position-in-handler"}));
    QList<QByteArray> positions;
    qint64 iEventMs = -1;
    const platform::WindowHandle hChild = platform::createMessageWindow(
            c_strChildClass, c_strChildTitle, platform::moduleInstance(),
            [&](platform::WindowHandle, const platform::WindowMessage &message) {
                if (message.uiMessage != platform::c_uiCopyDataMessage)
                    return std::optional<qint64>();
                positions.append(message.data);
                QElapsedTimer event;
                event.start();
                platform::sendMessage(platform::findWindow(c_strParentClass, c_strParentTitle),
                                      1227, 0, 0);
                iEventMs = event.elapsed();
                return std::optional<qint64>(1);
            });
    QVERIFY(hChild);
    const platform::WindowHandle hParent = platform::findWindow(c_strParentClass, c_strParentTitle);
    QVERIFY(hParent);
    QElapsedTimer loaded;
    loaded.start();
    platform::sendMessage(hParent, 1233, 0, 0);
    const qint64 iLoadedMs = loaded.elapsed();
    platform::destroyWindow(hChild);

    QCOMPARE(positions, QList<QByteArray> {QByteArray::fromHex("2c010000c8000000")});
    QVERIFY2(iLoadedMs < 1000, qPrintable(QString::number(iLoadedMs)));
    QVERIFY2(iEventMs >= 0 && iEventMs < 1000, qPrintable(QString::number(iEventMs)));
    QVERIFY(parent.waitForLine("position answered 1 in"));
    const QString output = parent.output();
    QVERIFY2(output.indexOf("message=1233") < output.indexOf("message=1227")
                     && output.indexOf("message=1227") < output.indexOf("position answered"),
             qPrintable(output));
}

QTEST_GUILESS_MAIN(TestWindowEndpoint)
#include "tst_windowendpoint.moc"
