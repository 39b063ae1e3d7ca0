#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

// Where a window goes that is asked to stand at a position (x, y): there, as long as its header,
// by which the user moves it, shows on one of the screens' available areas; otherwise inside the
// area nearest to that position, wholly where it fits (its top-left corner inside where the
// window is larger than the area). No areas: the position as asked.
QPoint placeOnScreens(int x, int y, const QSize &size, const QVector<QRect> &areas);

// The available areas (without task bars) of the system's screens.
QVector<QRect> availableScreenAreas();

#endif // WINDOWPLACEMENT_H
