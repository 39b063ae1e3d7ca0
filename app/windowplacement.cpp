#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {
// The header strip at the top of both windows, which the user drags them by.
constexpr qint64 c_iHeaderHeight = 32;

// The nearest value to v in [low, high]; low where the range is empty.
qint64 clamped(qint64 v, qint64 low, qint64 high)
{
    return std::max(low, std::min(v, std::max(low, high)));
}
} // namespace

QPoint placeOnScreens(int x, int y, const QSize &size, const QVector<QRect> &areas)
{
    // In 64 bits: a parent may send any 32-bit position, and the window's far edge beyond it.
    const qint64 iRight = qint64(x) + std::max(size.width(), 1);
    const qint64 iHeaderBottom
            = qint64(y) + std::min<qint64>(std::max(size.height(), 1), c_iHeaderHeight);
    QPoint nearest(x, y);
    qint64 iNearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &area : areas) {
        if (area.isEmpty())
            continue;
        const qint64 iAreaRight = qint64(area.left()) + area.width();
        const qint64 iAreaBottom = qint64(area.top()) + area.height();
        if (x < iAreaRight && iRight > area.left() && y < iAreaBottom && iHeaderBottom > area.top())
            return QPoint(x, y);
        const qint64 iX = clamped(x, area.left(), iAreaRight - size.width());
        const qint64 iY = clamped(y, area.top(), iAreaBottom - size.height());
        const qint64 iDistance = std::abs(iX - x) + std::abs(iY - y);
        if (iDistance < iNearestDistance) {
            iNearestDistance = iDistance;
            nearest = QPoint(int(iX), int(iY));
        }
    }
    return nearest;
}

QVector<QRect> availableScreenAreas()
{
    QVector<QRect> areas;
    for (const QScreen *pScreen : QGuiApplication::screens())
        areas.append(pScreen->availableGeometry());
    return areas;
}
