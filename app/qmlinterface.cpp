#include "app/qmlinterface.h"

#include "app/utility.h"
#include "engine/drivers.h"
#include "feed/imagesettings.h"
#include "parentchannel/eventmanager.h"

QmlInterface::QmlInterface(Drivers *pDrivers, ImageSettings *pImageSettings, Utility *pUtility,
                           EventManager *pEventManager, QObject *parent)
    : QObject(parent)
    , m_pDrivers(pDrivers)
    , m_pImageSettings(pImageSettings)
    , m_pUtility(pUtility)
    , m_pEventManager(pEventManager)
{ }

bool QmlInterface::isUninstall()
{
    return m_pDrivers->isUninstall();
}

bool QmlInterface::isInstall()
{
    return m_pDrivers->isInstall();
}

int QmlInterface::getNumberOfDrivers()
{
    return m_pDrivers->getNumberOfDrivers();
}

QVariantMap QmlInterface::getStartupFailure()
{
    return m_pDrivers->getStartupFailure();
}

QString QmlInterface::getName(int c_iIndex)
{
    return m_pDrivers->getName(c_iIndex);
}

QString QmlInterface::getVersion(int c_iIndex)
{
    return m_pDrivers->getVersion(c_iIndex);
}

QString QmlInterface::getButtonDescription(int c_iIndex)
{
    return m_pDrivers->getButtonDescription(c_iIndex);
}

void QmlInterface::setCheckboxStatus(int c_iIndex, bool bStatus)
{
    m_pDrivers->setCheckboxStatus(c_iIndex, bStatus);
}

bool QmlInterface::isDriverUninstallable(int c_iIndex)
{
    return m_pDrivers->isDriverUninstallable(c_iIndex);
}

int QmlInterface::installClicked()
{
    return m_pDrivers->installClicked();
}

int QmlInterface::uninstallClicked()
{
    return m_pDrivers->uninstallClicked();
}

int QmlInterface::updateProgress()
{
    return m_pDrivers->updateProgress();
}

void QmlInterface::launchLogFile()
{
    m_pDrivers->launchLogFile();
}

bool QmlInterface::isRestartRequired()
{
    return m_pDrivers->isRestartRequired();
}

QString QmlInterface::getOldVersionNumber(int c_iIndex)
{
    return m_pDrivers->getOldVersionNumber(c_iIndex);
}

bool QmlInterface::isItSmartInstaller()
{
    return m_pDrivers->isItSmartInstaller();
}

int QmlInterface::isRunning()
{
    return m_pDrivers->isRunning();
}

int QmlInterface::getNumberOfImagesInDirectory()
{
    return m_pImageSettings->getNumberOfImagesInDirectory();
}

QString QmlInterface::getImagePath(int c_iImgNo)
{
    return m_pImageSettings->getImagePath(c_iImgNo);
}

QString QmlInterface::getImageLink(int c_iLinkNo)
{
    return m_pImageSettings->getImageLink(c_iLinkNo);
}

QString QmlInterface::getImageTitle(int c_iLinkNo)
{
    return m_pImageSettings->getImageTitle(c_iLinkNo);
}

QString QmlInterface::getImageDescription(int c_iLinkNo)
{
    return m_pImageSettings->getImageDescription(c_iLinkNo);
}

int QmlInterface::getScreenWidth()
{
    return m_pUtility->getScreenWidth();
}

int QmlInterface::getScreenHeight()
{
    return m_pUtility->getScreenHeight();
}

int QmlInterface::getMouseX()
{
    return m_pUtility->getMouseX();
}

int QmlInterface::getMouseY()
{
    return m_pUtility->getMouseY();
}

void QmlInterface::restartSystem()
{
    m_pUtility->restartSystem();
}

bool QmlInterface::enableShutdownPrivilege()
{
    return m_pUtility->enableShutdownPrivilege();
}

QPoint QmlInterface::getCursorPos()
{
    return m_pUtility->getCursorPos();
}

void QmlInterface::postEventMessage(int iEventType, int x, int y)
{
    m_pEventManager->sendEventToParent(iEventType, x, y);
}

void QmlInterface::postEventMessage(int iEventType)
{
    m_pEventManager->sendEventToParent(iEventType);
}
