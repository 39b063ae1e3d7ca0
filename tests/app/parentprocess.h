#ifndef PARENTPROCESS_H
#define PARENTPROCESS_H

#include "standinmachine.h"

#include <QProcess>
#include <QtTest>

// A program run as a separate process on the stand-in machine, whose printed lines the test
// waits for.
class WatchedProcess
{
public:
    explicit WatchedProcess(const StandInMachine &machine)
    {
        m_process.setProcessEnvironment(machine.environment());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
    }

    ~WatchedProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool start(const QString &program, const QStringList &arguments)
    {
        m_process.start(program, arguments);
        return m_process.waitForStarted(10000);
    }

    // Waits until a received line contains the text; the whole output so far is in output().
    bool waitForLine(const QString &text, int iTimeoutMs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_output.contains(text)) {
            if (timer.elapsed() > iTimeoutMs)
                return false;
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning) {
                m_output += QString::fromUtf8(m_process.readAll());
                return m_output.contains(text);
            }
            m_output += QString::fromUtf8(m_process.readAll());
        }
        return true;
    }

    bool waitForFinished(int iTimeoutMs = 30000)
    {
        const bool bFinished = m_process.waitForFinished(iTimeoutMs);
        m_output += QString::fromUtf8(m_process.readAll());
        return bFinished;
    }

    bool running() const { return m_process.state() == QProcess::Running; }
    // The exit code of a process that ended by itself; -1 for one that crashed.
    int exitCode() const
    {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    void setEnvironmentValue(const QString &strName, const QString &strValue)
    {
        QProcessEnvironment environment = m_process.processEnvironment();
        environment.insert(strName, strValue);
        m_process.setProcessEnvironment(environment);
    }

    qint64 processId() const { return m_process.processId(); }

    // What was received up to the last wait.
    QString output() const { return m_output; }

private:
    QProcess m_process;
    QString m_output;
};

// The stand-in parent installer as a separate process; its printed lines are what it received.
class ParentProcess : public WatchedProcess
{
public:
    using WatchedProcess::WatchedProcess;

    static QString program() { return QStringLiteral(PACKAGE_ROOT_DIR "/Tools/ParentInstaller"); }
    static QString installer() { return QStringLiteral(PACKAGE_BIN_DIR "/ChipsetInstaller"); }

    // Owns the parent window only; true once the window exists. A launcher (a program and its
    // arguments) may start it, with further options of its own.
    bool startWindowOnly(const QStringList &launcher = {}, const QStringList &options = {})
    {
        return start(QStringList {"--no-child"} + options, launcher)
                && waitForLine("parent window ready");
    }

    bool start(const QStringList &arguments, const QStringList &launcher = {})
    {
        if (launcher.isEmpty())
            return WatchedProcess::start(program(), arguments);
        return WatchedProcess::start(launcher.first(),
                                     launcher.mid(1) + QStringList {program()} + arguments);
    }

    // The received lines that start with "event".
    QStringList events() const
    {
        QStringList lines;
        for (const QString &line : output().split('\n'))
            if (line.startsWith("event "))
                lines.append(line.trimmed());
        return lines;
    }
};

#endif // PARENTPROCESS_H
