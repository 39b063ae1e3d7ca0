#include "parentchannel/eventmanager.h"
#include "parentprocess.h"

#include <QLocalSocket>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {
const QString c_strCapturingClass = QStringLiteral("ChipsetEventWindowClass");
const QString c_strCapturingTitle = QStringLiteral("Zorva:Chipset-CapturingWindow");

// Sends from another thread while this one serves its own window from the event loop.
qint64 sendFromAnotherThread(const std::function<qint64()> &send)
{
    qint64 iResult = -1;
    std::atomic<bool> bDone(false);
    std::thread sender([&] {
        iResult = send();
        bDone = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!bDone && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sender.join();
    return iResult;
}

QByteArray request(quint32 uiLength, const QByteArray &rest)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << uiLength;
    return bytes + rest;
}
} // namespace

class TestEventManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eventsReachTheParentWindow();
    void noParentMeansNothingIsSent();
    void copyDataReachesItsHandlersOnly();
    void sameIdAndContextReplaceTheHandler();
    void malformedRequestsAreDropped();

private:
    StandInMachine *m_pMachine = nullptr;
    EventManager *m_pManager = nullptr;
};

void TestEventManager::initTestCase()
{
    m_pMachine = new StandInMachine;
    m_pManager = EventManager::instance();
    QVERIFY(m_pManager);
    QVERIFY(m_pManager->createCapturingWindow(platform::moduleInstance()));
    QCOMPARE(m_pManager->messageForEvent(2), 1226);
    QCOMPARE(m_pManager->messageForEvent(9), 1233);
    QCOMPARE(m_pManager->messageForEvent(1), 0);
}

void TestEventManager::eventsReachTheParentWindow()
{
    ParentProcess parent(*m_pMachine);
    QVERIFY(parent.startWindowOnly());

    m_pManager->sendEventToParent(3);
    m_pManager->sendEventToParent(5, 100, -20);
    m_pManager->sendEventToParent(1);
    m_pManager->sendEventToParent(10);
    // Each send waits for the parent's answer, and the parent prints before it answers.
    QTRY_VERIFY_WITH_TIMEOUT(parent.waitForLine("zzz", 50) || parent.events().size() >= 4, 10000);

    const QStringList events = parent.events();
    QCOMPARE(events.size(), 4);
    QCOMPARE(events[0], QString("event code=3 message=1227 wparam=0 lparam=0"));
    QCOMPARE(events[1],
             QString("event code=5 message=1229 copydata=1 wparam-is-self=1 "
                     "bytes=64000000ecffffff x=100 y=-20"));
    QCOMPARE(events[2], QString("event code=0 message=0 wparam=0 lparam=0"));
    QCOMPARE(events[3], QString("event code=0 message=0 wparam=0 lparam=0"));
}

void TestEventManager::noParentMeansNothingIsSent()
{
    QCOMPARE(m_pManager->sendEventToParent(3), 0L);
    QCOMPARE(m_pManager->sendEventToParent(6, 7, 8), 0L);
    // The stored position is still the one of the last event that was sent.
    QCOMPARE(m_pManager->storedPosition(), QPoint(100, -20));
}

void TestEventManager::copyDataReachesItsHandlersOnly()
{
    QList<QByteArray> received;
    int iContext = 0;
    m_pManager->registerHandler(
            1, 1225,
            [&received](const EventManager::CallRecord &record) {
                received.append(record.data);
                return 1;
            },
            &iContext);

    const platform::WindowHandle hWindow
            = platform::findWindow(c_strCapturingClass, c_strCapturingTitle);
    QVERIFY(hWindow);
    const QByteArray block = QByteArray::fromHex("2c010000c8000000"); // (300, 200)
    QCOMPARE(sendFromAnotherThread(
                     [&] { return platform::sendCopyData(hWindow, hWindow, 1225, block); }),
             1);
    QCOMPARE(received, QList<QByteArray> {block});

    // A plain message of the same number carries no block and is not handed to the handler.
    QCOMPARE(sendFromAnotherThread([&] { return platform::sendMessage(hWindow, 1225, 0, 0); }), 0);
    // Copy-data of a number without handlers goes on to the default processing.
    QCOMPARE(sendFromAnotherThread(
                     [&] { return platform::sendCopyData(hWindow, hWindow, 1300, block); }),
             0);
    QCOMPARE(received.size(), 1);
}

void TestEventManager::sameIdAndContextReplaceTheHandler()
{
    int iContext = 0;
    int iOther = 0;
    m_pManager->registerHandler(
            4, 1240, [](const EventManager::CallRecord &) { return 2; }, &iContext);
    m_pManager->registerHandler(
            4, 1240, [](const EventManager::CallRecord &) { return 4; }, &iContext);
    const platform::WindowHandle hWindow
            = platform::findWindow(c_strCapturingClass, c_strCapturingTitle);
    // One record, with the later function: the results of all handlers are OR-ed.
    QCOMPARE(sendFromAnotherThread([&] { return platform::sendCopyData(hWindow, 0, 1240, "x"); }),
             4);
    m_pManager->registerHandler(
            4, 1240, [](const EventManager::CallRecord &) { return 8; }, &iOther);
    QCOMPARE(sendFromAnotherThread([&] { return platform::sendCopyData(hWindow, 0, 1240, "x"); }),
             12);
}

void TestEventManager::malformedRequestsAreDropped()
{
    const QString path
            = m_pMachine->runtime() + "/windows/" + c_strCapturingClass + "@" + c_strCapturingTitle;
    QVERIFY(QFile::exists(path));
    QFileInfo folder(m_pMachine->runtime() + "/windows");
    QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());

    const QList<QByteArray> malformed = {
            QByteArray("\x01", 1), // shorter than the length field
            request(3, "abc"), // shorter than any message
            request(1u << 30, "x"), // oversized
            request(21, QByteArray(21, '\0')).replace(12 + 4, 1, "\x07"), // unknown kind
            request(40, QByteArray(10, 'a')), // length larger than what follows
            request(25,
                    QByteArray::fromHex("4a000000"
                                        "0000000000000000"
                                        "01"
                                        "0000000000000000"
                                        "ff000000")),
    };
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &bytes : malformed) {
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(bytes);
        socket.flush();
        socket.disconnectFromServer();
    }
    // A client that connects and says nothing does not hold the window.
    QLocalSocket silent;
    silent.connectToServer(path);
    QVERIFY(silent.waitForConnected(2000));
    QTest::qWait(100);
    QVERIFY(timer.elapsed() < 2000);

    int iContext = 0;
    m_pManager->registerHandler(
            5, 1241, [](const EventManager::CallRecord &) { return 16; }, &iContext);
    const platform::WindowHandle hWindow
            = platform::findWindow(c_strCapturingClass, c_strCapturingTitle);
    QCOMPARE(sendFromAnotherThread([&] { return platform::sendCopyData(hWindow, 0, 1241, "ok"); }),
             16);
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    TestEventManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_eventmanager.moc"
