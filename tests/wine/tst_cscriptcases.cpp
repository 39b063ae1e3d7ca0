// The language cases of tests/vbscript/cases on a second engine, wine's cscript: each file runs
// once, after prelude.vbs, and what each case gives is compared with what its comments expect.
// cscript-differences.txt lists where wine is known to differ, and why; any other disagreement
// fails, and so does an entry that wine no longer bears out.
//
// wine's cscript reports no script error. The file therefore runs under On Error Resume Next,
// and after each statement that bears an expectation the script prints the error it raised and
// a mark, so a run error ends that case alone. A script that does not compile prints nothing,
// not even the line put before the file; the number of its error cannot be seen.
#include "casefile.h"
#include "winesession.h"

#include <QtTest>

namespace {

const QString c_strStart = QStringLiteral("#start#");
const QString c_strMark = QStringLiteral("#case#");
const QString c_strNotCompiled = QStringLiteral("does not compile");
const QString c_strCompiled = QStringLiteral("compiles");
const QString c_strEnded = QStringLiteral("ends early");
// cscript takes about a second to start; two runs at a time fill this machine's two cores.
constexpr int c_iParallelRuns = 2;
constexpr int c_iRunTimeoutMs = 60000;

// The expectations that one statement's run answers, or a line that fails to compile.
struct Case
{
    int iLine = 0;
    bool bStatement = false;
    QStringList expected;
};

QVector<Case> casesOf(const QString &strName)
{
    QVector<Case> cases;
    for (const casefile::Expectation &expectation : casefile::expectations(strName)) {
        if (expectation.bStatement || cases.isEmpty() || !cases.last().bStatement)
            cases.append({expectation.iLine, expectation.bStatement, {}});
        cases.last().expected.append(casefile::expected(expectation));
    }
    return cases;
}

// The file for cscript: the prelude, then the case file with the error and a mark printed after
// each statement that bears an expectation. The file's own lines are left as they are.
QByteArray scriptFor(const QString &strName, const QString &strPrelude)
{
    QSet<int> statements;
    for (const Case &c : casesOf(strName)) {
        if (c.bStatement)
            statements.insert(c.iLine);
    }
    QStringList lines {strPrelude, QStringLiteral("WScript.Echo \"%1\"").arg(c_strStart),
                       QStringLiteral("On Error Resume Next")};
    const QStringList fileLines = casefile::lines(strName);
    for (int i = 0; i < fileLines.size(); ++i) {
        lines.append(fileLines.at(i));
        if (statements.contains(i + 1)) {
            lines.append(QStringLiteral(
                    "If Err.Number <> 0 Then WScript.Echo \"error \" & Err.Number : Err.Clear"));
            lines.append(QStringLiteral("WScript.Echo \"%1\"").arg(c_strMark));
        }
    }
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

// What each case gave on wine, in the form of cscript-differences.txt.
QStringList outcomes(const QVector<Case> &cases, const QByteArray &output)
{
    QStringList printed = QString::fromLatin1(output).remove(QLatin1Char('\r')).split('\n');
    if (!printed.isEmpty() && printed.last().isEmpty())
        printed.removeLast();
    const int iStart = printed.indexOf(c_strStart);
    QStringList result;
    if (iStart < 0) {
        for (int i = 0; i < cases.size(); ++i)
            result.append(c_strNotCompiled);
        return result;
    }
    printed = printed.mid(iStart + 1);
    for (const Case &c : cases) {
        if (!c.bStatement) {
            result.append(c_strCompiled);
            continue;
        }
        const int iMark = printed.indexOf(c_strMark);
        QStringList lines = printed.mid(0, iMark);
        if (iMark < 0)
            lines.append(c_strEnded);
        printed = iMark < 0 ? QStringList() : printed.mid(iMark + 1);
        result.append(lines.join(QStringLiteral(" | ")));
    }
    return result;
}

bool agrees(const Case &c, const QString &strOutcome)
{
    // Both refuse to compile it; wine does not say with which error.
    if (!c.bStatement && strOutcome == c_strNotCompiled)
        return true;
    return c.expected.join(QStringLiteral(" | ")) == strOutcome;
}

} // namespace

class TestCscriptCases : public QObject
{
    Q_OBJECT

public:
    QString unavailableReason() { return QString(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void agreesWithTheCases_data();
    void agreesWithTheCases();
    void listsOnlyCasesThatExist();

private:
    struct Listed
    {
        QString strOutcome;
        QString strReason;
        bool bFound = false;
    };

    bool readDifferences(QString *pstrError);
    void runAll(const QStringList &names);

    WineSession m_session;
    QProcessEnvironment m_environment;
    QTemporaryDir m_scripts;
    QHash<QString, QByteArray> m_output; // of each file's run
    QMap<QString, Listed> m_listed; // by "file:line"
    QMap<QString, int> m_agreed; // by file
    int m_iCompileErrors = 0;
};

bool TestCscriptCases::readDifferences(QString *pstrError)
{
    QFile file(QStringLiteral(CSCRIPT_DIFFERENCES));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *pstrError = file.errorString();
        return false;
    }
    QString strReason;
    int iLine = 0;
    while (!file.atEnd()) {
        const QString strLine = QString::fromUtf8(file.readLine()).trimmed();
        ++iLine;
        if (strLine.isEmpty() || strLine.startsWith(QLatin1Char('#')))
            continue;
        if (strLine.startsWith(QLatin1String("why: "))) {
            strReason = strLine.mid(5);
            continue;
        }
        const int iSpace = strLine.indexOf(QLatin1Char(' '));
        const QString strCase = strLine.left(iSpace);
        if (iSpace < 0 || strReason.isEmpty() || m_listed.contains(strCase)) {
            *pstrError = QStringLiteral("line %1: not \"file:line outcome\" below a \"why:\", "
                                        "or listed twice")
                                 .arg(iLine);
            return false;
        }
        m_listed.insert(strCase, {strLine.mid(iSpace).trimmed(), strReason});
    }
    return true;
}

void TestCscriptCases::initTestCase()
{
    QString strError;
    QVERIFY2(readDifferences(&strError), qPrintable(strError));
    QVERIFY(m_scripts.isValid());
    m_environment = m_session.environment();
    // A crash ends the run at once instead of starting wine's debugger.
    m_environment.insert(QStringLiteral("WINEDLLOVERRIDES"),
                         m_environment.value(QStringLiteral("WINEDLLOVERRIDES"))
                                 + QStringLiteral(";winedbg.exe=d"));
    // A server that stays between the runs: each cscript then starts in a fraction of the time.
    QProcess server;
    server.setProcessEnvironment(m_environment);
    server.start(WineSession::server(), {QStringLiteral("-p")});
    QVERIFY(server.waitForFinished(30000));

    QFile prelude(QStringLiteral(VBSCRIPT_PRELUDE));
    QVERIFY(prelude.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString strPrelude = QString::fromUtf8(prelude.readAll());
    const QStringList names = casefile::caseNames();
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        QFile script(m_scripts.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(scriptFor(name, strPrelude));
    }
    runAll(names);
}

// Runs every file on cscript, a few at a time. A run that hangs, or that printed nothing, is
// made again, up to three times: now and then a wine process hangs as it starts, and on a loaded
// machine a run of a file that compiles was once seen to print nothing. A file that does not
// compile prints nothing every time.
void TestCscriptCases::runAll(const QStringList &names)
{
    constexpr int c_iTries = 3;
    QEventLoop loop;
    int iNext = 0;
    int iRunning = 0;
    std::function<void(const QString &, int)> start = [&](const QString &name, int iTry) {
        auto *pProcess = new QProcess(this);
        auto *pTimeout = new QTimer(pProcess);
        pProcess->setProcessEnvironment(m_environment);
        pTimeout->setSingleShot(true);
        connect(pTimeout, &QTimer::timeout, pProcess, &QProcess::kill);
        connect(pProcess, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                [&, name, iTry, pProcess, pTimeout] {
                    pProcess->deleteLater();
                    const QByteArray output = pProcess->readAllStandardOutput();
                    const bool bHung = !pTimeout->isActive();
                    if ((bHung || !output.contains(c_strStart.toLatin1())) && iTry < c_iTries) {
                        if (bHung)
                            qWarning("cscript hung on %s; once more", qPrintable(name));
                        start(name, iTry + 1);
                        return;
                    }
                    m_output.insert(name, output);
                    if (iNext < names.size())
                        start(names.at(iNext++), 1);
                    else if (--iRunning == 0)
                        loop.quit();
                });
        pProcess->start(WineSession::loader(),
                        {QStringLiteral("cscript"), QStringLiteral("//nologo"),
                         WineSession::windowsPath(m_scripts.filePath(name))});
        pTimeout->start(c_iRunTimeoutMs);
    };
    for (; iRunning < c_iParallelRuns && iNext < names.size(); ++iRunning)
        start(names.at(iNext++), 1);
    loop.exec();
}

void TestCscriptCases::cleanupTestCase()
{
    int iCases = 0;
    int iAgreed = 0;
    for (const QString &name : m_output.keys())
        iCases += casesOf(name).size();
    for (int iCount : qAsConst(m_agreed))
        iAgreed += iCount;
    QMap<QString, int> byReason;
    for (const Listed &listed : qAsConst(m_listed))
        ++byReason[listed.strReason];
    qInfo("%d cases compared: %d agree (%d of them fail to compile on both, with a number wine "
          "does not report), %d differ as listed",
          iCases, iAgreed, m_iCompileErrors, int(m_listed.size()));
    for (auto it = byReason.cbegin(); it != byReason.cend(); ++it)
        qInfo("  %d: %s", it.value(), qPrintable(it.key()));
}

void TestCscriptCases::agreesWithTheCases_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : casefile::caseNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestCscriptCases::agreesWithTheCases()
{
    QFETCH(QString, name);
    QVERIFY2(m_output.contains(name), "cscript did not run it");
    const QVector<Case> cases = casesOf(name);
    const QStringList results = outcomes(cases, m_output.value(name));
    QStringList failures;
    for (int i = 0; i < cases.size(); ++i) {
        const Case &c = cases.at(i);
        const QString strCase = name + QLatin1Char(':') + QString::number(c.iLine);
        const QString strExpected = c.expected.join(QStringLiteral(" | "));
        const auto listed = m_listed.find(strCase);
        if (listed != m_listed.end()) {
            listed->bFound = true;
            if (results.at(i) != listed->strOutcome)
                failures << QStringLiteral("%1: listed as giving \"%2\" on wine, gives \"%3\" "
                                           "(expected \"%4\")")
                                    .arg(strCase, listed->strOutcome, results.at(i), strExpected);
        } else if (agrees(c, results.at(i))) {
            ++m_agreed[name];
            m_iCompileErrors += c.bStatement ? 0 : 1;
        } else {
            failures << QStringLiteral("%1: expected \"%2\", wine gives \"%3\"")
                                .arg(strCase, strExpected, results.at(i));
        }
    }
    // One line each: QTest cuts a long message short.
    for (const QString &strFailure : qAsConst(failures))
        qWarning("%s", qPrintable(strFailure));
    QVERIFY2(failures.isEmpty(), "the cases above disagree");
}

void TestCscriptCases::listsOnlyCasesThatExist()
{
    QStringList unknown;
    for (auto it = m_listed.cbegin(); it != m_listed.cend(); ++it) {
        if (!it->bFound)
            unknown << it.key();
    }
    QVERIFY2(unknown.isEmpty(),
             qPrintable(QStringLiteral("listed, but no such case: ") + unknown.join(", ")));
}

WINE_TEST_MAIN(TestCscriptCases)
#include "tst_cscriptcases.moc"
