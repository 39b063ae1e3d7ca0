#include "app/utility.h"

#include "app/uilanguage.h"
#include "platform/modulepath.h"
#include "platform/shutdown.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

Utility::Utility(QObject *parent)
    : QObject(parent)
{ }

QString Utility::cutAtLastSeparator(const QString &strPath, QChar cSeparator)
{
    const int iLast = strPath.lastIndexOf(cSeparator);
    return iLast < 0 ? strPath : strPath.left(iLast);
}

QPoint Utility::getCursorPos()
{
    return QCursor::pos();
}

int Utility::getScreenWidth()
{
    return m_desktop.availableGeometry(-1).width();
}

int Utility::getScreenHeight()
{
    return m_desktop.availableGeometry(-1).height();
}

int Utility::getMouseX()
{
    return getCursorPos().x();
}

int Utility::getMouseY()
{
    return getCursorPos().y();
}

void Utility::restartSystem()
{
    platform::restartSystem();
}

bool Utility::enableShutdownPrivilege()
{
    return platform::enableShutdownPrivilege();
}

QString Utility::getExePath()
{
    return cutAtLastSeparator(platform::moduleFilePath(), QDir::separator());
}

QString Utility::getlanguage()
{
    return uilanguage::englishName(uilanguage::current());
}

double Utility::getDPI()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}
