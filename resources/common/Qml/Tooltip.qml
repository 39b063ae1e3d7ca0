import QtQuick 2.12
import QtQuick.Window 2.2

// The one tooltip of a window, a pop-up window of its own. Controls set `tooltip`, then call
// showtt() when the pointer enters them and hidett() when it leaves; the tip shows after the
// pointer has rested 800 ms, beside the cursor and inside the available desktop.
Window {
    id: tooltipWindow

    property string tooltip: ""
    property real windowDPI: 1
    // What Qt's own high-DPI scaling already applies; the tip scales by the rest only.
    property real dQtScale: Screen.devicePixelRatio
    readonly property real dScale: windowDPI / Math.max(1, dQtScale)
    // The widest of the text's lines, unwrapped.
    readonly property real dWidestLine: {
        var dWidest = 0
        var lines = tooltip.split("\n")
        for (var i = 0; i < lines.length; ++i)
            dWidest = Math.max(dWidest, metrics.advanceWidth(lines[i]))
        return dWidest
    }

    function showtt() {
        if (tooltip.length === 0) {
            hidett()
            return
        }
        delay.restart()
    }

    function hidett() {
        delay.stop()
        visible = false
    }

    // Places the tip beside the point (x, y), within the available desktop, and shows it.
    function popup(x, y) {
        var left = x + 8
        if (left + width > g_iScreenWidth)
            left = x + 8 - width - 10
        var top = y + 24
        if (top + height > g_iScreenHeight)
            top = g_iScreenHeight - height - 5
        tooltipWindow.x = left
        tooltipWindow.y = top
        show()
    }

    flags: Qt.Popup
    visible: false
    color: g_strTextColor
    width: box.width * dScale
    height: box.height * dScale

    FontMetrics {
        id: metrics
        font: label.font
    }

    Timer {
        id: delay
        interval: 800
        onTriggered: popup(mainWindow.getMouseX(), mainWindow.getMouseY())
    }

    DPIScale {
        window: tooltipWindow
        dpi: dScale

        Rectangle {
            id: box
            objectName: "tooltipBox"
            width: label.width + 8
            height: label.height + 8
            color: g_strTextColor

            AccessibleText {
                id: label
                objectName: "tooltipLabel"
                anchors.centerIn: parent
                width: Math.min(Math.ceil(dWidestLine), 400) + 1
                text: tooltip
                textFormat: Text.PlainText
                color: "black"
                font.pixelSize: 12
                wrapMode: Text.WordWrap
            }
        }
    }
}
