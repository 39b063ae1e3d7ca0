#ifndef TESTS_WINE_WINESESSION_H
#define TESTS_WINE_WINESESSION_H

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

// wine as the wine tests use it: the 64-bit loader, which runs the 32-bit Windows programs under
// WoW64 with the 32-bit wine beside it, the prefix of the build tree that the wineprefix fixture
// makes and the tests share one after another, and an X display of the test's own (wine creates
// no window without one). Ending the object ends the wine session of the prefix and the display.
class WineSession
{
public:
    // The exit code of a test that cannot run here; CTest reports it as skipped.
    static constexpr int c_iSkipped = 77;

    struct Run
    {
        bool bFinished = false;
        int iExitCode = -1;
        QByteArray output;
        QByteArray errors;
    };

    // A session in the prefix of the wine tests, or in another (a copy of it).
    explicit WineSession(const QString &strPrefix = prefix());
    WineSession(const WineSession &) = delete;
    WineSession &operator=(const WineSession &) = delete;
    ~WineSession();

    static QString loader(); // wine64
    static QString server(); // wineserver
    static QString prefix();
    // The folder of the prefix that stands for the drive C:.
    static QString driveC();

    // Why wine cannot run here: no wine64, or no prefix made. Empty when it can.
    static QString unavailableReason();
    // Why wine cannot run 32-bit Windows programs here: no 32-bit wine, or a machine that runs
    // no 32-bit x86 code. Empty when it can.
    static QString wow64UnavailableReason();

    // "Z:\..." for a path of this machine.
    static QString windowsPath(const QString &strPath);

    // Starts an X server of the session's own with a screen of that size; false with the
    // reason when there is none.
    bool startDisplay(QString *pstrError, const QSize &screen = QSize(1280, 1024));

    QProcessEnvironment environment() const;

    // Runs a Windows program (a path of this machine, or a program of wine's own such as
    // "cscript") and waits for it. A launcher runs wine in its turn (for example "unshare").
    Run run(const QString &strProgram, const QStringList &arguments, int iTimeoutMs = 120000,
            const QStringList &launcher = QStringList()) const;

    // Imports registry entries in the .reg format (without its first line) with regedit.
    bool importRegistry(const QString &strEntries) const;

    // Ends every wine process of the prefix.
    void end() const;

private:
    QString m_strPrefix;
    QProcess m_display;
    QString m_strDisplay;
};

// main() of a wine test. A test that cannot run here reports itself skipped, with the reason:
// wine's own (WineSession::unavailableReason) or the test object's (its unavailableReason(),
// which may also prepare what the test needs, such as the display).
#define WINE_TEST_MAIN(TestObject) \
    int main(int argc, char **argv) \
    { \
        QCoreApplication application(argc, argv); \
        QString strReason = WineSession::unavailableReason(); \
        std::unique_ptr<TestObject> test; \
        if (strReason.isEmpty()) { \
            test.reset(new TestObject); \
            strReason = test->unavailableReason(); \
        } \
        if (!strReason.isEmpty()) { \
            std::printf("SKIP: %s\n", qPrintable(strReason)); \
            return WineSession::c_iSkipped; \
        } \
        return QTest::qExec(test.get(), argc, argv); \
    }

#endif // TESTS_WINE_WINESESSION_H
