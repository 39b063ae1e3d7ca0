#ifndef DRIVERS_H
#define DRIVERS_H

#include <QDomElement>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

#include "engine/commandline.h"
#include "engine/filestamp.h"
#include "engine/startupfailure.h"
#include "platform/registry.h"

// One catalog row.
struct DriverEntry
{
    QString strDisplayName;
    bool bChecked = true;
    bool bUninstallable = false;
    QString strProductName;
    QString strDescription;
};

// The engine: the driver catalog, the offered list and the user's selection, the package
// description, the installed versions, and the child process of an install or uninstall run.
class Drivers : public QObject
{
    Q_OBJECT

public:
    // The single engine object, created on first use; none when it cannot be allocated.
    static Drivers *instance();
    // The same single object, created on first use from the given command line (the program
    // path first) instead of the process's; later calls return it whatever they pass.
    static Drivers *instanceFor(const QStringList &lstArguments);

    ~Drivers() override;

    // For the unattended mode: the offered switch at c_iIndex (empty outside the list), whether
    // its row is selected, the last run's command line and log, and a wait for the run's end.
    QString switchAt(int c_iIndex) const;
    bool isSelected(int c_iIndex);
    QString runCommandLine() const;
    QString runLogPath() const { return currentLogPath(); }
    // Blocks until the child of the last start has ended.
    void waitForRunEnd();
    // Why the engine could not start on this machine; none when it did.
    const StartupFailure &startupFailure() const { return m_startupFailure; }

public slots:
    void getDriversList();
    bool isUninstall();
    bool isInstall();
    int getNumberOfDrivers();
    QString getName(int c_iIndex);
    QString getVersion(int c_iIndex);
    QString getButtonDescription(int c_iIndex);
    void setCheckboxStatus(int c_iIndex, bool bStatus);
    bool isDriverUninstallable(int c_iIndex);
    bool isItWindows7();
    bool isDriverAlreadyInstalled();
    int installClicked();
    bool uninstallAllDrivers();
    int uninstallClicked();
    QVector<QString> traverse(QDomElement root, QString tagname);
    void readXmlFile();
    int updateProgress();
    void launchLogFile();
    QStringList getListOfDriversFromVBScript();
    bool isRestartRequired();
    // The open key "HKLM\SOFTWARE\WOW6432Node\Zorva\"; its subkeys are the installed products.
    void getRegistryInfo(const platform::RegistryKey &hKey);
    QString getOldVersionNumber(int c_iIndex);
    bool isItSmartInstaller();
    int isRunning();
    void toExtractFiles();
    void writeSupportedDriversToRegistry();
    void writeErrorStringsToRegistry(QString strErrorNo);
    void toCreateOrDeleteFolder(QString strPath, bool c_bValue);
    // startupFailure() for the pages: empty when the engine started.
    QVariantMap getStartupFailure();

protected:
    // lstArguments is the whole command line, the program path first; strApplicationDir is
    // the program's own folder.
    Drivers(const QStringList &lstArguments, const QString &strApplicationDir);

    // The program's folder with "/" separators.
    QString applicationDir() const;

    // The catalog row of the offered driver at c_iIndex; none outside the list or without row.
    DriverEntry *rowAt(int c_iIndex);
    // The catalog slot 1..30 of a switch; 0 when it has none.
    int slotOf(const QString &strSwitch) const;
    // The package key chosen by the processor architecture.
    QString packageKey() const;
    QString currentLogPath() const;
    void fillCatalog();
    int startInstaller(const commandline::Command &command);

    QStringList lstDriverSwitches;
    QString strSupportedDrivers;
    QVector<QString> vecVersions;
    QVector<QString> vecOS;
    QVector<QString> vecInstallers;
    QVector<DriverEntry> vecCatalog;
    QMap<QString, int> mapSwitchIndex;
    QString strProductCode;
    QString strUninstallLogPath;
    QString strInstallLogPath;
    QString strPackageCommand;
    QString strMsiExecCommand;
    QString strRegKeyWow;
    QString strRegKey;
    double dProgress = 0.0;
    bool bInstall = false;
    bool bUninstall = false;
    bool bSmartInstaller = false;
    QProcess procInstaller;
    QObject *pScriptManager = nullptr;
    QObject *pScript = nullptr;
    QVector<QString> vecProductKeys;
    QMap<QString, QString> mapInstalledVersions;
    QString strLogFolder;

private:
    // Notes the current log before a run is asked to start; none written since means no result.
    void noteLogBeforeRun();
    // In smart-installer mode, the run's outcome for the parent: the code of a named failure, or
    // empty values.
    void reportOutcomeToParent(int iResultLine);

    QStringList m_lstArguments;
    QString m_strApplicationDir;
    std::optional<FileStamp> m_logBeforeRun; // none before the first start
    QString m_strSystemDrive; // as it was at construction
    StartupFailure m_startupFailure;
};

#endif // DRIVERS_H
