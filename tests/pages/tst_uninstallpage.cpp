// The uninstall page: a tile for each offered driver that may be removed, a hidden one for an
// entry without a catalog row, and the removal its selection asks MsiExec for.
#include "pagefixture.h"
#include "pagetiles.h"

#include <QtTest>

namespace {
PageSetup uninstallMode(const QString &strDeployedFeatures)
{
    PageSetup setup;
    setup.lstArguments = QStringList {"/U", c_strProductCode};
    setup.strDeployedFeatures = strDeployedFeatures;
    return setup;
}

QString uninstallLog(PageFixture &page)
{
    return page.machine().drive()
            + "/Zorva/Chipset_Driver_Installer/Logs/Zorva_Chipset_IODrivers_Un.log";
}

// The command line MsiExec wrote into its log.
QString msiExecCommand(PageFixture &page)
{
    const QString strLog = QString::fromUtf8(StandInMachine::readFile(uninstallLog(page)));
    const int iStart = strLog.indexOf("Command Line: ");
    return iStart < 0 ? QString()
                      : strLog.mid(iStart + 14, strLog.indexOf('\r', iStart) - iStart - 14);
}
} // namespace

class TestUninstallPage : public QObject
{
    Q_OBJECT

private slots:
    void rowlessEntriesHideTheirTiles();
    void removalFollowsTheSelection_data();
    void removalFollowsTheSelection();
};

void TestUninstallPage::rowlessEntriesHideTheirTiles()
{
    PageFixture page(uninstallMode("Drivers,PCI,ZZUNKNOWN,SQP"));
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    PageTiles tiles(page, "uninstall");
    QCOMPARE(window->property("g_iNoOfDrivers").toInt(), 3);
    QVERIFY(page.isVisible("uninstall"));
    QVERIFY(!page.isVisible("install"));
    QCOMPARE(page.text("textUninstall"),
             QString("Clicking uninstall will remove Zorva Chipset Drivers from your system."));

    // The rowless entry's tile takes no cell: the third tile stands beside the first.
    QTRY_VERIFY(tiles.at(0)->width() > 0);
    QVERIFY(tiles.at(0)->isVisible());
    QVERIFY(!tiles.at(1)->isVisible());
    QVERIFY(tiles.at(2)->isVisible());
    QCOMPARE(tiles.cell(2), QPointF(tiles.at(0)->width() + 10, 0));
    QCOMPARE(tiles.at(2)->property("strDriverName").toString(), page.bridge()->getName(2));
    QCOMPARE(unreadableTexts(window), QString());

    // Clearing every visible tile leaves the hidden entry selected, and Uninstall enabled.
    for (int i : {0, 2})
        page.clickAt(tiles.at(i), QPointF(100, 50));
    QCOMPARE(tiles.look(0), QString("clear"));
    QCOMPARE(tiles.look(2), QString("clear"));
    QCOMPARE(window->property("vButtonsState").toList(), QVariantList({false, true, false}));
    QCOMPARE(page.item("uninstallButton")->isEnabled(), true);
    QCOMPARE(page.item("uninstallButton")->opacity(), 1.0);
}

void TestUninstallPage::removalFollowsTheSelection_data()
{
    QTest::addColumn<QString>("deployed");
    QTest::addColumn<QList<int>>("cleared");
    QTest::addColumn<QString>("removal");

    const QString strWhole = "/x " + c_strProductCode + " REMOVE=ALL /qn";
    const QString strSqp = "/i " + c_strProductCode + " REMOVE=SQP /qn";
    QTest::addRow("all selected: the whole product")
            << "Drivers,PCI,SQP" << QList<int>() << strWhole;
    QTest::addRow("some selected: their features") << "Drivers,PCI,SQP" << QList<int> {0} << strSqp;
    QTest::addRow("a rowless entry is never named")
            << "Drivers,PCI,ZZUNKNOWN,SQP" << QList<int> {0} << strSqp;
    QTest::addRow("a rowless entry keeps the removal whole")
            << "Drivers,PCI,ZZUNKNOWN,SQP" << QList<int>() << strWhole;
    QTest::addRow("only rowless entries: no tile, the whole product")
            << "Drivers,ZZUNKNOWN" << QList<int>() << strWhole;
    // Nothing to name and not everything selected: the start is refused.
    QTest::addRow("every tile cleared beside a rowless entry")
            << "Drivers,PCI,ZZUNKNOWN,SQP" << QList<int> {0, 2} << QString();
}

void TestUninstallPage::removalFollowsTheSelection()
{
    QFETCH(QString, deployed);
    QFETCH(QList<int>, cleared);
    QFETCH(QString, removal);
    PageFixture page(uninstallMode(deployed));
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    PageTiles tiles(page, "uninstall");
    for (int i : cleared)
        QVERIFY(page.pressAccessibly(QString("tile%1").arg(i)));

    QQuickItem *list = page.item("uninstall/recDriversList");
    QVERIFY(list->isVisible());
    page.click("uninstallButton");
    QVERIFY(!list->isVisible());
    QVERIFY(!page.isVisible("recFooterUninstallLanding"));
    if (removal.isEmpty()) {
        // The failure shows at once; nothing ran.
        QVERIFY(page.isVisible("messageWindow"));
        QVERIFY(page.isVisible("failureFooter"));
        QCOMPARE(window->property("bInstallClicked").toBool(), false);
        QCOMPARE(window->property("bRunSlideShow").toBool(), false);
        QVERIFY(!QFile::exists(uninstallLog(page)));
    } else {
        QVERIFY(page.isVisible("recUninstallProgressBar"));
        QCOMPARE(page.text("recUninstallProgressBar/progressCaption"),
                 QString("Uninstalling Zorva Chipset Drivers..."));
        QTRY_VERIFY_WITH_TIMEOUT(page.isVisible("messageWindow"), c_iRunTimeoutMs);
        QVERIFY(page.isVisible("successFooter"));
        QVERIFY2(msiExecCommand(page).startsWith(removal), qPrintable(msiExecCommand(page)));
    }

    // Behind the result panel the page starts nothing more.
    const QByteArray log = StandInMachine::readFile(uninstallLog(page));
    QVERIFY(page.pressAccessibly("uninstallButton"));
    QVERIFY(!page.bridge()->isRunning());
    QCOMPARE(window->property("bInstallClicked").toBool(), false);
    QCOMPARE(StandInMachine::readFile(uninstallLog(page)), log);
}

PAGE_TEST_MAIN(TestUninstallPage)
#include "tst_uninstallpage.moc"
