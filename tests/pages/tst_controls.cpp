// The common controls in the main window: the shared tooltip, the button base and the
// progress bar's sweep.
#include "pagefixture.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QtTest>

namespace {
const PageSetup c_installSetup;

QObject *tooltipOf(const PageFixture &page)
{
    return page.window()->findChild<QObject *>(QStringLiteral("baseToolTip"));
}

// A control made from QML text in the main window's context, as a page would hold it.
QObject *createInWindow(const PageFixture &page, const QByteArray &qml)
{
    QQmlEngine *engine = qmlEngine(page.window());
    QQmlComponent component(engine);
    component.setData(qml, QUrl(QStringLiteral("qrc:/Qml/ControlTest.qml")));
    QObject *pObject = component.create(qmlContext(page.window()));
    if (!pObject)
        qWarning("%s", qPrintable(component.errorString()));
    if (QQuickItem *pItem = qobject_cast<QQuickItem *>(pObject))
        pItem->setParentItem(page.window()->contentItem());
    return pObject;
}
} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void tooltipShowsAfterTheDelay();
    void tooltipStaysBesideTheCursorWithinTheScreen_data();
    void tooltipStaysBesideTheCursorWithinTheScreen();
    void tooltipWrapsWideTexts();
    void tooltipLeavesWithItsButton();
    void buttonClicksToggleOrJoinTheGroup();
    void buttonKeysClick();
    void sweepStopsOnceTheInstallIsComplete();
};

void TestControls::tooltipShowsAfterTheDelay()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QObject *tooltip = tooltipOf(page);
    QWindow *tooltipWindow = qobject_cast<QWindow *>(tooltip);
    QVERIFY(tooltipWindow);
    QVERIFY(!tooltipWindow->isVisible());

    // The pointer rests on the header's close button.
    QQuickItem *close = page.item("closeButton");
    const QPoint centre = close->mapToScene(QPointF(20, 16)).toPoint();
    QCursor::setPos(page.window()->mapToGlobal(centre));
    QTest::mouseMove(page.window(), centre);
    QElapsedTimer rested;
    rested.start();
    QCOMPARE(tooltip->property("tooltip").toString(), QString("Close"));
    QTest::qWait(600);
    QVERIFY(!tooltipWindow->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tooltipWindow->isVisible(), 1000);
    QVERIFY(rested.elapsed() >= 800);
    QCOMPARE(unreadableTexts(page.window()), QString());

    // Leaving hides it at once.
    QTest::mouseMove(page.window(), QPoint(400, 200));
    QVERIFY(!tooltipWindow->isVisible());
    // Resting again and leaving within the delay shows nothing.
    QTest::mouseMove(page.window(), centre);
    QTest::qWait(400);
    QTest::mouseMove(page.window(), QPoint(400, 200));
    QTest::qWait(700);
    QVERIFY(!tooltipWindow->isVisible());
}

void TestControls::tooltipStaysBesideTheCursorWithinTheScreen_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("rightEdge");
    QTest::addColumn<bool>("bottomEdge");
    QTest::addRow("inside") << QPoint(100, 100) << false << false;
    QTest::addRow("right edge") << QPoint(790, 100) << true << false;
    QTest::addRow("bottom edge") << QPoint(100, 590) << false << true;
    QTest::addRow("corner") << QPoint(795, 595) << true << true;
}

void TestControls::tooltipStaysBesideTheCursorWithinTheScreen()
{
    QFETCH(QPoint, cursor);
    QFETCH(bool, rightEdge);
    QFETCH(bool, bottomEdge);
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    const int iScreenWidth = window->property("g_iScreenWidth").toInt();
    const int iScreenHeight = window->property("g_iScreenHeight").toInt();
    QVERIFY(cursor.x() < iScreenWidth && cursor.y() < iScreenHeight);
    QObject *tooltip = tooltipOf(page);
    QWindow *tooltipWindow = qobject_cast<QWindow *>(tooltip);
    tooltip->setProperty("tooltip", "Zorva PCI Device Driver\nVersion 5.2.29.252");
    QCursor::setPos(cursor);
    QMetaObject::invokeMethod(tooltip, "showtt");
    QTRY_VERIFY_WITH_TIMEOUT(tooltipWindow->isVisible(), 2000);

    const QSize size = tooltipWindow->size();
    QVERIFY(size.width() > 20 && size.height() > 20);
    QCOMPARE(tooltipWindow->x(), rightEdge ? cursor.x() + 8 - size.width() - 10 : cursor.x() + 8);
    QCOMPARE(tooltipWindow->y(), bottomEdge ? iScreenHeight - size.height() - 5 : cursor.y() + 24);
    QVERIFY(tooltipWindow->x() + size.width() <= iScreenWidth);
    QVERIFY(tooltipWindow->y() + size.height() <= iScreenHeight);

    QMetaObject::invokeMethod(tooltip, "hidett");
    QVERIFY(!tooltipWindow->isVisible());
}

void TestControls::tooltipWrapsWideTexts()
{
    PageFixture page(c_installSetup);
    QObject *tooltip = tooltipOf(page);
    QQuickItem *label = tooltip->findChild<QQuickItem *>(QStringLiteral("tooltipLabel"));
    QVERIFY(label);
    tooltip->setProperty("tooltip", "Skip");
    const qreal dShortHeight = label->height();
    QVERIFY(label->width() < 100);
    tooltip->setProperty("tooltip",
                         QString("Skip this step and do not install this component. ").repeated(3));
    QCOMPARE(label->width(), 401.0);
    QVERIFY(label->property("lineCount").toInt() > 1);
    QVERIFY(label->height() >= 2 * dShortHeight);
    // A tile's two lines: the box is as wide as the wider one.
    tooltip->setProperty("tooltip", "Zorva Quickwake Technology ACPI Driver\nVersion 2.0.10.100");
    QCOMPARE(label->property("lineCount").toInt(), 2);
    QVERIFY2(label->width() <= label->property("contentWidth").toReal() + 1,
             qPrintable(QString("%1 for %2")
                                .arg(label->width())
                                .arg(label->property("contentWidth").toReal())));
    // The window is the box, scaled by the window's DPI factor where Qt does not scale it.
    QQuickItem *box = tooltip->findChild<QQuickItem *>(QStringLiteral("tooltipBox"));
    QWindow *window = qobject_cast<QWindow *>(tooltip);
    tooltip->setProperty("windowDPI", 1.5);
    QCOMPARE(window->width(), int(box->width() * 1.5));
    tooltip->setProperty("dQtScale", 1.5);
    QCOMPARE(window->width(), int(box->width()));
}

// A button that vanishes under the pointer takes its tooltip with it.
void TestControls::tooltipLeavesWithItsButton()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QWindow *tooltipWindow = qobject_cast<QWindow *>(tooltipOf(page));
    QQuickItem *install = page.item("installButton");
    const QPoint centre = install->mapToScene(QPointF(30, 20)).toPoint();
    QCursor::setPos(page.window()->mapToGlobal(centre));
    QTest::mouseMove(page.window(), centre);
    page.click("installButton");
    QVERIFY(!install->isVisible());
    QTest::qWait(1200);
    QVERIFY(!tooltipWindow->isVisible());
}

void TestControls::buttonClicksToggleOrJoinTheGroup()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    std::unique_ptr<QObject> buttons(createInWindow(page, R"(
        import QtQuick 2.12
        import QtQuick.Controls 1.4 as Controls1
        import "../common/Qml"
        Column {
            property var events: []
            Controls1.ExclusiveGroup { id: group }
            BasicButton {
                objectName: "free"; width: 40; height: 20
                onCheckedChanged: events.push("checked " + checked)
                onButtonClicked: events.push("clicked")
            }
            BasicButton { objectName: "first"; width: 40; height: 20; exclusiveGroup: group }
            BasicButton { objectName: "second"; width: 40; height: 20; exclusiveGroup: group }
        })"));
    QVERIFY(buttons);
    QQuickItem *free = page.item("free");
    QQuickItem *first = page.item("first");
    QQuickItem *second = page.item("second");
    const auto clickOn = [&page](QQuickItem *pItem) { page.clickAt(pItem, QPointF(20, 10)); };

    // Outside a group a click toggles, and the change comes before the click signal.
    clickOn(free);
    QVERIFY(free->property("checked").toBool());
    QVERIFY(free->hasActiveFocus());
    clickOn(free);
    QVERIFY(!free->property("checked").toBool());
    QCOMPARE(buttons->property("events").toStringList(),
             QStringList({"checked true", "clicked", "checked false", "clicked"}));

    // In a group a click checks, and only one is checked.
    clickOn(first);
    clickOn(first);
    QVERIFY(first->property("checked").toBool());
    clickOn(second);
    QVERIFY(second->property("checked").toBool());
    QVERIFY(!first->property("checked").toBool());
}

void TestControls::buttonKeysClick()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickItem *minimize = page.item("minimizeButton");
    QSignalSpy clicked(minimize, SIGNAL(buttonClicked()));
    // Icon buttons are in the tab chain.
    QVERIFY(minimize->activeFocusOnTab());
    QQuickItem *close = page.item("closeButton");
    QSignalSpy closeClicked(close, SIGNAL(buttonClicked()));
    // The confirmation takes the focus each time: it is given back to the button.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        close->forceActiveFocus();
        QTest::keyClick(page.window(), key);
    }
    QCOMPARE(closeClicked.count(), 3);
    QCOMPARE(clicked.count(), 0);
    // Each press asked to quit; the first opened the quit confirmation.
    QVERIFY(page.isVisible("cancelWindow"));
}

void TestControls::sweepStopsOnceTheInstallIsComplete()
{
    PageFixture page(c_installSetup);
    QVERIFY(page.show());
    QQuickWindow *window = page.window();
    QQuickItem *footer = page.item("recInstallProgressBar");
    QQuickItem *sweep = page.item(footer, "sweepingBlock");
    // A run in progress without a child: the footer sweeps, the caption reads the run.
    window->setProperty("bInstallClicked", true);
    QVERIFY(footer->isVisible());
    QCOMPARE(page.text("recInstallProgressBar/progressCaption"),
             QString("Installing Zorva Chipset Drivers..."));
    QVERIFY(sweep->isVisible());
    const qreal dStart = sweep->x();
    QTRY_VERIFY(sweep->x() != dStart);
    QVERIFY(sweep->x() >= 0 && sweep->x() <= window->width() - 250);
    QVERIFY(!page.isVisible("recInstallProgressBar/progressPercentage"));
    QVERIFY(!page.isVisible("recInstallProgressBar/progressControl"));

    window->setProperty("g_bInstallcomplete", true);
    QVERIFY(!sweep->isVisible());
    const qreal dStopped = sweep->x();
    QTest::qWait(300);
    QCOMPARE(sweep->x(), dStopped);
}

PAGE_TEST_MAIN(TestControls)
#include "tst_controls.moc"
