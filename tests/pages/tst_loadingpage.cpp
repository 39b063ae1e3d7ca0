// The loading page: shown before any engine object exists, it tells the root window when it
// is on screen, turns into a warning when the start-up fails, and quits on request.
#include "pagefixture.h"

#include <QtTest>

class TestLoadingPage : public QObject
{
    Q_OBJECT

private slots:
    void showsTheCheckingText();
    void reportsEachShow();
    void warningAfterAFailure_data();
    void warningAfterAFailure();
    void headerCloseQuitsAtOnce();
    void cancelAsksFirst();
    void draggingBeforeTheBridgeDoesNothing();
};

void TestLoadingPage::showsTheCheckingText()
{
    PageFixture page;
    QVERIFY2(page.loaded(), qPrintable(page.errors()));
    QQuickWindow *window = page.window();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->title(), QString("Zorva Chipset Software Installer"));
    QCOMPARE(window->color(), QColor("#6b7062"));
    QVERIFY(page.show());
    QVERIFY(page.isVisible("checkingText"));
    QCOMPARE(page.text("checkingText"),
             QString("Checking your PC's hardware for driver compatibility..."));
    QCOMPARE(page.text("recTitle/titleText"), QString("Chipset Software Installer"));
    QVERIFY(page.isVisible("cancelButton"));
    for (const char *pszHidden :
         {"alertIcon", "warningText", "closeInstallationButton", "cancelWindow"})
        QVERIFY2(!page.isVisible(pszHidden), pszHidden);
    QCOMPARE(page.item("logo")->position(), QPointF(80, 160));
    QCOMPARE(unreadableTexts(window), QString());
}

void TestLoadingPage::reportsEachShow()
{
    PageFixture page;
    QQuickWindow *window = page.window();
    QSignalSpy loaded(window, SIGNAL(windowLoaded()));
    // Once its first frame is drawn: the start-up that follows blocks the window.
    QMetaObject::invokeMethod(window, "showWindow");
    QVERIFY(loaded.wait());
    window->hide();
    window->show();
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.count(), 2);
}

void TestLoadingPage::warningAfterAFailure_data()
{
    QTest::addColumn<QByteArray>("failure");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("accessible");
    const QString strInstance
            = "Another instance is running. Please close already running instance.";
    const QString strMemory = "Unable to allocate memory. Kindly restart your machine.";
    QTest::addRow("second instance")
            << QByteArray("instanceAlreadyRunning") << strInstance << false;
    QTest::addRow("allocation") << QByteArray("insufficientMemory") << strMemory << false;
    QTest::addRow("second instance, screen reader")
            << QByteArray("instanceAlreadyRunning") << strInstance << true;
    QTest::addRow("allocation, screen reader")
            << QByteArray("insufficientMemory") << strMemory << true;
}

void TestLoadingPage::warningAfterAFailure()
{
    QFETCH(QByteArray, failure);
    QFETCH(QString, warning);
    QFETCH(bool, accessible);
    PageFixture page;
    QQuickWindow *window = page.window();
    QVERIFY(page.show());
    QMetaObject::invokeMethod(window, failure.constData());
    QVERIFY(!page.isVisible("checkingText"));
    QVERIFY(!page.isVisible("cancelButton"));
    QVERIFY(page.isVisible("alertIcon"));
    QVERIFY(page.isVisible("warningText"));
    QCOMPARE(page.text("warningText"), warning);
    QVERIFY(page.isVisible("closeInstallationButton"));
    QCOMPARE(unreadableTexts(window), QString());

    // Close quits, however it is pressed.
    QVERIFY(page.press("closeInstallationButton", accessible));
    QCOMPARE(page.quitSpy().count(), 1);
}

void TestLoadingPage::headerCloseQuitsAtOnce()
{
    // A click, a screen reader's press, and Alt+F4 or the system menu's Close.
    for (const int iWay : {0, 1, 2}) {
        PageFixture page;
        QVERIFY(page.show());
        if (iWay == 2)
            page.window()->close();
        else
            QVERIFY(page.press("closeButton", iWay == 1));
        QCOMPARE(page.quitSpy().count(), 1);
        QVERIFY(!page.isVisible("cancelWindow"));
    }
}

void TestLoadingPage::cancelAsksFirst()
{
    PageFixture page;
    QQuickWindow *window = page.window();
    QVERIFY(page.show());
    // From the keyboard: Tab reaches Cancel, Space asks first with No focused, Escape is No.
    for (int i = 0; i < 10 && window->activeFocusItem() != page.item("cancelButton"); ++i)
        QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(page.isVisible("cancelWindow"));
    QCOMPARE(window->activeFocusItem(), page.item("noButton"));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(window->activeFocusItem(), page.item("cancelButton"));

    page.click("cancelButton");
    QVERIFY(page.isVisible("cancelWindow"));
    QCOMPARE(page.item("cancelWindow")->y(), 32.0);
    QVERIFY(!page.isVisible("recTitle"));
    QVERIFY(!page.isVisible("recFooter"));
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor("#404040"));
    QCOMPARE(unreadableTexts(window), QString());

    page.click("noButton");
    QVERIFY(!page.isVisible("cancelWindow"));
    QCOMPARE(page.item("cancelWindow")->y(), window->height() - 75.0);
    QVERIFY(page.isVisible("recTitle"));
    QVERIFY(page.isVisible("recFooter"));
    QCOMPARE(page.item("header")->property("headerColor").value<QColor>(), QColor(Qt::transparent));
    QCOMPARE(page.quitSpy().count(), 0);

    QVERIFY(page.pressAccessibly("cancelButton"));
    QVERIFY(page.isVisible("cancelWindow"));
    QVERIFY(page.pressAccessibly("yesButton"));
    QCOMPARE(page.quitSpy().count(), 1);
}

void TestLoadingPage::draggingBeforeTheBridgeDoesNothing()
{
    PageFixture page;
    QQuickWindow *window = page.window();
    QVERIFY(page.show());
    const QPoint position = window->position();
    const QPoint grip = page.item("titleArea")->mapToScene(QPointF(20, 10)).toPoint();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(window, grip + QPoint(40, 40));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, grip + QPoint(40, 40));
    QCOMPARE(window->position(), position);
}

PAGE_TEST_MAIN(TestLoadingPage)
#include "tst_loadingpage.moc"
