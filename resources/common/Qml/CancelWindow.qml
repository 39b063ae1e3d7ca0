import QtQuick 2.12

// The quit confirmation: asks whether to quit, and answers through the window's noClicked()
// and yesQuitClicked(). The box grows with its texts where a language needs more room.
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
        width: Math.min(cancelPanel.width - 40, Math.max(507, buttonRow.width + 40))
        height: Math.max(205, buttonRow.y + buttonRow.height + 22)
        anchors.centerIn: parent
        color: "#282828"
        radius: 3

        AccessibleText {
            id: cancelHeading
            objectName: "cancelHeading"
            y: 30
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: 24
            font.family: fontKlavikaMedium.name
            //: The quit confirmation's heading.
            text: qsTr("Cancel Installation")
        }

        AccessibleText {
            id: cancelQuestion
            objectName: "cancelQuestion"
            anchors.top: cancelHeading.bottom
            anchors.topMargin: 35
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: 16
            //: The quit confirmation's question. %1 is the product, "Zorva Chipset Software
            //: Installer" or "Zorva Software Installer".
            text: qsTr("Are you sure you want to quit the %1 ?").arg(g_strProductName)
        }

        Row {
            id: buttonRow
            anchors.top: cancelQuestion.bottom
            anchors.topMargin: 30
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15

            SquareButton {
                id: noButton
                objectName: "noButton"
                iMinimumWidth: 145
                height: 40
                strButtonColor: g_strCancelButtonColor
                //: Answers the quit confirmation: go on with the installation.
                strButtonText: qsTr("No")
                onButtonClicked: mainWindow.noClicked()
                //: Screen-reader name of the quit confirmation's No button: its caption.
                Accessible.name: qsTr("noButton")
                //: Screen-reader description of the No button of the quit confirmation.
                Accessible.description: qsTr("Doesn't terminate installer")
            }

            SquareButton {
                id: yesButton
                objectName: "yesButton"
                iMinimumWidth: 145
                height: 40
                strButtonColor: g_strGreenColor
                //: Answers the quit confirmation: end the installer.
                strButtonText: qsTr("Yes, Quit")
                onButtonClicked: mainWindow.yesQuitClicked()
                //: Screen-reader name of the quit confirmation's "Yes, Quit" button: its caption.
                Accessible.name: qsTr("yesButton")
                //: Screen-reader description of the "Yes, Quit" button of the quit confirmation.
                Accessible.description: qsTr("Terminates installer window")
            }
        }
    }
}
