// The install page: the tiles of the offered drivers in their grid, the selection they keep
// in the engine and the window, the licence notices of both footers, and the start, the skip
// and the cancel of both footers.
#include "pagefixture.h"
#include "pagetiles.h"
#include "parentprocess.h"

#include <QRegularExpression>
#include <QtTest>

namespace {
PageSetup smartInstaller()
{
    PageSetup setup;
    setup.lstArguments = QStringList {"smartInstaller"};
    return setup;
}

QString installLog(PageFixture &page)
{
    return page.machine().drive()
            + "/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers.log";
}

} // namespace

class TestInstallPage : public QObject
{
    Q_OBJECT

private slots:
    void gridColumnsFollowTheDriverCount_data();
    void gridColumnsFollowTheDriverCount();
    void tilesShowTheOfferedDrivers();
    void noVersionNoVersionLine();
    void toggleReachesTheEngineAndTheWindow();
    void clearingEveryTileDisablesInstall();
    void tileOnlyReportsItsClick();
    void longNamesStartHigher_data();
    void longNamesStartHigher();
    void namesAndVersionsAreNeverMarkup();
    void licenceNoticeOpensTheLicencePage_data();
    void licenceNoticeOpensTheLicencePage();
    void normalStartRunsOnce();
    void smartInstallerStart_data();
    void smartInstallerStart();
    void skipTellsTheParentAndQuits();
};

void TestInstallPage::gridColumnsFollowTheDriverCount_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<int>("columns");
    QTest::addRow("one driver") << 1 << 1;
    QTest::addRow("two drivers") << 2 << 2;
    QTest::addRow("ten drivers") << -1 << 2;
}

void TestInstallPage::gridColumnsFollowTheDriverCount()
{
    QFETCH(int, devices);
    QFETCH(int, columns);
    PageSetup setup;
    setup.iDevices = devices;
    PageFixture page(setup);
    QVERIFY(page.show());
    const int iDrivers = page.window()->property("g_iNoOfDrivers").toInt();
    QCOMPARE(iDrivers, devices < 0 ? 10 : devices);
    PageTiles tiles(page, "install");
    QTRY_VERIFY(tiles.at(0)->width() > 0);

    // Two columns put the second tile beside the first, one column below it.
    QCOMPARE(page.item("install/grid")->property("columns").toInt(), columns);
    const qreal dWidth = page.item("install/flickable")->width() / 2 - 30;
    QCOMPARE(tiles.at(0)->width(), dWidth);
    QCOMPARE(tiles.at(0)->height(), 95.0);
    if (iDrivers > 1) {
        QCOMPARE(tiles.cell(1), QPointF(dWidth + 10, 0));
        if (iDrivers > 2)
            QCOMPARE(tiles.cell(2), QPointF(0, 105));
    }
    // The uninstall page, which never shows in install mode, makes no tiles.
    QVERIFY(page.items("uninstall/tile0").isEmpty());
}

void TestInstallPage::tilesShowTheOfferedDrivers()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    PageTiles tiles(page, "install");
    QmlInterface *bridge = page.bridge();
    const int iDrivers = page.window()->property("g_iNoOfDrivers").toInt();
    QCOMPARE(iDrivers, 10);
    for (int i = 0; i < iDrivers; ++i) {
        QQuickItem *tile = tiles.at(i);
        const QString strVersion = "Version " + bridge->getVersion(i);
        QVERIFY(!bridge->getName(i).isEmpty());
        QCOMPARE(tile->property("strDriverName").toString(), bridge->getName(i));
        QCOMPARE(tile->property("strDriverVersion").toString(), strVersion);
        QCOMPARE(tile->property("strToolTip").toString(), bridge->getName(i) + "\n" + strVersion);
        QCOMPARE(tiles.look(i), QString("checked"));
        QVERIFY(page.engineChecked(i));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(tile);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), bridge->getName(i));
        QCOMPARE(accessible->text(QAccessible::Description), bridge->getButtonDescription(i));
        QVERIFY(accessible->state().checked);
    }
    QCOMPARE(unreadableTexts(page.window()), QString());

    // Resting on a tile puts its name and version into the shared tooltip.
    const QPoint centre = tiles.at(1)->mapToScene(QPointF(100, 40)).toPoint();
    QTest::mouseMove(page.window(), centre);
    QCOMPARE(page.window()->findChild<QObject *>("baseToolTip")->property("tooltip").toString(),
             tiles.at(1)->property("strToolTip").toString());

    // Scrolled to its end, the list shows its last row whole.
    QQuickItem *flickable = page.item("install/flickable");
    flickable->setProperty("contentY",
                           flickable->property("contentHeight").toReal() - flickable->height());
    const QRectF lastTile
            = tiles.at(iDrivers - 1)
                      ->mapRectToScene(QRectF(0, 0, tiles.at(iDrivers - 1)->width(), 95));
    QVERIFY(lastTile.bottom() <= flickable->mapToScene(QPointF(0, flickable->height())).y());
}

void TestInstallPage::noVersionNoVersionLine()
{
    QFile info(PACKAGE_BIN_DIR "/info.xml");
    QVERIFY(info.open(QIODevice::ReadOnly));
    PageSetup setup;
    setup.infoXml = QString::fromUtf8(info.readAll())
                            .remove(QRegularExpression("<Version>[^<]*</Version>"))
                            .toUtf8();
    PageFixture page(setup);
    QVERIFY(page.show());
    PageTiles tiles(page, "install");
    QQuickItem *tile = tiles.at(0);
    QVERIFY(tile);
    QVERIFY(!page.item(tile, "driverVersion")->isVisible());
    QCOMPARE(tile->property("strToolTip").toString(), tile->property("strDriverName").toString());
    QCOMPARE(unreadableTexts(page.window()), QString());
}

void TestInstallPage::toggleReachesTheEngineAndTheWindow()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    PageTiles tiles(page, "install");
    QSignalSpy changes(window, SIGNAL(butttonCheckedChanged(QVariant, QVariant)));

    // A click clears the tile, its engine row and its entry in the window's states.
    page.clickAt(tiles.at(0), QPointF(100, 50));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0), QVariantList({0, false}));
    QCOMPARE(tiles.look(0), QString("clear"));
    QVERIFY(!page.engineChecked(0));
    QCOMPARE(window->property("vButtonsState").toList().at(0), QVariant(false));

    // A screen reader's press does the same, also on a tile scrolled out of view.
    QVERIFY(page.pressAccessibly("tile7"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1), QVariantList({7, false}));
    QCOMPARE(tiles.look(7), QString("clear"));
    QVERIFY(!page.engineChecked(7));
    QVERIFY(!QAccessible::queryAccessibleInterface(tiles.at(7))->state().checked);

    // A second click checks it again; the others keep their state.
    page.clickAt(tiles.at(0), QPointF(100, 50));
    QCOMPARE(changes.at(2), QVariantList({0, true}));
    QCOMPARE(tiles.look(0), QString("checked"));
    QVERIFY(page.engineChecked(0));
    for (int i = 1; i < 10; ++i)
        QCOMPARE(page.engineChecked(i), i != 7);
}

void TestInstallPage::clearingEveryTileDisablesInstall()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    QQuickItem *install = page.item("installButton");
    QCOMPARE(install->isEnabled(), true);
    QCOMPARE(install->opacity(), 1.0);
    for (int i = 0; i < 10; ++i)
        QVERIFY(page.pressAccessibly(QString("tile%1").arg(i)));
    QCOMPARE(install->isEnabled(), false);
    QCOMPARE(install->opacity(), 0.4);
    page.clickInstall();
    QVERIFY(page.pressAccessibly("installButton"));
    QCOMPARE(page.window()->property("bInstallClicked").toBool(), false);
    QVERIFY(page.isVisible("install/recDriversList"));

    QVERIFY(page.pressAccessibly("tile4"));
    QCOMPARE(install->isEnabled(), true);
    QCOMPARE(install->opacity(), 1.0);
}

void TestInstallPage::tileOnlyReportsItsClick()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    // The window's own tile, which never shows, made visible for the test.
    QQuickItem *tile = page.item("hiddenTile");
    tile->setVisible(true);
    tile->setZ(100);
    QSignalSpy clicks(tile, SIGNAL(buttonClicked()));
    page.click("hiddenTile");
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(tile->property("bChecked").toBool(), true);
    QVERIFY(page.pressAccessibly("hiddenTile"));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(tile->property("bChecked").toBool(), true);
}

void TestInstallPage::longNamesStartHigher_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("nameTop");
    QTest::addColumn<qreal>("versionTop");
    // By the width the name needs, not its length.
    QTest::addRow("34 narrow letters, one line") << QString(34, 'i') << 30.0 << 55.0;
    QTest::addRow("27 wide letters, two lines") << "MMMMMM MMMMMM MMMMMM MMMMMM" << 22.0 << 64.0;
}

void TestInstallPage::longNamesStartHigher()
{
    QFETCH(QString, name);
    QFETCH(qreal, nameTop);
    QFETCH(qreal, versionTop);
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    QQuickItem *tile = page.item("hiddenTile");
    tile->setProperty("strDriverName", name);
    QQuickItem *nameText = page.item(tile, "driverName");
    QQuickItem *versionText = page.item(tile, "driverVersion");
    QCOMPARE(nameText->y(), nameTop);
    QCOMPARE(nameText->x(), 30.0);
    QCOMPARE(nameText->width(), 280.0);
    QCOMPARE(versionText->y(), versionTop);
    QCOMPARE(versionText->x(), 30.0);
}

void TestInstallPage::namesAndVersionsAreNeverMarkup()
{
    // Texts of the package description: markup in them would fetch images and restyle tiles.
    PageFixture page {PageSetup()};
    QQuickItem *tile = page.item("hiddenTile");
    const QString strName = "<font color=\"red\">A & B</font>\nline";
    const QString strVersion = "Version <img src=\"file:///etc/passwd\"><h1>9</h1>";
    tile->setProperty("strDriverName", strName);
    tile->setProperty("strDriverVersion", strVersion);
    QQuickItem *nameText = page.item(tile, "driverName");
    QQuickItem *versionText = page.item(tile, "driverVersion");
    QCOMPARE(nameText->property("text").toString(),
             QString("&lt;font color=\"red\"&gt;A &amp; B&lt;/font&gt;<br>line"));
    QCOMPARE(versionText->property("textFormat").toInt(), int(Qt::PlainText));
    QCOMPARE(versionText->property("text").toString(), strVersion);
    QCOMPARE(QAccessible::queryAccessibleInterface(nameText)->text(QAccessible::Name), strName);
}

void TestInstallPage::licenceNoticeOpensTheLicencePage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wholeNotice");
    QTest::addColumn<QString>("accessibleName");
    // The whole notice is the link, its corners too.
    QTest::addRow("normal") << QStringList() << "install/recEula"
                            << "eulaNotice" << true << "DisplayEula";
    // Only the agreement's name is.
    QTest::addRow("smart installer")
            << QStringList {"smartInstaller"} << "recEulaSmartInstaller"
            << "eulaNoticeSmartInstaller" << false << "DisplaySmartInstallerEula";
}

void TestInstallPage::licenceNoticeOpensTheLicencePage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, notice);
    QFETCH(QString, text);
    QFETCH(bool, wholeNotice);
    QFETCH(QString, accessibleName);
    PageSetup setup;
    setup.lstArguments = arguments;
    PageFixture page(setup);
    QVERIFY(page.show());
    QQuickItem *header = page.item("header");
    PageTiles tiles(page, "install");
    QVERIFY(page.pressAccessibly("tile3"));

    auto opened = [&] { return page.isVisible("eula") && !page.isVisible("install"); };
    auto done = [&] {
        page.click("doneButton");
        QVERIFY(!page.isVisible("eula"));
        QVERIFY(page.isVisible("install"));
        QCOMPARE(header->property("bShowBorder").toBool(), false);
        QCOMPARE(header->property("headerColor").value<QColor>(), QColor(Qt::transparent));
    };

    // Where the sentence shows the agreement's name, and where its first word.
    QQuickItem *sentence = page.item(text);
    auto linkAt = [&](const QPointF &point) {
        QString strLink;
        QMetaObject::invokeMethod(sentence, "linkAt", Q_RETURN_ARG(QString, strLink),
                                  Q_ARG(qreal, point.x()), Q_ARG(qreal, point.y()));
        return strLink;
    };
    QPointF link;
    for (qreal y = 1; y < sentence->height() && link.isNull(); y += 2)
        for (qreal x = 1; x < sentence->width() && link.isNull(); x += 2)
            if (!linkAt(QPointF(x, y)).isEmpty())
                link = QPointF(x, y);
    QVERIFY(!link.isNull());
    const qreal dFirstLine
            = (sentence->height() - sentence->property("contentHeight").toReal()) / 2;
    const qreal dFirstWord = wholeNotice
            ? (sentence->width() - sentence->property("contentWidth").toReal()) / 2
            : 0;
    const QPointF firstWord(dFirstWord + 4, dFirstLine + 6);
    QVERIFY(linkAt(firstWord).isEmpty());

    const QSizeF size = page.item(notice)->size();
    for (const QPointF &corner : {QPointF(2, 2), QPointF(size.width() - 2, size.height() - 2)}) {
        page.clickAt(page.item(notice), corner);
        QCOMPARE(opened(), wholeNotice);
        if (opened())
            done();
    }
    page.clickAt(sentence, firstWord);
    QCOMPARE(opened(), wholeNotice);
    if (opened())
        done();

    page.clickAt(sentence, link);
    QVERIFY(opened());
    QCOMPARE(header->property("bShowBorder").toBool(), true);
    QCOMPARE(header->property("headerColor").value<QColor>(), QColor("#202020"));
    done();
    // Back as it was left: the cleared tile stays cleared, the others checked.
    for (int i = 0; i < 10; ++i)
        QCOMPARE(tiles.look(i), QString(i == 3 ? "clear" : "checked"));

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(page.item(notice));
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(accessible->role(), QAccessible::Button);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(opened());
}

void TestInstallPage::normalStartRunsOnce()
{
    PageSetup setup;
    setup.package = QJsonObject {{"result", 0}, {"rebootStatus", "NO"}, {"seconds", 1}};
    PageFixture page(setup);
    QVERIFY(page.show());
    page.clickInstall();
    QVERIFY(page.bridge()->isRunning());
    QVERIFY(page.isVisible("recInstallProgressBar"));
    QVERIFY(!page.isVisible("install/recDriversList"));
    QVERIFY(!page.isVisible("recFooterInstallLanding"));
    // Pressed again, by the pointer or by a screen reader: the one run goes on.
    page.clickInstall();
    QVERIFY(page.pressAccessibly("installButton"));
    QTRY_VERIFY_WITH_TIMEOUT(page.isVisible("messageWindow"), c_iRunTimeoutMs);
    QVERIFY(page.isVisible("successFooter"));

    // Behind the result panel the page starts nothing more.
    const QByteArray log = StandInMachine::readFile(installLog(page));
    QVERIFY(log.contains("MainEngineThread is returning 0"));
    QVERIFY(page.pressAccessibly("installButton"));
    QVERIFY(!page.bridge()->isRunning());
    QCOMPARE(page.window()->property("bInstallClicked").toBool(), false);
    QVERIFY(!page.isVisible("recInstallProgressBar"));
    QCOMPARE(StandInMachine::readFile(installLog(page)), log);
}

void TestInstallPage::smartInstallerStart_data()
{
    QTest::addColumn<bool>("setupProgram");
    QTest::addRow("started") << true;
    QTest::addRow("refused") << false;
}

void TestInstallPage::smartInstallerStart()
{
    QFETCH(bool, setupProgram);
    PageSetup setup = smartInstaller();
    setup.bSetupProgram = setupProgram;
    PageFixture page(setup);
    ParentProcess parent(page.machine());
    QVERIFY(parent.startWindowOnly());
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    window->setPosition(120, 80);
    QVERIFY(page.isVisible("recFooterInstallLandingSmartInstaller"));
    QVERIFY(!page.isVisible("recFooterInstallLanding"));

    page.click("smartInstallerInstallButton");
    QVERIFY(!page.isVisible("install/recDriversList"));
    QVERIFY(!page.isVisible("recFooterInstallLandingSmartInstaller"));
    // However often it is pressed, the page starts once. (Where Install was, a refused start
    // leaves the result panel's Close, so only a screen reader presses it again.)
    if (setupProgram)
        page.click("smartInstallerInstallButton");
    QVERIFY(page.pressAccessibly("smartInstallerInstallButton"));
    if (setupProgram) {
        QVERIFY(window->property("bInstallClicked").toBool());
        QVERIFY(page.isVisible("recInstallProgressBar"));
        // Event 4 without a position at the start, then the run's end with it, and the end.
        QTRY_COMPARE_WITH_TIMEOUT(page.quitSpy().count(), 1, c_iRunTimeoutMs);
        QVERIFY(parent.waitForLine("event code=5", 2000));
        QCOMPARE(parent.events().size(), 2);
        QCOMPARE(parent.events().at(0), QString("event code=4 message=1228 wparam=0 lparam=0"));
        QVERIFY2(parent.events().at(1).endsWith("x=120 y=80"), qPrintable(parent.events().at(1)));
        QVERIFY(!page.isVisible("messageWindow"));
    } else {
        // The failure shows at once, and the parent hears nothing.
        QVERIFY(page.isVisible("messageWindow"));
        QVERIFY(page.isVisible("failureFooter"));
        QCOMPARE(window->property("g_bErrorOccured").toBool(), true);
        QCOMPARE(window->property("bInstallClicked").toBool(), false);
        QCOMPARE(window->property("bRunSlideShow").toBool(), false);
        QVERIFY(!parent.waitForLine("event", 500));
        QCOMPARE(page.quitSpy().count(), 0);
    }
}

void TestInstallPage::skipTellsTheParentAndQuits()
{
    PageFixture page(smartInstaller());
    ParentProcess parent(page.machine());
    QVERIFY(parent.startWindowOnly());
    QVERIFY(page.show());
    page.window()->setPosition(120, 80);
    QAccessibleInterface *skip
            = QAccessible::queryAccessibleInterface(page.item("smartInstallerSkipButton"));
    QCOMPARE(skip->text(QAccessible::Name), QString("SmartInstallerSkipInstallationButton"));

    page.click("smartInstallerSkipButton");
    QCOMPARE(page.quitSpy().count(), 1);
    QVERIFY(parent.waitForLine("event", 2000));
    QCOMPARE(parent.events().size(), 1);
    QVERIFY2(parent.events().first().startsWith("event code=2 message=1226 copydata=1"),
             qPrintable(parent.events().first()));
    QVERIFY2(parent.events().first().endsWith("x=120 y=80"), qPrintable(parent.events().first()));
    // Nothing was started.
    QVERIFY(!page.bridge()->isRunning());
    QVERIFY(!QFile::exists(installLog(page)));
}

PAGE_TEST_MAIN(TestInstallPage)
#include "tst_installpage.moc"
