#include "pagefixture.h"

#include "app/qmltypes.h"
#include "app/scenegraph.h"
#include "parentchannel/eventmanager.h"
#include "platform/registry.h"
#include "testdrivers.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QRegularExpression>
#include <QtTest>

const QString c_strProductCode = QStringLiteral("{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}");

namespace {

QJsonObject demoDescription()
{
    QFile file(QStringLiteral(SOURCE_DIR "/package/machine.json"));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject limitedDevices(QJsonObject devices, int iCount)
{
    const QString strEntities = QStringLiteral("Win32_PnPEntity");
    QJsonArray entities = devices.value(strEntities).toArray();
    while (entities.size() > iCount)
        entities.removeLast();
    for (const QString &strClass : devices.keys())
        devices.insert(strClass, QJsonArray());
    devices.insert(strEntities, entities);
    return devices;
}

// Serves the feed's entries from 127.0.0.1, each image a copy of a default image; the feed
// download reaches it as its proxy.
std::unique_ptr<FeedServer> serveFeed(const QJsonArray &entries, const QString &strImage)
{
    auto pServer = std::make_unique<FeedServer>();
    const QString strBase = QUrl(ImageSettings().feedBaseUrl()).path();
    pServer->setFile(strBase + QStringLiteral("ImageArray.json"),
                     QJsonDocument(QJsonObject {{"Version", 1}, {"ImgData", entries}}).toJson());
    QFile image(strImage);
    image.open(QIODevice::ReadOnly);
    const QByteArray imageData = image.readAll();
    for (const QJsonValue &entry : entries)
        pServer->setFile(strBase + entry.toObject().value(QStringLiteral("ImgName")).toString(),
                         imageData);
    pServer->becomeProxy();
    return pServer;
}

QtMessageHandler g_testHandler = nullptr;

// Drops what the offscreen platform says about every window; the test's own handler gets
// the rest.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &strMessage)
{
    if (strMessage.startsWith(QLatin1String("This plugin does not support propagateSizeHints")))
        return;
    if (g_testHandler)
        g_testHandler(type, context, strMessage);
    else
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, strMessage)));
}

// Adds the items of that objectName below the item to the list.
void collectNamed(QQuickItem *pItem, const QString &strName, QList<QQuickItem *> &lstFound)
{
    for (QQuickItem *pChild : pItem->childItems()) {
        if (pChild->objectName() == strName)
            lstFound.append(pChild);
        collectNamed(pChild, strName, lstFound);
    }
}

// The outermost named item that holds the item below the scope: the page it is on.
QString pageOf(QQuickItem *pItem, QQuickItem *pScope)
{
    QString strPage = QStringLiteral("the window");
    for (pItem = pItem->parentItem(); pItem && pItem != pScope; pItem = pItem->parentItem()) {
        if (!pItem->objectName().isEmpty())
            strPage = pItem->objectName();
    }
    return strPage;
}

} // namespace

PageFixture::PageFixture(const PageSetup &setup)
{
    QJsonObject description = demoDescription();
    if (!setup.bDevices)
        description.insert(QStringLiteral("devices"), QJsonObject());
    else if (setup.iDevices >= 0)
        description.insert(QStringLiteral("devices"),
                           limitedDevices(description.value(QStringLiteral("devices")).toObject(),
                                          setup.iDevices));
    description.insert(QStringLiteral("network"),
                       QJsonObject {{"defaultRoute", !setup.feedEntries.isEmpty()}});
    description.insert(QStringLiteral("package"), setup.package);
    m_machine.writeDescription(description);
    m_machine.writeHive("{}");
    if (!setup.strDeployedFeatures.isEmpty()) {
        const QString strKey
                = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\Zorva\\Zorva_Chipset_IODrivers");
        platform::writeRegistryString(strKey, QStringLiteral("DeployedFeatures"),
                                      setup.strDeployedFeatures);
        platform::writeRegistryString(strKey, QStringLiteral("InstallationPath"),
                                      m_machine.drive() + QStringLiteral("/Program Files/Zorva"));
        platform::writeRegistryString(
                QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\")
                        + c_strProductCode,
                QStringLiteral("DisplayName"), QStringLiteral("Zorva Chipset Drivers"));
    }
    QFile::copy(QStringLiteral(MSIEXEC_PATH),
                m_machine.drive() + QStringLiteral("/Windows/System32/MsiExec.exe"));
    for (const QString &strFile : setup.lstDriveFiles)
        StandInMachine::writeFile(m_machine.drive() + QLatin1Char('/') + strFile, QByteArray());

    const QString strBin = m_package.filePath(QStringLiteral("Bin"));
    QDir(m_package.path()).mkpath(QStringLiteral("Bin"));
    QDir(m_package.path()).mkpath(QStringLiteral("Packages"));
    if (setup.infoXml.isEmpty()) {
        QFile::copy(QStringLiteral(PACKAGE_BIN_DIR "/info.xml"),
                    strBin + QStringLiteral("/info.xml"));
    } else {
        QFile info(strBin + QStringLiteral("/info.xml"));
        if (info.open(QIODevice::WriteOnly))
            info.write(setup.infoXml);
    }
    if (setup.bSetupProgram)
        QFile::copy(QStringLiteral(SETUP_PROGRAM_PATH),
                    m_package.filePath(QStringLiteral("Packages/Zorva_Chipset_Drivers.exe")));
    const QString strImages = QStringLiteral(PACKAGE_BIN_DIR "/DefaultImages/");
    const QStringList lstImages = QDir(strImages).entryList(QDir::Files, QDir::Name);
    QDir(strBin).mkpath(QStringLiteral("DefaultImages"));
    for (int i = 0; i < setup.iDefaultImages && i < lstImages.size(); ++i)
        QFile::copy(strImages + lstImages.at(i),
                    strBin + QStringLiteral("/DefaultImages/") + lstImages.at(i));
    if (!setup.feedEntries.isEmpty())
        m_pFeedServer = serveFeed(setup.feedEntries, strImages + lstImages.value(0));

    m_pDrivers = std::make_unique<TestDrivers>(setup.lstArguments, strBin);
    m_pImages = std::make_unique<ImageSettings>(strBin);
    m_pImages->toInitializeVariables();
    m_pUtility = std::make_unique<Utility>();
    m_pBridge = std::make_unique<QmlInterface>(m_pDrivers.get(), m_pImages.get(), m_pUtility.get(),
                                               EventManager::instance());
    load(QStringLiteral("qrc:/Qml/main.qml"));
}

PageFixture::PageFixture()
{
    load(QStringLiteral("qrc:/Qml/LoadingPage.qml"));
}

PageFixture::~PageFixture()
{
    delete m_pWindow;
    // A page that warns has a fault, whatever the test looked at.
    if (!m_strErrors.isEmpty())
        QTest::qVerify(false, "errors().isEmpty()", qPrintable(m_strErrors), __FILE__, __LINE__);
}

bool PageFixture::engineChecked(int iIndex) const
{
    const DriverEntry *pRow = static_cast<TestDrivers *>(m_pDrivers.get())->rowAt(iIndex);
    return pRow && pRow->bChecked;
}

void PageFixture::load(const QString &strUrl)
{
    static bool s_bQuiet = false;
    if (!s_bQuiet) {
        g_testHandler = qInstallMessageHandler(quietHandler);
        s_bQuiet = true;
    }
    m_pMissing = std::make_unique<QQuickItem>();
    m_pMissing->setVisible(false);
    m_pEngine = std::make_unique<QQmlEngine>();
    m_pQuitSpy = std::make_unique<QSignalSpy>(m_pEngine.get(), &QQmlEngine::quit);
    QObject::connect(m_pEngine.get(), &QQmlEngine::warnings,
                     [this](const QList<QQmlError> &lstWarnings) {
                         for (const QQmlError &warning : lstWarnings)
                             m_strErrors += warning.toString() + QLatin1Char('\n');
                     });
    if (m_pBridge)
        m_pEngine->rootContext()->setContextProperty(QStringLiteral("qtInterface"),
                                                     m_pBridge.get());
    QQmlComponent component(m_pEngine.get(), QUrl(strUrl));
    m_pWindow = qobject_cast<QQuickWindow *>(component.create());
    if (!m_pWindow)
        m_strErrors += component.errorString();
}

QQuickItem *PageFixture::item(QQuickItem *pScope, const QString &strPath) const
{
    if (!pScope)
        return failLookup(strPath, QStringLiteral("the page did not load"));
    for (const QString &strName : strPath.split(QLatin1Char('/'))) {
        QList<QQuickItem *> lstFound;
        collectNamed(pScope, strName, lstFound);
        if (lstFound.size() > 1)
            return failLookup(strPath,
                              QStringLiteral("%1 items named \"%2\": name the page "
                                             "first, as in \"%3/%2\"")
                                      .arg(lstFound.size())
                                      .arg(strName, pageOf(lstFound.first(), pScope)));
        if (lstFound.isEmpty())
            return failLookup(strPath, QStringLiteral("no item named \"%1\"").arg(strName));
        pScope = lstFound.first();
    }
    return pScope;
}

QQuickItem *PageFixture::failLookup(const QString &strPath, const QString &strFault) const
{
    if (!m_setFailedLookups.contains(strPath)) {
        m_setFailedLookups.insert(strPath);
        // As QVERIFY2 reports it, so that QEXPECT_FAIL applies.
        const QByteArray statement = "item(\"" + strPath.toUtf8() + "\")";
        QTest::qVerify(false, statement.constData(), qPrintable(strFault), __FILE__, __LINE__);
    }
    return m_pMissing.get();
}

QList<QQuickItem *> PageFixture::items(const QString &strPath) const
{
    const int iLast = strPath.lastIndexOf(QLatin1Char('/'));
    QList<QQuickItem *> lstFound;
    if (QQuickItem *pScope = iLast < 0 ? root() : item(strPath.left(iLast)))
        collectNamed(pScope, strPath.mid(iLast + 1), lstFound);
    return lstFound;
}

bool PageFixture::show()
{
    if (!m_pWindow)
        return false;
    if (m_pBridge)
        m_pWindow->show();
    else
        QMetaObject::invokeMethod(m_pWindow, "showWindow");
    return QTest::qWaitForWindowExposed(m_pWindow);
}

void PageFixture::click(const QString &strName) const
{
    QQuickItem *pItem = item(strName);
    clickAt(pItem, QPointF(pItem->width() / 2, pItem->height() / 2));
}

void PageFixture::clickAt(QQuickItem *pItem, QPointF point) const
{
    if (pItem != m_pMissing.get())
        QTest::mouseClick(m_pWindow, Qt::LeftButton, Qt::NoModifier,
                          pItem->mapToScene(point).toPoint());
}

bool PageFixture::pressAccessibly(const QString &strName) const
{
    QAccessibleInterface *pInterface = QAccessible::queryAccessibleInterface(item(strName));
    if (!pInterface || !pInterface->actionInterface())
        return false;
    QAccessibleActionInterface *pActions = pInterface->actionInterface();
    if (!pActions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    pActions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

namespace {
// The button or link that holds the item, or none: a screen reader reads such a control by
// its name and does not descend into it.
QQuickItem *pressableAncestor(QQuickItem *pItem)
{
    for (QQuickItem *pAncestor = pItem; pAncestor; pAncestor = pAncestor->parentItem()) {
        QAccessibleInterface *pInterface = QAccessible::queryAccessibleInterface(pAncestor);
        if (pInterface
            && (pInterface->role() == QAccessible::Button
                || pInterface->role() == QAccessible::Link)
            && !pInterface->text(QAccessible::Name).isEmpty())
            return pAncestor;
    }
    return nullptr;
}

// The objects a screen reader reaches from the window through the accessible tree.
void collectAccessible(QAccessibleInterface *pInterface, QSet<QObject *> &setObjects)
{
    if (!pInterface)
        return;
    setObjects.insert(pInterface->object());
    for (int i = 0; i < pInterface->childCount(); ++i)
        collectAccessible(pInterface->child(i), setObjects);
}
} // namespace

QString unreadableTexts(QQuickWindow *window)
{
    // A screen reader reaches each window of the page, the tooltip's too, from its top.
    QSet<QObject *> setReachable;
    for (QWindow *pTopLevel : QGuiApplication::topLevelWindows())
        collectAccessible(QAccessible::queryAccessibleInterface(pTopLevel), setReachable);
    QStringList lstFaults;
    const QList<QQuickItem *> lstItems = window->findChildren<QQuickItem *>();
    for (QQuickItem *pItem : lstItems) {
        if (!pItem->inherits("QQuickText") || !pItem->isVisible() || !pItem->window()
            || !pItem->window()->isVisible())
            continue;
        const QString strText = pItem->property("text").toString();
        if (strText.isEmpty())
            continue;
        const QString strShown = QString(strText).remove(QRegularExpression("<[^>]*>"));
        if (QQuickItem *pControl = pressableAncestor(pItem)) {
            if (!setReachable.contains(pControl))
                lstFaults << strShown + QStringLiteral(": its control is out of reach");
            continue;
        }
        QAccessibleInterface *pInterface = QAccessible::queryAccessibleInterface(pItem);
        if (!pInterface || !setReachable.contains(pItem)) {
            lstFaults << strShown + QStringLiteral(": out of a screen reader's reach");
            continue;
        }
        const QString strName = pInterface->text(QAccessible::Name);
        if (pInterface->role() != QAccessible::StaticText)
            lstFaults << strShown + QStringLiteral(": not a static text");
        else if (strName != strShown)
            lstFaults << strShown + QStringLiteral(": named ") + strName;
    }
    return lstFaults.join(QStringLiteral("; "));
}

namespace {
// A relative link resolves against the page's own qrc: address; "C:\..." has scheme "c".
const char *const c_apszSchemes[]
        = {"http", "https", "file", "javascript", "qrc", "c", "data", "mailto"};
} // namespace

OpenedUrls::OpenedUrls()
{
    for (const char *pszScheme : c_apszSchemes)
        QDesktopServices::setUrlHandler(pszScheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const char *pszScheme : c_apszSchemes)
        QDesktopServices::unsetUrlHandler(pszScheme);
}

int runPageTest(QObject *pTest, int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    scenegraph::chooseRenderer();
    registerQmlTypes();
    return QTest::qExec(pTest, argc, argv);
}
