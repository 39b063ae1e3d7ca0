import QtQuick 2.12
import QtQuick.Window 2.2

// Fills a window and scales its children by the window's DPI factor; the children are laid
// out in unscaled units. A maximised window keeps a margin of 8 on every side.
Item {
    id: dpiRoot
    objectName: "dpiRoot"

    property var window
    property real dpi: 1
    readonly property real margin: window && window.visibility === Window.Maximized ? 8 : 0

    x: margin
    y: margin
    width: window ? (window.width - 2 * margin) / dpi : 0
    height: window ? (window.height - 2 * margin) / dpi : 0
    scale: dpi
    transformOrigin: Item.TopLeft
}
