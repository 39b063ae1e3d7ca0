#ifndef QMLINTERFACE_H
#define QMLINTERFACE_H

#include <QObject>
#include <QPoint>
#include <QString>
#include <QVariantMap>

class Drivers;
class EventManager;
class ImageSettings;
class Utility;

// The one object the pages call, published as "qtInterface". Each method forwards to one
// method of an engine object and returns its result unchanged.
class QmlInterface : public QObject
{
    Q_OBJECT

public:
    QmlInterface(Drivers *pDrivers, ImageSettings *pImageSettings, Utility *pUtility,
                 EventManager *pEventManager, QObject *parent = nullptr);

public slots:
    bool isUninstall();
    bool isInstall();
    int getNumberOfDrivers();
    QVariantMap getStartupFailure();
    QString getName(int c_iIndex);
    QString getVersion(int c_iIndex);
    QString getButtonDescription(int c_iIndex);
    void setCheckboxStatus(int c_iIndex, bool bStatus);
    bool isDriverUninstallable(int c_iIndex);
    int installClicked();
    int uninstallClicked();
    int updateProgress();
    void launchLogFile();
    bool isRestartRequired();
    QString getOldVersionNumber(int c_iIndex);
    bool isItSmartInstaller();
    int isRunning();
    int getNumberOfImagesInDirectory();
    QString getImagePath(int c_iImgNo);
    QString getImageLink(int c_iLinkNo);
    QString getImageTitle(int c_iLinkNo);
    QString getImageDescription(int c_iLinkNo);
    int getScreenWidth();
    int getScreenHeight();
    int getMouseX();
    int getMouseY();
    void restartSystem();
    bool enableShutdownPrivilege();
    QPoint getCursorPos();
    void postEventMessage(int iEventType, int x, int y);
    void postEventMessage(int iEventType);

private:
    Drivers *m_pDrivers;
    ImageSettings *m_pImageSettings;
    Utility *m_pUtility;
    EventManager *m_pEventManager;
};

#endif // QMLINTERFACE_H
