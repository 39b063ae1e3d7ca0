// Judging a run by the tail of its log, and what is reported about it.
#include "enginetestsupport.h"

#include "engine/logtail.h"
#include "fullread.h"

#include <QRandomGenerator>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void resultLines_data();
    void resultLines();
    void errorValuesBelongToTheLastRun();
    void sameAsReadingEveryLine_data();
    void sameAsReadingEveryLine();
    void randomLogs();
    void longLinesAndGarbage();
    void hugeLinesAreJudgedQuickly();
    void restartFlag_data();
    void restartFlag();
    void supportedDriversOnlyInInstallMode();
    void uninstallModeReadsItsOwnLog();
};

namespace {
QByteArray lines(const QStringList &lstLines, const char *pszBreak = "\r\n")
{
    QByteArray data;
    for (const QString &strLine : lstLines)
        data += strLine.toUtf8() + pszBreak;
    return data;
}

QStringList filler(int iCount)
{
    QStringList lstLines;
    for (int i = 0; i < iCount; ++i)
        lstLines << QStringLiteral("MSI (s) (1C:2C) [10:00:00:%1]: Doing action %1").arg(i);
    return lstLines;
}

const QString c_strSuccess
        = QStringLiteral("MSI (c) (1C:2C) [10:00:01:000]: MainEngineThread is returning 0");

QByteArrayList asciiMarkers()
{
    QByteArrayList lstMarkers;
    for (const QString &strMarker : resultMarkers())
        lstMarkers.append(strMarker.toLatin1());
    return lstMarkers;
}
} // namespace

void ResultsTest::resultLines_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("errorCode");

    QTest::newRow("success") << lines(filler(30) << c_strSuccess << "=== stopped ===") << false
                             << 100 << QString();
    QTest::newRow("success after earlier failures") << lines(
            QStringList {"MainEngineThread is returning 1603"} + filler(20) << c_strSuccess)
                                                    << true << 100 << QString();
    QTest::newRow("success tenth from the end")
            << lines(filler(5) << c_strSuccess << filler(9)) << false << 100 << QString();
    QTest::newRow("success eleventh from the end")
            << lines(filler(5) << c_strSuccess << filler(10)) << true << -1 << QString();
    QTest::newRow("last result line decides")
            << lines(QStringList {c_strSuccess, "MainEngineThread is returning 1602"}) << true << -1
            << "1602";
    QTest::newRow("1603 smart") << lines(filler(3) << "MainEngineThread is returning 1603") << true
                                << -1 << "1603";
    QTest::newRow("1720 smart") << lines({"MainEngineThread is returning 1720"}) << true << -1
                                << "1720";
    QTest::newRow("1603 not smart")
            << lines({"MainEngineThread is returning 1603"}) << false << -1 << QString();
    QTest::newRow("3010") << lines({"MainEngineThread is returning 3010"}) << true << -1
                          << QString();
    QTest::newRow("one line") << QByteArray("MainEngineThread is returning 0") << false << 100
                              << QString();
    QTest::newRow("empty") << QByteArray() << true << -1 << QString();
    QTest::newRow("no final break, garbage")
            << QByteArray("\x01\xff\xfe\x00garbage\x00\x80MainEngineThread is returning 16", 41)
            << true << -1 << QString();
}

void ResultsTest::resultLines()
{
    QFETCH(QByteArray, log);
    QFETCH(bool, smart);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers(smart ? QStringList {QStringLiteral("smartInstaller")} : QStringList(),
                        layout.bin());
    QCOMPARE(drivers.updateProgress(), -2);
    StandInMachine::writeFile(drivers.strInstallLogPath, log);
    QTEST(drivers.updateProgress(), "progress");
    QTEST(platform::readRegistryString(c_strWowKey, "ErrorCode"), "errorCode");
    if (!platform::readRegistryString(c_strWowKey, "ErrorCode").isEmpty())
        QCOMPARE(platform::readRegistryString(c_strWowKey, "ErrorString"),
                 QStringLiteral("MainEngineThread is returning failure"));
}

void ResultsTest::errorValuesBelongToTheLastRun()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    ScriptReply reply(QStringLiteral(" /SETPCI"));
    TestDrivers drivers({QStringLiteral("smartInstaller")}, layout.bin());
    const struct
    {
        const char *pszLastLine; // none: no log
        int iProgress;
        const char *pszErrorCode;
    } runs[] = {{"MainEngineThread is returning 1603", -1, "1603"},
                {"MainEngineThread is returning 3010", -1, ""},
                {"MainEngineThread is returning 1720", -1, "1720"},
                {"MainEngineThread is returning 0", 100, ""},
                {"MainEngineThread is returning 1602", -1, "1602"},
                {"no result line", -1, ""},
                {"MainEngineThread is returning 1603", -1, "1603"},
                {nullptr, -2, ""}};
    for (const auto &run : runs) {
        QFile::remove(drivers.strInstallLogPath);
        if (run.pszLastLine)
            StandInMachine::writeFile(drivers.strInstallLogPath,
                                      lines(filler(3) << run.pszLastLine));
        QCOMPARE(drivers.updateProgress(), run.iProgress);
        const QString strCode = QString::fromLatin1(run.pszErrorCode);
        QCOMPARE(platform::readRegistryString(c_strWowKey, "ErrorCode"), strCode);
        QCOMPARE(platform::readRegistryString(c_strWowKey, "ErrorString"),
                 strCode.isEmpty() ? QString()
                                   : QStringLiteral("MainEngineThread is returning failure"));
    }
}

void ResultsTest::sameAsReadingEveryLine_data()
{
    QTest::addColumn<QByteArray>("log");
    const QStringList lstTail = filler(4) << c_strSuccess << filler(2);
    for (const char *pszCodec : {"UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE"}) {
        QTextCodec *pCodec = QTextCodec::codecForName(pszCodec);
        const QString strText = (filler(50000) << lstTail).join(QStringLiteral("\r\n"));
        // With a byte order mark, as QTextStream recognises it.
        QTest::newRow(pszCodec) << pCodec->fromUnicode(QString(QChar::ByteOrderMark) + strText);
        QTest::newRow(QByteArray(pszCodec) + " short")
                << pCodec->fromUnicode(QString(QChar::ByteOrderMark) + c_strSuccess);
        QTest::newRow(QByteArray(pszCodec) + " eleven back")
                << pCodec->fromUnicode(QString(QChar::ByteOrderMark)
                                       + (QStringList {c_strSuccess} << filler(10)).join("\n"));
    }
    QTest::newRow("lone carriage returns")
            << QByteArray("MainEngine\rThread is returning 0\r\r\n\r\n\r");
    QTest::newRow("trailing empty lines")
            << lines(QStringList {c_strSuccess} + QVector<QString>(9).toList());
    QTest::newRow("ten empty lines after")
            << lines(QStringList {c_strSuccess} + QVector<QString>(10).toList());
    QTest::newRow("invalid UTF-8 before the result")
            << QByteArray("\xe2\x82MainEngineThread is returning 0\n\xf0\n\xc3");
    QTest::newRow("line feeds only") << QByteArray("\n\n\n\n");
    QTest::newRow("no line break at all") << QByteArray(200000, 'x') + c_strSuccess.toLatin1();
    QTest::newRow("result before a huge line")
            << c_strSuccess.toLatin1() + "\n" + QByteArray(300000, 'y');
    QTest::newRow("result at the start of a huge line")
            << "MainEngineThread is returning 1603" + QByteArray(300000, 'y') + "\n";
    QTest::newRow("result across chunks")
            << QByteArray(65536 - 10, 'z') + c_strSuccess.toLatin1() + QByteArray(70000, 'z');
}

void ResultsTest::sameAsReadingEveryLine()
{
    QFETCH(QByteArray, log);
    QTemporaryDir folder;
    const QString strPath = folder.filePath(QStringLiteral("log.txt"));
    StandInMachine::writeFile(strPath, log);
    QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10),
             judgeByReadingEveryLine(strPath, resultMarkers()));
}

void ResultsTest::randomLogs()
{
    // Short logs drawn from a few line kinds, breaks and encodings.
    QTemporaryDir folder;
    const QString strPath = folder.filePath(QStringLiteral("log.txt"));
    QRandomGenerator random(20261208);
    const QStringList lstKinds = {c_strSuccess,
                                  "MainEngineThread is returning 1602",
                                  "x MainEngineThread is returning 1720 y",
                                  "",
                                  "plain line",
                                  "MainEngineThread is returning 3010",
                                  "\xc3\xa9t\xc3\xa9"};
    const char *const apszBreaks[] = {"\n", "\r\n", "\r", "\n\r"};
    int iMatches = 0;
    for (int iRound = 0; iRound < 400; ++iRound) {
        QByteArray data;
        const int iLines = int(random.bounded(25));
        for (int i = 0; i < iLines; ++i)
            data += lstKinds.at(int(random.bounded(lstKinds.size()))).toUtf8()
                    + apszBreaks[random.bounded(4)];
        if (random.bounded(3) == 0)
            data.chop(1);
        if (random.bounded(4) == 0)
            data = QTextCodec::codecForName("UTF-16LE")
                           ->fromUnicode(QChar(QChar::ByteOrderMark) + QString::fromUtf8(data));
        StandInMachine::writeFile(strPath, data);
        const int iExpected = judgeByReadingEveryLine(strPath, resultMarkers());
        QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10), iExpected);
        iMatches += iExpected >= 0;
    }
    QVERIFY(iMatches > 50);
}

void ResultsTest::hugeLinesAreJudgedQuickly()
{
    // One line of 1 GiB (a sparse file) ending in the result, in one byte per character and in
    // UTF-16: reading the whole line took seconds; the tail alone is judged.
    QTemporaryDir folder;
    const QString strPath = folder.filePath(QStringLiteral("log.txt"));
    const QString strLine = c_strSuccess + "\r\n";
    for (const char *pszCodec : {"UTF-8", "UTF-16LE"}) {
        QTextCodec *pCodec = QTextCodec::codecForName(pszCodec);
        const QByteArray bom = QByteArray(pszCodec) == "UTF-8" ? "" : "\xff\xfe";
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bom + pCodec->fromUnicode(QStringLiteral("MainEngineThread is returning 1603")));
        QVERIFY(file.resize(qint64(1) << 30));
        QVERIFY(file.seek(file.size()));
        file.write(pCodec->fromUnicode(strLine));
        file.close();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10), 0);
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    }
}

void ResultsTest::longLinesAndGarbage()
{
    QTemporaryDir folder;
    const QString strPath = folder.filePath(QStringLiteral("log.txt"));
    // A FIFO planted as the log is unreadable, at once.
    alarm(20);
    QVERIFY(::mkfifo(QFile::encodeName(strPath), 0600) == 0);
    QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10), logtail::c_iUnreadable);
    alarm(0);
    QFile::remove(strPath);
    QRandomGenerator random(7);
    QByteArray garbage(3 * 1024 * 1024, Qt::Uninitialized);
    for (char &ch : garbage)
        ch = char(random.bounded(256));
    StandInMachine::writeFile(strPath, garbage);
    QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10),
             judgeByReadingEveryLine(strPath, resultMarkers()));
    StandInMachine::writeFile(strPath, "\xff\xfe" + garbage);
    QCOMPARE(logtail::findMarker(strPath, asciiMarkers(), 10),
             judgeByReadingEveryLine(strPath, resultMarkers()));
    QCOMPARE(logtail::findMarker(folder.filePath("missing"), asciiMarkers(), 10), -2);
    QCOMPARE(logtail::findMarker(folder.path(), asciiMarkers(), 10), -2);
}

void ResultsTest::restartFlag_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("restart");
    QTest::newRow("YES") << "YES" << true << true;
    QTest::newRow("yes") << "yes" << true << true;
    QTest::newRow("YES with blank") << "YES " << true << false;
    QTest::newRow("NO") << "NO" << true << false;
    QTest::newRow("missing") << QString() << false << false;
}

void ResultsTest::restartFlag()
{
    QFETCH(QString, value);
    QFETCH(bool, write);
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10"), QStringLiteral("i686")));
    if (write)
        platform::writeRegistryString(c_strKey, "REBOOTSTATUS", value);
    platform::writeRegistryString(c_strWowKey, "REBOOTSTATUS", "YES");
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QTEST(drivers.isRestartRequired(), "restart");
}

void ResultsTest::supportedDriversOnlyInInstallMode()
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(QStringLiteral("10")));
    PackageLayout layout;
    {
        TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
        drivers.strSupportedDrivers = QStringLiteral("PCI");
        drivers.writeSupportedDriversToRegistry();
        QCOMPARE(platform::readRegistryString(c_strWowKey, "SupportedDrivers"), QString());
    }
    ScriptReply reply(QStringLiteral(" /SETSQP"));
    TestDrivers drivers({}, layout.bin());
    platform::writeRegistryString(c_strWowKey, "SupportedDrivers", "old");
    drivers.writeSupportedDriversToRegistry();
    QCOMPARE(platform::readRegistryString(c_strWowKey, "SupportedDrivers"), QStringLiteral("SQP"));
}

void ResultsTest::uninstallModeReadsItsOwnLog()
{
    StandInMachine machine;
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    StandInMachine::writeFile(drivers.strInstallLogPath, lines({c_strSuccess}));
    QCOMPARE(drivers.updateProgress(), -2);
    StandInMachine::writeFile(drivers.strUninstallLogPath, lines({c_strSuccess}));
    QCOMPARE(drivers.updateProgress(), 100);
}

QTEST_GUILESS_MAIN(ResultsTest)
#include "tst_results.moc"
