#include "app/rootwindow.h"

#include "app/qmlinterface.h"
#include "app/scenegraph.h"
#include "app/startup.h"
#include "app/uilanguage.h"
#include "app/utility.h"
#include "app/windowplacement.h"
#include "engine/drivers.h"
#include "engine/modearguments.h"
#include "feed/imagesettings.h"
#include "parentchannel/eventmanager.h"
#include "parentchannel/parentevent.h"
#include "parentchannel/processexit.h"
#include "platform/registry.h"
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QQmlContext>
#include <QWindow>

#include <new>

namespace {
constexpr int c_iPositionHandlerId = 1;

// The parent's position message: x and y, two little-endian signed 32-bit integers.
int positionHandler(const EventManager::CallRecord &record)
{
    RootWindow *pRootWindow = static_cast<RootWindow *>(record.pContext);
    if (!pRootWindow || record.data.size() < 8)
        return 0;
    QDataStream stream(record.data);
    stream.setByteOrder(QDataStream::LittleEndian);
    qint32 x = 0;
    qint32 y = 0;
    stream >> x >> y;
    pRootWindow->loadedMainForSmartInstaller(x, y, true);
    return 1;
}
} // namespace

RootWindow::RootWindow()
    : QObject(nullptr)
    , m_engine(nullptr)
{
    connect(&m_engine, &QQmlApplicationEngine::objectCreated, this,
            [](QObject *object) { scenegraph::surviveErrors(object); });
}

RootWindow *RootWindow::instance()
{
    static RootWindow *pInstance = new (std::nothrow) RootWindow;
    return pInstance;
}

void RootWindow::loadLoader()
{
    m_bSmartInstaller = false;
    m_lstArguments = QCoreApplication::arguments().mid(1);
    m_bSmartInstaller = ModeArguments::windowSelectsSmartInstaller(m_lstArguments);
    // The pages read it as Qt.uiLanguage: the translation's code, empty for the English source.
    m_engine.setUiLanguage(uilanguage::current().strTranslation);
    connect(&m_engine, SIGNAL(objectCreated(QObject *, const QUrl &)), this,
            SLOT(loadedLoader(QObject *, const QUrl &)), Qt::QueuedConnection);
    m_engine.load(QUrl(QStringLiteral("qrc:/Qml/LoadingPage.qml")));
}

void RootWindow::loadedLoader(QObject *object, const QUrl &)
{
    if (!object)
        return;
    m_pLoadingPage = object;
    connect(object, SIGNAL(windowLoaded()), this, SLOT(loadMainWindow()), Qt::QueuedConnection);
    if (m_bSmartInstaller)
        loadMainWindow();
    else
        QMetaObject::invokeMethod(object, "showWindow");
}

void RootWindow::loadMainWindow()
{
    if (!runEngineStartup())
        return;

    disconnect(&m_engine, SIGNAL(objectCreated(QObject *, const QUrl &)), this,
               SLOT(loadedLoader(QObject *, const QUrl &)));
    if (!m_bSmartInstaller)
        connect(&m_engine, SIGNAL(objectCreated(QObject *, const QUrl &)), this,
                SLOT(loadedMain(QObject *, const QUrl &)));

    const int iRootObjects = m_engine.rootObjects().size();
    m_engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    if (m_engine.rootObjects().size() > iRootObjects)
        m_pMainWindow = m_engine.rootObjects().last();

    if (m_bSmartInstaller)
        EventManager::instance()->sendEventToParent(ParentEvent::MainWindowLoaded);
}

// Creates the engine objects in their order and publishes the bridge. False when start-up
// failed and has been reported.
bool RootWindow::runEngineStartup()
{
    EventManager *pEventManager = EventManager::instance();
    if (!pEventManager) {
        // Reported on the loading page in both modes; nothing can reach the parent.
        if (m_pLoadingPage)
            QMetaObject::invokeMethod(m_pLoadingPage, "insufficientMemory");
        return false;
    }

    if (platform::createNamedMutex(startup::mutexName())
        == platform::NamedMutexResult::AlreadyExists) {
        failStartup("instanceAlreadyRunning");
        return false;
    }

    Drivers *pDrivers = Drivers::instance();
    if (!pDrivers) {
        failStartup("insufficientMemory");
        return false;
    }
    // An engine that could not start on this machine: a parent learns that the start failed;
    // the window goes on to show the error panel with the reason.
    if (pDrivers->startupFailure() && m_bSmartInstaller) {
        failStartup(nullptr);
        return false;
    }

    Utility *pUtility = new (std::nothrow) Utility(nullptr);
    if (!pUtility) {
        failStartup("insufficientMemory");
        return false;
    }

    // Nothing is fetched for a start that has only its error to show.
    ImageSettings *pImageSettings = ImageSettings::instance(!pDrivers->startupFailure());
    if (!pImageSettings) {
        failStartup("insufficientMemory");
        return false;
    }

    QmlInterface *pInterface = new (std::nothrow)
            QmlInterface(pDrivers, pImageSettings, pUtility, pEventManager, nullptr);
    if (!pInterface) {
        failStartup("insufficientMemory");
        return false;
    }

    if (m_bSmartInstaller) {
        pEventManager->createCapturingWindow(platform::moduleInstance());
        if (RootWindow *pRootWindow = RootWindow::instance())
            pEventManager->registerHandler(c_iPositionHandlerId,
                                           ParentEvent::message(ParentEvent::Position),
                                           positionHandler, pRootWindow);
    }

    startup::readInstalledVersions(pDrivers);

    m_engine.rootContext()->setContextProperty(QStringLiteral("qtInterface"), pInterface);
    pInterface->enableShutdownPrivilege();
    return true;
}

void RootWindow::loadedMain(QObject *object, const QUrl &)
{
    if (!object)
        return;
    object->setProperty("visible", true);
    if (m_pLoadingPage) {
        disconnect(m_pLoadingPage, SIGNAL(windowLoaded()), this, SLOT(loadMainWindow()));
        m_pLoadingPage->deleteLater();
    }
}

void RootWindow::loadedMainForSmartInstaller(int x, int y, bool)
{
    // A later position moves the main window again; the loading page is gone by then.
    if (!m_pMainWindow)
        return;
    // A position where the user could not reach the window is brought onto the nearest screen.
    const QWindow *pWindow = qobject_cast<QWindow *>(m_pMainWindow);
    const QPoint position = pWindow ? placeOnScreens(x, y, pWindow->size(), availableScreenAreas())
                                    : QPoint(x, y);
    m_pMainWindow->setProperty("x", position.x());
    m_pMainWindow->setProperty("y", position.y());
    QMetaObject::invokeMethod(m_pMainWindow, "show");
    if (m_pLoadingPage)
        m_pLoadingPage->deleteLater();
}

// Normal mode: the loading page shows its warning. Smart-installer mode: the parent learns
// of the failure and the process ends.
void RootWindow::failStartup(const char *pszLoadingPageSignal)
{
    if (m_bSmartInstaller) {
        EventManager::instance()->sendEventToParent(ParentEvent::InstallLaunchFailed);
        endProcess(0);
    }
    if (m_pLoadingPage && pszLoadingPageSignal)
        QMetaObject::invokeMethod(m_pLoadingPage, pszLoadingPageSignal);
}
