import QtQuick 2.12
import QtGraphicalEffects 1.12

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

    // Drawn behind the icon, so that the icon shows where shader effects are not drawn.
    Glow {
        id: glow
        anchors.fill: iconImage
        source: iconImage
        radius: glowValue
        samples: 40
        color: "#40ffffff"
        transparentBorder: true
        rotation: iconRotation
        visible: GraphicsInfo.api === GraphicsInfo.OpenGL
    }

    Image {
        id: iconImage
        anchors.centerIn: parent
        width: iconWidth
        height: iconHeight
        rotation: iconRotation
        source: icon
        fillMode: Image.PreserveAspectFit
    }

    ColorOverlay {
        anchors.fill: iconImage
        source: iconImage
        color: overlayColor
        rotation: iconRotation
        visible: colorOverlay && GraphicsInfo.api === GraphicsInfo.OpenGL
    }

    states: [
        State {
            name: "mouse-pressed"
            when: isButtonPressed
            PropertyChanges { target: glow; color: "#00ffffff" }
        },
        State {
            name: "mouse-over"
            when: isButtonHover
            PropertyChanges { target: glow; color: "#ffffff" }
        },
        State {
            name: "focused"
            when: customButton.activeFocus
            PropertyChanges { target: glow; color: "#ffffff" }
        }
    ]

    transitions: Transition {
        ColorAnimation {
            target: glow
            property: "color"
            easing.type: Easing.InOutQuad
            duration: quickAnimationDuration
        }
    }
}
