// A run from its start on a page to its end: the poll turns the run's end into the result
// panel of its outcome, or, for a smart-installer install, into events 5 or 6 to the parent
// and the program's end.
#include "pagefixture.h"
#include "parentprocess.h"

#include <QtTest>

namespace {
QJsonObject package(int iResult, const QString &strRebootStatus = QStringLiteral("NO"))
{
    return QJsonObject {{"result", iResult}, {"rebootStatus", strRebootStatus}, {"seconds", 0}};
}

QPoint centreOf(QQuickItem *pItem)
{
    return pItem->mapToScene(QPointF(pItem->width() / 2, pItem->height() / 2)).toPoint();
}
} // namespace

class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    void resultPanelOfARun_data();
    void resultPanelOfARun();
    void smartInstallerInstallEndsTheProgram_data();
    void smartInstallerInstallEndsTheProgram();
    void smartInstallerUninstallShowsItsResult();
    void runEndingUnderTheConfirmationReplacesIt();
};

void TestRuns::resultPanelOfARun_data()
{
    QTest::addColumn<bool>("install");
    QTest::addColumn<QJsonObject>("behaviour");
    QTest::addColumn<bool>("setupProgram");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("footerMessage");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QStringList>("buttons");
    // The line that says why a run gave no verdict; the log link shows only without one.
    QTest::addColumn<QString>("reason");

    const QString strInstalled = "Zorva Chipset Software installed successfully.";
    const QString strFailed = "Zorva Chipset Software installation failed.";
    QTest::addRow("install, no restart")
            << true << package(0) << true << 100 << strInstalled << strInstalled << "successFooter"
            << QStringList {"CloseInstallationWindow"} << QString();
    QTest::addRow("install, restart")
            << true << package(0, "YES") << true << 100 << strInstalled << strInstalled
            << "restartFooter" << QStringList {"CloseMessageWindowSuccess", "SystemRestart"}
            << QString();
    QTest::addRow("install fails")
            << true << package(1603, "YES") << true << -1 << strFailed << strFailed
            << "failureFooter" << QStringList {"CloseMessageWindowFailure"} << QString();
    // The setup program is missing: the run leaves no log to read.
    QTest::addRow("install leaves no log")
            << true << package(0) << false << -2 << strFailed << strFailed << "failureFooter"
            << QStringList {"CloseMessageWindowFailure"} << "The setup program was not found.";
    QTest::addRow("uninstall") << false << package(0, "YES") << true << 100
                               << "The selected Zorva Chipset Software have been uninstalled."
                               << "Zorva Chipset Software have been successfully uninstalled."
                               << "successFooter" << QStringList {"Finish Uninstallation"}
                               << QString();
    QTest::addRow("uninstall fails")
            << false << package(1603) << true << -1
            << "The selected Zorva Chipset Software have not been uninstalled."
            << "The selected Zorva Chipset Software uninstallation failed."
            << "failureFooter" << QStringList {"CloseMessageWindowFailure"} << QString();
}

void TestRuns::resultPanelOfARun()
{
    QFETCH(bool, install);
    QFETCH(QJsonObject, behaviour);
    QFETCH(bool, setupProgram);
    QFETCH(int, progress);
    QFETCH(QString, message);
    QFETCH(QString, footerMessage);
    QFETCH(QString, footer);
    QFETCH(QStringList, buttons);
    QFETCH(QString, reason);
    PageSetup setup;
    setup.package = behaviour;
    setup.bSetupProgram = setupProgram;
    if (!install) {
        setup.lstArguments = QStringList {"/U", c_strProductCode};
        setup.strDeployedFeatures = "Drivers,PCI,SQP";
    }
    PageFixture page(setup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    QVERIFY(window->property("g_iNoOfDrivers").toInt() > 0);

    page.click(install ? "installButton" : "uninstallButton");
    // The progress footer follows the run until the poll sees its end.
    QVERIFY(window->property("bInstallClicked").toBool());
    QVERIFY(page.isVisible(install ? "recInstallProgressBar" : "recUninstallProgressBar"));
    QVERIFY(!page.isVisible(install ? "install/recDriversList" : "uninstall/recDriversList"));
    QTRY_VERIFY_WITH_TIMEOUT(page.isVisible("messageWindow"), c_iRunTimeoutMs);

    QCOMPARE(window->property("progressValue").toInt(), progress);
    QCOMPARE(window->property("bInstallClicked").toBool(), false);
    QCOMPARE(window->property("bRunSlideShow").toBool(), false);
    QCOMPARE(page.text("mainMessage"), message);
    QCOMPARE(page.text("logLink").remove(QRegularExpression("<[^>]*>")),
             install ? QString("Click to View Installation Log.")
                     : QString("Click to View Uninstallation Log."));
    QCOMPARE(page.isVisible("failureReason"), !reason.isEmpty());
    QCOMPARE(page.text("failureReason"), reason);
    QCOMPARE(page.isVisible("logLink"), reason.isEmpty());
    for (const char *pszFooter : {"successFooter", "restartFooter", "failureFooter"})
        QCOMPARE(page.isVisible(pszFooter), footer == pszFooter);

    // What a screen reader finds on the panel: its texts, and its buttons by their names.
    QStringList texts;
    QStringList shownButtons;
    for (QQuickItem *pItem : page.item("messageWindow")->findChildren<QQuickItem *>()) {
        if (!pItem->isVisible())
            continue;
        QAccessibleInterface *pInterface = QAccessible::queryAccessibleInterface(pItem);
        if (pInterface && pInterface->role() == QAccessible::Button)
            shownButtons << pInterface->text(QAccessible::Name);
        if (pInterface && pInterface->role() == QAccessible::StaticText)
            texts << pInterface->text(QAccessible::Name);
    }
    QCOMPARE(shownButtons, buttons);
    QVERIFY2(texts.contains(footerMessage), qPrintable(texts.join('|')));
    QCOMPARE(unreadableTexts(window), QString());

    // On the narrowest window the message keeps its ends.
    window->setProperty("g_iScreenWidth", 1000);
    QCOMPARE(window->width(), 770);
    QTRY_COMPARE(page.item("messageWindow")->width(), 770.0);
    QQuickItem *mainMessage = page.item("mainMessage");
    const qreal dLeft = mainMessage->x()
            + (mainMessage->width() - mainMessage->property("contentWidth").toReal()) / 2;
    QVERIFY(dLeft >= 0);
    QVERIFY(dLeft + mainMessage->property("contentWidth").toReal() <= window->width());

    // The header's close now quits at once, without the confirmation.
    page.click("closeButton");
    QCOMPARE(page.quitSpy().count(), 1);
    QVERIFY(!page.isVisible("cancelWindow"));
}

void TestRuns::smartInstallerInstallEndsTheProgram_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("event");
    QTest::addRow("success") << 0 << 5;
    QTest::addRow("failure") << 1603 << 6;
}

void TestRuns::smartInstallerInstallEndsTheProgram()
{
    QFETCH(int, result);
    QFETCH(int, event);
    PageSetup setup;
    setup.lstArguments = QStringList {"smartInstaller"};
    setup.package = package(result);
    PageFixture page(setup);
    ParentProcess parent(page.machine());
    QVERIFY(parent.startWindowOnly());
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    window->setPosition(120, 80);

    // What the install page's start does in smart-installer mode.
    QCOMPARE(page.bridge()->installClicked(), 1);
    window->setProperty("bInstallClicked", true);
    QTRY_COMPARE_WITH_TIMEOUT(page.quitSpy().count(), 1, c_iRunTimeoutMs);

    QVERIFY(!page.isVisible("messageWindow"));
    QCOMPARE(window->property("g_bInstallcomplete").toBool(), true);
    QCOMPARE(window->property("g_bErrorOccured").toBool(), result != 0);
    parent.waitForLine("event", 1000);
    QCOMPARE(parent.events().size(), 1);
    const QString strEvent = parent.events().first();
    QVERIFY2(strEvent.startsWith(QStringLiteral("event code=%1 message=%2 copydata=1")
                                         .arg(event)
                                         .arg(1224 + event)),
             qPrintable(strEvent));
    QVERIFY2(strEvent.endsWith("x=120 y=80"), qPrintable(strEvent));
}

void TestRuns::smartInstallerUninstallShowsItsResult()
{
    PageSetup setup;
    setup.lstArguments = QStringList {"smartInstaller", "/U", c_strProductCode};
    setup.strDeployedFeatures = "Drivers,PCI";
    PageFixture page(setup);
    ParentProcess parent(page.machine());
    QVERIFY(parent.startWindowOnly());
    QVERIFY(page.show());
    page.click("uninstallButton");
    QTRY_VERIFY_WITH_TIMEOUT(page.isVisible("messageWindow"), c_iRunTimeoutMs);
    QCOMPARE(page.quitSpy().count(), 0);
    QVERIFY(page.isVisible("successFooter"));
    parent.waitForLine("event", 1000);
    QCOMPARE(parent.events().size(), 1);
    QVERIFY2(parent.events().first().startsWith("event code=5 message=1229 copydata=1"),
             qPrintable(parent.events().first()));
}

void TestRuns::runEndingUnderTheConfirmationReplacesIt()
{
    PageSetup setup;
    setup.package = package(0);
    setup.package.insert("seconds", 2);
    PageFixture page(setup);
    OpenedUrls opened;
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    // Before any run the result panel is not made: it has no log link to open.
    QVERIFY(page.items("messageWindow/logLink").isEmpty());

    page.clickInstall();
    page.click("closeButton");
    QVERIFY(page.isVisible("cancelWindow"));
    const QPoint no = centreOf(page.item("noButton"));
    const QPoint yes = centreOf(page.item("yesButton"));
    QTRY_VERIFY_WITH_TIMEOUT(page.isVisible("messageWindow"), c_iRunTimeoutMs);
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor(Qt::transparent));
    QVERIFY(page.item("messageWindow")->isAncestorOf(window->activeFocusItem()));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, yes);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, no);
    QCOMPARE(page.quitSpy().count(), 0);
    QVERIFY(page.isVisible("messageWindow"));
    QVERIFY(page.pressAccessibly("logLink"));
    QCOMPARE(opened.urls.size(), 1);
}

PAGE_TEST_MAIN(TestRuns)
#include "tst_runs.moc"
