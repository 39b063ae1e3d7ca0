#include "platform/singleinstance.h"
#include "standinmachine.h"

#include <QtTest>

namespace {
const QString c_strName = QStringLiteral("COMM-ZORVA-APPS-BRISK_DRIVER_INSTALLER");

// A second process that takes the mutex and holds it until it is killed.
int holdMutex()
{
    QTextStream out(stdout);
    const platform::NamedMutexResult result = platform::createNamedMutex(c_strName);
    out << (result == platform::NamedMutexResult::Created ? "held" : "refused") << Qt::endl;
    QThread::sleep(60);
    return 0;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondProcessIsRefusedUntilTheFirstEnds();
};

void TestSingleInstance::secondProcessIsRefusedUntilTheFirstEnds()
{
    StandInMachine machine;
    QProcess first;
    first.setProcessEnvironment(machine.environment());
    first.start(QCoreApplication::applicationFilePath(), {"--hold-mutex"});
    QVERIFY(first.waitForReadyRead(10000));
    QCOMPARE(first.readAll().trimmed(), QByteArray("held"));

    QProcess second;
    second.setProcessEnvironment(machine.environment());
    second.start(QCoreApplication::applicationFilePath(), {"--hold-mutex"});
    QVERIFY(second.waitForReadyRead(10000));
    QCOMPARE(second.readAll().trimmed(), QByteArray("refused"));
    second.kill();
    second.waitForFinished();

    QCOMPARE(platform::createNamedMutex(c_strName), platform::NamedMutexResult::AlreadyExists);

    // The system releases the lock when its holder ends, however it ends.
    first.kill();
    QVERIFY(first.waitForFinished());
    QCOMPARE(platform::createNamedMutex(c_strName), platform::NamedMutexResult::Created);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--hold-mutex") == 0) {
        QCoreApplication application(argc, argv);
        return holdMutex();
    }
    QCoreApplication application(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
