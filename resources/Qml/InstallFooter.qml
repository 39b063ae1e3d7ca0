import QtQuick 2.12
import "../common/Qml"

// The install page's footer in normal mode: Cancel, the licence notice, which opens the
// licence page wherever it is clicked, and Install.
Item {
    id: installFooter

    signal cancelPressed()
    signal eulaPressed()
    signal installPressed()

    property alias installButton: installButton

    SquareButton {
        id: cancelButton
        objectName: "cancelButton"
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        strButtonColor: g_strCancelButtonColor
        //: Button: leaves the installer (after asking).
        strButtonText: qsTr("Cancel")
        strToolTip: strButtonText
        onButtonClicked: cancelPressed()
        //: Screen-reader name of the install page's Cancel button: its caption.
        Accessible.name: qsTr("CancelButton")
        //: Screen-reader description of the install page's Cancel button.
        Accessible.description: qsTr("shows cancel window pop-up")
    }

    // Centred between Cancel and Install, with 16 pixels on each side of the wider one.
    Item {
        id: recEula
        objectName: "recEula"
        width: Math.min(543, parent.width - 2 * (16 + Math.max(cancelButton.width,
                                                                  installButton.width) + 16))
        height: parent.height - 10
        anchors.centerIn: parent

        Accessible.role: Accessible.Button
        //: Screen-reader name of the licence notice, which opens the licence agreement: the
        //: agreement's name.
        Accessible.name: qsTr("DisplayEula")
        //: Screen-reader description of the licence notice.
        Accessible.description: qsTr("displays Chipset Driver End User License Agreement")
        Accessible.onPressAction: if (enabled && visible) eulaPressed()
        activeFocusOnTab: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                    || event.key === Qt.Key_Space) {
                event.accepted = true
                eulaPressed()
            }
        }

        FocusFrame {}

        LicenceNotice {
            objectName: "eulaNotice"
            anchors.fill: parent
            horizontalAlignment: Text.AlignHCenter
            strInstall: installButton.strButtonText
            //: The name of the chipset drivers' licence agreement, in the licence notice.
            strAgreement: qsTr("Zorva Chipset Driver End User License Agreement")
        }

        MouseArea {
            objectName: "eulaArea"
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: eulaPressed()
        }
    }

    SquareButton {
        id: installButton
        objectName: "installButton"
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        enabled: bDisableButton
        opacity: enabled ? 1 : 0.4
        strButtonColor: g_strGreenColor
        //: Button: installs the selected drivers.
        strButtonText: qsTr("Install")
        strToolTip: strButtonText
        onButtonClicked: installPressed()
        //: Screen-reader name of the install page's Install button: its caption.
        Accessible.name: qsTr("ComponentInstallation")
        //: Screen-reader description of the install page's Install button.
        Accessible.description: qsTr("Setup will Install the selected components from the window")
    }
}
