// The main window: its size by the screen, which page shows, its attributes and children,
// the selection state, the quit requests and the header's dragging.
#include "pagefixture.h"
#include "parentprocess.h"

#include <QAccessible>
#include <QScreen>
#include <QtTest>

namespace {
const PageSetup c_installSetup;

QVariantList repeated(int iCount, bool bValue)
{
    QVariantList values;
    for (int i = 0; i < iCount; ++i)
        values << bValue;
    return values;
}

PageSetup emptyMachine(const QStringList &lstArguments)
{
    PageSetup setup;
    setup.lstArguments = lstArguments;
    setup.bDevices = false;
    return setup;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowSizeFollowsTheScreen_data();
    void windowSizeFollowsTheScreen();
    void dpiChangeRereadsTheScreen();
    void attributesAndChildren_data();
    void attributesAndChildren();
    void lookupsNameExactlyOneItem();
    void errorPanelAloneWhenNothingIsOffered_data();
    void errorPanelAloneWhenNothingIsOffered();
    void clearingEveryDriverDisablesTheAction();
    void quitConfirmationAndNo();
    void noOverTheErrorPanelKeepsThePageHidden();
    void noBringsBackTheLicencePage();
    void yesQuitsAndTellsTheParent_data();
    void yesQuitsAndTellsTheParent();
    void headerCloseOnTheResultPanelQuitsAtOnce_data();
    void headerCloseOnTheResultPanelQuitsAtOnce();
    void draggingStopsAtNinetyPercent();
    void keyboardAlone();
    void logLinkClearOfTheFooter_data();
    void logLinkClearOfTheFooter();
    void softwareRendererLoadsNoModuleItDoesNotDraw();
};

void TestMainWindow::windowSizeFollowsTheScreen_data()
{
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (const bool bMain : {true, false}) {
        const char *pszPage = bMain ? "main window" : "loading page";
        QTest::addRow("%s 800 x 1000", pszPage) << bMain << 800 << 1000 << 800 << 470;
        QTest::addRow("%s 801 x 1001", pszPage) << bMain << 801 << 1001 << 770 << 520;
        QTest::addRow("%s 1400 x 1000", pszPage) << bMain << 1400 << 1000 << 770 << 470;
        QTest::addRow("%s 1401 x 1001", pszPage) << bMain << 1401 << 1001 << 795 << 520;
        // 1366 x 768 less a 40-pixel task bar at 175 % and 200 %: drawn smaller, whole.
        QTest::addRow("%s 780 x 416", pszPage) << bMain << 780 << 416 << 708 << 416;
        QTest::addRow("%s 683 x 364", pszPage) << bMain << 683 << 364 << 619 << 364;
    }
}

void TestMainWindow::windowSizeFollowsTheScreen()
{
    QFETCH(bool, mainWindow);
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(int, width);
    QFETCH(int, height);
    std::unique_ptr<PageFixture> page = mainWindow ? std::make_unique<PageFixture>(c_installSetup)
                                                   : std::make_unique<PageFixture>();
    QVERIFY2(page->loaded(), qPrintable(page->errors()));
    QQuickWindow *window = page->window();
    QVERIFY(page->show());
    window->setProperty("g_iScreenWidth", screenWidth);
    window->setProperty("g_iScreenHeight", screenHeight);
    QCOMPARE(window->width(), width);
    QCOMPARE(window->height(), height);
    QCOMPARE(window->minimumSize(), QSize(width, height));
    QCOMPARE(window->maximumSize(), QSize(width, height));
    // The page keeps its own size within, scaled to the window.
    const QSizeF pageSize(screenWidth < 801 ? 800 : (screenWidth > 1400 ? 795 : 770),
                          screenHeight > 1000 ? 520 : 470);
    QQuickItem *pContent = window->contentItem();
    QTRY_COMPARE(pContent->size(), QSizeF(width, height) / pContent->scale());
    QVERIFY(qAbs(pContent->width() - pageSize.width()) < 2);
    QVERIFY(qAbs(pContent->height() - pageSize.height()) < 2);
}

void TestMainWindow::dpiChangeRereadsTheScreen()
{
    PageFixture page(c_installSetup);
    QQuickWindow *window = page.window();
    const int iScreenWidth = window->property("g_iScreenWidth").toInt();
    window->setProperty("g_iScreenWidth", 1401);
    QCOMPARE(window->width(), 795);
    window->setProperty("dpi", 1.5);
    QCOMPARE(window->property("g_iScreenWidth").toInt(), iScreenWidth);
    QCOMPARE(window->width(), iScreenWidth > 1400 ? 795 : (iScreenWidth < 801 ? 800 : 770));
}

void TestMainWindow::attributesAndChildren_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::addRow("normal") << QStringList() << "Zorva Chipset Software Installer";
    QTest::addRow("smart installer")
            << QStringList {"smartInstaller"} << "Zorva Software Installer";
}

void TestMainWindow::attributesAndChildren()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    PageSetup setup;
    setup.lstArguments = arguments;
    PageFixture page(setup);
    QVERIFY2(page.loaded(), qPrintable(page.errors()));
    QQuickWindow *window = page.window();
    QCOMPARE(window->title(), title);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->color(), QColor("#6b7062"));
    QCOMPARE(window->flags() & (Qt::FramelessWindowHint | Qt::Window),
             Qt::FramelessWindowHint | Qt::Window);
    // Centred on the available screen area; a parent installer places the window itself.
    const QPoint initial = window->position();
    window->setProperty("g_iScreenWidth", 1920);
    window->setProperty("g_iScreenHeight", 1080);
    QCOMPARE(window->position(), arguments.isEmpty() ? QPoint(562, 280) : initial);

    // The demo machine offers ten drivers, all checked at first.
    QCOMPARE(window->property("g_iNoOfDrivers").toInt(), 10);
    const QVariantList states = window->property("vButtonsState").toList();
    QCOMPARE(states, repeated(10, true));
    QCOMPARE(window->property("bDisableButton").toBool(), true);

    QStringList children;
    for (QQuickItem *pChild : window->contentItem()->childItems())
        children << pChild->objectName();
    QCOMPARE(children,
             QStringList({"backgroundImages", "header", "hiddenTile", "errorWindow", "install",
                          "uninstall", "eula", "cancelWindow", "messageWindow", "customProgress"}));
    QVERIFY(page.isVisible("install"));
    for (const char *pszHidden : {"hiddenTile", "errorWindow", "uninstall", "eula", "cancelWindow",
                                  "messageWindow", "customProgress"})
        QVERIFY2(!page.isVisible(pszHidden), pszHidden);
    QCOMPARE(page.item("cancelWindow")->y(), window->height() - 75.0);
    QCOMPARE(page.item("header")->height(), 32.0);
    QVERIFY(window->findChild<QObject *>("baseToolTip"));
    QVERIFY(window->findChild<QObject *>("fontKlavikaMedium"));
    QVERIFY(window->findChild<QObject *>("fontKlavikaRegular"));
}

// A test that names no item, or one of the names that several pages share, fails there.
void TestMainWindow::lookupsNameExactlyOneItem()
{
    PageFixture page(c_installSetup);
    QMetaObject::invokeMethod(page.item("eula"), "open");
    QVERIFY(page.item("install/recEula") != page.item("eula/recEula"));
    QEXPECT_FAIL("", "the licence page's box and the install page's notice", Continue);
    QVERIFY(page.item("recEula"));
    QEXPECT_FAIL("", "no item has the name", Continue);
    QVERIFY(page.item("recEulaa"));
    QEXPECT_FAIL("", "the install page has no such item", Continue);
    QVERIFY(page.item("install/cancelWindow/noButton"));
}

void TestMainWindow::errorPanelAloneWhenNothingIsOffered_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("logFolderBlocked");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("messageY");
    QTest::addColumn<QString>("detail"); // none shown when empty; %1 is the drive
    QTest::addColumn<QString>("footerMessage");
    QTest::addColumn<int>("footerMessageX");
    const QString strRaid = "System configuration is not compatible for RAID drivers or "
                            "applications installation.";
    const QString strBlocked = "The log folder %1/Zorva/Chipset_Driver_Installer/Logs cannot be "
                               "written: Not a directory.";
    const QString strUnchanged = "Nothing has been changed on this machine.";
    QTest::addRow("install") << QStringList() << false << "Unable to Install Zorva Chipset Drivers."
                             << 180 << strRaid
                             << "A System Update is required to complete the installation." << 50;
    QTest::addRow("uninstall") << QStringList {"/U", c_strProductCode} << false
                               << "There are no uninstallable drivers found." << 200 << QString()
                               << "Zorva Chipset Drivers were not found." << 20;
    // A file where the log folder should be: the start fails, on a machine that needs drivers
    // and with a package that is installed, and the panel says why.
    QTest::addRow("install, log folder blocked")
            << QStringList() << true << "Unable to Install Zorva Chipset Drivers." << 180
            << strBlocked << strUnchanged << 50;
    QTest::addRow("uninstall, log folder blocked") << QStringList {"/U", c_strProductCode} << true
                                                   << "Unable to Uninstall Zorva Chipset Drivers."
                                                   << 200 << strBlocked << strUnchanged << 50;
}

void TestMainWindow::errorPanelAloneWhenNothingIsOffered()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, logFolderBlocked);
    QFETCH(QString, message);
    QFETCH(int, messageY);
    QFETCH(QString, detail);
    QFETCH(QString, footerMessage);
    QFETCH(int, footerMessageX);
    PageSetup setup = emptyMachine(arguments);
    if (logFolderBlocked) {
        setup.bDevices = true;
        setup.strDeployedFeatures = "Drivers,PCI,SQP";
        setup.lstDriveFiles = QStringList {"Zorva"};
    }
    PageFixture page(setup);
    QVERIFY(page.show());
    QCOMPARE(page.window()->property("g_iNoOfDrivers").toInt(), 0);
    QVERIFY(page.isVisible("errorWindow"));
    for (const char *pszHidden : {"install", "uninstall", "eula", "cancelWindow", "messageWindow"})
        QVERIFY2(!page.isVisible(pszHidden), pszHidden);

    QCOMPARE(page.text("errorMessage"), message);
    QCOMPARE(page.item("errorMessage")->y(), qreal(messageY));
    QCOMPARE(page.isVisible("errorDetail"), !detail.isEmpty());
    if (!detail.isEmpty())
        QCOMPARE(page.text("errorDetail"), detail.arg(page.machine().drive()));
    QCOMPARE(page.isVisible("alertIcon"), !detail.isEmpty());
    QCOMPARE(page.text("errorFooterMessage"), footerMessage);
    QCOMPARE(page.item("errorFooterMessage")->x(), qreal(footerMessageX));
    QCOMPARE(unreadableTexts(page.window()), QString());

    // Close has the focus; it quits, pressed by a pointer or by a screen reader.
    QCOMPARE(page.window()->activeFocusItem(), page.item("errorWindowCloseButton"));
    page.click("errorWindowCloseButton");
    QCOMPARE(page.quitSpy().count(), 1);
    QVERIFY(page.pressAccessibly("errorWindowCloseButton"));
    QCOMPARE(page.quitSpy().count(), 2);
}

void TestMainWindow::clearingEveryDriverDisablesTheAction()
{
    PageFixture page(c_installSetup);
    QQuickWindow *window = page.window();
    const int iDrivers = window->property("g_iNoOfDrivers").toInt();
    QVERIFY(iDrivers > 1);
    for (int i = 0; i < iDrivers; ++i)
        QMetaObject::invokeMethod(window, "butttonCheckedChanged", Q_ARG(QVariant, i),
                                  Q_ARG(QVariant, false));
    QCOMPARE(window->property("bDisableButton").toBool(), false);
    QCOMPARE(page.item("installButton")->isEnabled(), false);
    QCOMPARE(page.item("installButton")->opacity(), 0.4);
    // Pressing the disabled button through the accessibility bus starts nothing either.
    QVERIFY(page.pressAccessibly("installButton"));
    QCOMPARE(window->property("bInstallClicked").toBool(), false);

    QMetaObject::invokeMethod(window, "butttonCheckedChanged", Q_ARG(QVariant, iDrivers - 1),
                              Q_ARG(QVariant, true));
    QCOMPARE(window->property("bDisableButton").toBool(), true);
    QCOMPARE(page.item("installButton")->opacity(), 1.0);
    QVariantList expected = repeated(iDrivers, false);
    expected.last() = true;
    QCOMPARE(window->property("vButtonsState").toList(), expected);
}

void TestMainWindow::quitConfirmationAndNo()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    page.click("closeButton");
    QVERIFY(page.isVisible("cancelWindow"));
    QCOMPARE(page.item("cancelWindow")->y(), 32.0);
    QVERIFY(!page.isVisible("install"));
    QVERIFY(!page.item("install")->isEnabled());
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor("#4c4c4c"));
    QCOMPARE(page.text("cancelHeading"), QString("Cancel Installation"));
    QCOMPARE(page.text("cancelQuestion"),
             QString("Are you sure you want to quit the Zorva Chipset Software Installer ?"));
    QCOMPARE(unreadableTexts(window), QString());

    page.click("noButton");
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(page.item("cancelWindow")->y(), window->height() - 75.0);
    QVERIFY(page.isVisible("install"));
    QVERIFY(page.item("install")->isEnabled());
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor(Qt::transparent));

    // The page's own Cancel and a screen reader's presses lead the same way.
    page.click("cancelButton");
    QVERIFY(page.isVisible("cancelWindow"));
    QVERIFY(page.pressAccessibly("noButton"));
    QVERIFY(!page.isVisible("cancelWindow"));
    QVERIFY(page.pressAccessibly("closeButton"));
    QVERIFY(page.isVisible("cancelWindow"));
    QCOMPARE(page.quitSpy().count(), 0);
}

void TestMainWindow::noOverTheErrorPanelKeepsThePageHidden()
{
    PageFixture page(emptyMachine({}));
    QVERIFY(page.show());
    page.click("closeButton");
    QVERIFY(page.isVisible("cancelWindow"));
    page.click("noButton");
    QVERIFY(!page.isVisible("cancelWindow"));
    QVERIFY(page.isVisible("errorWindow"));
    QVERIFY(!page.isVisible("install"));
}

void TestMainWindow::noBringsBackTheLicencePage()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    page.click("install/recEula");
    QVERIFY(page.isVisible("eula"));
    page.click("closeButton");
    QVERIFY(page.isVisible("cancelWindow"));
    QVERIFY(!page.isVisible("eula"));
    page.click("noButton");
    QVERIFY(page.isVisible("eula"));
    QVERIFY(!page.isVisible("install"));
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor("#202020"));

    // Install lies below an empty spot of the licence footer: neither a click there nor a
    // screen reader's press starts a run.
    page.clickInstall();
    QVERIFY(page.pressAccessibly("installButton"));
    QVERIFY(!page.window()->property("bInstallClicked").toBool());
    QVERIFY(!page.isVisible("messageWindow"));
    QVERIFY(page.isVisible("eula"));
}

void TestMainWindow::yesQuitsAndTellsTheParent_data()
{
    QTest::addColumn<bool>("smartInstaller");
    QTest::addColumn<bool>("accessible");
    // Alt+F4 or the system menu's Close instead of the header's close.
    QTest::addColumn<bool>("windowClosed");
    QTest::addRow("normal, click") << false << false << false;
    QTest::addRow("smart installer, click") << true << false << false;
    QTest::addRow("smart installer, screen reader") << true << true << false;
    QTest::addRow("normal, window closed") << false << false << true;
    QTest::addRow("smart installer, window closed") << true << false << true;
}

void TestMainWindow::yesQuitsAndTellsTheParent()
{
    QFETCH(bool, smartInstaller);
    QFETCH(bool, accessible);
    QFETCH(bool, windowClosed);
    PageSetup setup;
    if (smartInstaller)
        setup.lstArguments << "smartInstaller";
    PageFixture page(setup);
    ParentProcess parent(page.machine());
    QVERIFY(parent.startWindowOnly());
    QVERIFY(page.show());
    if (windowClosed) {
        // The window stays and asks, as the header's close does; the parent hears nothing yet.
        QVERIFY(!page.window()->close());
        QVERIFY(page.window()->isVisible());
        QVERIFY(page.isVisible("cancelWindow"));
        QVERIFY(!page.isVisible("install"));
        QVERIFY(!page.window()->close());
        QCOMPARE(parent.events(), QStringList());
    } else {
        page.click("closeButton");
    }
    QVERIFY(page.press("yesButton", accessible));
    QCOMPARE(page.quitSpy().count(), 1);
    // Each event is answered before the send returns, and printed before it is answered.
    parent.waitForLine("event", 500);
    const QStringList expected = smartInstaller
            ? QStringList {"event code=3 message=1227 wparam=0 lparam=0"}
            : QStringList();
    QCOMPARE(parent.events(), expected);
}

void TestMainWindow::headerCloseOnTheResultPanelQuitsAtOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("click") << "click";
    QTest::addRow("screen reader") << "screen reader";
    QTest::addRow("window closed") << "window closed";
}

void TestMainWindow::headerCloseOnTheResultPanelQuitsAtOnce()
{
    QFETCH(QString, how);
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    page.item("messageWindow")->setVisible(true);
    if (how == "window closed")
        page.window()->close();
    else
        QVERIFY(page.press("closeButton", how == "screen reader"));
    QCOMPARE(page.quitSpy().count(), 1);
    QVERIFY(!page.isVisible("cancelWindow"));
}

void TestMainWindow::draggingStopsAtNinetyPercent()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    window->setPosition(100, 100);
    const int iScreenHeight = window->property("g_iScreenHeight").toInt();
    QQuickItem *title = page.item("titleArea");
    const QPoint grip = title->mapToScene(QPointF(20, 10)).toPoint();

    QCursor::setPos(window->mapToGlobal(grip));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, grip);
    // Far down: the top edge stops at 90 % of the screen height; sideways it follows.
    QCursor::setPos(window->mapToGlobal(grip) + QPoint(30, 5000));
    QTest::mouseMove(window, grip + QPoint(1, 1));
    QCOMPARE(window->x(), 130);
    QCOMPARE(window->y(), int(0.9 * iScreenHeight));
    // Up past the screen's top edge: the header stays on the screen.
    QCursor::setPos(QPoint(window->mapToGlobal(grip).x(), -1000));
    QTest::mouseMove(window, grip + QPoint(2, 2));
    QCOMPARE(window->y(), window->screen()->availableGeometry().top());
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, grip);
}

void TestMainWindow::keyboardAlone()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    auto focused = [window]() {
        return window->activeFocusItem() ? window->activeFocusItem()->objectName() : QString();
    };
    auto key = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window, key, modifiers);
    };

    // Tab goes through every control in reading order and comes round again; Shift+Tab back.
    QStringList expected {"logoButton", "minimizeButton", "closeButton"};
    for (int i = 0; i < 10; ++i)
        expected << QString("tile%1").arg(i);
    expected << "cancelButton"
             << "recEula"
             << "installButton"
             << "logoButton";
    QStringList reached;
    for (int i = 0; i < expected.size(); ++i) {
        key(Qt::Key_Tab);
        reached << focused();
    }
    QCOMPARE(reached, expected);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QString("installButton"));
    QVERIFY(window->property("g_bShowFocus").toBool());
    QAccessibleInterface *accessible
            = QAccessible::queryAccessibleInterface(window->activeFocusItem());
    QVERIFY(accessible->state().focused);

    // A tile reached out of view scrolls into view; Space toggles it.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QString("tile9"));
    QQuickItem *tile = window->activeFocusItem();
    QQuickItem *flickable = page.item("install/flickable");
    const QRectF shown
            = flickable->mapRectToScene(QRectF(0, 0, flickable->width(), flickable->height()));
    QVERIFY(shown.contains(tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()))));
    key(Qt::Key_Space);
    QVERIFY(!tile->property("bChecked").toBool());
    QVERIFY(!page.engineChecked(9));
    key(Qt::Key_Home);
    QCOMPARE(flickable->property("contentY").toReal(), 0.0);
    key(Qt::Key_End);
    QVERIFY(flickable->property("contentY").toReal() > 0);

    // Escape asks first, with the focus on No; Escape again is No, and the focus comes back.
    key(Qt::Key_Escape);
    QVERIFY(page.isVisible("cancelWindow"));
    QCOMPARE(focused(), QString("noButton"));
    key(Qt::Key_Escape);
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(focused(), QString("tile9"));
    key(Qt::Key_Escape);
    key(Qt::Key_Return);
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(page.quitSpy().count(), 0);

    // The licence notice opens the licence page with the focus on Done; its keys scroll the
    // text; Enter is Done and gives the focus back to the notice.
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QString("recEula"));
    key(Qt::Key_Space);
    QVERIFY(page.isVisible("eula"));
    QCOMPARE(focused(), QString("doneButton"));
    QQuickItem *text = page.item("eula/flickable");
    key(Qt::Key_PageDown);
    const qreal dPage = text->property("contentY").toReal();
    QVERIFY(dPage > 100);
    key(Qt::Key_Down);
    QCOMPARE(text->property("contentY").toReal(), dPage + 40);
    key(Qt::Key_End);
    QCOMPARE(text->property("contentY").toReal(),
             text->property("contentHeight").toReal() - text->height());
    key(Qt::Key_Enter);
    QVERIFY(!page.isVisible("eula"));
    QCOMPARE(focused(), QString("recEula"));

    // A pointer click hides the focus frame.
    page.click("titleArea");
    QVERIFY(!window->property("g_bShowFocus").toBool());
}

void TestMainWindow::logLinkClearOfTheFooter_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addRow("window height 470") << 1000;
    QTest::addRow("window height 520") << 1001;
}

void TestMainWindow::logLinkClearOfTheFooter()
{
    QFETCH(int, screenHeight);
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    page.window()->setProperty("g_iScreenHeight", screenHeight);
    QTRY_COMPARE(page.item("messageWindow")->height(), (screenHeight > 1000 ? 520 : 470) - 32.0);
    page.item("messageWindow")->setVisible(true);
    auto sceneRect = [](QQuickItem *pItem) {
        return pItem->mapRectToScene(QRectF(0, 0, pItem->width(), pItem->height()));
    };
    const QRectF link = sceneRect(page.item("logLink"));
    QVERIFY2(link.bottom() <= sceneRect(page.item("resultFooter")).top(),
             qPrintable(QString::number(link.bottom())));
    QVERIFY(link.top() >= sceneRect(page.item("mainMessage")).bottom());
}

// The glows and shadows draw only with OpenGL, and the pages use no styled control: under the
// software renderer neither the effects module nor either controls module is loaded, each of
// which costs the start-up several milliseconds.
void TestMainWindow::softwareRendererLoadsNoModuleItDoesNotDraw()
{
    PageFixture loadingPage;
    QVERIFY(loadingPage.show());
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        QSKIP("No /proc on this system");
    const QByteArray loaded = maps.readAll();
    for (const char *pszPlugin :
         {"libqtgraphicaleffectsplugin", "libqtquickcontrols2plugin", "libqtquickcontrolsplugin"})
        QVERIFY2(!loaded.contains(pszPlugin), pszPlugin);
}

PAGE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
