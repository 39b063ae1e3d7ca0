import QtQuick 2.12

// The progress footer of a run: a track with a block sweeping to and fro until the run is
// complete, and a caption. While a run is in progress its timer tells the window once a
// second (progressBarTriggered), which polls the run. The percentage is kept but not shown.
Rectangle {
    id: customProgressBar

    property string strDisplayText: ""
    property alias progressTimer: progressTimer
    property alias progressControl: progressControl

    color: g_strTransparentColor

    Rectangle {
        id: track
        width: parent.width
        height: 8
        color: g_strFooterBorderColor
    }

    // The gradient runs along the block: over 250 x 8 pixels a diagonal one looks the same.
    Rectangle {
        id: sweepingBlock
        objectName: "sweepingBlock"
        width: 250
        height: track.height
        visible: !g_bInstallcomplete
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: "#19A01B" }
            GradientStop { position: 0.3; color: "#146A16" }
            GradientStop { position: 0.6; color: "#146A16" }
            GradientStop { position: 1.0; color: "#19A01B" }
        }

        // From the side where the reading starts: the right in a mirrored window.
        readonly property real dStart: LayoutMirroring.enabled ? g_iAppWidth - width : 0
        readonly property real dEnd: LayoutMirroring.enabled ? 0 : g_iAppWidth - width

        SequentialAnimation on x {
            running: sweepingBlock.visible
            loops: Animation.Infinite
            NumberAnimation {
                from: sweepingBlock.dStart
                to: sweepingBlock.dEnd
                duration: 1000
                easing.type: Easing.InOutQuad
            }
            NumberAnimation {
                from: sweepingBlock.dEnd
                to: sweepingBlock.dStart
                duration: 1000
                easing.type: Easing.InOutQuad
            }
        }
    }

    Item {
        id: progressControl
        objectName: "progressControl"

        readonly property real value: Math.max(0, Math.min(progressValue, 100))

        width: parent.width
        height: track.height
        visible: false

        Rectangle {
            anchors.left: parent.left
            width: parent.width * parent.value / 100
            height: parent.height
            radius: 2
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0.0; color: "#146A16" }
                GradientStop { position: 0.6; color: "#19A01B" }
            }
        }
    }

    // Two lines, or a smaller size, where a language needs them.
    AccessibleText {
        id: caption
        objectName: "progressCaption"
        anchors.left: parent.left
        anchors.leftMargin: 20
        y: track.height + 25
        width: parent.width - 40
        height: parent.height - y - 2
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 9
        text: strDisplayText
        font.pixelSize: 16
    }

    AccessibleText {
        objectName: "progressPercentage"
        visible: false
        text: progressValue + "%"
    }

    Timer {
        id: progressTimer
        interval: 1000
        repeat: true
        running: bInstallClicked
        onTriggered: mainWindow.progressBarTriggered()
    }
}
