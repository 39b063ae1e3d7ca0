import QtQuick 2.12

// The flat button of every footer: a coloured box with a centred caption and a tooltip. It is
// as wide as its caption needs, from iMinimumWidth up to iMaximumWidth; past that the caption's
// font shrinks instead, so that no caption is ever cut.
Rectangle {
    id: squareButton

    property string strButtonColor: ""
    property string strButtonText: ""
    property string strToolTip: ""
    property string strDropShadowColor: "#00000080"
    property int iMinimumWidth: 75
    property int iMaximumWidth: 240
    // The room on each side of the caption.
    readonly property int iPadding: 12

    signal buttonClicked()

    width: Math.max(iMinimumWidth, Math.min(iMaximumWidth, Math.ceil(captionMetrics.advanceWidth)
                                                           + 2 * iPadding))
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

    TextMetrics {
        id: captionMetrics
        font: caption.font
        text: strButtonText
    }

    AccessibleText {
        id: caption
        anchors.centerIn: parent
        width: parent.width - 2 * iPadding
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 9
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
