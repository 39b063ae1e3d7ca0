import QtQuick 2.12

// A selectable driver tile: the driver's name and version, a green check mark while selected,
// and a tooltip. A click only reports itself (buttonClicked); the page that owns the tile
// changes bChecked.
Rectangle {
    id: tile

    property bool bChecked: true
    property string strDriverName: ""
    property string strDriverVersion: ""
    property string strToolTip: ""
    property string strDropShadowColor: "#423d39"
    property string strDriverVersionColor: "#808080"
    property string strBorderColor: "#383838"

    // A name too long for one line wraps into two, so it starts higher and pushes the version
    // down.
    readonly property bool bLongName: driverName.lineCount > 1

    signal buttonClicked()

    // The name and version come from the package description and the registry: they are shown
    // as text, never as markup. The name is styled text only for its line breaks.
    function styledTextOf(strText) {
        return strText.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
                      .replace(/\n/g, "<br>")
    }

    color: g_strFooterBorderColor
    radius: 5
    border.width: 3
    border.color: bChecked ? g_strGreenColor : strBorderColor
    opacity: bChecked ? 1 : 0.8
    activeFocusOnTab: true

    Keys.onPressed: {
        if (event.key === Qt.Key_Space) {
            event.accepted = true
            buttonClicked()
        }
    }

    // Shader effects are drawn only with OpenGL; elsewhere the tile goes without its shadow.
    layer.enabled: GraphicsInfo.api === GraphicsInfo.OpenGL
    // The effect comes from a file of its own, so that the effects module loads only there; the
    // item owns the component.
    layer.effect: layer.enabled ? Qt.createComponent("TileShadow.qml", Component.PreferSynchronous,
                                                     tile)
                                : null

    Accessible.role: Accessible.Button
    Accessible.checkable: true
    Accessible.checked: bChecked
    // A hidden tile takes no press, from a screen reader as from the pointer.
    Accessible.onPressAction: if (enabled && visible) buttonClicked()

    // At most two lines, in a smaller size where the name needs more; clear of the check mark.
    AccessibleText {
        id: driverName
        objectName: "driverName"
        anchors.left: parent.left
        anchors.leftMargin: 30
        y: bLongName ? 22 : 30
        width: Math.min(280, parent.width - 30 - checkMark.width - 8)
        height: Math.min(2 * nameLine.implicitHeight,
                         parent.height - 22 - driverVersion.implicitHeight - 4)
        text: styledTextOf(strDriverName)
        textFormat: Text.StyledText
        Accessible.name: strDriverName
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 12
        font.pixelSize: 18
        font.bold: false
        font.family: fontKlavikaMedium.name
    }

    // One line of the name, as tall as the fonts that draw it make it (taller in Chinese,
    // Japanese or Korean than in the bundled face): the name has room for two such lines, or
    // for what the tile leaves above its version.
    Text {
        id: nameLine
        visible: false
        text: driverName.text
        textFormat: Text.StyledText
        font: driverName.font
    }

    // Below the name's last line, where a script's taller lines put it.
    AccessibleText {
        id: driverVersion
        objectName: "driverVersion"
        anchors.left: parent.left
        anchors.leftMargin: 30
        y: driverName.y + Math.max(bLongName ? 42 : 25, driverName.contentHeight)
        text: strDriverVersion
        textFormat: Text.PlainText
        color: strDriverVersionColor
        font.pointSize: 9
        visible: text.length > 0
        Accessible.name: strDriverName + " " + strDriverVersion
        Accessible.description: strDriverName + " " + strDriverVersion
    }

    // The check mark: only its top-right and bottom-left corners are rounded, the two others
    // are squared off by two half-size squares.
    Rectangle {
        id: checkMark
        objectName: "checkMark"
        anchors.top: parent.top
        anchors.right: parent.right
        width: 32
        height: 32
        radius: 4
        color: g_strGreenColor
        visible: bChecked

        Rectangle {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: 16
            height: 16
            color: g_strGreenColor
        }

        Rectangle {
            anchors.left: parent.left
            anchors.top: parent.top
            width: 16
            height: 16
            color: g_strGreenColor
        }

        Image {
            anchors.centerIn: parent
            width: 16
            height: 16
            source: "qrc:/img/check-icon.png"
        }
    }

    FocusFrame {
        iOutset: 3
        radius: 7
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onClicked: buttonClicked()
        onEntered: {
            baseToolTip.tooltip = strToolTip
            baseToolTip.showtt()
        }
        onExited: baseToolTip.hidett()
    }
}
