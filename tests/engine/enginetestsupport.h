#ifndef ENGINETESTSUPPORT_H
#define ENGINETESTSUPPORT_H

#include "engine/detectionhost.h"
#include "platform/registry.h"
#include "standinmachine.h"
#include "testdrivers.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

// The detection script's answer for as long as the object lives.
class ScriptReply
{
public:
    explicit ScriptReply(const QVariant &reply)
    {
        detection::setScriptReplyFunction([reply](const QString &) { return reply; });
    }
    ~ScriptReply() { detection::setScriptReplyFunction({}); }
};

// The program's folder and the package beside it: <root>/Bin/info.xml and
// <root>/Packages/Zorva_Chipset_Drivers.exe. The root's name may be given, as a QTemporaryDir
// template.
class PackageLayout
{
public:
    explicit PackageLayout(const QString &strRootTemplate = QString())
        : m_root(strRootTemplate.isEmpty() ? QDir::tempPath() + QStringLiteral("/package-XXXXXX")
                                           : QDir::tempPath() + QLatin1Char('/') + strRootTemplate)
    {
        QDir(m_root.path()).mkpath(QStringLiteral("Bin"));
        QDir(m_root.path()).mkpath(QStringLiteral("Packages"));
    }

    QString root() const { return m_root.path(); }
    QString bin() const { return m_root.path() + QStringLiteral("/Bin"); }
    QString setupProgram() const
    {
        return m_root.path() + QStringLiteral("/Packages/Zorva_Chipset_Drivers.exe");
    }

    void writeInfo(const QByteArray &data) const
    {
        StandInMachine::writeFile(bin() + QStringLiteral("/info.xml"), data);
    }
    // The package's own description and setup program.
    bool addPackage() const
    {
        return QFile::copy(QStringLiteral(PACKAGE_BIN_DIR "/info.xml"),
                           bin() + QStringLiteral("/info.xml"))
                && QFile::copy(QStringLiteral(SETUP_PROGRAM_PATH), setupProgram());
    }

private:
    QTemporaryDir m_root;
};

// Puts the stand-in MsiExec where the machine's system folder has it.
inline bool installMsiExec(const StandInMachine &machine)
{
    const QString strTarget = machine.drive() + QStringLiteral("/Windows/System32/MsiExec.exe");
    QFile::remove(strTarget);
    return QFile::copy(QStringLiteral(MSIEXEC_PATH), strTarget);
}

// A machine description with the operating system and the package's behaviour.
inline QJsonObject describeMachine(const QString &strProductVersion,
                                   const QString &strArchitecture = QStringLiteral("x86_64"),
                                   const QJsonObject &package = QJsonObject())
{
    QJsonObject description {{QStringLiteral("os"),
                              QJsonObject {{QStringLiteral("productVersion"), strProductVersion},
                                           {QStringLiteral("cpuArchitecture"), strArchitecture}}}};
    if (!package.isEmpty())
        description.insert(QStringLiteral("package"), package);
    return description;
}

// One Product element of a package description.
inline QByteArray product(const QString &strName, const QString &strVersion, const QString &strOs,
                          const QString &strInstaller)
{
    return QStringLiteral("<Product><Name>%1</Name><Version>%2</Version><OS>%3</OS>"
                          "<Installer>%4</Installer></Product>")
            .arg(strName, strVersion, strOs, strInstaller)
            .toUtf8();
}

inline QByteArray packageDescription(const QByteArray &products)
{
    return "<?xml version=\"1.0\"?>\n<Package>" + products + "</Package>\n";
}

const QString c_strWowKey
        = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
const QString c_strKey = QStringLiteral("HKLM\\SOFTWARE\\Zorva\\Zorva_Chipset_IODrivers");

#endif // ENGINETESTSUPPORT_H
