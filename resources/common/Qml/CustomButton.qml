import QtQuick 2.12

// An icon button: an icon with a glow that brightens while hovered or focused and fades
// while pressed, an optional tint, and a background that lightens while hovered.
BasicButton {
    id: customButton

    property url icon
    property real iconWidth: width - glowValue
    property real iconHeight: height - glowValue
    property real iconRotation: 0
    property string bgColor: "transparent"
    property string bgHoverColor: "#10ffffff"
    property bool colorOverlay: false
    property string overlayColor: ""
    property int glowValue: 15
    property int quickAnimationDuration: 100

    activeFocusOnTab: true

    Rectangle {
        anchors.fill: parent
        color: isButtonHover ? bgHoverColor : bgColor
    }

    Rectangle {
        anchors.fill: parent
        color: g_strHoverColor
        visible: isBtnHover
    }

    // The glow's colour, which follows the button's state.
    property string glowColor: "#40ffffff"

    // Shader effects are made only where OpenGL draws them; the glow lies behind the icon, so
    // that the icon shows either way.
    Loader {
        anchors.fill: iconImage
        active: GraphicsInfo.api === GraphicsInfo.OpenGL
        source: "IconGlow.qml"
    }

    Image {
        id: iconImage
        objectName: "iconImage"
        anchors.centerIn: parent
        width: iconWidth
        height: iconHeight
        rotation: iconRotation
        source: icon
        fillMode: Image.PreserveAspectFit
    }

    Loader {
        anchors.fill: iconImage
        active: colorOverlay && GraphicsInfo.api === GraphicsInfo.OpenGL
        source: "IconTint.qml"
    }

    states: [
        State {
            name: "mouse-pressed"
            when: isButtonPressed
            PropertyChanges { target: customButton; glowColor: "#00ffffff" }
        },
        State {
            name: "mouse-over"
            when: isButtonHover
            PropertyChanges { target: customButton; glowColor: "#ffffff" }
        },
        State {
            name: "focused"
            when: customButton.activeFocus
            PropertyChanges { target: customButton; glowColor: "#ffffff" }
        }
    ]

    transitions: Transition {
        ColorAnimation {
            target: customButton
            property: "glowColor"
            easing.type: Easing.InOutQuad
            duration: quickAnimationDuration
        }
    }
}
