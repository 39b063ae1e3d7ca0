import QtQuick 2.12

// Scrolls a flickable from the keyboard (the arrows, Page Up and Page Down, Home and End) and
// brings an item of its content into view.
QtObject {
    property Flickable flickable
    property real dStep: 40

    function maxY() {
        return Math.max(0, flickable.contentHeight - flickable.height)
    }

    function moveTo(dY) {
        flickable.contentY = Math.max(0, Math.min(maxY(), dY))
    }

    // Whether the key scrolls.
    function scroll(key) {
        var dPage = Math.max(dStep, flickable.height - dStep)
        switch (key) {
        case Qt.Key_Up: moveTo(flickable.contentY - dStep); return true
        case Qt.Key_Down: moveTo(flickable.contentY + dStep); return true
        case Qt.Key_PageUp: moveTo(flickable.contentY - dPage); return true
        case Qt.Key_PageDown: moveTo(flickable.contentY + dPage); return true
        case Qt.Key_Home: moveTo(0); return true
        case Qt.Key_End: moveTo(maxY()); return true
        }
        return false
    }

    function ensureVisible(item) {
        var top = item.mapToItem(flickable.contentItem, 0, 0).y
        if (top < flickable.contentY)
            moveTo(top - 10)
        else if (top + item.height > flickable.contentY + flickable.height)
            moveTo(top + item.height + 10 - flickable.height)
    }
}
