import QtQuick 2.12
import "../common/Qml"

// The error panel: nothing is offered to install or to uninstall on this machine, or the
// installer could not start on it, and says why.
Rectangle {
    id: errorPanel

    readonly property Item defaultButton: errorWindowCloseButton

    // The sentence for a start-up failure, by its kind.
    function failureText(failure) {
        switch (failure.kind) {
        case "environment":
            return qsTr("The system drive cannot be used: %1.").arg(failure.reason)
        case "logFolder":
            return qsTr("The log folder %1 cannot be written: %2.").arg(failure.subject)
                                                                  .arg(failure.reason)
        case "registry":
            return qsTr("The registry value %1 cannot be written: %2.").arg(failure.subject)
                                                                       .arg(failure.reason)
        default:
            return qsTr("Hardware detection could not finish: %1.").arg(failure.reason)
        }
    }

    color: "transparent"

    // A message too long for one line wraps.
    AccessibleText {
        id: errorMessage
        objectName: "errorMessage"
        y: g_bInstall ? 180 : 200
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: 28
        font.family: fontKlavikaMedium.name
        text: g_bInstall ? qsTr("Unable to Install Zorva Chipset Drivers.")
                         : g_bStartupFailed ? qsTr("Unable to Uninstall Zorva Chipset Drivers.")
                                            : qsTr("There are no uninstallable drivers found.")
    }

    AccessibleText {
        id: errorDetail
        objectName: "errorDetail"
        anchors.top: errorMessage.bottom
        anchors.topMargin: 25
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        // A reason names paths, which may be long: it wraps anywhere.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        font.pixelSize: 17
        visible: g_bInstall || g_bStartupFailed
        text: g_bStartupFailed
              ? failureText(g_vStartupFailure)
              : qsTr("System configuration is not compatible for RAID drivers or applications installation.")
    }

    Rectangle {
        id: errorFooter
        objectName: "errorFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        Rectangle {
            width: parent.width
            height: 5
            color: g_strFooterBorderColor
        }

        Image {
            id: alertIcon
            objectName: "alertIcon"
            anchors.left: parent.left
            anchors.leftMargin: 20
            y: 29
            source: "qrc:/img/icon_16_alert.png"
            visible: g_bInstall || g_bStartupFailed
        }

        FooterText {
            id: errorFooterMessage
            objectName: "errorFooterMessage"
            anchors.left: parent.left
            anchors.leftMargin: alertIcon.visible ? alertIcon.anchors.leftMargin + 30 : 20
            anchors.right: errorWindowCloseButton.left
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            text: g_bStartupFailed ? qsTr("Nothing has been changed on this machine.")
                  : g_bInstall ? qsTr("A System Update is required to complete the installation.")
                               : qsTr("Zorva Chipset Drivers were not found.")
        }

        SquareButton {
            id: errorWindowCloseButton
            objectName: "errorWindowCloseButton"
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            strButtonColor: g_strGreenColor
            //: Button: ends the installer, which has nothing to do on this computer.
            strButtonText: qsTr("Close")
            onButtonClicked: Qt.quit()
            //: Screen-reader name of the error panel's Close button: its caption.
            Accessible.name: qsTr("ErrorWindowCloseButton")
            //: Screen-reader description of the error panel's Close button.
            Accessible.description: qsTr("Terminates Error Window")
        }
    }
}
