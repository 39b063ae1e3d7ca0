import QtQuick 2.12

// The flat button of every footer: a coloured box with a centred caption and a tooltip.
Rectangle {
    id: squareButton

    property string strButtonColor: ""
    property string strButtonText: ""
    property string strToolTip: ""
    property string strDropShadowColor: "#00000080"

    signal buttonClicked()

    width: 75
    height: 45
    radius: 2
    color: strButtonColor
    border.width: 1
    border.color: activeFocus && g_bShowFocus ? g_strFocusColor : "transparent"
    activeFocusOnTab: true

    Keys.onPressed: {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || event.key === Qt.Key_Space) {
            event.accepted = true
            buttonClicked()
        }
    }

    // Shader effects are drawn only with OpenGL; elsewhere the button is drawn plain, which
    // looks the same while the shadow colour stays transparent.
    layer.enabled: GraphicsInfo.api === GraphicsInfo.OpenGL
    // The effect comes from a file of its own, so that the effects module loads only there; the
    // item owns the component.
    layer.effect: layer.enabled ? Qt.createComponent("ButtonShadow.qml", Component.PreferSynchronous,
                                                     squareButton)
                                : null

    Accessible.role: Accessible.Button
    // A hidden or disabled button takes no press, from a screen reader as from the pointer.
    Accessible.onPressAction: if (enabled && visible) buttonClicked()

    AccessibleText {
        anchors.centerIn: parent
        text: strButtonText
        font.pixelSize: 14
        font.family: fontKlavikaMedium.name
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
