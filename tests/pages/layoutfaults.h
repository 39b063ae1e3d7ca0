#ifndef LAYOUTFAULTS_H
#define LAYOUTFAULTS_H

#include <QQuickWindow>
#include <QString>

// What is wrong with the texts the window shows, one fault a line; empty when nothing is. A
// text is at fault when it is elided, cut by an item that clips it, reaches past the window or
// its panel (the nearest item behind it that paints a background: a button, a box, a footer, a
// tile), or overlaps another text, icon, button, tile or painted box of the same panel. Items
// scrolled out of a list's view count only with what remains in view.
QString layoutFaults(QQuickWindow *window);

// The window's visible texts whose fonts have no glyph for some of their characters (drawn as
// empty boxes), one a line; empty when every character is drawn.
QString missingGlyphs(QQuickWindow *window);

// The window's visible texts whose letters of these scripts are drawn by another font than
// that family, one a line; empty when that family draws every one.
QString lettersInOtherFonts(QQuickWindow *window, const QList<QChar::Script> &lstScripts,
                            const QString &strFamily);

#endif // LAYOUTFAULTS_H
