#include "layoutfaults.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QJSValue>
#include <QQuickItem>
#include <QRawFont>
#include <QTextDocumentFragment>
#include <QTextLayout>

namespace {

// Text.HAlignment and Text.VAlignment of QML.
constexpr int c_iAlignRight = 0x2;
constexpr int c_iAlignHCenter = 0x4;
constexpr int c_iAlignBottom = 0x40;
constexpr int c_iAlignVCenter = 0x80;
// How far an edge may stray: a rounding, not a fault.
constexpr qreal c_dSlack = 0.5;

bool isText(const QQuickItem *pItem)
{
    return pItem->inherits("QQuickText");
}

// An instance of one of the pages' own components ("SquareButton" for SquareButton.qml).
bool isComponent(const QQuickItem *pItem, const char *pszName)
{
    return QString::fromLatin1(pItem->metaObject()->className())
            .startsWith(QLatin1String(pszName) + QLatin1String("_QMLTYPE"));
}

bool isControl(const QQuickItem *pItem)
{
    return isComponent(pItem, "SquareButton") || isComponent(pItem, "CustomButton")
            || isComponent(pItem, "Tile");
}

// A rectangle that paints a background of its own: a colour or a gradient.
bool paintsBackground(const QQuickItem *pItem)
{
    if (!pItem->inherits("QQuickRectangle"))
        return false;
    if (pItem->property("color").value<QColor>().alpha() > 0)
        return true;
    const QVariant gradient = pItem->property("gradient");
    return gradient.canConvert<QJSValue>() && !gradient.value<QJSValue>().isUndefined()
            && !gradient.value<QJSValue>().isNull();
}

bool isIcon(const QQuickItem *pItem)
{
    return pItem->inherits("QQuickImage") && pItem->width() > 0 && pItem->width() <= 64
            && pItem->height() > 0 && pItem->height() <= 64;
}

bool isShown(const QQuickItem *pItem)
{
    for (const QQuickItem *p = pItem; p; p = p->parentItem()) {
        if (!p->isVisible() || p->opacity() <= 0)
            return false;
    }
    return true;
}

bool isAncestor(const QQuickItem *pAncestor, const QQuickItem *pItem)
{
    for (const QQuickItem *p = pItem->parentItem(); p; p = p->parentItem()) {
        if (p == pAncestor)
            return true;
    }
    return false;
}

QRectF sceneRect(const QQuickItem *pItem)
{
    return pItem->mapRectToScene(QRectF(0, 0, pItem->width(), pItem->height()));
}

// Where the text's glyphs are, in the item's coordinates.
QRectF paintedRect(const QQuickItem *pText)
{
    const qreal dWidth = pText->property("contentWidth").toReal();
    const qreal dHeight = pText->property("contentHeight").toReal();
    const int iHorizontal = pText->property("effectiveHorizontalAlignment").toInt();
    const int iVertical = pText->property("verticalAlignment").toInt();
    qreal x = 0;
    if (iHorizontal & c_iAlignRight)
        x = pText->width() - dWidth;
    else if (iHorizontal & c_iAlignHCenter)
        x = (pText->width() - dWidth) / 2;
    qreal y = 0;
    if (iVertical & c_iAlignBottom)
        y = pText->height() - dHeight;
    else if (iVertical & c_iAlignVCenter)
        y = (pText->height() - dHeight) / 2;
    return QRectF(x, y, dWidth, dHeight);
}

QString shownText(const QQuickItem *pText)
{
    const QString strText = pText->property("text").toString();
    if (pText->property("textFormat").toInt() == Qt::PlainText)
        return strText;
    return QTextDocumentFragment::fromHtml(strText).toPlainText();
}

QString describe(const QQuickItem *pItem)
{
    QString strName = pItem->objectName();
    if (strName.isEmpty())
        strName = QString::fromLatin1(pItem->metaObject()->className()).section('_', 0, 0);
    if (isText(pItem))
        strName += QStringLiteral(" \"") + shownText(pItem).left(50) + QLatin1Char('"');
    return strName;
}

QString describe(const QRectF &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
            .arg(rect.x(), 0, 'f', 1)
            .arg(rect.y(), 0, 'f', 1)
            .arg(rect.width(), 0, 'f', 1)
            .arg(rect.height(), 0, 'f', 1);
}

bool contains(const QRectF &outer, const QRectF &inner)
{
    return inner.left() >= outer.left() - c_dSlack && inner.right() <= outer.right() + c_dSlack
            && inner.top() >= outer.top() - c_dSlack && inner.bottom() <= outer.bottom() + c_dSlack;
}

// A thing that must not overlap others of its panel.
struct Shape
{
    const QQuickItem *pItem;
    QRectF rect;
    const QQuickItem *pPanel;
    bool bText;
    bool bControl;
};

class Inspection
{
public:
    explicit Inspection(QQuickWindow *window)
        : m_pRoot(window->contentItem())
        , m_window(0, 0, window->width(), window->height())
    { }

    void inspect(QQuickItem *pItem)
    {
        for (QQuickItem *pChild : pItem->childItems()) {
            if (!isShown(pChild))
                continue;
            if (isText(pChild))
                inspectText(pChild);
            else if (isControl(pChild) || isIcon(pChild) || paintsBackground(pChild))
                addShape(pChild, sceneRect(pChild), false);
            inspect(pChild);
        }
    }

    void findOverlaps()
    {
        for (int i = 0; i < m_lstShapes.size(); ++i) {
            for (int j = i + 1; j < m_lstShapes.size(); ++j) {
                const Shape &a = m_lstShapes.at(i);
                const Shape &b = m_lstShapes.at(j);
                if (a.pPanel != b.pPanel || !(a.bText || b.bText || (a.bControl && b.bControl))
                    || isAncestor(a.pItem, b.pItem) || isAncestor(b.pItem, a.pItem))
                    continue;
                const QRectF overlap = a.rect.intersected(b.rect);
                if (overlap.width() > c_dSlack && overlap.height() > c_dSlack)
                    m_lstFaults << describe(a.pItem) + QStringLiteral(" overlaps ")
                                    + describe(b.pItem) + QStringLiteral(" at ")
                                    + describe(overlap);
            }
        }
    }

    QString faults() const { return m_lstFaults.join(QLatin1Char('\n')); }

private:
    // The nearest item behind it that paints a background, or the window's.
    const QQuickItem *panelOf(const QQuickItem *pItem) const
    {
        for (const QQuickItem *p = pItem->parentItem(); p; p = p->parentItem()) {
            if (paintsBackground(p))
                return p;
        }
        return m_pRoot;
    }

    static const QQuickItem *flickableOf(const QQuickItem *pItem)
    {
        for (const QQuickItem *p = pItem->parentItem(); p; p = p->parentItem()) {
            if (p->inherits("QQuickFlickable"))
                return p;
        }
        return nullptr;
    }

    // The part of the window in which the item can be seen: the views of the lists it scrolls
    // in and the items that clip it.
    QRectF viewOf(const QQuickItem *pItem, bool *pbScrolls = nullptr) const
    {
        QRectF view = m_window;
        for (const QQuickItem *p = pItem->parentItem(); p; p = p->parentItem()) {
            if (p->inherits("QQuickFlickable")) {
                view = view.intersected(sceneRect(p));
                if (pbScrolls)
                    *pbScrolls = true;
            }
        }
        return view;
    }

    void inspectText(QQuickItem *pText)
    {
        if (shownText(pText).trimmed().isEmpty())
            return;
        const QString strText = describe(pText);
        const QRectF painted = pText->mapRectToScene(paintedRect(pText));
        if (pText->property("truncated").toBool())
            m_lstFaults << strText + QStringLiteral(" is elided");

        // Cut by a clipping item; within a list only across, since it scrolls along.
        bool bScrolls = false;
        viewOf(pText, &bScrolls);
        for (const QQuickItem *p = pText; p; p = p->parentItem()) {
            if (!p->clip() || p->inherits("QQuickFlickable")
                || (p->parentItem() && p->parentItem()->inherits("QQuickFlickable")))
                continue;
            if (!contains(sceneRect(p), painted))
                m_lstFaults << strText + QStringLiteral(" is cut by ") + describe(p) + " at "
                                + describe(painted);
        }
        const QQuickItem *pPanel = panelOf(pText);
        const QRectF panel = pPanel == m_pRoot ? m_window : sceneRect(pPanel);
        // A panel out of the window (the carousel's next image) is not shown.
        if (!panel.intersects(m_window))
            return;
        // A panel around the list the text scrolls in holds it across only.
        QRectF held = painted;
        if (bScrolls && isAncestor(pPanel, flickableOf(pText))) {
            held.setTop(panel.top());
            held.setBottom(panel.top());
        }
        if (!contains(panel, held) || (!bScrolls && !contains(m_window, painted)))
            m_lstFaults << strText + QStringLiteral(" at ") + describe(painted)
                            + QStringLiteral(" leaves ")
                            + (pPanel == m_pRoot ? QStringLiteral("the window") : describe(pPanel))
                            + QStringLiteral(" at ") + describe(panel);
        addShape(pText, painted, true);
    }

    void addShape(const QQuickItem *pItem, const QRectF &rect, bool bText)
    {
        const QRectF inView = rect.intersected(viewOf(pItem));
        if (inView.isEmpty())
            return;
        m_lstShapes << Shape {pItem, inView, panelOf(pItem), bText, isControl(pItem)};
    }

    const QQuickItem *m_pRoot;
    const QRectF m_window;
    QList<Shape> m_lstShapes;
    QStringList m_lstFaults;
};

// Each shown text below an item, with its text laid out as one line in its own font.
void forEachShownText(
        QQuickItem *pItem,
        const std::function<void(QQuickItem *, const QString &, const QTextLayout &)> &visit)
{
    for (QQuickItem *pChild : pItem->childItems()) {
        if (!isShown(pChild))
            continue;
        if (isText(pChild)) {
            const QString strText = shownText(pChild);
            QTextLayout layout(strText, pChild->property("font").value<QFont>());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            visit(pChild, strText, layout);
        }
        forEachShownText(pChild, visit);
    }
}

} // namespace

QString layoutFaults(QQuickWindow *window)
{
    Inspection inspection(window);
    inspection.inspect(window->contentItem());
    inspection.findOverlaps();
    return inspection.faults();
}

QString missingGlyphs(QQuickWindow *window)
{
    QStringList lstFaults;
    forEachShownText(window->contentItem(),
                     [&](QQuickItem *pText, const QString &, const QTextLayout &layout) {
                         for (const QGlyphRun &run : layout.glyphRuns()) {
                             if (run.glyphIndexes().contains(0))
                                 lstFaults << describe(pText) + QStringLiteral(": no glyphs in ")
                                                 + run.rawFont().familyName();
                         }
                     });
    return lstFaults.join(QLatin1Char('\n'));
}

QString lettersInOtherFonts(QQuickWindow *window, const QList<QChar::Script> &lstScripts,
                            const QString &strFamily)
{
    QStringList lstFaults;
    forEachShownText(window->contentItem(),
                     [&](QQuickItem *pText, const QString &strText, const QTextLayout &layout) {
                         for (int i = 0; i < strText.size(); ++i) {
                             if (!lstScripts.contains(strText.at(i).script()))
                                 continue;
                             const QList<QGlyphRun> lstRuns = layout.glyphRuns(i, 1);
                             const QString strDrawnBy = lstRuns.isEmpty()
                                     ? QString()
                                     : lstRuns.first().rawFont().familyName();
                             if (strDrawnBy.compare(strFamily, Qt::CaseInsensitive) != 0) {
                                 lstFaults << describe(pText) + QStringLiteral(": ") + strText.at(i)
                                                 + QStringLiteral(" drawn by ") + strDrawnBy;
                                 return;
                             }
                         }
                     });
    return lstFaults.join(QLatin1Char('\n'));
}
