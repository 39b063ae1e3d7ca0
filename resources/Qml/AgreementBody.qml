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
    font.pixelSize: 12
    font.family: Qt.application.font.family
    textFormat: Text.PlainText
    onLinkActivated: Qt.openUrlExternally(link)

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: body.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
    }
}
