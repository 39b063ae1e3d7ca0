import QtQuick 2.12

// A focus-aware button base: pointer, touch and key handling, hover and focus state, the
// window's shared tooltip, and an optional exclusive group. Children go into an inner
// container that fills the button.
FocusScope {
    id: basicButton

    default property alias content: container.data

    property bool isButtonPressed: false
    property bool isButtonEntered: false
    property bool isButtonTouchPressed: false
    property bool isButtonHover: enabled && isButtonEntered
                                 && !(isButtonPressed || isButtonTouchPressed)
    property bool isBtnHover: false
    property bool isBtnKeyHover: false
    property string strFocusColor: "#f8ffffff"
    property bool checked: false
    // A QtQuick.Controls 1 ExclusiveGroup; typed as an object, so that the program does not load
    // that module for a type it never sets.
    property QtObject exclusiveGroup: null
    property string tooltip: ""
    property bool focusOnMouseClick: true
    property alias cursorShape: mouseArea.cursorShape
    property alias propagateComposedMouseEvents: mouseArea.propagateComposedEvents

    signal buttonClicked()
    signal buttonPressed()
    signal buttonReleased()
    signal buttonEntered()
    signal buttonExited()

    function click() {
        if (focusOnMouseClick)
            forceActiveFocus()
        checked = exclusiveGroup ? true : !checked
        buttonClicked()
    }

    onExclusiveGroupChanged: {
        if (exclusiveGroup)
            exclusiveGroup.bindCheckable(basicButton)
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || event.key === Qt.Key_Space) {
            event.accepted = true
            click()
        }
    }

    Accessible.role: Accessible.Button
    // A hidden or disabled button takes no press, from a screen reader as from the pointer.
    Accessible.onPressAction: if (enabled && visible) click()

    Rectangle {
        anchors.fill: parent
        color: g_strHoverColor
        visible: isBtnKeyHover
    }

    Item {
        id: container
        anchors.fill: parent
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: strFocusColor
        opacity: 0.5
        visible: basicButton.activeFocus && g_bShowFocus
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true

        function fromTouch(mouse) {
            return mouse.source === Qt.MouseEventSynthesizedByQt
        }

        onClicked: {
            mouse.accepted = !propagateComposedEvents
            basicButton.click()
        }
        onPressed: {
            isButtonPressed = true
            if (fromTouch(mouse)) {
                isButtonTouchPressed = true
                isButtonEntered = true
            }
            buttonPressed()
        }
        onReleased: {
            isButtonPressed = false
            isButtonEntered = false
            if (fromTouch(mouse))
                isButtonTouchPressed = false
            buttonReleased()
        }
        onEntered: {
            if (!pressed)
                isButtonEntered = true
            baseToolTip.tooltip = tooltip
            baseToolTip.showtt()
            buttonEntered()
        }
        onExited: {
            isButtonEntered = false
            isBtnHover = false
            buttonExited()
            baseToolTip.hidett()
        }
        onCanceled: baseToolTip.hidett()
    }
}
