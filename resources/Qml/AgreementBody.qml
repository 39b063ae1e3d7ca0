import QtQuick 2.12
import "../common/Qml"

// A paragraph of a licence agreement. A link in it is drawn in yellow and opens in the
// default browser; the pointer turns into a pointing hand only over the link.
AccessibleText {
    id: body

    anchors.horizontalCenter: parent.horizontalCenter
    width: parent.width - 60
    wrapMode: Text.WordWrap
    horizontalAlignment: Text.AlignJustify
    color: "#7f7f7f"
    linkColor: "yellow"
    // The pages' own face at a size read comfortably, with room between the lines: the
    // system's default face has neither the glyphs' look nor a fixed height on every system.
    font.pixelSize: 14
    lineHeight: 1.25
    textFormat: Text.PlainText
    onLinkActivated: Qt.openUrlExternally(link)

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: body.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
    }
}
