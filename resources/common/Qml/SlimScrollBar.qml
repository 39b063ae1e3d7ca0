import QtQuick 2.12
import QtQuick.Templates 2.5 as T

// A scroll bar drawn as Qt Quick Controls' default style draws it (a slim rounded handle that
// shows while the bar is active or always on, and fades after it), on the controls' templates
// alone: the pages then do without the styled controls module, which is slow to load.
T.ScrollBar {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 2
    visible: policy !== T.ScrollBar.AlwaysOff
    minimumSize: orientation === Qt.Horizontal ? height / width : width / height

    contentItem: Rectangle {
        implicitWidth: control.interactive ? 6 : 2
        implicitHeight: control.interactive ? 6 : 2
        radius: width / 2
        color: control.pressed ? "#353637" : "#bdbdbd"
        opacity: 0.0

        states: State {
            name: "active"
            when: control.policy === T.ScrollBar.AlwaysOn || (control.active && control.size < 1.0)
            PropertyChanges { target: control.contentItem; opacity: 0.75 }
        }

        transitions: Transition {
            from: "active"
            SequentialAnimation {
                PauseAnimation { duration: 450 }
                NumberAnimation {
                    target: control.contentItem
                    property: "opacity"
                    duration: 200
                    to: 0.0
                }
            }
        }
    }
}
