import QtQuick 2.12

// The quit confirmation: asks whether to quit, and answers through the window's noClicked()
// and yesQuitClicked().
Rectangle {
    id: cancelPanel

    // No takes the focus when the confirmation opens; Escape and Enter press it.
    property alias noButton: noButton

    color: g_strCancelWindowColor

    // Made only where OpenGL draws it; behind the box, which shows either way.
    Loader {
        anchors.fill: cancelBox
        active: GraphicsInfo.api === GraphicsInfo.OpenGL
        source: "PanelShadow.qml"
    }

    Rectangle {
        id: cancelBox
        objectName: "cancelBox"
        width: 507
        height: 205
        anchors.centerIn: parent
        color: "#282828"
        radius: 3

        AccessibleText {
            id: cancelHeading
            objectName: "cancelHeading"
            y: 30
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: 24
            font.family: fontKlavikaMedium.name
            text: qsTr("Cancel Installation")
        }

        AccessibleText {
            id: cancelQuestion
            objectName: "cancelQuestion"
            anchors.top: cancelHeading.bottom
            anchors.topMargin: 35
            anchors.horizontalCenter: parent.horizontalCenter
            font.pixelSize: 16
            text: qsTr("Are you sure you want to quit the ") + qsTr("Zorva ") + g_strTitleName + " ?"
        }

        Row {
            anchors.top: cancelQuestion.bottom
            anchors.topMargin: 30
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15

            SquareButton {
                id: noButton
                objectName: "noButton"
                width: 145
                height: 40
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("No")
                onButtonClicked: mainWindow.noClicked()
                Accessible.name: "noButton"
                Accessible.description: "Doesn't terminate installer"
            }

            SquareButton {
                id: yesButton
                objectName: "yesButton"
                width: 145
                height: 40
                strButtonColor: g_strGreenColor
                strButtonText: qsTr("Yes, Quit")
                onButtonClicked: mainWindow.yesQuitClicked()
                Accessible.name: "yesButton"
                Accessible.description: "Terminates installer window"
            }
        }
    }
}
