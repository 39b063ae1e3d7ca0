#include "app/utility.h"
#include "standinmachine.h"

#include <QScreen>
#include <QtTest>

class TestUtility : public QObject
{
    Q_OBJECT

private slots:
    void exePathIsTheProgramsFolder();
    void pathIsCutAtTheLastSeparator_data();
    void pathIsCutAtTheLastSeparator();
    void languageFollowsTheSystemLocale_data();
    void languageFollowsTheSystemLocale();
    void screenAndCursorAnswer();
    void restartIsRecordedOnTheStandInMachine();
};

void TestUtility::exePathIsTheProgramsFolder()
{
    Utility utility;
    QCOMPARE(utility.getExePath(),
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    QVERIFY(!utility.getExePath().endsWith(QDir::separator()));
}

void TestUtility::pathIsCutAtTheLastSeparator_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("drive root") << "D:\\Setup.exe"
                                << "D:";
    QTest::newRow("folder") << "D:\\Pkg\\Setup.exe"
                            << "D:\\Pkg";
    QTest::newRow("no separator") << "Setup.exe"
                                  << "Setup.exe";
    QTest::newRow("forward slashes are no separators") << "D:/Pkg/Setup.exe"
                                                       << "D:/Pkg/Setup.exe";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUtility::pathIsCutAtTheLastSeparator()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(Utility::cutAtLastSeparator(path, '\\'), folder);
}

void TestUtility::languageFollowsTheSystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("zh_SG") << "zh_SG.UTF-8"
                           << "chinese_simplified";
    QTest::newRow("zh_CN") << "zh_CN.UTF-8"
                           << "chinese_simplified";
    QTest::newRow("zh_TW") << "zh_TW.UTF-8"
                           << "Chinese";
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << "English";
    QTest::newRow("de_DE") << "de_DE.UTF-8"
                           << "German";
}

// The system locale is read once per process, so each case runs in a process of its own.
void TestUtility::languageFollowsTheSystemLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    environment.insert("LANG", locale);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--print-language"});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), language);
}

void TestUtility::screenAndCursorAnswer()
{
    Utility utility;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(utility.getScreenWidth(), available.width());
    QCOMPARE(utility.getScreenHeight(), available.height());
    QCursor::setPos(40, 30);
    QCOMPARE(utility.getCursorPos(), QCursor::pos());
    QCOMPARE(utility.getMouseX(), QCursor::pos().x());
    QCOMPARE(utility.getMouseY(), QCursor::pos().y());
    QCOMPARE(utility.getDPI(), QGuiApplication::primaryScreen()->logicalDotsPerInch() / 96.0);
}

void TestUtility::restartIsRecordedOnTheStandInMachine()
{
    StandInMachine machine;
    machine.writeDescription(QJsonObject {{"shutdownPrivilege", false}});
    {
        Utility utility;
        QVERIFY(!utility.enableShutdownPrivilege());
    }
    machine.writeDescription(QJsonObject {});
    Utility utility;
    QVERIFY(utility.enableShutdownPrivilege());

    // The restart ends the process with exit code 0 and leaves a line in restart.log.
    QProcess child;
    child.setProcessEnvironment(machine.environment());
    child.start(QCoreApplication::applicationFilePath(), {"--restart"});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(!child.readAllStandardOutput().contains("still running"));
    QVERIFY(StandInMachine::readFile(machine.drive() + "/Windows/restart.log")
                    .contains("EWX_REBOOT"));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--print-language") == 0) {
        QTextStream(stdout) << Utility().getlanguage() << Qt::endl;
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--restart") == 0) {
        Utility().restartSystem();
        QTextStream(stdout) << "still running" << Qt::endl;
        return 1;
    }
    TestUtility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_utility.moc"
