// The licence page: the two agreements in their structure and styles, scrolling that stops at
// the text's ends, the links, and Done back to the install page with the scroll kept.
#include "pagefixture.h"

#include <QQmlProperty>
#include <QtTest>

namespace {

// Every value the flickable's contentY takes.
class ScrollPositions : public QObject
{
    Q_OBJECT

public:
    explicit ScrollPositions(QQuickItem *pFlickable)
        : m_property(pFlickable, "contentY")
    {
        m_property.connectNotifySignal(this, SLOT(record()));
    }

    QList<qreal> values;

public slots:
    void record() { values.append(m_property.read().toReal()); }

private:
    QQmlProperty m_property;
};

// The items of that objectName below the root, in the order they are laid out.
QList<QQuickItem *> itemsBelow(QQuickItem *pRoot, const QString &strName)
{
    QList<QQuickItem *> lstItems;
    for (QQuickItem *pChild : pRoot->childItems()) {
        if (pChild->objectName() == strName)
            lstItems.append(pChild);
        lstItems += itemsBelow(pChild, strName);
    }
    return lstItems;
}

qreal sceneY(QQuickItem *pItem)
{
    return pItem->mapToScene(QPointF(0, 0)).y();
}

// Drags the text with the pointer by 280 pixels, up (towards its end) when bDown, and waits
// until it stops.
void drag(QQuickWindow *window, QQuickItem *pFlickable, bool bDown)
{
    const int iSteps = 14;
    QPoint point(300, bDown ? 340 : 60);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, point);
    for (int i = 0; i < iSteps; ++i) {
        point.ry() += bDown ? -20 : 20;
        QTest::mouseMove(window, point, 10);
    }
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, point, 10);
    QTRY_VERIFY(!pFlickable->property("moving").toBool());
}

// Drags the text until it stops moving, and once more.
void dragToTheEnd(QQuickWindow *window, QQuickItem *pFlickable, bool bDown)
{
    qreal dLast = -1;
    while (pFlickable->property("contentY").toReal() != dLast) {
        dLast = pFlickable->property("contentY").toReal();
        drag(window, pFlickable, bDown);
    }
}

// Opens the licence page from the install page's notice.
void openLicence(PageFixture &page)
{
    page.click("install/recEula");
}
} // namespace

class TestEulaPage : public QObject
{
    Q_OBJECT

private slots:
    void agreementsInTheirStructure();
    void scrollingStopsAtTheEnds();
    void linksOpenTheirAddressOnly();
    void doneGoesBackAndKeepsTheScroll();
};

void TestEulaPage::agreementsInTheirStructure()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    openLicence(page);
    QVERIFY(page.isVisible("eula"));
    QQuickItem *column = page.item("colEula");
    const qreal dColumnWidth = column->width();
    QCOMPARE(dColumnWidth, page.item("eula")->width());

    struct Expected
    {
        const char *pszAgreement;
        const char *pszTitle;
        int iSections;
    };
    qreal dAfterChipset = 0;
    for (const Expected &expected :
         {Expected {"chipsetAgreement", "Zorva Chipset Driver End User License Agreement", 13},
          Expected {"raidAgreement", "Zorva RAID Driver End User License Agreement", 9}}) {
        QQuickItem *agreement = page.item(expected.pszAgreement);
        QQuickItem *title = itemsBelow(agreement, "agreementTitle").value(0);
        QCOMPARE(title->property("text").toString(), QString(expected.pszTitle));
        const QList<QQuickItem *> headings = itemsBelow(agreement, "sectionHeading");
        QCOMPARE(headings.size(), expected.iSections);
        for (int i = 0; i < headings.size(); ++i) {
            const QString strHeading = headings.at(i)->property("text").toString();
            QVERIFY2(strHeading.startsWith(QString::number(i + 1) + ". "), qPrintable(strHeading));
            QVERIFY(strHeading.endsWith('\n'));
        }
        // An introduction and a body per section, one of them the export section's with
        // the agreement's one link.
        const QList<QQuickItem *> exportBodies = itemsBelow(agreement, "exportBody");
        QCOMPARE(exportBodies.size(), 1);
        QCOMPARE(exportBodies.first()->property("text").toString().count("<a href="), 1);
        QCOMPARE(itemsBelow(agreement, "sectionBody").size(), expected.iSections - 1);
        // Bodies fill the column but for 30 pixels on either side.
        for (QQuickItem *body : itemsBelow(agreement, "sectionBody") + exportBodies) {
            QCOMPARE(body->width(), dColumnWidth - 60);
            QCOMPARE(body->x(), 30.0);
        }
        // Sections follow one another down the page.
        for (int i = 1; i < headings.size(); ++i)
            QVERIFY(sceneY(headings.at(i)) > sceneY(headings.at(i - 1)));
        if (!dAfterChipset)
            dAfterChipset = sceneY(headings.last()) + 40;
        else
            QVERIFY(sceneY(title) > dAfterChipset);
    }
    // The separator lies between the two agreements.
    QQuickItem *separator = page.item("agreementSeparator");
    QVERIFY(sceneY(separator) > dAfterChipset);
    QVERIFY(sceneY(separator)
            < sceneY(itemsBelow(page.item("raidAgreement"), "agreementTitle").value(0)));
    QCOMPARE(unreadableTexts(page.window()), QString());
}

void TestEulaPage::scrollingStopsAtTheEnds()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    openLicence(page);
    QQuickItem *flickable = page.item("eula/flickable");
    const qreal dEnd = flickable->property("contentHeight").toReal() - flickable->height();
    QVERIFY(dEnd > 1000);
    ScrollPositions positions(flickable);

    // Far past the end, then far past the top: it never goes beyond either.
    dragToTheEnd(page.window(), flickable, true);
    QCOMPARE(flickable->property("contentY").toReal(), dEnd);
    dragToTheEnd(page.window(), flickable, false);
    QCOMPARE(flickable->property("contentY").toReal(), 0.0);
    QVERIFY(positions.values.size() > 2);
    QCOMPARE(*std::max_element(positions.values.begin(), positions.values.end()), dEnd);
    QCOMPARE(*std::min_element(positions.values.begin(), positions.values.end()), 0.0);

    // At the end the last body shows whole above the footer.
    flickable->setProperty("contentY", dEnd);
    QQuickItem *lastBody = itemsBelow(page.item("raidAgreement"), "sectionBody").last();
    QVERIFY(sceneY(lastBody) + lastBody->height()
            <= sceneY(page.item("eula")) + flickable->height());
}

void TestEulaPage::linksOpenTheirAddressOnly()
{
    OpenedUrls opened;
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    openLicence(page);
    QQuickItem *flickable = page.item("eula/flickable");
    for (QQuickItem *body : itemsBelow(page.item("eula"), "exportBody")) {
        // Brings the body into view.
        flickable->setProperty("contentY",
                               body->mapToItem(flickable->childItems().first(), QPointF(0, 0)).y()
                                       - 50);
        QPointF link;
        QPointF plain;
        for (qreal y = 2; y < body->height() && link.isNull(); y += 4)
            for (qreal x = 2; x < body->width(); x += 8) {
                QString strLink;
                QMetaObject::invokeMethod(body, "linkAt", Q_RETURN_ARG(QString, strLink),
                                          Q_ARG(qreal, x), Q_ARG(qreal, y));
                if (!strLink.isEmpty()) {
                    link = QPointF(x, y);
                    break;
                }
                if (plain.isNull())
                    plain = QPointF(x, y);
            }
        QVERIFY(!link.isNull());
        page.clickAt(body, plain);
        QCOMPARE(opened.urls.size(), 0);

        // Over the link the pointer turns into a pointing hand; a click opens it.
        QTest::mouseMove(page.window(), body->mapToScene(link).toPoint());
        QQuickItem *linkArea = body->childItems().value(0);
        QCOMPARE(linkArea->property("cursorShape").toInt(), int(Qt::PointingHandCursor));
        page.clickAt(body, link);
        QCOMPARE(opened.urls.size(), 1);
        QCOMPARE(opened.urls.takeFirst().scheme(), QString("https"));
        QTest::mouseMove(page.window(), body->mapToScene(plain).toPoint());
        QCOMPARE(linkArea->property("cursorShape").toInt(), int(Qt::ArrowCursor));
    }
}

void TestEulaPage::doneGoesBackAndKeepsTheScroll()
{
    PageFixture page {PageSetup()};
    QVERIFY(page.show());
    openLicence(page);
    QQuickItem *flickable = page.item("eula/flickable");
    drag(page.window(), flickable, true);
    QVERIFY(flickable->property("contentY").toReal() > 100);
    const qreal dScrolled = flickable->property("contentY").toReal();

    QAccessibleInterface *done = QAccessible::queryAccessibleInterface(page.item("doneButton"));
    QCOMPARE(done->text(QAccessible::Name), QString("EulaAccepted "));
    QCOMPARE(done->text(QAccessible::Description), QString("EULA is accepted"));
    QVERIFY(page.pressAccessibly("doneButton"));
    QVERIFY(!page.isVisible("eula"));
    QVERIFY(page.isVisible("install"));
    QCOMPARE(page.item("header")->property("bShowBorder").toBool(), false);

    openLicence(page);
    QVERIFY(page.isVisible("eula"));
    QCOMPARE(flickable->property("contentY").toReal(), dScrolled);
    page.click("doneButton");
    QVERIFY(page.isVisible("install"));
}

PAGE_TEST_MAIN(TestEulaPage)
#include "tst_eulapage.moc"
