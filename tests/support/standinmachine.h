#ifndef TESTS_STANDINMACHINE_H
#define TESTS_STANDINMACHINE_H

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// A fresh stand-in machine for one test: a SystemDrive folder with the Windows folders, and
// a runtime folder of its own for locks and window sockets. The process environment points
// at it while the object lives.
class StandInMachine
{
public:
    StandInMachine()
    {
        m_strOldSystemDrive = qEnvironmentVariable("SystemDrive");
        m_bHadSystemDrive = qEnvironmentVariableIsSet("SystemDrive");
        m_strOldRuntime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QDir(drive()).mkpath(QStringLiteral("Windows/System32/config"));
        QDir(drive()).mkpath(QStringLiteral("Windows/System32/wbem"));
        QDir(m_runtime.path()).mkpath(QStringLiteral("."));
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("SystemDrive", drive().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    ~StandInMachine()
    {
        if (m_bHadSystemDrive)
            qputenv("SystemDrive", m_strOldSystemDrive.toLocal8Bit());
        else
            qunsetenv("SystemDrive");
        qputenv("XDG_RUNTIME_DIR", m_strOldRuntime.toLocal8Bit());
    }

    QString drive() const { return m_drive.path(); }
    QString runtime() const { return m_runtime.path(); }
    QString hivePath() const { return drive() + "/Windows/System32/config/HKLM.json"; }
    QString descriptionPath() const { return drive() + "/Windows/System32/wbem/machine.json"; }

    void writeHive(const QByteArray &data) const { writeFile(hivePath(), data); }
    void writeDescription(const QJsonObject &description) const
    {
        writeFile(descriptionPath(), QJsonDocument(description).toJson());
    }

    // The environment a child process of the test should see.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SystemDrive"), drive());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        return environment;
    }

    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(data);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_drive;
    QTemporaryDir m_runtime;
    QString m_strOldSystemDrive;
    QString m_strOldRuntime;
    bool m_bHadSystemDrive = false;
};

#endif // TESTS_STANDINMACHINE_H
