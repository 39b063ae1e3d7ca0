#ifndef PAGETILES_H
#define PAGETILES_H

#include "pagefixture.h"

#include <QColor>

// The driver tiles of a page ("install" or "uninstall") of a loaded main window.
class PageTiles
{
public:
    PageTiles(const PageFixture &page, const QString &strPage)
        : m_page(page)
        , m_strPage(strPage)
    { }

    QQuickItem *at(int iIndex) const
    {
        return m_page.item(m_strPage + QStringLiteral("/tile%1").arg(iIndex));
    }

    // What the tile shows of its state: "checked" (check mark, green border, opaque),
    // "clear" (no mark, grey border, 0.8 opaque) or "mixed".
    QString look(int iIndex) const
    {
        QQuickItem *pTile = at(iIndex);
        const bool bMark = m_page.item(pTile, QStringLiteral("checkMark"))->isVisible();
        const QColor border
                = pTile->property("border").value<QObject *>()->property("color").value<QColor>();
        if (bMark && border == QColor("#158717") && pTile->opacity() == 1.0)
            return QStringLiteral("checked");
        if (!bMark && border == QColor("#383838") && qFuzzyCompare(pTile->opacity(), 0.8))
            return QStringLiteral("clear");
        return QStringLiteral("mixed");
    }

    // The tile's position in the grid's own coordinates.
    QPointF cell(int iIndex) const { return QPointF(at(iIndex)->x(), at(iIndex)->y()); }

private:
    const PageFixture &m_page;
    QString m_strPage;
};

#endif // PAGETILES_H
